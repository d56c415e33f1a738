import unittest

from zorvane_data.folding import (first_letter, fold_word, name_key, sub_accents,
                                  synonym_sort_key)
from zorvane_data.resource_io import encode_lines


class FoldingTest(unittest.TestCase):
    def test_word_folding(self):
        self.assertEqual(fold_word("élève"), "ELEVE")
        self.assertEqual(fold_word("garçon"), "GARCON")
        self.assertEqual(fold_word("cœur"), "COEUR")
        self.assertEqual(fold_word("æthuse"), "AETHUSE")
        self.assertEqual(fold_word("NAÏF"), "NAIF")
        for kept_out in ("porte-clé", "aujourd'hui", "l’eau", "mp3", "a b", ""):
            self.assertIsNone(fold_word(kept_out), kept_out)

    def test_sub_accents_changes_only_small_accented_letters(self):
        self.assertEqual(sub_accents("à brûle-pourpoint"), "a brule-pourpoint")
        self.assertEqual(sub_accents("çà ÿ ïö ü"), "ca y io u")
        self.assertEqual(sub_accents("arbre de Judée"), "arbre de Judee")
        self.assertEqual(sub_accents("École æ d’abord"), "École æ d’abord")

    def test_first_letter_of_synonym_headwords(self):
        self.assertEqual(first_letter("écharpe"), "E")
        self.assertEqual(first_letter("çà"), "C")
        self.assertEqual(first_letter("œil"), "O")
        self.assertEqual(first_letter("æschne"), "A")
        self.assertEqual(first_letter("Univers"), "U")
        self.assertIsNone(first_letter("1er"))
        self.assertIsNone(first_letter(""))

    def test_synonym_order_ignores_accents_case_hyphens_apostrophes(self):
        heads = ["abats", "à-côté", "Abbé", "à cause", "abbaye", "d’abord", "dab"]
        ordered = sorted(heads, key=synonym_sort_key)
        self.assertEqual(ordered, ["à cause", "abats", "abbaye", "Abbé", "à-côté", "dab", "d’abord"])

    def test_name_keys(self):
        self.assertEqual(name_key("Saint-Denis-lès-Bourg"), "ST DENIS LES BOURG")
        self.assertEqual(name_key("Sainte-Marie-aux-Mines"), "STE MARIE AUX MINES")
        self.assertEqual(name_key("Saintes"), "SAINTES")
        self.assertEqual(name_key("L'Haÿ-les-Roses"), "L HAY LES ROSES")
        self.assertEqual(name_key("Œuilly"), "OEUILLY")
        self.assertEqual(name_key("Paris 1er  Arrondissement"), "PARIS 1ER ARRONDISSEMENT")
        self.assertEqual(name_key("Le Mont-Saint-Michel"), "LE MONT ST MICHEL")


class ResourceBytesTest(unittest.TestCase):
    def test_layout(self):
        self.assertEqual(encode_lines(["AA", "AB"]), b"AA\r\nAB")
        self.assertEqual(encode_lines(["A"], final_crlf=True), b"A\r\n\0")
        self.assertEqual(encode_lines(["é§"]), b"\xe9\xa7")
        with self.assertRaises(UnicodeEncodeError):
            encode_lines(["ŝ"])


if __name__ == "__main__":
    unittest.main()
