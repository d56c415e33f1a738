"""Articles of the FreeDict dictionaries built by WikDict from the French
Wiktionary (CC BY-SA): headword, part of speech and the French glosses that
Wiktionary's translation tables give each sense.

An article is a first line "headword /pron/ <part>" and then, per sense,
a line of translations ("1. Katze, Kater" when numbered) followed by its
French gloss ("Chat domestique"). Where one translation serves several
senses, their glosses follow it apart by lines such as " 3.". The Turkish
dictionary writes the gloss in brackets before the translations instead
("1.  [Félin] kedi")."""
import gzip
import os
import re
from collections import namedtuple

DICTD = "/usr/share/dictd"
# fra-eng, fra-nld and fra-bre are older hand-made glossaries and are not read.
LANGUAGES = ("bul", "deu", "ell", "fin", "ita", "jpn", "lat", "lit",
             "pol", "por", "rus", "spa", "swe", "tur")

# translations: [translation...] per sense, as sense_translations reads them.
Article = namedtuple("Article", "language headword part glosses translations", defaults=((),))

_BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
_HEAD = re.compile(r"^(.*?)(?:\s+/[^/]*/)*\s*(?:<([^>]*)>)?\s*$")
_NUMBERED = re.compile(r"^\d+\.\s")
_GLOSS_MARK = re.compile(r"^\s+\d+\.$")
_BRACKETED = re.compile(r"^(?:\d+\.)?\s*\[(.*)\]\s")
# A sense opens a line with its number; the next sense's number may close one.
_SENSE_NUMBER = re.compile(r"^\s*\d+\.\s*")
_NEXT_NUMBER = re.compile(r"\s+\d+\.\s*$")
# Longer comma parts are definitions, not translations.
_MAX_WORDS = 3


def _dictd_number(text):
    value = 0
    for char in text:
        value = value * 64 + _BASE64.index(char)
    return value


def parse_article(language, text):
    """The Article of one dictionary entry, or None when its first line is
    no headword line."""
    lines = text.rstrip("\n").split("\n")
    head = _HEAD.match(lines[0])
    if not head:
        return None
    glosses = []
    for index, line in enumerate(lines[1:]):
        bracketed = _BRACKETED.match(line)
        if bracketed:
            glosses.append(bracketed.group(1))
        elif index == 0 or _NUMBERED.match(line) or _GLOSS_MARK.match(line):
            continue                    # translations, or the mark before a gloss
        elif line.strip():
            glosses.append(line.strip())
    return Article(language, head.group(1).strip(), head.group(2) or "", tuple(glosses),
                   tuple(sense_translations(text)))


def sense_translations(text):
    """[[translation...] per sense] of an article, in either direction: the
    line after the head and each line that opens with a sense number list the
    translations; the other lines are definitions. Labels in parentheses and
    sentence-long parts are left out."""
    senses = []
    for number, line in enumerate(text.split("\n")[1:]):
        if number and not _SENSE_NUMBER.match(line):
            continue
        body = _NEXT_NUMBER.sub("", _SENSE_NUMBER.sub("", line)).strip()
        parts = [p.strip().lower() for p in body.split(",")]
        if any(len(p.split()) > _MAX_WORDS for p in parts):
            continue
        kept = tuple(p for p in parts if p and not p.startswith("("))
        if kept:
            senses.append(kept)
    return senses


def texts(name, dictd=DICTD):
    """The text of each article of one dictd dictionary ("fra-deu",
    "deu-fra"), in its index order."""
    base = os.path.join(dictd, "freedict-%s" % name)
    with gzip.open(base + ".dict.dz", "rb") as src:
        body = src.read()
    with open(base + ".index", encoding="utf-8") as src:
        for line in src:
            key, offset, size = line.rstrip("\n").split("\t")
            if key.startswith("00database"):
                continue
            start = _dictd_number(offset)
            yield body[start:start + _dictd_number(size)].decode("utf-8", "replace")


def articles(language, dictd=DICTD):
    """Every article of one dictionary, in its index order. The index folds
    case; the article's first line keeps it (ZUP, Hun)."""
    for text in texts("fra-%s" % language, dictd):
        article = parse_article(language, text)
        if article:
            yield article


def load(dictd=DICTD):
    """The articles of the fourteen dictionaries, read once for the builder."""
    return [article for language in LANGUAGES for article in articles(language, dictd)]
