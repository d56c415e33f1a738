"""A sense, in one line, for words the old dictionary and the thesaurus leave
with a grammatical description only: the French gloss that Wiktionary's
translation tables give one sense of the word's lemma (wiktionary.py reads
them). A gloss names the sense a translation renders ("Véhicule terrestre
motorisé", "(Figuré) Ce qui préserve de l'adversité"); it is no definition,
but it tells the reader what the word means.

Which sense: the glosses of all fourteen dictionaries are pooled per
headword and part of speech. Senses labelled old, rare or regional come
last, figurative and extended ones after the plain ones; then the sense
given by the most dictionaries, where a one-word gloss counts half, since
a bare kind tells less than a description (CON is "Personne stupide", 6
dictionaries, before "Vulve", 11; CHAT "Chat domestique" before "Félin",
14 each; FOUTRE stays "Copuler", 10, before a sense 2 give); then the
first met (dictionaries in their fixed order, articles in index order,
senses in article order)."""
import re
from collections import namedtuple

from .folding import fold_word, strip_marks
from .littre import shorten, to_cp1252

# The lexicon's parts for each part of speech of the dictionaries; an article
# without one is a function word ("allô", "après"), matched to the lexicon's
# others. Proper nouns ("pn") are never read.
_PARTS = {"n": "n", "masc": "", "fem": "", "adj": "adj", "v": "v", "adv": "adv", "": ""}
_CONTENT_PARTS = ("n", "adj", "v", "adv")

# Labels that put a sense behind others.
_OLD = {"vieilli", "désuet", "vieux", "autrefois", "peu usité", "rare", "plus rare",
        "sens étymologique", "sens initial", "archaïsme", "régionalisme", "belgique", "suisse",
        "québec", "canada", "midi de la france", "guyane", "louisiane", "afrique", "antilles"}
_SECONDARY = re.compile(r"^(?:par |sens figuré|figuré|pronominal et figuré|hyperbole|ironique)")
# Notes of the translation tables, which are no label for the reader.
_NOTE = re.compile(r"trier|traduction|équivalence|^\d+$")
_LEADING_LABEL = re.compile(r"^\(([^()]*)\)\s*")
_COLON_LABEL = re.compile(r"^([^:()]{2,40}?)\s*:\s+")
# Wiki leftovers: a sense number before a bar ("1|Carte à jouer"), a note after one.
_BAR_NUMBER = re.compile(r"^\w{1,3}\|")
_PARENTHESIS = re.compile(r"\([^()]*\)")
_WORD = re.compile(r"[^\W\d_][\w'-]*")
# Glosses that are no sense: a field ("Sens informatique", "En anatomie",
# "Au rugby"), a note ("Traductions de karaté", "Tous sens"), a kind of
# word ("Nom commun").
_NOT_A_SENSE = re.compile(r"^(?:(?:tous )?sens|traductions?)\b|^(?:en|au|aux|sur|dans)(?: l[ae']| les)? ?\S+$"
                          r"|^(?:nom|adjectif|verbe)(?: commun| propre| masculin| féminin)?$")
_KINDS_OF_WORD = {"ordinal", "cardinal", "fraction", "prénom", "taxon", "équivalent",
                  "abréviation", "sigle", "acronyme", "symbole", "interjection", "pronom",
                  "préposition", "conjonction", "adverbe", "article", "onomatopée", "locution"}
_FIELD_ENDINGS = ("logie", "graphie", "nomie", "chimie", "métrie")
# A field's name, which a qualifier may follow ("Chimie organique").
_FIELD = re.compile(r"(?:ie|ique|iques)$")
# A verb's sense starts with a verb ("Rendre anonyme", "Se libérer de...").
_VERB_START = re.compile(r"^(?:ne |n'|se |s'|\S+(?:er|ir|re|oir)\b)")

Sense = namedtuple("Sense", "text rank vague")


def label_set(articles):
    """The labels glosses open with in parentheses ("Chimie", "Figuré"), lower
    case: a gloss that is only one of them gives no sense."""
    labels = set()
    for article in articles:
        for gloss in article.glosses:
            while (match := _LEADING_LABEL.match(gloss)):
                labels.add(match.group(1).strip().lower())
                gloss = gloss[match.end():]
    return labels


def split_labels(gloss, labels):
    """(labels, text) of a gloss: "(Figuré) (Soutenu) Réprobation" and
    "Vieilli : attention donnée" open with labels."""
    found = []
    while True:
        match = _LEADING_LABEL.match(gloss)
        colon = _COLON_LABEL.match(gloss)
        if match:
            found.append(match.group(1).strip())
        elif colon and colon.group(1).strip().lower() in labels:
            found.append(colon.group(1).strip())
        else:
            return found, gloss.strip()
        gloss = gloss[(match or colon).end():]


def is_sense(text, labels, headword, part, lexicon_parts=None):
    """False for a text that holds no sense of the headword: no word, fields
    or a kind of word ("Géologie", "Chimie organique", "Ordinal"), the
    headword again ("Cultivar", "N-Butane"), letters outside cp1252 (a
    translation left in another script); for a verb, no verb first. With
    lexicon_parts ({lower-case form: its parts of speech}, as the lexicon
    gives them): fewer than half of its words French (a name left in Latin,
    "Perilla frutescens var. frutescens"; "Du Caire" stays), and, for an
    adjective, a word that is only a noun first
    (GRENADIEN: "Île et État de la Grenade", UNAIRE: "Système de
    numération")."""
    words = _WORD.findall(_PARENTHESIS.sub("", text).lower())
    if not words or max(len(w) for w in words) < 3 or to_cp1252(text) != text:
        return False
    joined = " ".join(words)
    head = fold_word(headword.replace("-", "")) or "#"
    if joined in labels or joined in _KINDS_OF_WORD or _NOT_A_SENSE.match(joined) \
            or (len(words) == 2 and words[0] in labels and _FIELD.search(words[0])) \
            or all(w in labels for w in words) \
            or (len(words) == 1 and joined.endswith(_FIELD_ENDINGS)) \
            or (len(words) <= 2 and any(
                strip_marks(w).upper().replace("-", "").replace("'", "").endswith(head) for w in words)):
        return False
    if lexicon_parts:
        pieces = [p for w in words for p in re.split(r"['-]", w) if len(p) > 1]
        if 2 * sum(p in lexicon_parts for p in pieces) < len(pieces) or \
                part == "adj" and lexicon_parts.get(words[0]) == {"n"}:
            return False
    return part != "v" or bool(_VERB_START.match(joined))


def sense_text(gloss, labels, headword, part, lexicon_parts=None):
    """The gloss as a Sense whose text suits the definitions file ("Militaire
    : tout ce qui met une troupe à couvert."), or None when it holds no sense
    (see is_sense)."""
    gloss = _BAR_NUMBER.sub("", gloss).split("|", 1)[0]
    gloss = " ".join(gloss.replace("’", "'").replace("´", "'").split())
    found, text = split_labels(gloss, labels)
    if text.endswith(")") and text.count(")") > text.count("("):
        text = text[:-1]
    if not is_sense(text, labels, headword, part, lexicon_parts):
        return None
    vague = len(_WORD.findall(text)) == 1
    shown = [l for l in found if not _NOTE.search(l.lower())]
    if shown and text[:1].isupper() and not text[1:2].isupper():
        text = text[0].lower() + text[1:]
    text = ("%s : %s" % (", ".join(shown), text)) if shown else text
    rank = 2 if any(l.lower() in _OLD for l in found) else \
        1 if any(_SECONDARY.match(l.lower()) for l in found) else 0
    text = shorten(text[0].upper() + text[1:])
    return Sense(text + "." if text.endswith(")") else text, rank, vague)


def gloss_table(articles, lexicon_parts=None):
    """{(headword, lexicon part): [(order, text)], best first} of every
    article with a usable gloss; proper nouns are left out; lexicon_parts:
    see is_sense. The orders of
    different keys compare: (rank, minus the dictionaries giving the text,
    counted twice for a gloss of several words, where it was first met)."""
    labels = label_set(articles)
    pooled = {}             # key -> {text: [rank, vague, dictionaries, first met]}
    for place, article in enumerate(articles):
        part = article.part.split(",")[0].strip()
        if part not in _PARTS:
            continue
        senses = pooled.setdefault((article.headword, _PARTS[part]), {})
        for index, gloss in enumerate(article.glosses):
            sense = sense_text(gloss, labels, article.headword, _PARTS[part], lexicon_parts)
            if sense:
                found = senses.setdefault(sense.text, [sense.rank, sense.vague, set(), (place, index)])
                found[2].add(article.language)
    return {key: sorted(((rank, -len(languages) * (1 if vague else 2), first), text)
                        for text, (rank, vague, languages, first) in senses.items())
            for key, senses in pooled.items() if senses}


def lemma_senses(dico, words, table, long_word):
    """{word: text} for the words shorter than long_word that are a lemma of
    their own with a gloss for one of the parts of speech of their entry:
    the best of those parts' glosses by the order of gloss_table."""
    senses = {}
    for word in dico:
        info = words[word]
        if len(word) >= long_word or word not in info.lemmas:
            continue
        candidates = [sense for part, lemmas in info.parts.items() for lemma in lemmas
                      if fold_word(lemma) == word
                      for sense in table.get((lemma, part if part in _CONTENT_PARTS else ""), ())]
        if candidates:
            senses[word] = min(candidates)[1]
    return senses
