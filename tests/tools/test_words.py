import unittest

from zorvane_data.categories import POS_CODES, merge_parts, parts_of_tags
from zorvane_data.definitions import EXISTS, entry_values, render
from zorvane_data.lexicon import group_words
from zorvane_data.words import ana_order, dico_order


class CategoryTest(unittest.TestCase):
    def test_parts_of_lexicon_tags(self):
        self.assertEqual(parts_of_tags(":N:m:s/*"), {"n"})
        self.assertEqual(parts_of_tags(":V1_it____a:Q:A:m:s/*"), {"v", "adj"})
        self.assertEqual(parts_of_tags(":G:D:m:s/*"), {"art"})
        self.assertEqual(parts_of_tags(":G:Dp:e:s/*"), {"adj"})
        self.assertEqual(parts_of_tags(":G:Oo:Ov:m:s/*"), {"pron"})
        self.assertEqual(parts_of_tags(":W;É/*"), {"adv"})
        self.assertEqual(parts_of_tags(":ÉW/*"), {"loc"})
        self.assertEqual(parts_of_tags(":N:A:f:s#G/R"), {"n", "adj"})
        self.assertEqual(parts_of_tags(":Zp/*"), {"préf"})
        self.assertEqual(parts_of_tags(":H/*"), set())

    def test_merge_follows_table_order_and_keeps_common_parts(self):
        self.assertEqual(merge_parts({"v": 1, "n": 2, "adj": 1}), "adj n v")
        self.assertEqual(merge_parts({"loc": 1, "adv": 1}), "adv loc")
        self.assertEqual(merge_parts({"conj": 1, "n": 1}), "conj n")
        # no "adj adv n v": the three most common parts form a listed code
        self.assertEqual(merge_parts({"adj": 3, "n": 2, "v": 2, "adv": 1}), "adj n v")
        # no "adv pron v": "adv v" outweighs "adv pron"
        self.assertEqual(merge_parts({"adv": 1, "pron": 1, "v": 5}), "adv v")
        self.assertEqual(merge_parts({"suff": 1}), "")
        self.assertEqual(merge_parts({}), "")
        for counts in ({"art": 1, "pron": 2, "n": 1}, {"préf": 2, "adj": 1, "v": 1}):
            self.assertIn(merge_parts(counts), POS_CODES)


ENTRIES = sorted([
    ("chanter", "chanter", ":V1_it____a:Y/*"),
    ("chantes", "chanter", ":V1_it____a:Ip:2s/*"),
    ("chanté", "chanter", ":V1_it____a:Q:A:m:s/*"),
    ("chante", "chanter", ":V1_it____a:Ip:3s/*"),
    ("chante", "chante", ":N:f:s/C"),
    ("abaque", "abaque", ":N:m:s/*"),
    ("abaques", "abaque", ":N:m:p/*"),
    ("évènement", "évènement", ":N:m:s/R"),
    ("zut", "zut", ":J/*"),
    ("hoc", "hoc", ":ÉW/*"),
    ("Paris", "Paris", ":MP:e:i/*"),
    ("km", "m", ":N:m:i;S/*"),
    ("porte-clé", "porte-clé", ":N:m:s/*"),
    ("a", "avoir", ":V0ait____a:Ip:3s/*"),
    ("constitutionnellement", "constitutionnellement", ":W/*"),
    ("anticonstitutionnellement", "anticonstitutionnellement", ":W/*"),
    ("ab", "ab", ":N:m:i/*"),
    ("org", "org", ":Zs/*"),
])


class LexiconTest(unittest.TestCase):
    def setUp(self):
        self.words = group_words(ENTRIES)

    def test_word_selection_and_order(self):
        dico = dico_order(self.words)
        # proper nouns, symbols, domains, hyphenated forms, one letter and over 15 left out
        self.assertEqual(dico, ["AB", "ABAQUE", "ABAQUES", "CHANTE", "CHANTER", "CHANTES",
                                "EVENEMENT", "HOC", "ZUT"])
        self.assertEqual(ana_order(dico + ["ABCDEFGHIJKLM"]),
                         ["AB", "HOC", "ZUT", "ABAQUE", "CHANTE", "ABAQUES", "CHANTER",
                          "CHANTES", "EVENEMENT"])

    def test_categories_and_admission(self):
        self.assertEqual(self.words["CHANTE"].category(), "adj n v")
        self.assertEqual(dict(self.words["CHANTE"].lemmas), {"CHANTER": 2, "CHANTE": 1})
        self.assertTrue(self.words["CHANTE"].admitted())
        self.assertFalse(self.words["EVENEMENT"].admitted())   # reformed spelling only
        self.assertFalse(self.words["ZUT"].admitted())         # interjection only
        self.assertFalse(self.words["HOC"].admitted())         # locution element only
        self.assertTrue(self.words["AB"].admitted())


class DefinitionEntriesTest(unittest.TestCase):
    def test_entries(self):
        words = group_words(ENTRIES + [("abaquiste", "abaquiste", ":N:e:s/*"),
                                       ("déclarassions", "déclarer", ":V1_it____a:Sq:1p/*"),
                                       ("piedsbots", "pied-bot", ":N:m:p/*")])
        dico = dico_order(words)
        littre = {"ABAQUE": "Tailloir du chapiteau.", "CHANTER": "Faire entendre un chant.",
                  "ABAQUISTE": "Voir ABAQUE.", "PIEDSBOTS": "Pieds tordus."}
        got = dict(zip(dico, entry_values(dico, words, littre)))
        self.assertEqual(got["ABAQUE"], "OK£n§Tailloir du chapiteau.")
        self.assertEqual(got["ABAQUES"], "OK£n§Voir ABAQUE.")
        self.assertEqual(got["CHANTES"], "OK£v§Voir CHANTER.")
        # its own lemma has no article, the cross-reference goes to the verb
        self.assertEqual(got["CHANTE"], "OK£adj n v§Voir CHANTER.")
        self.assertEqual(got["ZUT"], EXISTS)
        # a short text holding "Voir " would be read as a cross-reference
        self.assertEqual(got["ABAQUISTE"], EXISTS)
        # the lemma folds to no DICO word: the form's own article is used
        self.assertEqual(got["PIEDSBOTS"], "OK£n§Pieds tordus.")
        self.assertEqual(got["DECLARASSIONS"], "OK£v§")      # 13 letters
        text = render(entry_values(dico, words, littre)).decode("cp1252")
        lines = text.split("\r\n")
        self.assertEqual(lines[0], "[Cont]")
        self.assertEqual(len(lines), len(dico) + 2)
        self.assertEqual(lines[1], "1= " + got[dico[0]])
        self.assertEqual(lines[-1], "")


if __name__ == "__main__":
    unittest.main()
