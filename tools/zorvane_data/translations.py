"""Which French words translate alike, from the Wiktionary-built FreeDict
dictionaries (CC BY-SA): evidence of the sense two words share.

The thesaurus gives a headword one undivided list, where the items of a
marginal sense (jour: hublot, vasistas, the "opening" sense) are as tightly
linked as the everyday ones. Translation tables are written for the senses
people look up, so an item that shares a translation with the headword
(jour and journée are both "Tag", "giorno", "día"), or that a foreign
dictionary gives beside it for one sense ("Tag: jour, journée"), belongs to
the headword's common sense. Counted by language, so that one dictionary's
odd entry weighs little."""
import re

from .folding import spell_ligatures
from .wiktionary import DICTD, LANGUAGES, texts

# French into other languages: the packages the definitions read too.
FROM_FRENCH = LANGUAGES
# Other languages into French, of the same Wiktionary-built release.
INTO_FRENCH = ("deu", "ell", "fin", "pol", "por", "swe")

# A sense opens a line with its number; the next sense's number may close one.
_SENSE_NUMBER = re.compile(r"^\s*\d+\.\s*")
_NEXT_NUMBER = re.compile(r"\s+\d+\.\s*$")
# Longer comma parts are definitions, not translations.
_MAX_WORDS = 3


def headword(article):
    """The article's headword: its first line up to the pronunciation or the
    part of speech."""
    first = article.split("\n", 1)[0]
    return re.split(r"\s+[/<]", first, 1)[0].strip()


def sense_translations(article):
    """[[translation...] per sense]: the line after the head and each line
    that opens with a sense number list the translations; the other lines
    are definitions in the source language. Labels in parentheses and
    sentence-long parts are left out."""
    senses = []
    lines = article.split("\n")[1:]
    for number, line in enumerate(lines):
        if number and not _SENSE_NUMBER.match(line):
            continue
        body = _NEXT_NUMBER.sub("", _SENSE_NUMBER.sub("", line)).strip()
        parts = [p.strip().lower() for p in body.split(",")]
        if any(len(p.split()) > _MAX_WORDS for p in parts):
            continue
        kept = [p for p in parts if p and not p.startswith("(")]
        if kept:
            senses.append(kept)
    return senses


def key(word):
    """Words as the thesaurus lines write them: lower case, ligatures spelt."""
    return spell_ligatures(word.lower())


class Translations:
    """For each French word, its translations by language and the foreign
    senses it translates."""

    def __init__(self):
        self.into = {}       # word -> {(language, translation)}
        self.senses = {}     # word -> {(language, foreign sense number)}

    def add_translations(self, language, word, translations):
        self.into.setdefault(key(word), set()).update((language, t) for t in translations)

    def add_sense(self, language, number, words):
        for word in words:
            self.senses.setdefault(key(word), set()).add((language, number))

    def languages(self, word, other):
        """In how many languages the two words share a translation or
        translate one foreign sense together."""
        shared = {l for l, _t in self.into.get(word, set()) & self.into.get(other, set())}
        shared |= {l for l, _n in self.senses.get(word, set()) & self.senses.get(other, set())}
        return len(shared)


def load(dictd=DICTD):
    found = Translations()
    for language in FROM_FRENCH:
        for article in texts("fra-%s" % language, dictd):
            for senses in sense_translations(article):
                found.add_translations(language, headword(article), senses)
    for language in INTO_FRENCH:
        number = 0
        for article in texts("%s-fra" % language, dictd):
            for words in sense_translations(article):
                number += 1
                if len(words) > 1:
                    found.add_sense(language, number, words)
    return found
