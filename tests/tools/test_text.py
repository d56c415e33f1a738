import unittest

from zorvane_data.folding import fold_word, name_key
from zorvane_data.resource_io import encode_lines


class FoldingTest(unittest.TestCase):
    def test_words_keep_their_letters_only(self):
        for word, folded in (("élève", "ELEVE"), ("cœur", "COEUR"), ("æthuse", "AETHUSE"),
                             ("NAÏF", "NAIF")):
            self.assertEqual(fold_word(word), folded)
        for kept_out in ("porte-clé", "aujourd'hui", "l’eau", "mp3", "a b", ""):
            self.assertIsNone(fold_word(kept_out), kept_out)

    def test_name_keys_as_the_commune_search_spells_them(self):
        for name, key in (("Saint-Denis-lès-Bourg", "ST DENIS LES BOURG"),
                          ("Sainte-Marie-aux-Mines", "STE MARIE AUX MINES"),
                          ("Saintes", "SAINTES"), ("L'Haÿ-les-Roses", "L HAY LES ROSES"),
                          ("Œuilly", "OEUILLY"), ("Paris 1er  Arrondissement", "PARIS 1ER ARRONDISSEMENT")):
            self.assertEqual(name_key(name), key)

    def test_resource_layout(self):
        self.assertEqual(encode_lines(["AA", "é§"]), b"AA\r\n\xe9\xa7")
        self.assertEqual(encode_lines(["A"], final_crlf=True), b"A\r\n\0")
        with self.assertRaises(UnicodeEncodeError):
            encode_lines(["ŝ"])


if __name__ == "__main__":
    unittest.main()
