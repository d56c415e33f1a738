"""Word forms of the lexicon, grouped by folded word.

Only load_entries() touches the grammalecte package, and only when it is
called, so the grouping logic can be tested without it installed."""
from collections import defaultdict

from .categories import merge_parts, parts_of_tags
from .folding import fold_word

DICTIONARY = "fr-allvars.json"

# Variant markers of the lexicon: '*' all spellings, 'M' and 'C' classic
# spelling, 'X' in both classic and reformed dictionaries, 'R' reformed
# spelling (1990) only, 'A' only in the all-variants dictionary.
OFFICIAL_VARIANTS = frozenset("*MCX")

# Markers that keep a word out of the common vocabulary: first names,
# family names, proper nouns.
_PROPER_TAGS = (":M1", ":M2", ":MP")


def load_entries():
    """All (form, lemma, tags) triples of the lexicon, sorted."""
    from grammalecte.graphspell.ibdawg import IBDAWG
    dawg = IBDAWG(DICTIONARY)
    return sorted(tuple(e) for e in dawg.select())


def is_common(form, tags):
    """A common word entry: no capital (proper nouns, acronyms), no proper
    noun tag, no symbol (';S' marks units and symbols such as 'km')."""
    if form != form.lower():
        return False
    body = tags.split("/", 1)[0]
    if any(t in body for t in _PROPER_TAGS):
        return False
    if ";S" in body or ":@" in body:
        return False
    return True


class WordInfo:
    """What the lexicon says about one folded word."""
    __slots__ = ("parts", "lemmas", "variants")

    def __init__(self):
        self.parts = defaultdict(set)      # part -> lemmas giving it
        self.lemmas = defaultdict(int)     # folded lemma -> entries
        self.variants = set()

    def category(self):
        return merge_parts({p: len(l) for p, l in self.parts.items()})

    def admitted(self):
        """Approximate Scrabble admission: see SOURCES.md for the rule."""
        if not self.variants & OFFICIAL_VARIANTS:
            return False
        parts = set(self.parts)
        if parts and parts <= {"interj", "onomat", "loc"}:
            return False
        return True


def group_words(entries, min_len=2, max_len=15):
    """Folds the common entries to DICO words: {word: WordInfo}."""
    words = {}
    for form, lemma, tags in entries:
        if not is_common(form, tags):
            continue
        word = fold_word(form)
        if word is None or not min_len <= len(word) <= max_len:
            continue
        info = words.get(word)
        if info is None:
            info = words[word] = WordInfo()
        folded_lemma = fold_word(lemma)
        for part in parts_of_tags(tags):
            info.parts[part].add(lemma)
        if folded_lemma:
            info.lemmas[folded_lemma] += 1
        info.variants.add(tags.rsplit("/", 1)[1] if "/" in tags else "*")
    # Forms known only as suffix elements are internet domains ("com", "fr"):
    # no part of speech the program can name, so no word.
    return {w: i for w, i in words.items() if i.category()}


def parts_by_form(entries):
    """Lower-case form -> set of parts, for tagging synonym headwords."""
    result = defaultdict(set)
    for form, _lemma, tags in entries:
        if is_common(form, tags):
            result[form] |= parts_of_tags(tags)
    return result
