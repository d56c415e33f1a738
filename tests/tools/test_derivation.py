"""Senses made from the word a lemma derives from, on made-up lexicon
entries: each pattern, the base that must have a sense and the right
spelling, and a derived sense that only replaces a grammatical description."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))

from zorvane_data import definitions, derivation, lexicon  # noqa: E402

ENTRIES = [
    ("bluter", "bluter", ":V1__t___zz:Y/*"), ("blute", "bluter", ":V1__t___zz:Ip:Sp:1s:3s/*"),
    ("bluté", "bluter", ":V1__t___zz:Q:A:1ŝ:m:s/*"), ("blutée", "bluter", ":V1__t___zz:Q:A:f:s/*"),
    ("rebluter", "rebluter", ":V1__t___zz:Y/*"), ("rebluta", "rebluter", ":V1__t___zz:Is:3s/*"),
    ("blutement", "blutement", ":N:m:s/*"), ("blutements", "blutement", ":N:m:p/*"),
    ("blutation", "blutation", ":N:f:s/*"), ("blutable", "blutable", ":A:e:s/*"),
    ("ébrouer", "ébrouer", ":V1____p_e_:Y/*"), ("ébrouement", "ébrouement", ":N:m:s/*"),
    ("ourler", "ourler", ":V1_i____zz:Y/*"), ("ourlé", "ourler", ":V1_i____zz:Q:A:1ŝ:m:s/*"),
    ("ourlable", "ourlable", ":A:e:s/*"), ("ourlation", "ourlation", ":N:f:s/*"),
    ("lent", "lent", ":A:m:s/*"), ("lente", "lent", ":A:f:s/*"), ("lentement", "lentement", ":W/*"),
    ("bravant", "bravant", ":A:m:s/*"), ("bravante", "bravant", ":A:f:s/*"),
    ("bravamment", "bravamment", ":W/*"),
    ("solaire", "solaire", ":A:e:s/*"), ("solarité", "solarité", ":N:f:s/*"),
    ("massif", "massif", ":A:m:s/*"), ("massivité", "massivité", ":N:f:s/*"),
    ("massivités", "massivité", ":N:f:p/*"),
    ("fumeux", "fumeux", ":A:m:s/*"), ("fumosité", "fumosité", ":N:f:s/*"),
    ("calme", "calme", ":A:e:s/*"), ("calmité", "calmité", ":N:f:s/*"),
    # traps: two adjectives that fold alike, an -ite that is no -ité, a base in -é
    ("pâle", "pâle", ":A:e:s/*"), ("palé", "palé", ":A:m:s/*"), ("palée", "palé", ":A:f:s/*"),
    ("pâlement", "pâlement", ":W/*"), ("pâlité", "pâlité", ":N:f:s/*"), ("calmite", "calmite", ":N:f:s/*"),
    ("taré", "taré", ":A:m:s/*"), ("tarité", "tarité", ":N:f:s/*"),
]
SENSES = {"EBROUER", "BLUTER", "OURLER", "LENT", "BRAVANT", "SOLAIRE", "MASSIF", "FUMEUX", "CALME", "PALE", "TARE"}


def derived(has_sense=SENSES, entries=ENTRIES, exceptions=frozenset()):
    words = lexicon.group_words(entries)
    found = derivation.derived_senses(sorted(words), words, derivation.base_index(entries),
                                      set(has_sense), definitions.LONG_WORD, exceptions)
    return {word: text for word, (_pattern, text) in found.items()}


class PatternTest(unittest.TestCase):
    def test_each_pattern_writes_its_sense_with_the_lexicon_spellings(self):
        self.assertEqual(derived(), {
            "REBLUTER": "Bluter de nouveau.",
            "BLUTEMENT": "Action de bluter ; son résultat.",
            "BLUTATION": "Action de bluter.",
            # a verb only used reflexively is named so
            "EBROUEMENT": "Action de s'ébrouer ; son résultat.",
            "BLUTABLE": "Qui peut être bluté.",
            # "de" elided before a vowel
            "OURLATION": "Action d'ourler.",
            "LENTEMENT": "D'une manière lente.",
            # found by its feminine, which palé does not share
            "PALEMENT": "D'une manière pâle.",
            "BRAVAMMENT": "D'une manière bravante.",
            "SOLARITE": "Caractère de ce qui est solaire.",
            "MASSIVITE": "Caractère de ce qui est massif.",
            "FUMOSITE": "Caractère de ce qui est fumeux.",
            "CALMITE": "Caractère de ce qui est calme.",
        })

    def test_traps_get_no_sense(self):
        found = derived()
        # OURLER takes no direct object; PALE is both pâle and palé; TAR + E
        # folds from taré, not from an adjective in a mute e
        for word in ("OURLABLE", "PALITE", "TARITE"):
            self.assertNotIn(word, found)
        # an -ite spelled without accent is no quality (calmite, as métabolite)
        only_ite = [e for e in ENTRIES if e[0] != "calmité"]
        self.assertNotIn("CALMITE", derived(entries=only_ite))


class BaseSenseTest(unittest.TestCase):
    def test_a_base_without_a_sense_gives_nothing(self):
        found = derived(SENSES - {"BLUTER", "LENT"})
        for word in ("REBLUTER", "BLUTEMENT", "BLUTATION", "BLUTABLE", "LENTEMENT"):
            self.assertNotIn(word, found)
        self.assertIn("SOLARITE", found)

    def test_a_word_with_a_sense_or_read_as_an_exception_keeps_its_text(self):
        self.assertNotIn("BLUTEMENT", derived(SENSES | {"BLUTEMENT"}))
        self.assertNotIn("LENTEMENT", derived(exceptions={"LENTEMENT"}))
        self.assertIn("VACHEMENT", derivation.load_exceptions())


class ThinOnlyTest(unittest.TestCase):
    def test_a_derived_sense_only_replaces_a_grammatical_description(self):
        words = lexicon.group_words(ENTRIES)
        dico = sorted(words)
        articles = {"BLUTER": "Passer la farine au tamis.", "BLUTABLE": "Que l'on peut tamiser."}
        made = derived()
        kinds = dict(zip(dico, definitions.entry_texts(
            dico, words, articles, {}, thin_senses={"BLUTEMENT": "Tamisage."}, derived_senses=made)))
        self.assertEqual(kinds["MASSIVITE"], (definitions.DERIVED_SENSE, made["MASSIVITE"]))
        self.assertEqual(kinds["MASSIVITES"], (definitions.DERIVED_REFERENCE, "Voir MASSIVITE."))
        # the old dictionary and the Wiktionary senses come first
        self.assertEqual(kinds["BLUTABLE"], (definitions.OWN, articles["BLUTABLE"]))
        self.assertEqual(kinds["BLUTEMENT"], (definitions.THIN_SENSE, "Tamisage."))
        self.assertEqual(kinds["BLUTEMENTS"], (definitions.THIN_REFERENCE, "Voir BLUTEMENT."))


if __name__ == "__main__":
    unittest.main()
