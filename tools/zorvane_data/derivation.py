"""A sense, in one line, for lemmas that every other source leaves with a
grammatical description only, when they are made by a regular derivation
from a word that has a sense: RETELEPHONER is "Téléphoner de nouveau.",
ZONATION "Action de zoner.", FUGACEMENT "D'une manière fugace.".

Only the patterns whose readings came out right (SOURCES.md gives them) are
kept. The base must be in the lexicon with the part of speech the pattern
needs, and have a sense of its own; the words in the texts are the
lexicon's own accented spellings, never rebuilt from the folded words."""
from collections import namedtuple

from .folding import fold_word
from .lexicon import load_table

# What the texts need to know of a base, by its accented lemma: a verb's
# infinitive as said ("s'esclaffer" for a verb only used reflexively), its
# masculine singular past participle and whether it takes a direct object;
# an adjective's feminine singular.
Base = namedtuple("Base", "lemma infinitive participle transitive feminine")

_VOWELS = "aeiouyéèêâîôœ"
# Flags of a verb's use in the lexicon's tags: intransitive, transitive,
# indirect, other constructions; a verb with none is only reflexive.
_NON_REFLEXIVE_USES = set("itnx")
EXCEPTIONS = "derivation_exceptions.tsv"


def load_exceptions():
    """The words the patterns would make but whose sense drifted, read one by one."""
    return {row[0] for row in load_table(EXCEPTIONS)}


def _fields(tags):
    return tags.split("/", 1)[0].split(":")[1:]


def base_index(entries):
    """{(folded lemma, part): Base} of the lexicon's verbs and adjectives;
    entries: its (form, lemma, tags). Where two accented lemmas of one part
    fold alike, there is none."""
    found = {}
    for form, lemma, tags in entries:
        fields = _fields(tags)
        if not fields or form != form.lower():
            continue
        verb = fields[0][:1] == "V" and fields[0][1:2] in "0123"
        part = "v" if verb else "adj" if "A" in fields else None
        if part is None:
            continue
        record = found.setdefault((lemma, part), {"transitive": False, "reflexive": verb})
        if verb:
            record["transitive"] |= "t" in fields[0][2:]
            record["reflexive"] &= not _NON_REFLEXIVE_USES & set(fields[0][2:])
            if "Q" in fields and "m" in fields and "s" in fields:
                record.setdefault("participle", form)
        elif "s" in fields and ("f" in fields or "e" in fields):
            record.setdefault("feminine", form)
    index = {}
    for (lemma, part), record in found.items():
        infinitive = ("s'" if lemma[:1] in _VOWELS else "se ") + lemma \
            if record["reflexive"] else lemma
        base = Base(lemma, infinitive, record.get("participle"), record["transitive"],
                    record.get("feminine"))
        # an adjective is also found by its feminine, which adverbs are made on
        for key in ((fold_word(lemma), part), (fold_word(base.feminine or ""), "fem")):
            if key[0]:
                index.setdefault(key, []).append(base)
    # two bases that fold alike (pâle, palé) leave the word's base unknown
    return {key: bases[0] for key, bases in index.items() if len(bases) == 1}


def _again(base):
    return "%s de nouveau." % base.infinitive


def _action(base):
    # "de" is elided before a vowel ("Action d'isoler."); whether an h is
    # mute the lexicon does not say, so those verbs get no text
    if base.infinitive[:1] == "h":
        return None
    return ("Action d'%s." if base.infinitive[:1] in _VOWELS else "Action de %s.") % base.infinitive


def _result(base):
    # -ement nouns name the state as often as the act (navrement)
    text = _action(base)
    return text and text[:-1] + " ; son résultat."


def _possible(base):
    return "Qui peut être %s." % base.participle if base.transitive and base.participle else None


def _manner(base):
    return "D'une manière %s." % base.feminine if base.feminine else None


def _quality(base):
    return "Caractère de ce qui est %s." % base.lemma


# (name, part of the derived word, its accented ending, part of the base,
# endings of the base to try in place of the word's ending, text). The
# word's own spelling must end as shown: -ité, not the -ite of métabolite.
# Left out after reading: verbs in -iser and -ifier from adjectives (too
# many drifted from "Rendre X.": droitiser, filialiser), nouns in -age
# (fuselage, pleurage are no "Action de fuseler, de pleurer") and agent
# nouns in -eur (a dérailleur does not derail, a parapheur does not initial).
PATTERNS = (
    ("re- verb", "v", None, "v", None, _again),
    ("-ement noun", "n", "ement", "v", ("er",), _result),
    ("-issement noun", "n", "issement", "v", ("ir",), _result),
    ("-ation noun", "n", "ation", "v", ("er",), _action),
    ("-ification noun", "n", "ification", "v", ("ifier",), _action),
    ("-able adjective", "adj", "able", "v", ("er",), _possible),
    ("-ment adverb on the feminine", "adv", "ment", "fem", ("",), _manner),
    ("-ment adverb on the masculine", "adv", "ment", "adj", ("",), _manner),
    ("-amment adverb", "adv", "amment", "adj", ("ant",), _manner),
    ("-emment adverb", "adv", "emment", "adj", ("ent",), _manner),
    ("-ité noun", "n", "ité", "adj", ("", "e", "ique"), _quality),
    ("-arité noun", "n", "arité", "adj", ("aire",), _quality),
    ("-ivité noun", "n", "ivité", "adj", ("if",), _quality),
    ("-osité noun", "n", "osité", "adj", ("eux",), _quality),
    ("-bilité noun", "n", "bilité", "adj", ("ble",), _quality),
)


def _bases(word, spellings, ending, replacements):
    """[(folded base, its ending)] the word may come from."""
    if ending is None:        # RE + verb, RÉ + verb starting with a vowel
        return [(word[2:], "")] if word.startswith("RE") and len(word) > 5 else []
    if not any(s.endswith(ending) for s in spellings):
        return []
    stem = word[:-len(fold_word(ending))]
    return [(stem + r.upper(), r) for r in replacements] if len(stem) >= 3 else []


def derived_sense(word, parts, index, has_sense):
    """(pattern name, text) of the first pattern that makes the word from a
    base that has a sense; None when none does. parts: {part of speech: the
    word's accented spellings as that part}; has_sense: the folded words
    with a sense of their own. The base must end as the pattern says,
    accents included (TARE is "taré", no base of TARITE)."""
    for name, part, ending, base_part, replacements, text_of in PATTERNS:
        if part not in parts:
            continue
        for folded, base_ending in _bases(word, parts[part], ending, replacements):
            base = index.get((folded, base_part))
            if folded == word or base is None or fold_word(base.lemma) not in has_sense \
                    or not base.lemma.endswith(base_ending):
                continue
            text = text_of(base)
            if text:
                return name, text[0].upper() + text[1:]
    return None


def derived_senses(dico, words, index, has_sense, long_word, exceptions=frozenset()):
    """{word: (pattern name, text)} for the words shorter than long_word that
    are a lemma of their own, have no sense (has_sense), are no exception and
    are made by a pattern; words: {word: WordInfo}."""
    found = {}
    for word in dico:
        info = words[word]
        if len(word) >= long_word or word not in info.lemmas or word in has_sense \
                or word in exceptions:
            continue
        parts = {p: [l for l in lemmas if fold_word(l) == word] for p, lemmas in info.parts.items()}
        sense = derived_sense(word, parts, index, has_sense)
        if sense:
            found[word] = sense
    return found
