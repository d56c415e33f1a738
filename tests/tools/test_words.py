import unittest

from zorvane_data.categories import POS_CODES, merge_parts, parts_of_tags
from zorvane_data.definitions import EXISTS, entry_texts, entry_values, render, source_texts
from zorvane_data.glosses import thesaurus_glosses
from zorvane_data.lexicon import add_words, group_words, select
from zorvane_data.littre import Articles
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


V = ":V1_it____a"
ENTRIES = sorted([
    ("chanter", "chanter", V + ":Y/*"), ("chantes", "chanter", V + ":Ip:2s/*"),
    ("chanté", "chanter", V + ":Q:A:m:s/*"), ("chante", "chanter", V + ":Ip:3s/*"),
    ("chante", "chante", ":N:f:s/C"), ("abaque", "abaque", ":N:m:s/*"),
    ("abaques", "abaque", ":N:m:p/*"), ("évènement", "évènement", ":N:m:s/R"),
    ("zut", "zut", ":J/*"), ("hoc", "hoc", ":ÉW/*"), ("ab", "ab", ":ÉW/*"),
    ("Paris", "Paris", ":MP:e:i/*"), ("km", "m", ":N:m:i;S/*"), ("kat", "kat", ":N:m:i;S/*"),
    ("porte-clé", "porte-clé", ":N:m:s/*"), ("a", "avoir", ":V0ait____a:Ip:3s/*"),
    ("œ", "œ", ":N:m:i/*"), ("org", "org", ":Zs/*"), ("www", "www", ":Zp/*"),
    ("pt", "pt", ":N:m:s/*"), ("anticonstitutionnellement", "anticonstitutionnellement", ":W/*"),
    ("suis", "être", ":V0e:Ip:1s/*"), ("suis", "suivre", V + ":Ip:1s/*"),
    ("suis", "suivre", V + ":Ip:2s/*"), ("sèche", "sec", ":A:f:s/*"),
    ("sèche", "sèche", ":N:f:s/*"), ("sèche", "sécher", V + ":Ip:3s/*"),
    ("chienne", "chien", ":N:f:s/*"), ("chienne", "chienner", V + ":Ip:3s/*"),
    ("chienne", "chienner", V + ":Sp:3s/*"), ("parachutas", "parachuter", V + ":Is:2s/*"),
    ("avion", "avion", ":N:m:s/*"), ("avions", "avion", ":N:m:p/*"),
    ("être", "être", ":V0e:Y/*"), ("suivre", "suivre", V + ":Y/*"), ("sec", "sec", ":A:m:s/*"),
    ("chien", "chien", ":N:m:s/*"), ("oranger", "oranger", ":N:m:s/*"),
    ("oranger", "oranger", V + ":Y/*"), ("orangeras", "oranger", V + ":If:2s/*"),
    ("émettre", "émettre", V + ":Y/*"), ("réémettre", "réémettre", V + ":Y/*"),
    ("érotiser", "érotiser", V + ":Y/*"), ("érotisation", "érotisation", ":N:f:s/*"),
    ("tuba", "tuba", ":N:m:s/*"), ("tubas", "tuba", ":N:m:p/*"), ("tubas", "tuber", V + ":Is:2s/*"),
    ("tuber", "tuber", V + ":Y/*"), ("charge", "charge", ":N:f:s/*"), ("charger", "charger", V + ":Y/*"),
    ("chargée", "chargé", ":A:f:s/*"), ("chargée", "charger", V + ":Q:A:f:s/*"),
])
ARTICLES = {"ORANGER": "Arbre.", "CHARGE": "Fardeau.", "CHARGER": "Mettre une charge.", "TUBER": "Revêtir de tubes.", "EMETTRE": "Produire.", "EROTISER": "Rendre érotique.", "ABAQUE": "Tailloir du chapiteau.", "CHANTER": "Faire entendre un chant.",
            "HOC": "Jeu de cartes.", "ETRE": "Exister.", "SUIVRE": "Aller après.",
            "SEC": "Sans humidité.", "SECHE": "Seiche.", "CHIEN": "Animal domestique.",
            "CHIENNER": "Mettre bas.", "ZUT": "Interjection de dépit.", "KAT": "Arbuste."}
ADDED = {"KAT": ("n", ("KATS",), "Arbuste."), "AA": ("n", ("AAS",), "Lave.")}


def build(entries=ENTRIES):
    words, removed = select(group_words(entries), set(ARTICLES), {"PT"}, ADDED)
    return add_words(words, ADDED), removed


class LexiconTest(unittest.TestCase):
    def test_selection_rules(self):
        words, removed = build()
        self.assertEqual(removed, {"affix": {"ORG", "WWW"}, "locution": {"AB"}, "stop": {"PT"}})
        dico = dico_order(words)
        # kept: locution element with an article (HOC), hand-kept words that the lexicon
        # has only as a symbol (KAT) or lacks (AA). Left out: proper nouns, symbols, the
        # ligature letter name (OE), hyphenated forms, one letter and over 15 letters.
        for word, kept in (("HOC", True), ("KAT", True), ("KATS", True), ("AA", True),
                           ("AAS", True), ("OE", False), ("KM", False), ("PARIS", False),
                           ("ZUT", True), ("AB", False), ("PT", False)):
            self.assertEqual(word in dico, kept, word)
        self.assertEqual(ana_order(["ABCD", "AB", "ABCDEFGHIJKLM", "ZU"]), ["AB", "ZU", "ABCD"])

    def test_categories_and_admission(self):
        words, _ = build()
        for word, category, admitted in (("CHANTE", "adj n v", True),
                                         ("EVENEMENT", "n", False),   # reformed spelling only
                                         ("ZUT", "interj", True), ("HOC", "loc", True),
                                         ("KAT", "n", True)):
            self.assertEqual((words[word].category(), words[word].admitted()),
                             (category, admitted), word)


class DefinitionEntriesTest(unittest.TestCase):
    def test_texts(self):
        words, _ = build(ENTRIES + [("abaquiste", "abaquiste", ":N:e:s/*"),
                                    ("déclarassions", "déclarer", V + ":Sq:1p/*")])
        dico = dico_order(words)
        glosses = thesaurus_glosses([("avion", [(["Nom"], ["appareil", "aéroplane", "avion"])])])
        got = dict(zip(dico, entry_values(dico, words, entry_texts(dico, words, dict(
            ARTICLES, ABAQUISTE="Voir ABAQUE."), glosses, {"ORANGER": "Teindre."}))))
        for word, value in (
                ("ABAQUE", "OK£n§Tailloir du chapiteau."), ("ABAQUES", "OK£n§Voir ABAQUE."),
                ("CHANTE", "OK£adj n v§Voir CHANTER."),      # its own lemma has no article
                ("SUIS", "OK£v§Voir ETRE."),                 # the auxiliary first
                ("SECHE", "OK£adj n v§Voir SEC."),           # feminine before homograph noun
                ("CHIENNE", "OK£n v§Voir CHIEN."),           # noun before verb
                ("AVION", "OK£n§Synonymes : appareil, aéroplane."),
                ("AVIONS", "OK£n§Voir AVION."),
                ("PARACHUTAS", "OK£v§Forme du verbe PARACHUTER."),
                ("ABAQUISTE", "OK£n§Nom."),                  # "Voir ABAQUE." would read as a reference
                ("KATS", "OK£n§Voir KAT."),
                ("ORANGERAS", "OK£v§Forme du verbe ORANGER : Teindre."),   # not the tree
                ("REEMETTRE", "OK£v§Émettre de nouveau."),   # regular derivations of a verb
                ("EROTISATION", "OK£n§Action d'érotiser."),
                ("TUBAS", "OK£n v§Pluriel de TUBA."),      # not the verb TUBER
                ("CHARGEE", "OK£adj v§Voir CHARGER."),     # "chargé" folds like the noun CHARGE
                ("DECLARASSIONS", "OK£v§")):                 # 13 letters
            self.assertEqual(got[word], value, word)
        self.assertNotIn(EXISTS, got.values())
        # a word known only through a stub takes the thesaurus gloss; hand-kept glosses win
        articles = Articles({"PROCESVERBAL": "De vive voix.", "SOL": "Surface."}, {"PROCESVERBAL"},
                            set(), {})
        self.assertEqual(source_texts(articles, {"SOL": "Terre."},
                                      {"PROCESVERBAL": "Synonymes : amende."}), {"SOL": "Terre."})
        lines = render(list(got.values())).decode("cp1252").split("\r\n")
        self.assertEqual((lines[0], lines[1], lines[-1], len(lines)),
                         ("[Cont]", "1= " + got[dico[0]], "", len(dico) + 2))


if __name__ == "__main__":
    unittest.main()
