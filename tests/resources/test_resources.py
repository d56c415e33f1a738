"""Checks the committed resources against the formats the program reads."""
import functools
import math
import os
import re
import unicodedata
import unittest

ROOT = os.path.join(os.path.dirname(__file__), "..", "..", "resources")
EMBEDDED = os.path.join(ROOT, "embedded")
TABLES = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "zorvane_data")
LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


def program_codes(source):
    """The codes one of the program's label tables holds: its {"code", "label"} rows."""
    with open(os.path.join(ROOT, "..", "src", source), encoding="utf-8") as src:
        return set(re.findall(r'\{"([^"]+)"(?:_cp)?, "', src.read()))


POS_CODES = program_codes("check/PartsOfSpeech.cpp")
LABELLED_CODES = program_codes("synonyms/SynonymMessages.cpp")  # the synonyms window's captions
# The letter table the synonym lookup scans for the first character of its key.
ACCENTED_FIRST = {"à": "A", "â": "A", "ç": "C", "é": "E", "è": "E", "ê": "E", "ô": "O"}
SUB_ACCENTS = str.maketrans("àäâçéèëêïîöôùüûÿ", "aaaceeeeiioouuuy")

# Latitude and longitude boxes of metropolitan France and the overseas territories.
TERRITORIES = (
    (41.3, 51.2, -5.3, 9.7),        # metropolitan France and Corsica
    (14.3, 18.2, -63.2, -60.7),     # Antilles, Saint-Martin, Saint-Barthélemy
    (2.0, 6.0, -54.7, -51.5),       # Guyane
    (-21.5, -20.8, 55.1, 55.9),     # La Réunion
    (-13.1, -12.5, 44.9, 45.4),     # Mayotte
    (46.7, 47.2, -56.5, -56.0),     # Saint-Pierre-et-Miquelon
    (-23.0, -19.0, 163.0, 169.0),   # Nouvelle-Calédonie
    (-28.0, -7.0, -155.0, -134.0),  # Polynésie française
    (-14.5, -13.0, -178.5, -176.0), # Wallis-et-Futuna
)


def read_resource(name, final_crlf=False):
    """Lines of a resource, after checking its padding and line ends."""
    with open(os.path.join(EMBEDDED, name), "rb") as src:
        data = src.read()
    # No padding: a NUL would stay in the last word or field shown; the name
    # list alone ends with CR LF and one NUL, which the commune loader skips.
    body = data[:-3] if final_crlf else data
    bare = body.replace(b"\r\n", b"")
    assert data.endswith(b"\r\n\0") == final_crlf and not body.endswith(b"\r\n"), name
    assert not (b"\0" in body or b"\n" in bare or b"\r" in bare), name + ": stray NUL, CR or LF"
    return body.decode("cp1252").split("\r\n")


def plain(text):
    text = text.replace("œ", "oe").replace("Œ", "OE").replace("æ", "ae").replace("Æ", "AE")
    return "".join(c for c in unicodedata.normalize("NFD", text) if not unicodedata.combining(c))


@functools.cache
def dico():
    return read_resource("DICO.100")


@functools.cache
def flags():
    """{word: admission flag} from the definitions file, entries in DICO order."""
    with open(os.path.join(ROOT, "definitions1.20.ret"), "rb") as src:
        lines = src.read().decode("cp1252").split("\r\n")[1:-1]
    return {w: l.split("= ", 1)[1].split("£", 1)[0] for w, l in zip(dico(), lines)}


class WordListTest(unittest.TestCase):
    def test_dico(self):
        words = dico()
        self.assertGreaterEqual(len(words), 400000)
        self.assertTrue(all(re.fullmatch(r"[A-Z]{2,15}", w) for w in words))
        self.assertTrue(all(a < b for a, b in zip(words, words[1:])), "order or duplicates")
        # Common words, the shortest ones players use, hand-kept ones; no symbols, letter
        # names, abbreviations, affixes, locution parts or proper nouns.
        for word in ("MAISON", "ETRE", "AVOIR", "ELEPHANT", "KIWI", "QI", "AA", "KAT", "HOC", "ZUT"):
            self.assertIn(word, words)
        for word in ("KM", "OE", "PT", "TV", "WWW", "ORG", "AB", "LYON", "FRANCE"):
            self.assertNotIn(word, words)

    def test_ana_is_dico_up_to_12_letters_by_length(self):
        ana = read_resource("ANA.99")
        self.assertEqual(ana, sorted((w for w in dico() if len(w) <= 12), key=lambda w: (len(w), w)))


class AdmissionTest(unittest.TestCase):
    # Variant spellings that another dictionary lists, their inflections, and short
    # words of club play that the lexicon lacks: in the list and admitted.
    ADMITTED = (
        "TSETSE TAMTAM TICTAC HOTDOG PINUP HOLDUP PICKUP BEBOP HIFI KUNGFU FLAFLA KIFKIF "
        "ENCAS EXVOTO FIORD SORGO SIROCO STRAS TOCADE KOHOL COPRA COLA PAPI IGLOU ULULER "
        "IODLER AGA SNIF RESTAU LOTE GROLE TEK CHEIK EFENDI PARAFER ABEQUAIS ABECQUAIS "
        "TRAVAILS TAMTAMS ULULERAIENT ZUP IBN KOHL KORA KYAT SKAT SKIF SKUA ZARB WALI HM "
        "XIS QIS MANUL ALUMNI HOUARI ISO ZAD ZEP KOI SMIC SAMU NIT GON LOS ROS ACAI UDON RHOS "
        "DERS LETS EFFE ZEDE PISAIENT ORSAS").split()
    # Abbreviations, symbols, acronyms spelt letter by letter, proper nouns.
    EXCLUDED = ("KET DVD NASA OK ETC CF KM KG TV PC CD ADN ONU SNCF PDG RER TGV HLM MME "
                "LYON GIF FAQ ULM AMHA YEAH HUN").split()
    # Words without a vowel: interjections, and the Welsh lyre.
    VOWELLESS = set("HM HMM MMM PFF PFFT PST TSS KSS BRRR GRRR ZZZZ CRWTH CRWTHS".split())

    def test_admission(self):
        admitted = {w for w, flag in flags().items() if flag != "NOT"}
        self.assertEqual([w for w in self.ADMITTED if w not in admitted], [])
        self.assertEqual([w for w in self.EXCLUDED if w in flags()], [])
        self.assertEqual([w for w in dico() if not set(w) & set("AEIOUY")
                          and w not in self.VOWELLESS], [])
        # the rule still refuses variants no other dictionary lists
        self.assertGreater(len(flags()) - len(admitted), 1000)


class SynonymTest(unittest.TestCase):
    def test_letters(self):
        total = 0
        for index, letter in enumerate(LETTERS):
            name = "SYNONY%s.%d" % (letter, 101 + index)
            lines = read_resource(name)
            if lines == [""]:
                lines = []
            total += len(lines)
            self.assertLessEqual(len(lines), 4300, name)
            keys, lookup_keys = [], set()
            for line in lines:
                self.assertEqual((line.count("§"), line.count("$")), (1, 1), line)
                head, rest = line.split("§")
                code, syns = rest.split("$")
                self.assertTrue(0 < len(head) <= 29, line)
                self.assertEqual(plain(head[0]).upper()[:1], letter, line)
                self.assertIn(code, LABELLED_CODES, line)
                # Typing the headword finds this line: the lookup scans this letter's table
                # and stops at the first line of the same key.
                key = head.translate(SUB_ACCENTS).lower()
                first = ACCENTED_FIRST.get(key[0], key[0].upper() if "a" <= key[0] <= "z" else "")
                self.assertEqual(first, letter, line)
                self.assertNotIn(key, lookup_keys, line)
                lookup_keys.add(key)
                items = syns.split("\\")
                self.assertTrue(all(items), line)
                self.assertEqual(len(items), len(set(items)), line)
                self.assertNotIn(head, items, line)
                keys.append("".join(c for c in plain(head).lower() if c not in "-'’"))
            self.assertEqual(keys, sorted(keys), name)
        self.assertGreater(total, 30000)


class DefinitionsTest(unittest.TestCase):
    def test_one_entry_per_word(self):
        with open(os.path.join(ROOT, "definitions1.20.ret"), "rb") as src:
            data = src.read()
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        lines = data.decode("cp1252").split("\r\n")
        self.assertEqual(lines[0], "[Cont]")
        self.assertEqual(lines[-1], "")
        words = dico()
        self.assertEqual(len(lines), len(words) + 2)
        values = {}
        for number, line in enumerate(lines[1:-1], 1):
            prefix = "%d= " % number
            self.assertTrue(line.startswith(prefix), line)
            values[words[number - 1]] = line[len(prefix):]
        numbers = {w: i for i, w in enumerate(words)}
        refs = 0
        for word, value in values.items():
            flag, rest = value.split("£", 1)    # every word has a verdict, no bare "x§EXISTE"
            code, definition = rest.split("§", 1)
            self.assertIn(flag, ("OK", "NOT"), word)
            self.assertIn(code, POS_CODES, word)
            if len(word) >= 13:
                self.assertEqual(definition, "", word)
                continue
            self.assertTrue(definition.strip(), word)
            if "Voir " in definition and len(definition) < 22:
                target = re.fullmatch(r"Voir ([A-Z]+)\.", definition)
                self.assertIsNotNone(target, word)
                target = target.group(1)
                self.assertIn(target, numbers, word)
                own = values[target].split("§", 1)[-1]
                is_reference = "Voir " in own and len(own) < 22
                self.assertTrue(own and values[target] != "x§EXISTE" and not is_reference,
                                "%s -> %s" % (word, target))
                refs += 1
        self.assertGreater(refs, 0)
        # AMITIE's index entry names the article of GRIOTTIER; MINEUR's first text is the miner's
        for word, start in (("MAISON", "OK£n§Bâtiment"), ("SUIS", "OK£v§Voir ETRE."),
                            ("ABAQUES", "OK£n§Voir ABAQUE."), ("AVIONS", "OK£n v§Voir AVOIR."),
                            ("AMITIE", "OK£n§Sentiment d'affection"),
                            ("MINEURES", "OK£adj n§Féminin pluriel de MINEUR : Moindre"),
                            ("TUNISIENNES", "OK£adj n§Féminin pluriel de TUNISIEN.")):
            self.assertTrue(values[word].startswith(start), values[word])


class HandKeptTablesTest(unittest.TestCase):
    def test_reviewed_words(self):
        words = set(dico())
        for name, present in (("reviewed_short_words.tsv", lambda row: row[1] in ("keep", "admit")),
                              ("added_words.tsv", lambda row: True)):
            with open(os.path.join(TABLES, name), encoding="utf-8") as src:
                rows = [l.rstrip("\n").split("\t") for l in src if not l.startswith("#")]
            for row in rows:
                self.assertTrue(row[-1].strip(), row)               # a reason on every line
                # a verb's forms field names its model verb ("comme:VISER")
                forms = [row[0]] + [f for f in row[2].split(",") if f and ":" not in f] \
                    if name[0] == "a" else row[:1]
                for form in forms:
                    self.assertEqual(form in words, present(row), form)
                    if present(row):
                        self.assertNotEqual(flags()[form], "NOT", form)


class CommuneTest(unittest.TestCase):
    def test_lists_agree(self):
        cp_lines = read_resource("LISTEPARCP.200")
        nom_lines = read_resource("LISTEPARNOM.201", final_crlf=True)
        self.assertLessEqual(len(cp_lines), 36379)
        self.assertEqual(len(cp_lines), len(nom_lines))
        from_cp, from_nom = [], []
        for line in cp_lines:
            f = line.split("§")
            self.assertEqual(len(f), 11, line)
            from_cp.append(tuple(f))
        for line in nom_lines:
            key, rest = line.split("$", 1)
            f = rest.split("§")
            self.assertEqual(len(f), 12, line)
            insee, cp, dep, dep_name, name, reg, reg_name, lat, lon, acad, acad_code, zone = f
            from_nom.append((cp + " " + key, name, dep + " " + dep_name, reg_name, reg, insee,
                             acad, acad_code, zone, lat, lon))
        self.assertEqual(sorted(from_cp), sorted(from_nom))
        self.assertEqual([r[0] for r in from_cp], sorted(r[0] for r in from_cp))
        self.assertEqual([l.split("$")[0] for l in nom_lines],
                         sorted(l.split("$")[0] for l in nom_lines))
        points, own_points, in_department = {}, {}, {}
        keyed_by_name, former_names = set(), []
        for record in from_cp:
            key, name, dep, _rn, _rc, insee, _an, _ac, zone, lat, lon = record
            self.assertRegex(key, r"^\d{5} [A-Z0-9]+( [A-Z0-9]+)*$")
            words = re.sub(r"[^A-Z0-9]", " ", plain(name).upper()).split()
            expected = " ".join({"SAINT": "ST", "SAINTE": "STE"}.get(w, w) for w in words)
            # Arrondissements are keyed as La Poste writes them (PARIS 01); a
            # former commune's line shows the current commune under its own name.
            number = re.match(r"(\D+) (\d+)(er|e) Arrondissement$", name)
            if number:
                self.assertEqual(key[6:], "%s %02d" % (plain(number[1]).upper(), int(number[2])))
            elif key[6:] == expected:
                keyed_by_name.add(insee)
            else:
                former_names.append((insee, record))
            self.assertRegex(dep, r"^[0-9AB]{1,3} ")
            self.assertRegex(insee, r"^[0-9AB]{5}$")
            self.assertIn(zone, ("A", "B", "C", "."))
            self.assertTrue(all(v.strip() for v in record), record)
            if lat == "." or lon == ".":
                self.assertEqual(lat, lon, record)
                continue
            # A commune's own point has five decimals, an approximate one two.
            self.assertRegex(lat + " " + lon, r"^-?\d+\.(\d{5}|\d\d) -?\d+\.(\d{5}|\d\d)$")
            point = (float(lat), float(lon))
            self.assertTrue(any(a <= point[0] <= b and c <= point[1] <= d
                                for a, b, c, d in TERRITORIES), record)
            points[insee] = point
            if len(lat.split(".")[1]) == 5:
                own_points.setdefault(point, set()).add(insee)
            in_department.setdefault(dep.split()[0], []).append(point)
        self.assertEqual([r for insee, r in former_names if insee not in keyed_by_name], [])
        self.assertLess(len(former_names), 0.05 * len(from_cp))
        self.assertGreater(len(points), 0.9 * len({r[5] for r in from_cp}))
        self.assertEqual([p for p, owners in own_points.items() if len(owners) > 1], [])
        # Metropolitan departments: every point near the middle of its department's points.
        for dep, located in in_department.items():
            if len(dep) == 2:
                middle = (sorted(p[0] for p in located)[len(located) // 2],
                          sorted(p[1] for p in located)[len(located) // 2])
                far = [p for p in located if 111.2 * math.hypot(
                    p[0] - middle[0], (p[1] - middle[1]) * math.cos(math.radians(p[0]))) > 160]
                self.assertEqual(far, [], dep)
        cities = (("751", 20, (48.81, 48.91, 2.22, 2.47)), ("6938", 9, (45.70, 45.81, 4.77, 4.90)),
                  ("132", 16, (43.17, 43.40, 5.28, 5.56)), ("976", 17, (-13.1, -12.5, 44.9, 45.4)))
        for prefix, count, (south, north, west, east) in cities:
            inside = [i for i, (la, lo) in points.items() if i.startswith(prefix)
                      and south <= la <= north and west <= lo <= east]
            self.assertEqual(len(inside), count, prefix)


if __name__ == "__main__":
    unittest.main()
