"""The definitions file: one entry per DICO word number."""

from . import frequency
from .plural_rules import preferred_targets
from .folding import fold_word
from .lexicon import load_table
from .resource_io import CRLF

LONG_WORD = 13          # from this length on, entries carry no definition
EXISTS = "x§EXISTE"

# The lemmas a reader means first for a form shared by several: the two
# auxiliaries (SUIS, SOMMES are ETRE before SUIVRE, SOMMER or SOMME).
AUXILIARIES = ("ETRE", "AVOIR")

# Kinds of text, in the order of preference, as counted in the report.
OWN, REFERENCE, GLOSS, DERIVED, GRAMMAR = (
    "sense", "cross-reference", "gloss", "derived", "grammar")
# Texts that replace a grammatical description only: a Wiktionary sense,
# and a cross-reference to a word that has one.
THIN_SENSE, THIN_REFERENCE = "wiktionary sense", "cross-reference to a wiktionary sense"
# Then, for lemmas still without one, a sense made from the word they derive from.
DERIVED_SENSE, DERIVED_REFERENCE = "derivation", "cross-reference to a derivation"
_REFERENCE_OF = {THIN_SENSE: THIN_REFERENCE, DERIVED_SENSE: DERIVED_REFERENCE}

# Grammatical description of a category code whose lemma has no text.
_CATEGORY_NAMES = {"n": "Nom", "adj": "Adjectif", "v": "Verbe", "adv": "Adverbe",
                   "interj": "Interjection", "onomat": "Onomatopée", "prép": "Préposition",
                   "conj": "Conjonction", "pron": "Pronom", "art": "Article",
                   "loc": "Élément de locution", "préf": "Préfixe", "suff": "Suffixe"}


MODERN_SENSES = "modern_senses.tsv"


def load_modern_senses():
    """{word: sense} of the hand-kept table of today's senses."""
    return {row[0]: row[1] for row in load_table(MODERN_SENSES)}


def cross_reference(target):
    return "Voir %s." % target


def usable(definition):
    """The program reads any short text holding 'Voir ' as a cross-reference,
    and separators or line breaks would cut an entry: such texts are not used."""
    if not definition or "\r" in definition or "\n" in definition:
        return False
    return not ("Voir " in definition and len(definition) < 22)


def grammatical_rank(words, info, lemma):
    """0 for nouns and adjectives, 1 for verbs, 2 for the adjectives that are
    participles of one of the word's verbs; auxiliaries come before all."""
    kinds = info.forms[lemma]
    spellings = lemma_spellings(info, lemma)
    if kinds & {"v", "n"} == {"v"}:
        rank = 1
    elif spellings and all(l.endswith("é") for l in spellings) and \
            any("v" in info.forms[v] for v in info.lemmas if v != lemma):
        rank = 2
    else:
        rank = 0
    return (lemma not in AUXILIARIES, rank)


def lemma_spellings(info, lemma):
    """The accented lemmas of a word's entries that fold to lemma."""
    return {l for lemmas in info.parts.values() for l in lemmas if fold_word(l) == lemma}


def lemma_order(words, info, lemma, frequencies=None, uses=None):
    """Sort key of a word's lemmas: auxiliaries first (SUIS, SOMMES are ETRE
    before SUIVRE, SOMMER or SOMME); participle adjectives last (CHARGEE is
    CHARGER, not "chargé", which folds like the noun "charge"); between the
    others, the lemma the word is used most as: the weight of the lemma's own
    spelling (FAITES is FAIRE, not "faîte"; PORTES is the noun "porte", used
    more than "porter"; a noun's unlisted spelling counts as rarer than the
    listed ones), for a verb the weight of the inflection the word is
    (uses: inflection_use.InflectionUse, the word given: MISSIONS is
    "mission", not "que nous missions"); then nouns and adjectives before
    verbs (CHIENNE is CHIEN before CHIENNER), the lemma with more forms,
    alphabetical order. uses: (InflectionUse, word) or None."""
    auxiliary, rank = grammatical_rank(words, info, lemma)
    weight = 0.0
    if frequencies:
        floor = [frequencies.floor] if rank != 1 else []
        weight = max(floor + [frequencies.of(s) for s in lemma_spellings(info, lemma)],
                     default=0.0)
    if uses:
        inflection_use, word = uses
        weight = inflection_use.weight(word, lemma, weight)
    return (auxiliary, rank == 2, -weight, rank, -info.lemmas[lemma], lemma)


def describe(word, info, lemma):
    """'Forme du verbe PARACHUTER.', 'Pluriel de X.', or the category's name."""
    kinds = info.forms.get(lemma, set()) if lemma else set()
    if lemma and lemma != word:
        if "v" in kinds and "n" not in kinds:
            return "Forme du verbe %s." % lemma
        label = {("f", "p"): "Féminin pluriel", ("p",): "Pluriel", ("f",): "Féminin"}.get(
            tuple(sorted(kinds & {"f", "p"})), "Forme")
        return "%s de %s." % (label, lemma)
    names = [_CATEGORY_NAMES[p] for p in info.category().split() if p in _CATEGORY_NAMES]
    if names == ["Nom"] and len(kinds & {"m", "f"}) == 1:
        names = ["Nom masculin" if "m" in kinds else "Nom féminin"]
    return (", ".join(names) + ".") if names else ""


def source_texts(articles, hand_glosses, thesaurus):
    """{word: text} of the word's own sense: the dictionary article, or the
    gloss of a hand-kept word. A word whose articles are all stubs ("Voy.
    RAS 2.") is only an old spelling of another word for the dictionary; the
    thesaurus, when it has the word, tells today's sense (PROCESVERBAL is no
    form of the adjective VERBAL)."""
    texts = {word: text for word, text in articles.texts.items()
             if word not in articles.redirected or word not in thesaurus}
    texts.update(hand_glosses)
    return texts


def sense_texts(dico, words, articles, glosses):
    """{word: (kind, text)} for the words of at most 12 letters that have a
    sense of their own: being their own lemma (and no feminine of another
    word), their dictionary article, else a gloss."""
    own = {}
    for word in dico:
        info = words[word]
        if len(word) >= LONG_WORD or word not in info.lemmas or feminine_form(word, info):
            continue
        if usable(articles.get(word)):
            own[word] = (OWN, articles[word])
        elif usable(glosses.get(word)):
            own[word] = (GLOSS, glosses[word])
    bases = dict(own)
    for word in dico:
        if len(word) < LONG_WORD and word in words[word].lemmas and word not in own:
            text = derived_text(word, words, bases)
            if text:
                own[word] = (DERIVED, text)
    return own


def verb_spelling(words, verb):
    """The accented infinitive of a folded verb ("EMETTRE" -> "émettre")."""
    spellings = sorted(l for l in words[verb].parts.get("v", ()) if fold_word(l) == verb)
    return spellings[0] if spellings else None


def derived_text(word, words, bases):
    """A sense built from a verb that has one, for words made from it by the
    most regular derivations: RE + verb ("Émettre de nouveau."), verb stem +
    ATION ("Action de calibrer."), verb stem + ABLE ("Qui peut être capté.")."""
    candidates = []
    if word.startswith("RE") and "v" in words[word].parts:
        candidates.append((word[2:], "%s de nouveau."))
    for ending, pattern in (("ATION", "Action de %s."), ("ABLE", "Qui peut être %s.")):
        if word.endswith(ending):
            candidates.append((word[:-len(ending)] + "ER", pattern))
    for verb, pattern in candidates:
        spelling = verb in bases and verb in words and verb_spelling(words, verb)
        if not spelling:
            continue
        if pattern.startswith("Qui"):
            spelling = spelling[:-2] + "é"
        text = pattern % spelling
        text = text.replace("de ", "d'", 1) if text.startswith("Action de ") and \
            spelling[0] in "aeiouyéèêâîô" else text
        return text[0].upper() + text[1:]
    return None


def feminine_form(word, info):
    """True for the feminine of another noun or adjective: SECHE is read as
    SEC before the noun "sèche", CHATTE as CHAT."""
    return any(lemma != word and "f" in kinds and "v" not in kinds
               for lemma, kinds in info.forms.items())


def feminine_text(word, lemma, kinds, homographs):
    """'Féminin de LEMMA : text' where the word is a feminine, or its plural,
    that one of the lemma's homographs gives; homographs: their (feminines,
    text); kinds: what the word is as a form of the lemma."""
    if "f" not in kinds or "v" in kinds:
        return None
    for feminines, text in homographs:
        if word in feminines:
            return "Féminin de %s : %s" % (lemma, text)
        if word[-1] == "S" and word[:-1] in feminines:
            return "Féminin pluriel de %s : %s" % (lemma, text)
    return None


class Choices:
    """What decides between a word's possible texts besides the sources:
    frequencies (frequency.Frequencies), spellings ({word: {accented form:
    {folded lemmas}}}) and uses (inflection_use.InflectionUse) to choose the
    lemma a reader means; fixed: {word:
    hand-kept modern sense}, which wins over every source; stubs: {word:
    folded word whose article the dictionary sends it to ("Voy. OEIL.")}."""

    def __init__(self, frequencies=None, spellings=None, fixed=None, stubs=None, uses=None):
        self.frequencies, self.spellings = frequencies, spellings or {}
        self.fixed, self.stubs, self.uses = fixed or {}, stubs or {}, uses


def entry_texts(dico, words, articles, glosses, verbs=None, feminines=None, choices=None,
                thin_senses=None, derived_senses=None):
    """(kind, text) of each word of at most 12 letters, in DICO order;
    (None, "") for longer words. articles: {folded headword: text};
    glosses: {word: short gloss}; verbs: {verb: its sense, where the verb's
    own text is that of a homograph}: its forms show that sense; feminines:
    {word: (feminines, text) of its homographs that give a feminine}: those
    feminines show that text (COITE is "coi", not the salt-marsh duct);
    choices: see Choices; thin_senses: {lemma: sense} used only where the
    text would otherwise be a grammatical description (see thin_text);
    derived_senses: {lemma: sense} used likewise, after the thin senses."""
    verbs, feminines, choices = verbs or {}, feminines or {}, choices or Choices()
    dico_set = set(dico)
    thin_senses = {w: (kind, t) for kind, senses in ((DERIVED_SENSE, derived_senses),
                                                      (THIN_SENSE, thin_senses))
                   for w, t in (senses or {}).items() if w in dico_set and usable(t)}
    own = sense_texts(dico, words, articles, glosses)
    own.update((w, (OWN, t)) for w, t in choices.fixed.items()
               if w in dico_set and len(w) < LONG_WORD)
    instead = {w: other for w in own if w not in choices.fixed
               and (other := _meant_instead(w, own, dico_set, choices))}
    instead = {w: other for w, other in instead.items() if other not in instead}
    result, thin = [], {}
    for word in dico:
        info = words[word]
        if len(word) >= LONG_WORD:
            result.append((None, ""))
            continue
        uses = (choices.uses, word) if choices.uses else None
        others = sorted((l for l in info.lemmas if l != word), key=lambda l: lemma_order(
            words, info, l, choices.frequencies, uses))
        lemmas = [l for l in others if l in dico_set]
        targets = reference_targets(word, words, lemmas, own, instead)
        targets = preferred_targets(word, info, words, own, targets)
        if word in instead:
            result.append((REFERENCE, cross_reference(instead[word])))
        elif word in own:
            result.append(own[word])
        elif targets and targets[0] in verbs and "n" not in info.forms[targets[0]] \
                and targets[0] not in choices.fixed:
            result.append((REFERENCE, "Forme du verbe %s : %s" % (targets[0], verbs[targets[0]])))
        elif targets and (feminine := feminine_text(
                word, targets[0], info.forms[targets[0]], feminines.get(targets[0], ()))):
            result.append((REFERENCE, feminine))
        elif targets:
            result.append((REFERENCE, cross_reference(targets[0])))
        elif usable(articles.get(word)):
            result.append((OWN, articles[word]))
        elif usable(glosses.get(word)):
            result.append((GLOSS, glosses[word]))
        else:
            thin[len(result)] = (word, lemmas or others)
            result.append(None)
    # a thin sense is shown by its word only where no other text comes
    # first (SECONDE is "Voir SECOND."): the forms are sent only to those
    for _round in range(2):
        with_sense = own.keys() | thin_senses.keys()
        for index, (word, lemmas) in thin.items():
            result[index] = thin_text(word, words, lemmas, own, with_sense, instead, thin_senses)
        thin_senses = {w: thin_senses[w] for index, (w, _l) in thin.items()
                       if result[index][0] in _REFERENCE_OF}
    return result


def reference_targets(word, words, lemmas, with_sense, instead):
    """The words a form may cross-refer to, best first: its lemmas that have
    a sense (with_sense), each where its own cross-reference leads, since
    only one is followed (BONDES goes where BONDE goes). None when its first
    lemma has no sense and ranks before them: a noun's plural is no verb form
    to the reader (TUBAS is TUBA before the verb TUBER), so without a text
    for the noun it is described."""
    targets = [t for t in dict.fromkeys(instead.get(l, l) for l in lemmas if l in with_sense)
               if t != word]
    info = words[word]
    if targets and lemmas[0] not in with_sense and \
            grammatical_rank(words, info, lemmas[0]) < grammatical_rank(words, info, targets[0]):
        return []
    return targets


def thin_text(word, words, lemmas, own, with_sense, instead, thin_senses):
    """The text of a word that no source above gives a sense: its own thin
    sense when it is a lemma of its own and no feminine of another word;
    else "Voir X." to the first of its lemmas with a sense, one of their own
    or a thin one, by the rules of the cross-references above (BELOTES goes
    to BELOTE before the verb BELOTER); else its own thin sense (a feminine);
    else the grammatical description. thin_senses: {lemma: (kind, sense)};
    with_sense: the words that have a sense of their own or a thin one."""
    info = words[word]
    sense = thin_senses.get(word) if word in info.lemmas else None
    if sense and not feminine_form(word, info):
        return sense
    targets = reference_targets(word, words, lemmas, with_sense, instead)
    if targets:
        kind = THIN_REFERENCE if targets[0] in own else _REFERENCE_OF[thin_senses[targets[0]][0]]
        return (kind, cross_reference(targets[0]))
    if sense:
        return sense
    text = describe(word, info, (lemmas or [word])[0])
    return (GRAMMAR, text) if text else (None, EXISTS)


def _meant_instead(word, own, dico_set, choices):
    """The word a reader means instead of a word's own sense: the lemma its
    spellings mostly belong to (FUT is "fut", ETRE, before "fût"), or the
    article the dictionary sends a form to ("YEUX: Voy. OEIL."); None to keep
    the word's own sense."""
    candidates = []
    if choices.frequencies and word in choices.spellings:
        candidates.append(frequency.overshadowing_lemma(
            word, choices.spellings[word], choices.frequencies))
    candidates.append(choices.stubs.get(word))
    return next((c for c in candidates if c and c != word and c in dico_set and c in own), None)


def entry_values(dico, words, texts):
    """Values of the entries, in DICO order. words: {word: WordInfo};
    texts: the (kind, text) pairs of entry_texts."""
    values = []
    for word, (kind, text) in zip(dico, texts):
        if kind is None and text == EXISTS:
            values.append(EXISTS)
        else:
            info = words[word]
            values.append("%s£%s§%s" % ("OK" if info.admitted() else "NOT", info.category(), text))
    return values


def render(values):
    """Text of the file, CR LF line ends, section [Cont] first."""
    lines = ["[Cont]"] + ["%d= %s" % (n, v) for n, v in enumerate(values, 1)]
    return (CRLF.join(lines) + CRLF).encode("cp1252")
