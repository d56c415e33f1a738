"""The definitions file: one entry per DICO word number."""

from .folding import fold_word
from .resource_io import CRLF

LONG_WORD = 13          # from this length on, entries carry no definition
EXISTS = "x§EXISTE"

# The lemmas a reader means first for a form shared by several: the two
# auxiliaries (SUIS, SOMMES are ETRE before SUIVRE, SOMMER or SOMME).
AUXILIARIES = ("ETRE", "AVOIR")

# Kinds of text, in the order of preference, as counted in the report.
OWN, REFERENCE, GLOSS, DERIVED, GRAMMAR = (
    "sense", "cross-reference", "gloss", "derived", "grammar")

# Grammatical description of a category code whose lemma has no text.
_CATEGORY_NAMES = {"n": "Nom", "adj": "Adjectif", "v": "Verbe", "adv": "Adverbe",
                   "interj": "Interjection", "onomat": "Onomatopée", "prép": "Préposition",
                   "conj": "Conjonction", "pron": "Pronom", "art": "Article",
                   "loc": "Élément de locution", "préf": "Préfixe", "suff": "Suffixe"}


def cross_reference(target):
    return "Voir %s." % target


def usable(definition):
    """The program reads any short text holding 'Voir ' as a cross-reference,
    and separators or line breaks would cut an entry: such texts are not used."""
    if not definition or "\r" in definition or "\n" in definition:
        return False
    return not ("Voir " in definition and len(definition) < 22)


def lemma_order(words, info, lemma):
    """Sort key of a word's lemmas: auxiliaries, then nouns and adjectives
    (CHIENNE is CHIEN before CHIENNER), then verbs, then the adjectives that
    are participles of one of those verbs (CHARGEE is CHARGER, not the
    participle "chargé", which folds like the noun "charge"); then the lemma
    with more forms, then alphabetical order."""
    kinds = info.forms[lemma]
    spellings = {l for lemmas in info.parts.values() for l in lemmas if fold_word(l) == lemma}
    if kinds & {"v", "n"} == {"v"}:
        rank = 1
    elif spellings and all(l.endswith("é") for l in spellings) and \
            any("v" in info.forms[v] for v in info.lemmas if v != lemma):
        rank = 2
    else:
        rank = 0
    return (lemma not in AUXILIARIES, rank, -info.lemmas[lemma], lemma)


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


def entry_texts(dico, words, articles, glosses, verbs=None, feminines=None):
    """(kind, text) of each word of at most 12 letters, in DICO order;
    (None, "") for longer words. articles: {folded headword: text};
    glosses: {word: short gloss}; verbs: {verb: its sense, where the verb's
    own text is that of a homograph}: its forms show that sense; feminines:
    {word: (feminines, text) of its homographs that give a feminine}: those
    feminines show that text (COITE is "coi", not the salt-marsh duct)."""
    verbs, feminines = verbs or {}, feminines or {}
    dico_set = set(dico)
    own = sense_texts(dico, words, articles, glosses)
    result = []
    for word in dico:
        info = words[word]
        if len(word) >= LONG_WORD:
            result.append((None, ""))
            continue
        others = sorted((l for l in info.lemmas if l != word),
                        key=lambda l: lemma_order(words, info, l))
        lemmas = [l for l in others if l in dico_set]
        targets = [l for l in lemmas if l in own]
        # a noun's plural is no verb form to the reader (TUBAS is TUBA before
        # the verb TUBER): without a text for the noun, it is described
        if targets and lemmas[0] not in own and \
                lemma_order(words, info, lemmas[0])[:2] < lemma_order(words, info, targets[0])[:2]:
            targets = []
        if word in own:
            result.append(own[word])
        elif targets and targets[0] in verbs and "n" not in info.forms[targets[0]]:
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
            text = describe(word, info, (lemmas or others or [word])[0])
            result.append((GRAMMAR, text) if text else (None, EXISTS))
    return result


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
