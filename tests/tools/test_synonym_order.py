"""Translations decide which sense of a thesaurus line comes first."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))

from zorvane_data import synonyms, translations, wiktionary  # noqa: E402

# A German article into French and a French article into German, as the
# FreeDict packages write them: the translations follow the head or a sense
# number (the next sense's number may close the line), definitions stand
# on lines of their own.
INTO_FRENCH = """Tag /taːk/ <n, masc>
1. jour, journée 2.
Zeitraum zwischen Sonnenaufgang und Sonnenuntergang
 3.
Zeitspanne von 24 Stunden"""
FROM_FRENCH = """œil /œj/ <n, masc>
1. Auge, (Botanik) Knospe 2.
Organe de la vue
3. Blick
Regard porté sur quelqu'un ou quelque chose de précis et visible
4. Gucken
Action de voir"""


class ArticleTest(unittest.TestCase):
    def test_translation_lines_are_told_from_definitions(self):
        self.assertEqual(wiktionary.parse_article("deu", FROM_FRENCH).headword, "œil")
        self.assertEqual(wiktionary.sense_translations(INTO_FRENCH), [("jour", "journée")])
        # the label in parentheses is left out; definitions are no translations
        self.assertEqual(wiktionary.parse_article("deu", FROM_FRENCH).translations,
                         (("auge",), ("blick",), ("gucken",)))

    def test_languages_count_once_whatever_the_number_of_shared_words(self):
        found = translations.Translations()
        found.add_translations("deu", "œil", ["auge", "blick"])
        found.add_translations("deu", "regard", ["blick", "auge"])
        found.add_translations("ita", "regard", ["sguardo"])
        found.add_translations("ita", "oeil", ["occhio", "sguardo"])
        found.add_sense("pol", 7, ["oeil", "regard"])
        found.add_sense("pol", 8, ["oeil", "bourgeon"])
        found.add_sense("swe", 8, ["regard"])
        self.assertEqual(found.languages("oeil", "regard"), 3)
        self.assertEqual(found.languages("oeil", "bourgeon"), 1)
        self.assertEqual(found.languages("regard", "bourgeon"), 0)


class OrderTest(unittest.TestCase):
    def setUp(self):
        # jour's line: the "opening" sense first in the source, the day sense after
        items = ["hublot", "lucarne", "vasistas", "journée", "date", "nuit"]
        self.meanings = [({"n"}, items)]
        self.lists = {"hublot": ({"n"}, {"lucarne", "vasistas", "jour"}),
                      "lucarne": ({"n"}, {"hublot", "vasistas", "jour"}),
                      "vasistas": ({"n"}, {"hublot", "lucarne", "jour"}),
                      "journée": ({"n"}, {"date", "jour"}),
                      "date": ({"n"}, {"journée"}),
                      "nuit": ({"n"}, {"jour"})}
        self.found = translations.Translations()
        for word, said in (("jour", ["tag", "datum"]), ("journée", ["tag"]),
                           ("date", ["datum"]), ("hublot", ["bullauge"])):
            self.found.add_translations("deu", word, said)

    def test_items_translated_like_the_headword_come_first(self):
        line = synonyms.ranked({"jour"}, self.meanings, self.lists,
                               translations=self.found)
        self.assertEqual(set(line[:2]), {"journée", "date"})
        # without translations the denser window group leads
        self.assertEqual(line[2:5], synonyms.ranked({"jour"}, self.meanings, self.lists)[:3])

    def test_reviewed_marginal_items_go_last_but_stay(self):
        line = synonyms.ranked({"jour"}, self.meanings, self.lists, translations=self.found,
                               marginal={"date", "hublot"})
        self.assertEqual(line[:3], ["journée", "lucarne", "vasistas"])
        self.assertEqual(set(line[3:5]), {"date", "hublot"})
        self.assertEqual(line[5], "nuit")       # the opposite stays last

    def test_translations_never_lift_an_opposite(self):
        self.found.add_translations("deu", "nuit", ["tag"])    # an odd entry
        line = synonyms.ranked({"jour"}, self.meanings, self.lists,
                               translations=self.found)
        self.assertEqual(line[-1], "nuit")


if __name__ == "__main__":
    unittest.main()
