"""Text folding shared by every resource: word folding, accent folding, name keys."""
import unicodedata

# Ligatures do not decompose under NFD, so they are spelled out first.
_LIGATURES = {"œ": "oe", "Œ": "OE", "æ": "ae", "Æ": "AE", "ß": "ss"}

# The accent folding the program applies to synonym headwords: only these
# lower-case letters change, capitals and everything else stay as they are.
_SUB_ACCENTS = str.maketrans({
    "à": "a", "ä": "a", "â": "a", "ç": "c",
    "é": "e", "è": "e", "ë": "e", "ê": "e",
    "ï": "i", "î": "i", "ö": "o", "ô": "o",
    "ù": "u", "ü": "u", "û": "u", "ÿ": "y",
})


def spell_ligatures(text):
    """œ as oe, æ as ae (and their capitals), the rest unchanged."""
    for lig, plain in _LIGATURES.items():
        text = text.replace(lig, plain)
    return text


def strip_marks(text):
    """Removes diacritics and spells out ligatures, keeping case."""
    decomposed = unicodedata.normalize("NFD", spell_ligatures(text))
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def fold_word(form):
    """Folds a word form to upper-case A-Z, or returns None when other
    characters (hyphen, apostrophe, digit, blank...) remain."""
    folded = strip_marks(form).upper()
    if folded and all("A" <= c <= "Z" for c in folded):
        return folded
    return None


def sub_accents(text):
    """The program's own accent folding (keys of synonym lines)."""
    return text.translate(_SUB_ACCENTS)


def first_letter(headword):
    """Letter of the synonym resource that holds a headword, or None."""
    if not headword:
        return None
    base = strip_marks(headword[0]).upper()[:1]
    return base if "A" <= base <= "Z" else None


def synonym_sort_key(headword):
    """Alphabetical order of synonym headwords: accents and case ignored,
    hyphens and apostrophes skipped; ties broken by the raw text."""
    plain = strip_marks(headword).lower()
    plain = "".join(c for c in plain if c not in "-'’")
    return (plain, headword)


# The words La Poste abbreviates in every commune name it writes.
POSTAL_WORDS = {"SAINT": "ST", "SAINTE": "STE"}


def name_key(name):
    """Commune name key: upper case, no accents, only A-Z, 0-9 and single
    blanks (hyphens, apostrophes and any other sign become blanks), with
    the words La Poste abbreviates written as it writes them."""
    plain = strip_marks(name).upper()
    chars = [c if ("A" <= c <= "Z" or "0" <= c <= "9") else " " for c in plain]
    return " ".join(POSTAL_WORDS.get(w, w) for w in "".join(chars).split())
