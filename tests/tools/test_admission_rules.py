"""The builder's admission rules on small made-up lexicon entries (no inputs needed)."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))

from zorvane_data import evidence, lexicon  # noqa: E402

ENTRIES = [
    ("tamtam", "tamtam", ":N:m:s/R"), ("tamtams", "tamtam", ":N:m:p/R"),
    ("hotdog", "hotdog", ":N:m:s/R"),
    ("ognon", "ognon", ":N:m:s/R"), ("ognons", "ognon", ":N:m:p/R"),
    ("snif", "snif", ":J/R"),
    ("chat", "chat", ":N:m:s/*"),
    ("ibn", "ibn", ":ÉM2/*"), ("cf", "cf", ":ÉW/*"),
]


class AdmissionRulesTest(unittest.TestCase):
    def test_evidence_admits_lemmas_and_their_forms(self):
        found = evidence.Evidence()
        found.add("wiktionary", "tamtam")
        found.add("lefff", "hot-dog")              # the reform writes it solid
        words = lexicon.group_words(ENTRIES)
        admitted, refused = lexicon.attest(words, found.sources, {"SNIF"})
        self.assertEqual(admitted, {"TAMTAM", "TAMTAMS", "HOTDOG", "SNIF"})
        self.assertEqual(refused, {"OGNON", "OGNONS"})
        for word, expected in (("TAMTAMS", True), ("OGNONS", False), ("CHAT", True)):
            self.assertEqual(words[word].admitted(), expected, word)

    def test_common_articles_and_welded_spellings(self):
        for headword, parts, common in (("zup", {"n, fem"}, True), ("ZUP", {"n, fem"}, False),
                                        ("rio", {"pn"}, False), ("ok", {"abbr", "intj"}, True)):
            self.assertEqual(evidence.is_common_article(headword, parts), common, headword)
        self.assertEqual(evidence.welded("tic-tac"), "TICTAC")
        self.assertIsNone(evidence.welded("tictac"))

    def test_locution_elements_stay_only_when_a_dictionary_has_them(self):
        words = lexicon.group_words(ENTRIES)
        kept, removed = lexicon.select(words, {"IBN"}, set(), {})
        self.assertIn("IBN", kept)
        self.assertEqual(removed["locution"], {"CF"})

    def test_added_verbs_follow_their_model(self):
        entries = [("vise", "viser", ":V1_it_q_zz:Ip:1s:3s/*"), ("visé", "viser", ":V1_it_q_zz:Q:m:s/*"),
                   ("visée", "visée", ":N:f:s/*"), ("visionne", "visionner", ":V1_it_q_zz:Ip:3s/*")]
        added = lexicon.conjugate_added({"PISER": ("v", ("comme:VISER",), "")}, entries)
        self.assertEqual(added["PISER"][1], ("PISE",))
        with self.assertRaises(ValueError):
            lexicon.conjugate("PISER", "VISIR", entries)


if __name__ == "__main__":
    unittest.main()
