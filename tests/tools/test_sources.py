import struct
import unittest

from zorvane_data import communes, littre, synonyms

ARTICLE_NUMBERED = (
    "<i><small>(a-ba-k') s. m.</small></i>\n\n"
    "<b>1°</b> Terme d'architecture. Tailloir, partie &amp; sommet du chapiteau. \n"
    "<span foreground=\"#0000CD\">Une citation</span>, <span foreground=\"#B22222\">BOSSUET</span>.\n"
    "<b>2°</b> Terme d'antiquité. Tableau.\n")
ARTICLE_PLAIN = (
    "<i><small>(è-spa-dé) v. a.</small></i>\n"
    "    <span foreground=\"#0000CD\">Citation d'abord</span>\n"
    "    Battre le <i>chanvre</i> avec l'espade.\n\n"
    "<b><big>ÉTYMOLOGIE</big></b>\n    Espade.")


class LittreTest(unittest.TestCase):
    def test_index_and_headwords(self):
        raw = b"".join(w.encode() + b"\0" + struct.pack(">II", o, s)
                       for w, o, s in (("ABAQUE", 0, 10), ("ÉCHINÉ, ÉE", 10, 5)))
        self.assertEqual(littre.parse_idx(raw), [("ABAQUE", 0, 10), ("ÉCHINÉ, ÉE", 10, 5)])
        self.assertEqual(littre.headword_key("ACTIF, IVE"), ("ACTIF", 0))
        self.assertEqual(littre.headword_key("BARBE.2"), ("BARBE", 2))
        self.assertEqual(littre.headword_key("OEIL"), ("OEIL", 0))
        self.assertEqual(littre.headword_key("ENTRE-BATTRE (S')"), ("ENTREBATTRE", 0))
        self.assertEqual(littre.headword_key("S'ENTR'ÉGORGER"), ("ENTREGORGER", 0))
        self.assertEqual(littre.headword_key("DÉCOSTUMER (SE)"), ("DECOSTUMER", 0))
        self.assertEqual(littre.headword_key("N'Y TOUCHE"), (None, 0))

    def test_first_sense(self):
        self.assertEqual(littre.first_sense(ARTICLE_NUMBERED),
                         "Terme d'architecture. Tailloir, partie & sommet du chapiteau.")
        self.assertEqual(littre.first_sense(ARTICLE_PLAIN), "Battre le chanvre avec l'espade.")
        self.assertEqual(littre.first_sense("<i><small>(x)</small></i>\n<b><big>ÉTYM</big></b>\nX."), "")

    def test_texts_read_as_whole_sentences(self):
        long_clause = "Un " + "mot " * 70 + "; puis " + "autre " * 40 + "fin. Deux."
        for text, part, expected in (
                ("Un. Deux deux. Trois trois trois.", "", "Un. Deux deux. Trois trois trois."),
                ("très familière, de dépit.", "Interjection", "Interjection très familière, de dépit."),
                ("fém. Terme de numismatique. Monnaie.", "", "Terme de numismatique. Monnaie."),
                ("Surface où l'on marche. à deux pieds du sol.", "", "Surface où l'on marche."),
                ("V. n. Se dit du cri du chien.", "", "Se dit du cri du chien."),
                ("Il se conjugue comme crier. Crier de nouveau.", "", "Crier de nouveau."),
                ("ôté de sa place.", "", "Ôté de sa place.")):
            self.assertEqual(littre.tidy(text, part), expected, text)
        for text, limit, expected in (
                ("Un. Deux deux. Trois trois trois.", 16, "Un. Deux deux."),
                ("Un mot puis un autre mot. Deux.", 15, "Un mot puis un autre mot."),
                ("Terme de chimie. Instrument de verre.", 20, "Terme de chimie. Instrument de verre."),
                (long_clause, 250, long_clause[:long_clause.index(";")].rstrip() + ".")):
            self.assertEqual(littre.shorten(text, limit), expected, text)
        self.assertEqual(littre.to_cp1252("logos λόγος œuvre"), "logos  œuvre")

    def test_article_choice(self):
        def article(text, header="(x) s. m."):
            return ("<i><small>%s</small></i>\n<b>1°</b> %s" % (header, text)).encode()
        parts = [ARTICLE_PLAIN.encode(), article("Poil du menton."), article("Cheval de Barbarie."),
                 article("Suffixe diminutif."), article("Il sert à lier."), article("Voy. RAS 2."),
                 article("Plancher de carène."), article("V."), article("Chien qui aboie."),
                 article("qui exprime la surprise.", "(ha) interj."), article("Arbre."),
                 article("Teindre en orange.", "(x) v. a."),
                 article("Qui est relatif au jour ; usité seulement dans livre journal."),
                 article("Écrit qui paraît chaque jour.")]
        offsets = [sum(len(p) for p in parts[:i]) for i in range(len(parts))]
        spans = dict(zip(("ESPADER", "BARBE.1", "BARBE.2", "-ET", "ET", "RAT", "RAS.2", "ABOYER.1",
                          "ABOYER.2", "HA", "ORANGER.1", "ORANGER.2", "JOURNAL.1", "JOURNAL.2"), zip(offsets, (len(p) for p in parts))))
        entries = [(head, o, n) for head, (o, n) in spans.items()] + [("VIDE", 0, 0), ("RAS.1", 0, 0)]
        got = littre.definitions_from(entries, b"".join(parts))
        self.assertEqual(got.texts, {
            "BARBE": "Poil du menton.",                 # the first numbered homograph
            "ESPADER": "Battre le chanvre avec l'espade.",
            "ET": "Il sert à lier.",                    # not the suffix article "-ET"
            "RAT": "Plancher de carène.",               # the stub's target, homograph 2
            "RAS": "Plancher de carène.",
            "ABOYER": "Chien qui aboie.",               # "V." is no sense
            "HA": "Interjection qui exprime la surprise.", "ORANGER": "Arbre.",
            "JOURNAL": "Écrit qui paraît chaque jour."})    # the rare homograph gives way
        self.assertEqual(got.verbs, {"ORANGER": "Teindre en orange."})
        self.assertEqual(got.redirected, {"RAT"})
        self.assertIn("VIDE", got.headwords)


THESAURUS = "\n".join([
    "UTF-8",
    "abattre|2", "(Verbe)|tuer|démolir|abattre", "(Nom Verbe)|démolir|raser",
    "à cause|1", "(?)|par|pour",
    "maison|1", "(Nom)|usine|demeures|demeure|logis|domicile|?",
    "demeures|1", "(Nom)|maison|logis|domicile",
    "demeure|1", "(Nom)|maison|logis|domicile",
    "logis|1", "(Nom)|maison|demeure|domicile",
    "domicile|1", "(Nom)|maison|demeure|logis",
    "usine|1", "(Verbe)|fabrique",
    "œil|1", "(Nom)|regard|œuvre",
    "ádoucir|1", "(Verbe)|calmer",
    "adoucir|1", "(Verbe)|apaiser|calmer",
    "aise|1", "(Nom)|confort|aisé",
    "aisé|1", "(Adjectif)|riche",
    "bas|1", "(Adverbe Adjectif Nom)|vil",
    "ce|1", "(Determinant Pronom)|cette",
    "le|1", "(Determinant)|la",
    "bidule|1", "(?)|truc",
    "vide|1", "(Adjectif)|creux|a§b",
    "rien|1", "(Nom)|rien",
    "1er|1", "(Adjectif)|premier", ""])


class SynonymTest(unittest.TestCase):
    def test_lines(self):
        letters, figures = synonyms.merge(synonyms.parse_thesaurus(THESAURUS),
                                          {"bidule": {"n", "suff"}})
        lines = [line for letter in sorted(letters) for line in letters[letter]]
        self.assertEqual(lines, [
            "à cause§loc$par\\pour",
            # listed in both meanings first
            "abattre§n v$démolir\\tuer\\raser",
            # a misspelt headword merged into the right one, what both list first
            "adoucir§v$calmer\\apaiser",
            # headwords the lookup cannot tell apart share one line
            "aise§adj n$confort\\riche",
            # categories the window cannot label: the nearest labelled code
            "bas§adj n$vil",
            "bidule§n$truc",
            "ce§adj pron$cette",
            "demeure§n$logis\\domicile\\maison",
            "demeures§n$maison\\logis\\domicile",
            "domicile§n$demeure\\logis\\maison",
            "le§art$la",
            "logis§n$demeure\\domicile\\maison",
            # the items that share synonyms with the headword before one that
            # does not list it back and is of another category; a plural last
            "maison§n$demeure\\logis\\domicile\\usine\\demeures",
            "oeil§n$regard\\oeuvre",
            "usine§v$fabrique",
            "vide§adj$creux"])
        self.assertEqual(figures["empty"], 1)
        self.assertEqual((figures["headword"], figures["synonym"]), (1, 1))

    def test_text_normalization(self):
        self.assertEqual(synonyms.normalize("d\u02bcabord\u00a0 x"), "d’abord x")
        self.assertEqual(synonyms.normalize("cœur"), "coeur")
        self.assertIsNone(synonyms.normalize("a\\b"))
        self.assertIsNone(synonyms.normalize("ŝ"))
        self.assertEqual(synonyms.labelled_code({"v", "n", "prép", "adj"}), "adj n v")
        self.assertEqual(synonyms.labelled_code({"n", "adv"}), "adv n")


def commune(code, name, dep, region, postcodes=(), kind="commune-actuelle", **extra):
    return dict(code=code, nom=name, departement=dep, region=region, type=kind,
                codesPostaux=list(postcodes), **extra)


def place(insee, lat, lon, feature="PPL", population=100, gid=1, country="FR"):
    row = [str(gid), "x", "x", "", lat, lon, "P", feature, country, "", "", "", "", insee,
           str(population), "", "", "Europe/Paris", "2020-01-01"]
    return "\t".join(row) + "\n"


class CommuneTest(unittest.TestCase):
    def setUp(self):
        self.communes = [
            commune("01053", "Bourg-en-Bresse", "01", "84"),
            commune("01054", "Péronnas", "01", "84"),
            commune("01344", "Saint-Denis-lès-Bourg", "01", "84"),
            commune("01999", "Nouvelle", "01", "84", anciensCodes=["01998"]),
            commune("01998", "Ancienne", "01", "84", kind="commune-deleguee", chefLieu="01999"),
            commune("75056", "Paris", "75", "11", ["75001", "75002"]),
            commune("75101", "Paris 1er Arrondissement", "75", "11", ["75001"],
                    kind="arrondissement-municipal"),
            commune("98735", "Papeete", "987", "987", ["98714"]),
            commune("98499", "Sans Code", "984", "984"),
        ]
        self.postcodes = [{"codePostal": "01000", "codeCommune": "01053"},
                          {"codePostal": "01000", "codeCommune": "01054"},
                          {"codePostal": "01000", "codeCommune": "01344"},
                          {"codePostal": "01440", "codeCommune": "01344"},
                          {"codePostal": "01500", "codeCommune": "01999"}]
        self.places = [place("01053", "46.20", "5.22", "PPLA", 40000, 3),
                       place("01053", "46.30", "5.30", "PPLX", 900, 4),
                       place("01054", "46.22", "5.24", gid=7),
                       place("01998", "46.00", "5.00"),
                       place("75101", "40.0", "2.0", gid=5),
                       place("01344", "1.0", "1.0", country="DE", gid=6)]

    def build(self):
        return communes.build(
            self.communes, [{"code": "01", "nom": "Ain"}, {"code": "75", "nom": "Paris"}],
            [{"code": "84", "nom": "Auvergne-Rhône-Alpes"}, {"code": "11", "nom": "Île-de-France"}],
            self.postcodes, self.places,
            {"01": ("Lyon", "10", "A"), "75": ("Paris", "01", "C")},
            points={"75101": (48.86, 2.34)})

    def test_lines_and_coordinates(self):
        records, figures = self.build()
        cp = communes.postcode_lines(records)
        self.assertEqual(cp, [
            "01000 BOURG EN BRESSE§Bourg-en-Bresse§01 Ain§Auvergne-Rhône-Alpes§84§01053§Lyon§10§A"
            "§46.20000§5.22000",
            "01000 PERONNAS§Péronnas§01 Ain§Auvergne-Rhône-Alpes§84§01054§Lyon§10§A§46.22000§5.24000",
            # no point of its own: the mean of its postal code's, to the hundredth
            "01000 ST DENIS LES BOURG§Saint-Denis-lès-Bourg§01 Ain§Auvergne-Rhône-Alpes§84§01344"
            "§Lyon§10§A§46.21§5.23",
            "01440 ST DENIS LES BOURG§Saint-Denis-lès-Bourg§01 Ain§Auvergne-Rhône-Alpes§84§01344"
            "§Lyon§10§A§46.21§5.23",
            "01500 NOUVELLE§Nouvelle§01 Ain§Auvergne-Rhône-Alpes§84§01999§Lyon§10§A§46.00000§5.00000",
            "75001 PARIS 1ER ARRONDISSEMENT§Paris 1er Arrondissement§75 Paris§Île-de-France§11§75101"
            "§Paris§01§C§48.86000§2.34000",
            "98714 PAPEETE§Papeete§987 .§.§987§98735§.§.§.§.§."])
        nom = communes.name_lines(records)
        self.assertEqual(nom[0], "BOURG EN BRESSE$01053§01000§01§Ain§Bourg-en-Bresse§84"
                                 "§Auvergne-Rhône-Alpes§46.20000§5.22000§Lyon§10§A")
        self.assertEqual([n.split("$")[0] for n in nom],
                         ["BOURG EN BRESSE", "NOUVELLE", "PAPEETE", "PARIS 1ER ARRONDISSEMENT",
                          "PERONNAS", "ST DENIS LES BOURG", "ST DENIS LES BOURG"])
        self.assertEqual(figures["by_kind"], {"own": 4, "approximate": 2, "none": 1})
        self.assertEqual(figures["no_postcode"], 1)

    def test_approximate_points(self):
        groups = (("postcode", {"A": ["p"], "B": ["p"], "C": ["p"], "F": ["p"], "D": ["q"],
                                "E": ["q"]}),
                  ("intercommunality", {"A": ["i"], "D": ["i"], "E": ["i"]}))
        coords, method, errors = communes.locate(
            list("ABCDEF"), {"A": (10.0, 1.0), "C": (10.2, 1.0), "E": (12.0, 1.0),
                             "F": (10.1, 1.1)}, {}, groups)
        self.assertEqual(method, {"A": "own", "C": "own", "E": "own", "F": "own",
                                  "B": "postcode"})
        self.assertEqual(communes.approximate_point(coords["B"]), ("10.10", "1.03"))
        # D's only groups hold one point, or points too far apart to stand for it.
        self.assertNotIn("D", coords)
        self.assertEqual(len(errors), 3)

    def test_academy_table_covers_departments(self):
        table = communes.load_academies()
        metro = ["%02d" % n for n in range(1, 96) if n != 20] + ["2A", "2B"]
        for dep in metro + ["971", "972", "973", "974", "976"]:
            self.assertIn(dep, table, dep)
        self.assertEqual(table["01"], ("Lyon", "10", "A"))
        self.assertEqual({z for _n, _c, z in table.values()}, {"A", "B", "C", "."})


if __name__ == "__main__":
    unittest.main()
