"""Synonym lines (SYNONYA ... SYNONYZ) from the MyThes French thesaurus."""
import math
from collections import OrderedDict

from .folding import first_letter, spell_ligatures, sub_accents, synonym_sort_key
from .lexicon import load_table

THESAURUS = "/usr/share/mythes/thes_fr.dat"
MARGINAL = "marginal_synonyms.tsv"

MAX_LINES = 4300
# Ranks the frequency list reaches: an item of this rank or beyond counts as rare.
LISTED_RANKS = 30000
MAX_HEADWORD = 29
# The window shows the first this many items of a line.
SHOWN = 21

# Thesaurus categories -> abbreviations of the synonym lines. Determiners are
# articles only for the articles themselves; French grammar calls the others
# (ce, aucun, chaque, même...) adjectives.
CATEGORY = {
    "Adjectif": "adj", "Adverbe": "adv", "Determinant": "adj",
    "Conjonction": "conj", "Expression": "expr", "Interjection": "interj",
    "Locution": "loc", "Nom": "n", "Prefixe": "préf", "Préfixe": "préf",
    "Preposition": "prép", "Préposition": "prép", "Pronom": "pron",
    "Verbe": "v", "Nombre": "adj", "nom": "n",
}
ARTICLES = frozenset(("le", "la", "les", "l’", "un", "une", "des", "du", "au", "aux"))
# The codes the synonyms window has a caption for, in its table's order.
LABELLED_CODES = (
    "adj", "adj adv", "adj interj", "adj interj n", "adj n", "adj n v", "adj prép",
    "adj pron", "adj v", "adv", "adv conj", "adv loc", "adv n", "adv prép", "adv pron",
    "adv v", "art", "conj", "conj n", "expr", "interj", "interj n", "loc", "n", "n adv",
    "n préf", "n prép", "n prép v", "n pron", "n v", "préf", "prép", "pron", "v")
# Abbreviations from the commonest category of the thesaurus to the rarest.
_COMMONEST = ("n", "v", "adj", "adv", "loc", "interj", "pron", "art", "prép", "conj",
              "expr", "préf")
# Lexicon parts that have a synonym abbreviation (suffixes have none).
_LEXICON_PARTS = set(_COMMONEST)

# Misspelt headwords of the thesaurus and the spelling they are merged into.
MENDED = {
    "ádoucir": "adoucir",      # á is no French letter; the line repeats adoucir's
    "plier(se)": "se plier",   # the pronoun of a pronominal verb stands first
    "tasser(se)": "se tasser",
}

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
    """Text made fit for a line: apostrophes typographic, ligatures spelt
    out (the lookup finds no headword that begins with one, and "oeil" is
    what a keyboard types), known misspellings mended, no reserved
    character; None when something cannot be written in cp1252."""
    for old, new in _REPLACE.items():
        text = text.replace(old, new)
    text = spell_ligatures(" ".join(text.split()))
    text = MENDED.get(text, text)
    if any(c in _RESERVED for c in text):
        return None
    try:
        text.encode("cp1252")
    except UnicodeEncodeError:
        return None
    return text


def lookup_key(text):
    """What the synonym lookup compares: accents folded, then lower case."""
    return sub_accents(text).lower()


def labelled_code(abbreviations):
    """The window's code for a set of abbreviations: the set itself when the
    window labels it, else the labelled code with the most of its parts,
    the commonest parts first."""
    parts = set(abbreviations)
    fitting = [c for c in LABELLED_CODES if set(c.split()) <= parts]
    return min(fitting, key=lambda c: (-len(c.split()),
                                       sorted(_COMMONEST.index(p) for p in c.split())))


def _abbreviations(head, names):
    """The abbreviations of one meaning's categories."""
    return {"art" if n == "Determinant" and head in ARTICLES else CATEGORY[n]
            for n in names if n in CATEGORY}


# Endings of a masculine singular and of its feminine or plural forms.
_FORMS = (("", "e"), ("", "s"), ("", "es"), ("", "x"), ("eux", "euse"), ("if", "ive"),
          ("er", "ère"), ("en", "enne"), ("el", "elle"), ("et", "ette"), ("on", "onne"),
          ("eur", "euse"), ("teur", "trice"))


def other_form(item, items):
    """Whether item is the feminine or plural of another of items."""
    return any(item.endswith(end) and item[:len(item) - len(end)] + base in items
               for base, end in _FORMS if len(item) > len(end) + 1)


# Word parts of opposite meaning: a thesaurus line sometimes lists the
# opposite beside the synonyms (misandrie: misogynie; femme: homme).
OPPOSITES = (("andr", "gyn"), ("homme", "femme"), ("hyper", "hypo"), ("macro", "micro"),
             ("phile", "phobe"), ("philie", "phobie"), ("endo", "exo"), ("intra", "extra"),
             ("maxi", "mini"), ("mâle", "femelle"), ("jour", "nuit"), ("garçon", "fille"),
             ("père", "mère"), ("frère", "sœur"), ("oncle", "tante"), ("roi", "reine"))


def opposite(word, item):
    """Whether item is word with one part turned into its opposite
    ("misogynie" for "misandrie", "homme" for "femme"): the rest of the two
    words agree, up to a linking "o"."""
    for one, other in OPPOSITES:
        for a, b in ((one, other), (other, one)):
            if a in word and b in item:
                left, _a, right = word.partition(a)
                left2, _b, right2 = item.partition(b)
                if left.rstrip("o") == left2.rstrip("o") and right.lstrip("o") == right2.lstrip("o"):
                    return True
    return False


def _categories(meanings):
    return set().union(*(c for c, _i in meanings))


def usage(frequencies, item):
    """0 for an item the frequency list lacks (or a phrase) up to 1 for the
    commonest word, on a log scale of its rank."""
    rank = frequencies.rank(item) if frequencies else None
    return max(0.0, math.log(LISTED_RANKS / rank) / math.log(LISTED_RANKS)) if rank else 0.0


def load_marginal():
    """{headword: {items}} of the reviewed table of marginal synonyms."""
    return {row[0]: {item.replace("_", " ") for item in row[1].split()}
            for row in load_table(MARGINAL)}


def ranked(spellings, meanings, lists, frequencies=None, parts=None, translations=None,
           marginal=frozenset()):
    """The synonyms of one line, best first. spellings: the headwords merged
    in the line; meanings: [(abbreviations, [items])] of all of them; lists:
    {headword: (abbreviations, {items})} of every thesaurus headword; parts:
    {form: parts of speech} of the lexicon; translations: which words
    translate alike (translations.Translations); marginal: the items our
    review puts after the everyday ones.
    Items spelt like the headword up to accents and case are dropped. The
    headword's opposite (femme: homme) comes last; before it an item that
    only inflects another of the line (feminine, plural), the items our
    review found marginal (manger: lire, from "dévorer un livre"), and an
    item whose parts of speech in the lexicon are none of the line's (ville:
    "convoqué", from "cité" the participle). Of the others, an item that
    shares a translation with the headword comes first (the headword's common
    sense: jour, journée, not hublot); then an item comes first when it is
    listed in more meanings, when its own line lists the
    headword back, when it shares a category with the headword, then by how
    much its own synonyms agree with the headword's: each shared synonym
    counts with its own agreement, over the square root of the item's list
    length plus 10 (so that short lists do not win by chance); then the more
    used word first, then by meaning and source position."""
    parts = parts or {}
    head_keys = {lookup_key(s) for s in spellings}
    order = []
    for _cats, items in meanings:
        order.extend(i for i in dict.fromkeys(items)
                     if i not in order and lookup_key(i) not in head_keys)
    cats = _categories(meanings)
    head_parts = cats.union(*(parts.get(s, set()) for s in spellings))
    keys = set(order)
    empty = (set(), frozenset())
    own = {s: lists.get(s, empty) for s in order}
    size = {s: math.sqrt(len(own[s][1]) + 10) for s in order}
    shared = {s: [t for t in order if t in own[s][1]] for s in order}
    first = {s: len(shared[s]) / size[s] for s in order}
    agreement = {s: sum(first[t] for t in shared[s]) / size[s] for s in order}
    translated = {s: max((translations.languages(h, s) for h in spellings), default=0)
                  if translations else 0 for s in order}

    def rank(position_item):
        position, item = position_item
        own_cats, own_items = own[item]
        senses = [i for i, (_c, items) in enumerate(meanings) if item in items]
        item_parts = parts.get(item, set()) & _LEXICON_PARTS
        return (any(opposite(h, item) for h in spellings), other_form(item, keys | spellings),
                item in marginal, bool(item_parts and head_parts and not item_parts & head_parts),
                not translated[item], -len(senses), not spellings & own_items,
                bool(cats and own_cats and not cats & own_cats),
                -agreement[item], -usage(frequencies, item), senses[0], position)

    return [item for _p, item in sorted(enumerate(order), key=rank)]


def merge(entries, lexicon_parts=None, frequencies=None, translations=None, marginal=None):
    """One line per lookup key: the meanings of every headword the lookup
    cannot tell apart (same letters up to accents and case) are merged under
    the first spelling in alphabetical order, synonyms ranked best first
    without duplicates and without the headword. Returns ({letter: [line...]},
    figures: dropped entries by reason, lines over SHOWN items before and after
    de-duplication)."""
    lexicon_parts = lexicon_parts or {}
    merged = OrderedDict()
    dropped = {"headword": 0, "synonym": 0, "empty": 0, "overflow": 0}
    raw_counts, by_spelling = {}, {}
    for raw_head, raw_meanings in entries:
        head = normalize(raw_head)
        if head is None or not head or len(head) > MAX_HEADWORD or first_letter(head) is None:
            dropped["headword"] += 1
            continue
        spellings, meanings = merged.setdefault(key := lookup_key(head), (set(), []))
        spellings.add(head)
        for names, raw_items in raw_meanings:
            items = []
            for raw in raw_items:
                item = normalize(raw)
                if item is None:
                    dropped["synonym"] += 1
                elif any(c.isalpha() for c in item):
                    items.append(item)
            raw_counts[key] = raw_counts.get(key, 0) + len(raw_items)
            meanings.append((_abbreviations(head, names), items))
            by_spelling.setdefault(head, []).append(meanings[-1])
    heads = {key: min(spellings, key=synonym_sort_key)
             for key, (spellings, _m) in merged.items()}
    lists = {head: (_categories(meanings), {i for _c, items in meanings for i in items})
             for head, meanings in by_spelling.items()}
    letters = {}
    over = {"before": sum(1 for n in raw_counts.values() if n > SHOWN), "after": 0}
    for key, (spellings, meanings) in merged.items():
        head = heads[key]
        syns = ranked(spellings, meanings, lists, frequencies, lexicon_parts, translations,
                      (marginal or {}).get(head, frozenset()))
        if not syns:
            dropped["empty"] += 1
            continue
        over["after"] += len(syns) > SHOWN
        cats = _categories(meanings) or guess_category(head, lexicon_parts)
        line = "%s§%s$%s" % (head, labelled_code(cats), "\\".join(syns))
        letters.setdefault(first_letter(head), []).append((synonym_sort_key(head), line))
    result = {}
    for letter in sorted(letters):
        ordered = [line for _key, line in sorted(letters[letter])]
        if len(ordered) > MAX_LINES:
            dropped["overflow"] += len(ordered) - MAX_LINES
            ordered = ordered[:MAX_LINES]
        result[letter] = ordered
    return result, dict(dropped, over_shown=over)


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
