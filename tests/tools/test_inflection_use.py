"""Which lemma a form shared by a noun and a verb is sent to, on made-up
lexicon entries and a made-up ranked list: the verb weighed by the tense and
person the form is, a verb known only by its other forms, an unlisted noun
before a rare tense, and participles left to the spellings."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))

from zorvane_data import definitions, frequency, inflection_use, lexicon  # noqa: E402

V = ":V3__t___zz:"
ENTRIES = [
    # a common verb whose rare tenses spell two nouns
    ("mettre", "mettre", V + "Y/*"), ("met", "mettre", V + "Ip:3s/*"),
    ("mets", "mettre", V + "Ip:1s:2s/*"), ("mis", "mettre", V + "Q:A:m:s/*"),
    ("mettons", "mettre", V + "Ip:1p/*"), ("mirent", "mettre", V + "Is:3p!/*"),
    ("mis", "mettre", V + "Is:1s:2s/*"), ("mettrons", "mettre", V + "If:1p/*"),
    ("misse", "mettre", V + "Sq:1s/*"),
    ("missions", "mettre", V + "Sq:1p/*"), ("mission", "mission", ":N:f:s/*"),
    ("missions", "mission", ":N:f:p/*"),
    # a verb known by its common forms only, and a rare noun
    ("tiens", "tenir", V + "Ip:1s:2s/*"), ("tient", "tenir", V + "Ip:3s/*"),
    ("tins", "tenir", V + "Is:1s:2s/*"), ("tin", "tin", ":N:m:s/*"), ("tins", "tin", ":N:m:p/*"),
    # an unlisted noun against the future of a listed verb
    ("moucher", "moucher", V + "Y/*"), ("mouche", "moucher", V + "Ip:1s:3s/*"),
    ("moucherons", "moucher", V + "If:1p/*"), ("moucheron", "moucheron", ":N:m:s/*"),
    ("moucherons", "moucheron", ":N:m:p/*"),
    # an unlisted verb against a rare tense of a listed one
    ("entasser", "entasser", V + "Y/*"), ("entasse", "entasser", V + "Ip:1s:3s/*"),
    ("enter", "enter", V + "Y/*"), ("entasse", "enter", V + "Sq:1s/*"),
    # a participle that is also an adjective
    ("vendre", "vendre", V + "Y/*"), ("vends", "vendre", V + "Ip:1s:2s/*"),
    ("vendue", "vendre", V + "Q:A:f:s/*"), ("vendu", "vendu", ":A:m:s/*"),
    ("vendue", "vendu", ":A:f:s/*"),
]
# forms of other words fill the list between the common forms and the rare ones
RANKED = ["met", "mets", "mettre", "tiens", "mis", "mettons", "vends", "tient", "vendre",
          "mission", "mouche", "moucher", "vendu", "enter"] + [
          "x%d" % n for n in range(80)] + ["tin", "mirent", "mettrons", "misse"]


class InflectionUseTest(unittest.TestCase):
    def setUp(self):
        self.frequencies = frequency.Frequencies(RANKED)
        self.uses = inflection_use.InflectionUse(ENTRIES, self.frequencies)
        self.words = lexicon.group_words(ENTRIES)

    def first_lemma(self, word):
        info = self.words[word]
        return min((l for l in info.lemmas if l != word), key=lambda l: definitions.lemma_order(
            self.words, info, l, self.frequencies, (self.uses, word)))

    def test_inflection_keys_and_shares(self):
        self.assertEqual(inflection_use.verb_keys(V + "Ip:Sp:1s:3s/*"),
                         {"Ip1s", "Ip3s", "Sp1s", "Sp3s"})
        self.assertEqual(inflection_use.verb_keys(V + "Is:3p!/*"), {"Is3p"})
        self.assertEqual(inflection_use.verb_keys(V + "Q:A:f:s/*"), {"Qfs"})
        self.assertIsNone(inflection_use.verb_keys(":N:f:p/*"))
        # the present is listed, the imperfect subjunctive is not
        self.assertGreater(self.uses.share({"Ip3s"}), self.uses.share({"Is3p"}))
        self.assertEqual(self.uses.share({"Sq1p"}), 0.0)

    def test_the_lemma_a_reader_means(self):
        for word, lemma in (("MISSIONS", "MISSION"), ("TINS", "TENIR"),
                            ("MOUCHERONS", "MOUCHERON"), ("ENTASSE", "ENTASSER"),
                            ("VENDUE", "VENDRE")):
            self.assertEqual(self.first_lemma(word), lemma, word)

    def test_without_the_inflection_the_infinitive_decides(self):
        info = self.words["MISSIONS"]
        order = sorted(info.lemmas, key=lambda l: definitions.lemma_order(
            self.words, info, l, self.frequencies))
        self.assertEqual(order[0], "METTRE")


if __name__ == "__main__":
    unittest.main()
