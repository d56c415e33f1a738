"""Synonym lines (SYNONYA ... SYNONYZ) from the MyThes French thesaurus."""
from collections import OrderedDict

from .folding import first_letter, synonym_sort_key, strip_marks

THESAURUS = "/usr/share/mythes/thes_fr.dat"

MAX_LINES = 4300
MAX_HEADWORD = 29

# Thesaurus categories -> abbreviations of the synonym lines.
CATEGORY = {
    "Adjectif": "adj", "Adverbe": "adv", "Determinant": "art",
    "Conjonction": "conj", "Expression": "expr", "Interjection": "interj",
    "Locution": "loc", "Nom": "n", "Prefixe": "préf", "Préfixe": "préf",
    "Preposition": "prép", "Préposition": "prép", "Pronom": "pron",
    "Verbe": "v", "Nombre": "adj", "nom": "n",
}
# Order in which abbreviations are joined in a category code.
ORDER = ("adj", "adv", "art", "conj", "expr", "interj", "loc", "n",
         "préf", "prép", "pron", "v")
# Lexicon parts that have a synonym abbreviation (suffixes have none).
_LEXICON_PARTS = set(ORDER)

# Characters that cannot stand in a line (its separators) or are not cp1252.
_RESERVED = "§$\\|"
_REPLACE = {"ʼ": "’", "‘": "’", "\u00a0": " ", "\u2011": "-",
            "\u2010": "-"}


def parse_thesaurus(text):
    """[(headword, [(categories, [synonyms])...])] in file order. The file
    reads: encoding line, then 'word|n' followed by n meaning lines
    '(Cat Cat)|syn|syn'."""
    lines = text.split("\n")
    entries = []
    i = 1
    while i < len(lines):
        line = lines[i].rstrip("\r")
        i += 1
        if not line or "|" not in line:
            continue
        head, count = line.rsplit("|", 1)
        meanings = []
        for _ in range(int(count)):
            fields = lines[i].rstrip("\r").split("|")
            i += 1
            cats = fields[0].strip().strip("()").split()
            meanings.append((cats, fields[1:]))
        entries.append((head.strip(), meanings))
    return entries


def normalize(text):
    """Text made fit for a line: apostrophes typographic, no reserved
    character; None when something cannot be written in cp1252."""
    for old, new in _REPLACE.items():
        text = text.replace(old, new)
    text = " ".join(text.split())
    if any(c in _RESERVED for c in text):
        return None
    try:
        text.encode("cp1252")
    except UnicodeEncodeError:
        return None
    return text


def category_code(abbreviations):
    return " ".join(a for a in ORDER if a in abbreviations)


def merge(entries, lexicon_parts=None):
    """One line per headword: meanings merged, synonyms in source order
    without duplicates and without the headword. Returns
    ({letter: [line...]}, counts of dropped entries by reason)."""
    lexicon_parts = lexicon_parts or {}
    merged = OrderedDict()
    dropped = {"headword": 0, "synonym": 0, "empty": 0, "overflow": 0}
    for raw_head, meanings in entries:
        head = normalize(raw_head)
        if head is None or not head or len(head) > MAX_HEADWORD or first_letter(head) is None:
            dropped["headword"] += 1
            continue
        slot = merged.setdefault(head, (set(), []))
        cats, syns = slot
        for names, items in meanings:
            cats.update(CATEGORY[n] for n in names if n in CATEGORY)
            for item in items:
                syn = normalize(item)
                if syn is None:
                    dropped["synonym"] += 1
                    continue
                if syn and syn != head and syn not in syns:
                    syns.append(syn)
    letters = {}
    for head, (cats, syns) in merged.items():
        if not syns:
            dropped["empty"] += 1
            continue
        if not cats:
            cats = guess_category(head, lexicon_parts)
        line = "%s§%s$%s" % (head, category_code(cats), "\\".join(syns))
        letters.setdefault(first_letter(head), []).append((synonym_sort_key(head), line))
    result = {}
    for letter in sorted(letters):
        ordered = [line for _key, line in sorted(letters[letter])]
        if len(ordered) > MAX_LINES:
            dropped["overflow"] += len(ordered) - MAX_LINES
            ordered = ordered[:MAX_LINES]
        result[letter] = ordered
    return result, dropped


def guess_category(head, lexicon_parts):
    """Category of a headword the thesaurus leaves untyped: the lexicon's
    parts for a single word, 'loc' for a phrase, 'n' when unknown."""
    if " " in head:
        return {"loc"}
    parts = lexicon_parts.get(head) or lexicon_parts.get(head.lower()) or set()
    parts = parts & _LEXICON_PARTS
    return parts or {"n"}


def load(path=THESAURUS):
    with open(path, encoding="utf-8") as src:
        return parse_thesaurus(src.read())
