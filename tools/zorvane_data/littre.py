"""Definitions from the StarDict edition of Littré's dictionary."""
import gzip
import html
import re
import struct

from .folding import fold_word

STARDICT_BASE = "/usr/share/stardict/dic/XMLittre"

# Longest definition kept, in characters: whole sentences up to this length.
MAX_DEFINITION = 250

_SPAN = re.compile(r"<span\b[^>]*>.*?</span>", re.S)
_TAG = re.compile(r"<[^>]+>")
_SENSE_NUMBER = re.compile(r"^\s*\d+°\s*")
_HOMOGRAPH = re.compile(r"\.(\d+)$")
_SENTENCE_END = re.compile(r"[.!?](?=\s|$)")
# Pronominal verbs are headed "ABSTENIR (S')" or "S'ENTRE-DEMANDER".
_PRONOMINAL = re.compile(r"\s*\((SE|S')\)$|^S'|^SE ")


def parse_idx(data):
    """StarDict index: word NUL, 32-bit big-endian offset and size."""
    entries = []
    pos = 0
    while pos < len(data):
        end = data.index(b"\0", pos)
        offset, size = struct.unpack(">II", data[end + 1:end + 9])
        entries.append((data[pos:end].decode("utf-8"), offset, size))
        pos = end + 9
    return entries


def headword_key(headword):
    """('ACTIF', 0) for 'ACTIF, IVE'; ('BARBE', 2) for 'BARBE.2';
    ('ENTREBATTRE', 0) for 'ENTRE-BATTRE (S')': compounds are matched in the
    solid spelling the word lists use. The folded key is None for headwords
    that are no single word."""
    number = 0
    match = _HOMOGRAPH.search(headword)
    if match:
        number = int(match.group(1))
        headword = headword[:match.start()]
    head = _PRONOMINAL.sub("", headword.split(",", 1)[0].strip())
    head = head.replace("-", "").replace("'", "").replace("’", "")
    return fold_word(head), number


def clean(fragment):
    """Markup removed, entities decoded, blanks collapsed."""
    text = _TAG.sub("", _SPAN.sub("", fragment))
    return " ".join(html.unescape(text).split())


def first_sense(article):
    """Text of the first sense of an article: the line numbered 1°, or
    else the first plain line after the pronunciation header."""
    lines = article.split("\n")
    for line in lines:
        if "<b>1°</b>" in line:
            return clean(_SENSE_NUMBER.sub("", clean(line.split("<b>1°</b>", 1)[1])))
    for line in lines[1:]:
        if "<big>" in line:
            break
        if line.lstrip().startswith("<span"):
            continue
        text = clean(line)
        if text:
            return text
    return ""


def shorten(text, limit=MAX_DEFINITION):
    """Whole sentences up to limit characters; a first sentence longer than
    that is cut at a blank and ends with '...'."""
    if len(text) <= limit:
        return text
    cut = 0
    for match in _SENTENCE_END.finditer(text):
        if match.end() > limit:
            break
        cut = match.end()
    if cut:
        return text[:cut]
    space = text.rfind(" ", 0, limit - 3)
    return text[:space if space > 0 else limit - 3].rstrip(" ,;:") + "..."


def to_cp1252(text):
    """Characters outside cp1252 (Greek etymons, rare signs) are dropped."""
    return text.encode("cp1252", "ignore").decode("cp1252")


def load_definitions(base=STARDICT_BASE):
    """{folded headword: definition} from the first homograph that gives a
    non-empty first sense."""
    with open(base + ".idx", "rb") as src:
        entries = parse_idx(src.read())
    with gzip.open(base + ".dict.dz", "rb") as src:
        body = src.read()
    return definitions_from(entries, body)


def definitions_from(entries, body):
    candidates = {}
    for headword, offset, size in entries:
        key, number = headword_key(headword)
        if key is None:
            continue
        candidates.setdefault(key, []).append((number, headword, offset, size))
    result = {}
    for key, found in candidates.items():
        for _number, _head, offset, size in sorted(found):
            article = body[offset:offset + size].decode("utf-8")
            text = shorten(to_cp1252(first_sense(article)).strip())
            if text:
                result[key] = text
                break
    return result
