"""What a reader sees for frequent and famous words: the lemma a form is sent
to, today's sense, texts that end as sentences, everyday synonyms first."""
import functools
import re
import os
import unittest

from tests.resources.test_resources import LETTERS, ROOT, TABLES, dico, read_resource
from tools.zorvane_data import synonyms

# Category-only texts say nothing about the word.
BARE = re.compile(r"(Nom|Adjectif|Verbe|Adverbe|Interjection|Pronom)( masculin| féminin)?\.")


@functools.cache
def texts():
    with open(os.path.join(ROOT, "definitions1.20.ret"), "rb") as src:
        lines = src.read().decode("cp1252").split("\r\n")[1:-1]
    return {w: l.split("§", 1)[1] for w, l in zip(dico(), lines)}


def shown(word):
    """The text the dictionary window shows: a short "Voir X." is followed."""
    text = texts()[word]
    if "Voir " in text and len(text) < 22:
        return text + "\n" + texts()[text[5:text.index(".")]]
    return text


def assert_read_today(test, old, at_least):
    """old: {word: pattern of the sense it must no longer show}. The text a
    reader sees matches none and is more than a category."""
    test.assertGreaterEqual(len(old), at_least)
    for word, pattern in old.items():
        text = shown(word)
        test.assertNotRegex(text, pattern, word)
        test.assertFalse(BARE.fullmatch(text.split("\n")[-1]), word)


class LemmaTest(unittest.TestCase):
    def test_frequent_forms_go_to_the_lemma_a_reader_means(self):
        expected = {
            "ETRE": "FUT FUS FURENT SUIS SOMMES ETES SERAI SOIS ETAIT ETAIENT",
            "AVOIR": "AVIONS ONT AURAI EUT EUS",
            "FAIRE": "FAITES FAIS FAISONS FERAI FIT FIRENT",
            "ALLER": "AILLE AILLES AILLENT VAIS VAS VONT IRAI ALLONS",
            "SAVOIR": "SAIS SAIT SUT", "TENIR": "TINS TIENS TIENT", "CROIRE": "CRUT CROIS CRUS",
            "DIRE": "DIS DISONS DITES DIRAI", "VOULOIR": "VEUX VEUT VOULONS VOULU",
            "POUVOIR": "PEUX PEUT PU", "VENIR": "VIENS VIENT VENU", "DEVOIR": "DOIS DOIT DUT",
            "METTRE": "MIS MET", "PRENDRE": "PRIS PREND PRENDS", "BOIRE": "BU BOIT",
            "LIRE": "LU LUT", "VIVRE": "VECUT", "MOURIR": "MEURS", "OUVRIR": "OUVERT",
            "CHEVAL": "CHEVAUX", "OEIL": "YEUX", "BEAU": "BELLE BEAUX", "VIEUX": "VIEILLE",
            "CHIEN": "CHIENNE", "PORTE": "PORTES", "CHARGER": "CHARGEE",
            # nouns whose plural is also a rare tense of a common verb
            "MISSION": "MISSIONS", "PERMISSION": "PERMISSIONS", "VIN": "VINS",
            "PASSION": "PASSIONS", "NOTION": "NOTIONS", "PENSION": "PENSIONS",
            "MENTION": "MENTIONS", "PORTION": "PORTIONS", "RATION": "RATIONS",
            "JETON": "JETONS", "VOIE": "VOIES", "SORTE": "SORTES", "PLUME": "PLUMES",
            "TRACASSER": "TRACASSE", "DURER": "DURENT",
        }
        forms = [(form, lemma) for lemma, listed in expected.items() for form in listed.split()]
        self.assertGreaterEqual(len(forms), 50)
        for form, lemma in forms:
            self.assertEqual(texts()[form], "Voir %s." % lemma, form)


class ModernSenseTest(unittest.TestCase):
    def test_everyday_words_do_not_show_an_old_or_another_words_sense(self):
        old = {
            "CAMION": r"[ÉéE]pingle", "SOURIS": r"sourire", "CLAVIER": r"clefs",
            "ECRAN": r"du feu", "ORDINATEUR": r"met l'ordre", "MOTO": r"musique",
            "BUS": r"blason", "POLLUTION": r"[Pp]rofanation", "JOB": r"patriarche",
            "JEAN": r"[Nn]om propre", "SEPTANTE": r"vieilli", "SUSCITER": r"Dieu",
            "INTERLOQUER": r"ancienne pratique", "REBOUTER": r"carde",
            "COURRIEL": r"\bmur", "BEENT": r"baver|saliver", "BIBINES": r"défaite",
            "ELECTRON": r"électrum", "TRAVAIL": r"maréchal", "FAMILLE": r"esclaves",
            "ROUTE": r"forêt", "MAIS": r"ancienne langue", "TUER": r"oublié",
            "LE": r"[Ll]argeur d'une étoffe", "JOLI": r"a vieilli", "POURTANT": r"inusité",
            "FAITES": r"édifice", "SAIS": r"sapajou|singe", "TINS": r"billot", "FUT": r"haut fût",
            "PAPIER": r"papyrus", "DROGUE": r"teinture", "PARTAIS": r"[Dd]iviser",
            "TONNE": r"^Vaisseau", "SYMPHONIE": r"musique ancienne",
        }
        assert_read_today(self, old, at_least=30)

    def test_glosses_keep_to_one_sense(self):
        # the thesaurus lists the opposite beside the synonyms
        self.assertTrue(texts()["MISANDRIE"].startswith("Synonymes : sexisme"))
        self.assertNotIn("misogynie", texts()["MISANDRIE"])

    def test_a_short_thesaurus_line_glosses_a_word_without_article(self):
        # a line of a few items holds one sense; the forms then reach it
        cases = {"RAQUER": "payer", "PIEUTER": "coucher",
                 "STRANGULER": "étrangler", "COGITER": "réfléchir", "RAQUEREZ": "payer",
                 "PIEUTAIS": "coucher", "COGITIONS": "réfléchir"}
        for word, synonym in cases.items():
            self.assertIn("Synonymes : " + synonym, shown(word), word)

    def test_thin_everyday_words_have_a_sense(self):
        for word in ("FOOTBALL SIDA SMARTPHONE SELFIE TAXI ORDI BLOG YAOURT RUGBY TELETRAVAIL KIR "
                     "OHM OKAPI TENNIS CIEUX MESDAMES").split():
            self.assertGreater(len(shown(word)), 20, word)


class WiktionarySenseTest(unittest.TestCase):
    def test_formerly_thin_words_show_a_sense(self):
        # lemmas no other source glosses, and forms of them
        cases = {"CONCHIER": "excréments", "GARROTER": "garrot", "SPELEOLOGIE": "cavités",
                 "DRONE": "sans pilote", "AFFIDAVIT": "Déclaration", "HEMORROIDE": "anus",
                 "ABSTRACT": "Analyse", "MALGACHE": "Madagascar", "ALTISTE": "alto",
                 "KIFFERAIT": "apprécier", "BELUGAS": "Cétacé", "CLABOTENT": "Mourir",
                 "PROCRASTINEZ": "lendemain", "GEORGIENNES": "Géorgie"}
        for word, fragment in cases.items():
            self.assertIn(fragment, shown(word), word)
            self.assertFalse(BARE.fullmatch(shown(word).split("\n")[-1]), word)

    def test_other_sources_keep_their_texts(self):
        # the first Wiktionary gloss of each, which only a grammatical description gives way to
        glosses = {"ABEILLE": "Insecte à miel.", "ABBAYE": "Monastère catholique.",
                   "ABATTRE": "Assassiner par arme à feu.", "ACRA": "Petit beignet.",
                   "AUTOBUS": "Véhicule de transports en commun.", "JEAN": "Pantalon.",
                   "ORDINATEUR": "Machine électronique."}
        for word, gloss in glosses.items():
            self.assertNotEqual(shown(word).split("\n")[-1], gloss, word)
        self.assertTrue(texts()["ACRA"].startswith("Synonymes : "))


class DerivationTest(unittest.TestCase):
    def test_thin_derived_words_are_read_through_their_base(self):
        cases = {"FUGACEMENT": "D'une manière fugace.", "VIRULEMMENT": "D'une manière virulente.",
                 "GRIVOISEMENT": "D'une manière grivoise.",
                 "INFECTIOSITE": "Caractère de ce qui est infectieux.",
                 "TRACABILITE": "Caractère de ce qui est traçable.",
                 "LINEARITE": "Caractère de ce qui est linéaire.",
                 "CHALOUPEMENT": "Action de chalouper ; son résultat.",
                 "ESCLAFFEMENT": "Action de s'esclaffer ; son résultat.",
                 "ZONATION": "Action de zoner.", "RENEGOCIABLE": "Qui peut être renégocié.",
                 "RETELEPHONER": "Téléphoner de nouveau.",
                 "EXPLOSIVITES": "Voir EXPLOSIVITE.\nCaractère de ce qui est explosif."}
        for word, text in cases.items():
            self.assertEqual(shown(word), text, word)

    def test_drifted_derivations_keep_their_description(self):
        # an -ite that is no quality, a tool named after what it serves, an
        # intensifier, a verb from a noun's sense, words read as exceptions
        for word in ("METABOLITE", "ALVEOLITE", "FUSELAGE", "DERAILLEUR", "PARAPHEUR",
                     "TARIFIER", "VACHEMENT", "ROMANITE", "ERREMENT"):
            # no sense written from the base (a reviewed modern sense may stand)
            self.assertNotRegex(shown(word), r"D'une manière|Caractère de ce qui|Action de|"
                                r"Celui ou ce qui|^Rendre", word)


class ModernSenseTableTest(unittest.TestCase):
    def test_every_reviewed_sense_is_shown_for_its_word(self):
        rows = table_rows("modern_senses.tsv")
        self.assertEqual(len(rows), len({r[0] for r in rows}), "one line per word")
        for row in rows:
            self.assertEqual(len(row), 3, row)
            word, sense, reason = row
            self.assertTrue(reason.strip(), word)
            self.assertLessEqual(len(word), 12, word)
            self.assertEqual(texts()[word], sense, word)


class EverydayReadingTest(unittest.TestCase):
    """Frequent words read as today's reader takes them: plurals sent to the
    noun they spell, and reviewed senses instead of an old, narrow or
    misfiled first sense."""

    def test_plurals_go_to_the_noun_or_the_singular_they_spell(self):
        # a feminine participle's plural is the noun's (PARTIES), a plural follows
        # its singular's reviewed sense (JAMBIERES); masculine participles, conjugated
        # forms and homographs of another word keep their verb
        expected = {
            "PARTIE": "PARTIES", "SORTIE": "SORTIES", "ENTREE": "ENTREES", "PRISE": "PRISES",
            "MISE": "MISES", "VENUE": "VENUES", "ARRIVEE": "ARRIVEES", "PENSEE": "PENSEES",
            "MOITIE": "MOITIES", "JAMBIERE": "JAMBIERES", "RENE": "RENES",
            "DEVOIR": "DUS", "NAITRE": "NES", "TAIRE": "TUS", "ENTRER": "ENTRES", "FAIRE": "FAITES",
            "DONNER": "DONNES", "VENDRE": "VENDUS", "TENIR": "TENUS",
        }
        for target, form in expected.items():
            self.assertEqual(texts()[form], "Voir %s." % target, form)

    def test_newly_reviewed_words_lose_their_old_sense(self):
        old = {
            "ECONOMIE": r"[Bb]on ordre", "REGIME": r"^Action de régir", "TAUX": r"taxée",
            "BAR": r"^Grand poisson", "RIEN": r"^Quelque chose", "PAS": r"^Action de mettre",
            "ARRIVER": r"^Aborder", "DEVOIR": r"^Avoir à payer", "SALUT": r"^Mise hors",
            "PORTE": r"murs d'une ville", "DINER": r"midi", "CAFE": r"^Graine",
            "LUNDI": r"second", "DIMANCHE": r"premier jour", "MILLIARD": r"billion",
            "TELEPHONE": r"Bell", "ENVOYE": r"orvet", "MARIE": r"chevalerie",
            "CARTE": r"^Proprement", "SOIT": r"voy\.", "PLUTONS": r"Saturne",
            "TOASTS": r"^Synonymes", "COACH": r"coupé", "SECURITE": r"^Tranquillité",
            "VIRUS": r"Principe de transmission", "RATE": r"arme à feu",
        }
        assert_read_today(self, old, at_least=20)

    def test_names_and_slang_verbs_are_more_than_a_category(self):
        # the lexicon's rare verbs and names read as nouns had "Verbe." or
        # "Nom masculin." only; their forms reach the reviewed sense too
        for word in "FOUTRE AFFAIRAIT MERDAIT ZONAIT MAX TOMMY YANG WON MILE SIR BLACK NAZI".split():
            self.assertFalse(BARE.fullmatch(shown(word).split("\n")[-1]), word)


class FinishedTextTest(unittest.TestCase):
    def test_no_text_is_cut_or_raw(self):
        for word, text in texts().items():
            if len(word) >= 13:
                continue
            self.assertLessEqual(text.count("("), text.count(")"), word)
            self.assertRegex(text, r"[.!?)»…]$", word)
            self.assertNotRegex(text, r"^Voy\. [A-Z]+\.$|\bvoy\.$", word)


@functools.cache
def synonym_lines():
    lines = {}
    for index, letter in enumerate(LETTERS):
        for line in read_resource("SYNONY%s.%d" % (letter, 101 + index)):
            if "§" in line:
                head, rest = line.split("§", 1)
                lines[head] = rest.split("$", 1)[1].split("\\")
    return lines


def table_rows(name):
    with open(os.path.join(TABLES, name), encoding="utf-8") as src:
        return [l.rstrip("\n").split("\t") for l in src if l.strip() and not l.startswith("#")]


class SynonymOrderTest(unittest.TestCase):
    def test_first_items_are_the_everyday_ones(self):
        lines = {head: items[:21] for head, items in synonym_lines().items()}
        # the opposite (homme) and the participle of a homograph (cité: convoqué) come last
        expectations = {
            "oeil": ("regard vue", ""),
            "femme": ("épouse dame compagne", "homme"),
            "ville": ("cité commune", "convoqué mentionné"),
            "peur": ("frayeur crainte terreur angoisse", ""),
            "enfant": ("bébé gamin gosse", ""),
            "dire": ("raconter annoncer exprimer déclarer", ""),
            "faire": ("fabriquer réaliser créer construire", ""),
            "argent": ("fonds monnaie fric", ""),
            "content": ("heureux satisfait ravi joyeux", ""),
            "beau": ("joli magnifique", ""),
            "triste": ("malheureux mélancolique", ""),
        }
        for head, (present, absent) in expectations.items():
            for item in present.split():
                self.assertIn(item, lines[head], head)
            for item in absent.split():
                self.assertNotIn(item, lines[head], head)
        # the everyday sense leads, before the marginal ones the thesaurus lists first
        leading = {"jour": "journée date", "oeil": "regard vue", "maison": "foyer demeure",
                   "manger": "dévorer consommer", "chemin": "route voie sentier"}
        for head, items in leading.items():
            for item in items.split():
                self.assertIn(item, lines[head][:6], head)

    def test_reviewed_marginal_items_stay_at_the_end_of_their_line(self):
        rows = table_rows("marginal_synonyms.tsv")
        self.assertEqual(len(rows), len({r[0] for r in rows}), "one line per headword")
        for head, items, reason in rows:
            self.assertTrue(reason.strip(), head)
            line = synonym_lines()[head]
            marginal = {i.replace("_", " ") for i in items.split()}
            self.assertLessEqual(marginal, set(line), head)
            # behind them only the line's inflected forms (of the headword's
            # accented twin too: avance, avancée) and the opposite
            keys = {synonyms.lookup_key(i) for i in line} | {head}
            for item in line[min(line.index(i) for i in marginal):]:
                self.assertTrue(item in marginal or synonyms.opposite(head, item)
                                or synonyms.other_form(synonyms.lookup_key(item), keys),
                                (head, item))


if __name__ == "__main__":
    unittest.main()


class MidFrequencySenseTest(unittest.TestCase):
    """Words ranked 3,001 to 6,000 by use, and their forms, read as today's
    reader takes them rather than by an old, technical or another word's sense."""

    def test_reviewed_words_and_their_forms_lose_the_old_sense(self):
        old = {
            "NOUILLES": r"benêt", "MAILLOTS": r"vigne", "BOUQUINS": r"\bbouc\b",
            "CRAVATES": r"Croatie", "TORTUES": r"de travers", "COURSIERES": r"cheval",
            "ROCK": r"fabuleux", "COUDRE": r"[Cc]oudrier", "FACTURER": r"^Fabriquer",
            "LESQUELLES": r"lépreux", "OCTOBRE": r"huitième", "TROUILLE": r"colza",
            "PATROUILLE": r"écouvillon", "HIPPIE": r"plantes", "YOGA": r"périodes",
            "BURGER": r"verrerie", "STAGE": r"chanoine", "CHANTIER": r"tonneaux",
            "SECRETER": r"chapellerie", "MAMIE": r"mon amie", "CAPTER": r"hériter",
            "DIOCESE": r"Asie mineure", "IMPOSITION": r"\bmains\b", "RADIOGRAPHIE": r"ondes",
            "MUTANT": r"mutage", "FLIPPANT": r"billard", "MEUBLE": r"^Garni",
        }
        assert_read_today(self, old, at_least=20)


class InflectedVerbSenseTest(unittest.TestCase):
    """The verbs whose text the most words show (each through thirty to fifty
    forms), read as today's reader takes them: no old, narrow or misfiled
    first sense, and no category alone."""

    def test_forms_of_reviewed_verbs_lose_the_old_sense(self):
        old = {
            "TARTINAIT": r"esquif", "COPULERA": r"copule", "BACLAIENT": r"barre",
            "CHIPAIS": r"tannerie", "CROQUERAS": r"marine", "HOCHAIT": r"hoche",
            "AGREEZ": r"Terme de marine", "DEBUSQUONS": r"poste avantageux",
            "ENRAYAIT": r"\brais\b",
            "EMBRAYEZ": r"indépendant", "EPIONS": r"^Monter en épi", "LORGNAIT": r"[Ll]oucher",
            "DEVISAGEA": r"ongles", "PRECONISENT": r"consistoire", "SUBTILISA": r"^Rendre subtil",
            "DEMORALISE": r"immoral", "BOUQUINAIS": r"lièvre", "TIMBRERAI": r"procédure",
            "DEGUERPIT": r"immeuble", "PLANCHONS": r"[Éé]moudre", "BUCHAIS": r"charpentier",
            "VALORISAIT": r"quadrupler", "FOCALISERA": r"recruter", "TOISAIENT": r"^Mesurer",
            "PELAIT": r"poil", "REVULSONS": r"foyer", "DUPLIQUAIT": r"dupliques",
            "SANCTIONNE": r"homologuer", "MISSIONS": r"METTRE", "AMOURS": r"putti",
        }
        assert_read_today(self, old, at_least=30)

    def test_rare_verbs_of_the_lexicon_have_a_sense(self):
        for word in ("CAFETAIT ZYEUTERA VAPOTONS SPAMMAIT DEZOOMES PACSERENT BLOGUAIS "
                     "MAGANAIT GHOSTERA DEGIVRAIT BAZARDERENT ESGOURDERIEZ").split():
            self.assertFalse(BARE.fullmatch(shown(word).split("\n")[-1]), word)
            self.assertNotRegex(shown(word), r"^Forme du verbe", word)
