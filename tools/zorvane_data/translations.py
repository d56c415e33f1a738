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
from .folding import spell_ligatures
from .wiktionary import DICTD, sense_translations, texts

# Other languages into French, of the same Wiktionary-built release.
INTO_FRENCH = ("deu", "ell", "fin", "pol", "por", "swe")


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


def load(french_articles, dictd=DICTD):
    """french_articles: what wiktionary.load() read of the French dictionaries
    (their translations); the dictionaries into French are read here."""
    found = Translations()
    for article in french_articles:
        for senses in article.translations:
            found.add_translations(article.language, article.headword, senses)
    for language in INTO_FRENCH:
        number = 0
        for article in texts("%s-fra" % language, dictd):
            for words in sense_translations(article):
                number += 1
                if len(words) > 1:
                    found.add_sense(language, number, words)
    return found
