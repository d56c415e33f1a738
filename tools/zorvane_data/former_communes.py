"""Former and delegated communes that La Poste still writes on letters: each
gets lines of its own, keyed by its own name, that show the commune it now
belongs to, so that a user who types SEYNOD finds Annecy."""
import os
from collections import defaultdict

from .folding import name_key

# The lists hold few more lines than the current communes need, so only the
# former communes GeoNames still knows as populated places (its cities500
# file: from 500 inhabitants, or seats) get lines: the ones people still write.
TABLE = "former_communes.tsv"


def load_table():
    """[(former INSEE, name, current INSEE, [postal codes])] of the hand-kept table."""
    with open(os.path.join(os.path.dirname(__file__), TABLE), encoding="utf-8") as src:
        rows = [line.rstrip("\n").split("\t") for line in src
                if line.strip() and not line.startswith("#")]
    return [(f[0], f[1], f[2], f[3].split(",")) for f in rows]


def routing_labels(postcode_rows):
    """{INSEE: {(name key of the routing label, postal code)}}: the name a
    letter carries above or beside its postal code."""
    labels = defaultdict(set)
    for row in postcode_rows:
        labels[row["codeCommune"]].add((name_key(row["libelleAcheminement"]), row["codePostal"]))
    return labels


def _known_postcodes(key, codes, labels):
    """The postal codes of a former commune: the current commune's only one,
    or those whose routing label is the former name (LOMME 59160 in Lille)."""
    if len(codes) == 1:
        return list(codes)
    return sorted({code for label, code in labels if label == key})


def former_names(communes_json, postcodes, labels, place_rows, table):
    """({former INSEE: (name, current INSEE, [postal codes], population)},
    counts of the delegated and associated communes left out and why).
    population: of the GeoNames place of that name inside the current
    commune (0 for a table line GeoNames does not know)."""
    current = {c["code"]: c for c in communes_json
               if c["type"] in ("commune-actuelle", "arrondissement-municipal")}
    population = {}
    for row in place_rows:
        where = (row[5], row[1])
        population[where] = max(population.get(where, 0), row[3])
    chosen, why_not = {}, {}
    for c in communes_json:
        if c["type"] not in ("commune-deleguee", "commune-associee"):
            continue
        head = current.get(c.get("chefLieu"))
        key = name_key(c["nom"])
        if head is None or key == name_key(head["nom"]):
            continue
        if (head["code"], key) not in population:
            why_not[c["code"]] = "not a GeoNames place"
            continue
        codes = _known_postcodes(key, postcodes.get(head["code"], ()), labels[head["code"]])
        if not codes:
            why_not[c["code"]] = "postal code unknown"
            continue
        chosen[c["code"]] = (c["nom"], head["code"], codes, population[(head["code"], key)])
    for insee, name, head, codes in table:
        why_not.pop(insee, None)
        chosen[insee] = (name, head, codes, population.get((head, name_key(name)), 0))
    left_out = defaultdict(int)
    for reason in why_not.values():
        left_out[reason] += 1
    return chosen, dict(left_out)
