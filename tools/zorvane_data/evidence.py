"""What general dictionaries other than the lexicon list: the evidence that
admits a spelling the lexicon gives only as a 1990 reform or archaic variant.

Three independent sources, each read for its headwords (lemmas) only:
- Wiktionary, through the FreeDict packages built from it (CC BY-SA);
- Lefff, through two npm packages (LGPL-LR: read as evidence, never copied);
- Littré's own articles (the headword as the old dictionary spells it)."""
import json
import os
import re

from .folding import fold_word
from .littre import STARDICT_BASE, parse_idx

LEFFF_NOUNS = ("lefff-helper", "resources_pub", "nouns.json")
LEFFF_ADJECTIVES = ("lefff-helper", "resources_pub", "adjectives.json")
LEFFF_VERBS = ("french-verbs-lefff", "dist", "conjugations.json")

_HOMOGRAPH = re.compile(r"\.\d+$")
_PRONOMINAL = re.compile(r"\s*\((SE|S')\)$|^S'|^SE ")


def is_common_article(headword, parts):
    """A lower-case headword that is not only a proper noun or an abbreviation."""
    if headword != headword.lower():
        return False
    return not parts or any(not p.startswith(("pn", "abbr")) for p in parts)


def welded(headword):
    """The solid spelling of a hyphenated compound (hot-dog: HOTDOG), else None."""
    return fold_word(headword.replace("-", "")) if "-" in headword else None


class Evidence:
    """Folded lemmas by source: exact spellings, and the solid spellings of the
    hyphenated compounds that the current sources list (the reform welds
    them: hot-dog, hotdog)."""

    def __init__(self):
        self.exact = {}          # folded lemma -> sources
        self.welded = {}

    def add(self, source, headword):
        word = fold_word(headword)
        if word:
            self.exact.setdefault(word, set()).add(source)
        solid = welded(headword)
        if solid:
            self.welded.setdefault(solid, set()).add(source)

    def sources(self, lemma):
        """Sources that list the lemma as it is spelt, or, for the current
        sources, hyphenated."""
        return self.exact.get(lemma, set()) | self.welded.get(lemma, set())


def load(npm_root, wiktionary_articles, littre_base=STARDICT_BASE):
    """wiktionary_articles: what wiktionary.load() read."""
    evidence = Evidence()
    parts = {}
    for article in wiktionary_articles:
        parts.setdefault(article.headword, set()).add(article.part)
    for headword, found in parts.items():
        if is_common_article(headword, found):
            evidence.add("wiktionary", headword)
    for lemma in lefff_lemmas(npm_root):
        evidence.add("lefff", lemma)
    for lemma in littre_headwords(littre_base):
        word = fold_word(lemma)
        if word:                  # its hyphenated compounds predate the reform
            evidence.exact.setdefault(word, set()).add("littre")
    return evidence


def lefff_lemmas(npm_root):
    def read(parts):
        with open(os.path.join(npm_root, *parts), encoding="utf-8") as src:
            return json.load(src)
    lemmas = set(read(LEFFF_NOUNS).values())
    lemmas.update(value[0] for value in read(LEFFF_ADJECTIVES).values())
    lemmas.update(read(LEFFF_VERBS))
    return sorted(l for l in lemmas if l == l.lower())


def littre_headwords(base=STARDICT_BASE):
    """The old dictionary's headwords as it spells them, lower case: 'ACTIF,
    IVE' gives actif, 'ABSTENIR (S')' abstenir, 'BARBE.2' barbe."""
    with open(base + ".idx", "rb") as src:
        entries = parse_idx(src.read())
    heads = set()
    for headword, _offset, _size in entries:
        head = _HOMOGRAPH.sub("", headword).split(",", 1)[0].strip()
        heads.add(_PRONOMINAL.sub("", head).lower())
    return sorted(heads)
