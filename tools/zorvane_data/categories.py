"""Part-of-speech codes of the definitions file, derived from lexicon tags."""

# The 35 codes the program knows, in the order it tests them.
POS_CODES = (
    "adj", "adj adv", "adj interj", "adj interj n", "adj n", "adj n v",
    "adj prép", "adj pron", "adj v", "adv", "adv conj", "adv loc", "adv n",
    "adv prép", "adv pron", "adv v", "art", "conj", "conj n", "interj",
    "interj n", "loc", "loc adv", "n", "n conj", "n préf", "n prép", "n pron",
    "n suff", "n v", "onomat", "préf", "prép", "pron", "v",
)

# First table code for each set of parts (the table holds both "adv loc"
# and "loc adv": the earlier one wins).
_CODE_BY_PARTS = {}
for _code in POS_CODES:
    _CODE_BY_PARTS.setdefault(frozenset(_code.split()), _code)

def is_verb_field(field):
    """A tag field naming a verb's conjugation group ("V1_it____a")."""
    return field[:1] == "V" and field[1:2] in ("0", "1", "2", "3")


def tag_fields(tags):
    """The fields of one lexicon tag string, without the variant marker after
    '/' and the notes after ';' or '#' (':N:A:f:p#G/*' gives N, A, f, p)."""
    return [field.split(";", 1)[0].split("#", 1)[0]
            for field in tags.split("/", 1)[0].split(":")[1:]]


def parts_of_tags(tags):
    """Parts of speech named by one lexicon tag string such as
    ':V1_it____a:Q:A:m:s/*'."""
    parts = set()
    for field in tag_fields(tags):
        if not field:
            continue
        if field == "N" or field == "T":
            parts.add("n")
        elif field in ("A", "B"):
            parts.add("adj")
        elif is_verb_field(field):
            parts.add("v")
        elif field in ("W", "X", "U"):
            parts.add("adv")
        elif field == "J":
            parts.add("interj")
        elif field in ("R", "Rv"):
            parts.add("prép")
        elif field in ("C", "Cc", "Cs"):
            parts.add("conj")
        elif field == "D":
            parts.add("art")
        elif field[0] == "D":          # demonstrative, possessive... determiners
            parts.add("adj")
        elif field[0] == "O" and field != "Ov":
            parts.add("pron")
        elif field == "Zp":
            parts.add("préf")
        elif field == "Zs":
            parts.add("suff")
        elif field[0] == "L" or field[0] == "É":
            parts.add("loc")
    return parts


def merge_parts(counts):
    """Code of the table for a word whose parts occur counts[part] times
    among its lemmas. When the whole set is no table code, the listed code
    whose parts are the word's most common ones (largest summed count,
    then more parts, then earlier in the table) is kept."""
    if not counts:
        return ""
    whole = frozenset(counts)
    if whole in _CODE_BY_PARTS:
        return _CODE_BY_PARTS[whole]
    best, best_score = "", None
    for index, code in enumerate(POS_CODES):
        parts = code.split()
        if not all(p in counts for p in parts):
            continue
        score = (sum(counts[p] for p in parts), len(parts), -index)
        if best_score is None or score > best_score:
            best, best_score = code, score
    return best
