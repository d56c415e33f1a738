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
import gzip
import os
import re

from .folding import spell_ligatures

DICTD = "/usr/share/dictd"
# French into other languages (the same packages as the admission evidence).
FROM_FRENCH = ("bul", "deu", "ell", "fin", "ita", "jpn", "lat", "lit", "pol", "por",
               "rus", "spa", "swe", "tur")
# Other languages into French, of the same Wiktionary-built release.
INTO_FRENCH = ("deu", "ell", "fin", "pol", "por", "swe")

_BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
# A sense opens a line with its number; the next sense's number may close one.
_SENSE_NUMBER = re.compile(r"^\s*\d+\.\s*")
_NEXT_NUMBER = re.compile(r"\s+\d+\.\s*$")
# Longer comma parts are definitions, not translations.
_MAX_WORDS = 3


def dictd_number(text):
    """An offset or size of a dictd index, written in base 64."""
    value = 0
    for char in text:
        value = value * 64 + _BASE64.index(char)
    return value


def articles(name, dictd=DICTD):
    """The text of each article of one dictd dictionary, in index order."""
    base = os.path.join(dictd, "freedict-%s" % name)
    with gzip.open(base + ".dict.dz", "rb") as src:
        body = src.read()
    with open(base + ".index", encoding="utf-8") as src:
        for line in src:
            key, offset, size = line.rstrip("\n").split("\t")
            if key.startswith("00database"):
                continue
            start = dictd_number(offset)
            yield body[start:start + dictd_number(size)].decode("utf-8", "replace")


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
        for article in articles("fra-%s" % language, dictd):
            for senses in sense_translations(article):
                found.add_translations(language, headword(article), senses)
    for language in INTO_FRENCH:
        number = 0
        for article in articles("%s-fra" % language, dictd):
            for words in sense_translations(article):
                number += 1
                if len(words) > 1:
                    found.add_sense(language, number, words)
    return found
