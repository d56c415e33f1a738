"""Wiktionary glosses on made-up dictionary articles and lexicon entries (no
inputs needed): how articles are read, which gloss a word gets, and that a
gloss only ever replaces a grammatical description."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))

from zorvane_data import definitions, lexicon, wiktionary  # noqa: E402
from zorvane_data import wiktionary_senses as senses  # noqa: E402
from zorvane_data.wiktionary import Article  # noqa: E402


def table_of(*articles, lexicon_parts=None):
    return senses.gloss_table([Article(*a) for a in articles], lexicon_parts)


def best(table, headword, part):
    return table[(headword, part)][0][1]


class ArticleTest(unittest.TestCase):
    def test_glosses_are_read_apart_from_translations(self):
        numbered = ("toast /tost/ <n, masc>\n1. Trinkspruch 2.\nProposition de boire\n 3.\n"
                    "(Figuré) Éloge\n2. Toastbrot\nTranche de pain grillé\n")
        self.assertEqual(wiktionary.parse_article("deu", numbered),
                         Article("deu", "toast", "n, masc",
                                 ("Proposition de boire", "(Figuré) Éloge", "Tranche de pain grillé"),
                                 (("trinkspruch",), ("toastbrot",))))
        bracketed = "toaster /tos.te/ <v>\n1.  [Griller du pain] kızartmak\n2.  [Porter un toast] kadeh\n"
        self.assertEqual(wiktionary.parse_article("tur", bracketed).glosses,
                         ("Griller du pain", "Porter un toast"))
        bare = wiktionary.parse_article("ita", "allô /a.lo/\npronto\nOuverture de conversation\n")
        self.assertEqual((bare.headword, bare.part, bare.glosses), ("allô", "", ("Ouverture de conversation",)))
        self.assertEqual(wiktionary.parse_article("lat", "abaca /a.ba.ka/ <n, masc>\nabaca\n").glosses, ())


class GlossChoiceTest(unittest.TestCase):
    def test_the_gloss_most_dictionaries_give_of_a_current_sense_wins(self):
        table = table_of(
            ("bul", "toast", "n, masc", ("Tranche de pain grillé", "(Vieilli) Discours", "Félicitation")),
            ("deu", "toast", "n, masc", ("Proposition de boire", "(Figuré) Éloge public")),
            ("ita", "toast", "n, masc", ("Proposition de boire", "(Vieilli) Discours", "Félicitation")),
            ("spa", "toast", "n, masc", ("(Figuré) Éloge public", "(Vieilli) Discours",
                                         "Félicitation")),
            ("swe", "toast", "v", ("Porter un toast",)))
        ranked = [text for _order, text in table[("toast", "n")]]
        # a one-word gloss counts half: 3 dictionaries weigh less than 2
        self.assertEqual(ranked, ["Proposition de boire.", "Félicitation.", "Tranche de pain grillé.",
                                  "Figuré : éloge public.", "Vieilli : discours."])
        self.assertEqual(best(table, "toast", "v"), "Porter un toast.")

    def test_glosses_without_a_sense_are_left_out(self):
        labels = ("Chimie", "Linguistique", "Militaire", "Par extension")
        table = table_of(
            ("deu", "toto", "n", tuple("(%s) Sens" % l for l in labels)),
            ("ita", "toto", "n", ("Chimie", "Linguistique", "Par extension", "Chimie organique", "Chimie, Linguistique", "12",
                                  "Œnologie", "En anatomie", "Sens informatique", "Toto",
                                  "Traductions de toto", "Nom commun", "Ordinal", "лодка")),
            ("spa", "ivan", "n", ("(Chimie)",)),
            ("por", "totoer", "v", ("Photographie", "Sur internet", "Appareil photographique")))
        for key in (("toto", "n"), ("ivan", "n"), ("totoer", "v")):
            self.assertNotIn(key, table)
        # with the lexicon: no French word, or a thing's name for a quality
        table = table_of(
            ("fin", "grenadien", "adj", ("Île et État de la Grenade", "Relatif à la Grenade")),
            ("pol", "pérille", "n", ("Perilla frutescens var. frutescens",)),
            ("swe", "cairote", "adj", ("Du Caire",)),
            lexicon_parts={"île": {"n"}, "et": {"conj"}, "état": {"n"}, "de": {"prép"}, "la": {"art"},
                           "grenade": {"n"}, "relatif": {"adj", "n"}, "à": {"prép"}, "var": {"n"},
                           "du": {"art"}})
        self.assertEqual(table[("grenadien", "adj")][0][1], "Relatif à la Grenade.")
        self.assertNotIn(("pérille", "n"), table)
        self.assertIn(("cairote", "adj"), table)

    def test_labels_and_wiki_leftovers_are_written_for_the_reader(self):
        table = table_of(
            ("deu", "abri", "n", ("(Militaire) Tout ce qui met une troupe à couvert",)),
            ("ita", "as", "n", ("1|Carte à jouer",)),
            ("spa", "abattée", "n", ("Changement de direction d´un voilier",)),
            ("por", "pays", "adj", ("Relatif à la Malaisie (pays)",)),
            ("fin", "polo", "n", ("(1549) (Sport) Jeu de balle à cheval",)))
        self.assertEqual(best(table, "abri", "n"), "Militaire : tout ce qui met une troupe à couvert.")
        self.assertEqual(best(table, "as", "n"), "Carte à jouer.")
        self.assertEqual(best(table, "abattée", "n"), "Changement de direction d'un voilier.")
        self.assertEqual(best(table, "pays", "adj"), "Relatif à la Malaisie (pays).")
        self.assertEqual(best(table, "polo", "n"), "Sport : jeu de balle à cheval.")

    def test_a_word_takes_a_gloss_of_its_own_parts_of_speech(self):
        entries = [("amharique", "amharique", ":A:e:s/*"), ("amhariques", "amharique", ":A:e:p/*"),
                   ("geeker", "geeker", ":V1_i____zz:Y/*"), ("geekera", "geeker", ":V1_i____zz:If:3s/*")]
        words = lexicon.group_words(entries)
        table = table_of(("deu", "amharique", "n, masc", ("Langue parlée en Éthiopie",)),
                         ("ita", "amharique", "n, masc", ("Langue parlée en Éthiopie",)),
                         ("spa", "amharique", "adj", ("Relatif à la langue de l'Éthiopie",)),
                         ("por", "geekera", "v", ("Passer du temps devant l'ordinateur",)),
                         ("fin", "geeker", "n", ("Passionné d'informatique",)))
        found = senses.lemma_senses(sorted(words), words, table, definitions.LONG_WORD)
        # the form is no lemma; the verb has only a noun's gloss
        self.assertEqual(found, {"AMHARIQUE": "Relatif à la langue de l'Éthiopie."})


class ThinOnlyTest(unittest.TestCase):
    ENTRIES = [
        ("geeker", "geeker", ":V1_i____zz:Y/*"), ("geekera", "geeker", ":V1_i____zz:If:3s/*"),
        ("chat", "chat", ":N:m:s/*"), ("chats", "chat", ":N:m:p/*"),
        ("bibine", "bibine", ":N:f:s/*"), ("camion", "camion", ":N:m:s/*"),
        ("tuba", "tuba", ":N:m:s/*"), ("tubas", "tuba", ":N:m:p/*"),
        ("tuber", "tuber", ":V1_it____a:Y/*"), ("tubas", "tuber", ":V1_it____a:Is:2s/*"),
        ("second", "second", ":N:m:s/*"), ("seconde", "second", ":N:f:s/*"),
        ("seconde", "seconde", ":N:f:s/*"), ("picosecondes", "seconde", ":N:f:p/*"),
        ("luge", "luge", ":N:f:s/*"), ("luges", "luge", ":N:f:p/*"),
        ("luger", "luger", ":V1_i____zz:Y/*"), ("luges", "luger", ":V1_i____zz:Ip:2s/*"),
        ("zup", "zup", ":N:f:s/*"),
        ("geek", "geek", ":N:m:s/*"), ("geekette", "geek", ":N:f:s/*"), ("geekette", "geekette", ":N:f:s/*"),
    ]
    THIN = {"GEEKER": "Passer du temps devant l'ordinateur.", "CHAT": "Chat domestique.",
            "BIBINE": "Mauvaise bière.", "CAMION": "Véhicule terrestre motorisé.",
            "TUBA": "Instrument à vent.", "SECONDE": "Unité de temps.", "LUGER": "Faire de la luge.",
            "ZUP": "Voir la ZAC.", "GEEK": "Passionné d'informatique.", "GEEKETTE": "Femme geek."}

    def test_a_gloss_only_replaces_a_grammatical_description(self):
        words = lexicon.group_words(self.ENTRIES)
        dico = sorted(words)
        articles = {"CHAT": "Animal domestique qui prend les souris.", "TUBER": "Garnir de tubes.",
                    "SECOND": "Qui suit le premier."}
        choices = definitions.Choices(fixed={"CAMION": "Véhicule automobile de transport."})
        kinds = definitions.entry_texts(dico, words, articles, {"BIBINE": "Synonymes : piquette."},
                                        choices=choices, thin_senses=self.THIN)
        shown = dict(zip(dico, kinds))
        self.assertEqual(shown["GEEKER"], (definitions.THIN_SENSE, self.THIN["GEEKER"]))
        self.assertEqual(shown["GEEKERA"], (definitions.THIN_REFERENCE, "Voir GEEKER."))
        self.assertEqual(shown["TUBAS"], (definitions.THIN_REFERENCE, "Voir TUBA."))
        # the old dictionary, the thesaurus and the hand-kept table keep their texts
        self.assertEqual(shown["CHAT"], (definitions.OWN, articles["CHAT"]))
        self.assertEqual(shown["CHATS"][1], "Voir CHAT.")
        self.assertEqual(shown["BIBINE"][1], "Synonymes : piquette.")
        self.assertEqual(shown["CAMION"][1], "Véhicule automobile de transport.")
        # SECONDE shows SECOND's sense, so its forms are not sent to it
        self.assertEqual(shown["SECONDE"][1], "Voir SECOND.")
        self.assertEqual(shown["PICOSECONDES"], (definitions.GRAMMAR, "Féminin pluriel de SECONDE."))
        # a feminine is read as its masculine first, as CHATTE is CHAT
        self.assertEqual(shown["GEEKETTE"], (definitions.THIN_REFERENCE, "Voir GEEK."))
        # a noun's plural is no verb form to the reader; a short "Voir " text would be followed
        self.assertEqual(shown["LUGES"], (definitions.GRAMMAR, "Féminin pluriel de LUGE."))
        self.assertEqual(shown["ZUP"], (definitions.GRAMMAR, "Nom féminin."))


if __name__ == "__main__":
    unittest.main()
