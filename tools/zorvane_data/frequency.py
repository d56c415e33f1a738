"""How often French word forms are used, from an open ranked list: the
commonest forms of film subtitles (OpenSubtitles counts, ODC-BY), as the npm
package @zxcvbn-ts/language-fr ships them. Used to choose between homographs
and lemmas, and to break ties between synonyms."""
import json
import os
from collections import defaultdict

from .folding import fold_word

# Inside the npm input folder.
RANKED_FORMS = ("@zxcvbn-ts", "language-fr", "src", "commonWords.json")


class Frequencies:
    """Weights of accented lower-case forms. A form's share of running text
    falls roughly as 1/rank (Zipf), so the weight of the form of rank r is
    1/r and weights of several forms add up; an unlisted form weighs 0."""

    def __init__(self, ranked):
        self.ranks = {}
        for rank, form in enumerate(ranked, 1):
            self.ranks.setdefault(form, rank)
        self.weights = {form: 1.0 / rank for form, rank in self.ranks.items()}
        # what a form too rare to be listed is taken to weigh: half the
        # least listed one
        self.floor = 0.5 / len(self.ranks) if self.ranks else 0.0

    def of(self, spelling):
        return self.weights.get(spelling.lower(), 0.0)

    def rank(self, spelling):
        return self.ranks.get(spelling.lower())


def load(npm_root):
    with open(os.path.join(npm_root, *RANKED_FORMS), encoding="utf-8") as src:
        return Frequencies(json.load(src))


# Variant markers of spellings that running text seldom uses: the 1990
# reform only, or archaic.
_SELDOM_WRITTEN = ("/R", "/A")


def forms_by_word(entries):
    """{folded word: {accented form: {folded lemmas}}}: which lemma each
    spelling of a word belongs to (FUT: "fut" is only ETRE, "fût" is also
    the noun). A reformed or archaic spelling of one lemma does not share
    the counts of a classic spelling of another ("fut", reformed for the
    cask, is all but always ETRE)."""
    classic = {form for form, _lemma, tags in entries if not tags.endswith(_SELDOM_WRITTEN)}
    result = defaultdict(lambda: defaultdict(set))
    for form, lemma, tags in entries:
        if form in classic and tags.endswith(_SELDOM_WRITTEN):
            continue
        word, folded_lemma = fold_word(form), fold_word(lemma)
        if word and folded_lemma:
            result[word][form].add(folded_lemma)
    return result


def overshadowing_lemma(word, spellings, frequencies, ratio=4.0):
    """The other lemma a reader means by a word that is also a lemma of its
    own, or None: the one whose spellings that the word's own lemma lacks are
    used more than ratio times as much as the word's own spellings (FUT is
    far more often "fut", ETRE, than "fût", the cask; ETE stays the season,
    since "été" is both)."""
    own = sum(frequencies.of(f) for f, lemmas in spellings.items() if word in lemmas)
    others = defaultdict(float)
    for form, lemmas in spellings.items():
        if word not in lemmas:
            for lemma in lemmas:
                others[lemma] += frequencies.of(form)
    if not others:
        return None
    lemma, weight = max(sorted(others.items()), key=lambda item: item[1])
    return lemma if weight > ratio * own and weight > 0 else None
