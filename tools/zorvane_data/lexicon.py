"""Word forms of the lexicon, grouped by folded word.

Only load_entries() touches the grammalecte package, and only when it is
called, so the grouping logic can be tested without it installed."""
import os
from collections import defaultdict

from .categories import is_verb_field, merge_parts, parts_of_tags, tag_fields
from .folding import fold_word

DICTIONARY = "fr-allvars.json"
STOP_LIST = "reviewed_short_words.tsv"
ADDED_WORDS = "added_words.tsv"
# In the hand-kept table, a verb's forms field "comme:VISER" names the
# lexicon verb whose conjugation it follows.
MODEL_PREFIX = "comme:"

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
    __slots__ = ("parts", "lemmas", "variants", "forms", "attested")

    def __init__(self):
        self.parts = defaultdict(set)      # part -> lemmas giving it
        self.lemmas = defaultdict(int)     # folded lemma -> entries
        self.variants = set()
        self.forms = defaultdict(set)      # folded lemma -> kinds: v, n, p, f
        self.attested = False              # a variant whose lemma another dictionary lists

    def category(self):
        counts = {p: len(l) for p, l in self.parts.items()}
        # "locution element" is named only when the word is nothing else
        if len(counts) > 1:
            counts.pop("loc", None)
        return merge_parts(counts)

    def admitted(self):
        """Approximate Scrabble admission: see SOURCES.md for the rule."""
        return self.attested or bool(self.variants & OFFICIAL_VARIANTS)


def form_kinds(tags):
    """'v' for a verb form, else 'n' (noun, adjective...), with 'p' for a
    plural, 'f' for a feminine and 'm' for a masculine; a verb form other
    than a participle ("faites", not "parties") also has 'c'."""
    fields = tag_fields(tags)
    verb = any(is_verb_field(f) for f in fields)
    kinds = {"v" if verb else "n"}
    if verb and "Q" not in fields:
        kinds.add("c")
    kinds.update(k for k in ("p", "f", "m") if k in fields)
    return kinds


def group_words(entries, min_len=2, max_len=15):
    """Folds the common entries to words: {word: WordInfo}."""
    words = {}
    for form, lemma, tags in entries:
        # one-character forms are letters; "æ" and "œ" would fold to AE, OE
        if len(form) < 2 or not is_common(form, tags):
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
            info.forms[folded_lemma] |= form_kinds(tags)
        info.variants.add(tags.rsplit("/", 1)[1] if "/" in tags else "*")
    return words


def select(words, headwords, stop, added):
    """The words that stay, and the words each rule removes. headwords: the
    words general dictionaries list (articles); stop: the reviewed stop-list;
    added: the hand-kept words, which no rule removes."""
    removed = {"affix": set(), "locution": set(), "stop": set()}
    kept = {}
    for word, info in words.items():
        parts = set(info.parts)
        if word in added:
            kept[word] = info
        elif not parts or parts <= {"préf", "suff"}:
            removed["affix"].add(word)          # prefixes, suffixes, internet domains
        elif parts == {"loc"} and word not in headwords:
            removed["locution"].add(word)       # "ab", "cf": pieces of Latin phrases
        elif word in stop:
            removed["stop"].add(word)
        else:
            kept[word] = info
    return kept, removed


def attest(words, sources, reviewed):
    """Admits the variant spellings whose lemma an independent dictionary
    lists (sources(lemma) is not empty) or that the reviewed table admits;
    inflections follow their lemma, so the reformed conjugations of a listed
    verb (emmusèlerai beside emmusellerai) are admitted with it. Returns the
    variant words admitted and refused."""
    admitted, refused = set(), set()
    for word, info in words.items():
        if info.admitted():
            continue
        if any(sources(lemma) or lemma in reviewed for lemma in info.lemmas):
            info.attested = True
            admitted.add(word)
        else:
            refused.add(word)
    return admitted, refused


def add_words(words, added, min_len=2, max_len=15):
    """The hand-kept words and their other forms, merged into words."""
    for word, (category, forms, _gloss) in added.items():
        other_kinds = {"v"} if category == "v" else {"n", "p"}
        for form in (word,) + forms:
            if not min_len <= len(form) <= max_len:
                continue
            info = words.setdefault(form, WordInfo())
            info.variants.add("*")
            if form == word:
                info.parts.clear()
                for part in category.split():
                    info.parts[part].add(word.lower())
            elif not info.parts:
                info.parts["n" if "n" in category.split() else category.split()[0]].add(word.lower())
            info.lemmas[word] += 1
            info.forms[word] |= other_kinds if form != word else {"v"} if category == "v" else {"n"}
    return words


def conjugate(verb, model, entries):
    """The forms of a hand-kept verb, made from the lexicon's own forms of a
    regular model verb of the same ending (PISER like VISER): the model's
    stem is replaced by the verb's, so no other source's inflections are
    used. entries: the lexicon's (form, lemma, tags)."""
    model_stem, stem = model[:-2], verb[:-2]
    if model[-2:] != verb[-2:]:
        raise ValueError("%s cannot follow %s" % (verb, model))
    forms = set()
    for form, lemma, tags in entries:
        folded = fold_word(form)
        if fold_word(lemma) == model and folded and is_common(form, tags) \
                and "v" in form_kinds(tags) and folded.startswith(model_stem):
            forms.add(stem + folded[len(model_stem):])
    if not forms:
        raise ValueError("model verb %s has no forms" % model)
    return tuple(sorted(forms - {verb}))


def conjugate_added(added, entries):
    """Hand-kept verbs whose forms field names a model ("comme:VISER") get
    the forms conjugated after it."""
    result = {}
    for word, (category, forms, gloss) in added.items():
        if forms and forms[0].startswith(MODEL_PREFIX):
            forms = conjugate(word, forms[0][len(MODEL_PREFIX):], entries)
        result[word] = (category, forms, gloss)
    return result


def load_table(name):
    """Rows of a hand-kept table beside this module: tab-separated, '#' lines
    are comments."""
    with open(os.path.join(os.path.dirname(__file__), name), encoding="utf-8") as src:
        return [line.rstrip("\n").split("\t") for line in src
                if line.strip() and not line.startswith("#")]


def load_reviewed(decision):
    """Words of the reviewed table with one decision: drop (stop-list), keep,
    admit (a variant spelling general dictionaries carry), refuse (a
    candidate that is no word of general dictionaries)."""
    return {row[0] for row in load_table(STOP_LIST) if row[1] == decision}


def load_stop_list():
    return load_reviewed("drop")


def load_added():
    """{word: (category, other forms, gloss)}."""
    return {row[0]: (row[1], tuple(f for f in row[2].split(",") if f), row[3])
            for row in load_table(ADDED_WORDS)}


def parts_by_form(entries):
    """Lower-case form -> set of parts, for tagging synonym headwords."""
    result = defaultdict(set)
    for form, _lemma, tags in entries:
        if is_common(form, tags):
            result[form] |= parts_of_tags(tags)
    return result
