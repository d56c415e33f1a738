#!/usr/bin/python3
"""How many of the synonyms the window shows a reader expects: for each
headword of a reading file (headword, tab, the items of its line we marked as
expected for its everyday senses), the first 21 items of the shipped line
against the marks. Prints each line (+ expected, - not) and the totals.
Usage: tools/reading/measure_synonyms.py [READING.tsv...]"""
import glob
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
EMBEDDED = os.path.join(HERE, "..", "..", "resources", "embedded")
SHOWN = 21


def shipped_lines():
    lines = {}
    for path in sorted(glob.glob(os.path.join(EMBEDDED, "SYNONY?.1*"))):
        with open(path, encoding="cp1252", newline="") as src:
            for raw in src.read().split("\r\n"):
                if "§" in raw and "$" in raw:
                    lines[raw.split("§")[0]] = raw.split("$", 1)[1].split("\\")
    return lines


def measure(lines, reading):
    expected = shown_total = 0
    with open(reading, encoding="utf-8") as src:
        for row in src:
            head, items = row.rstrip("\n").split("\t")
            wanted = set(items.split())
            shown = lines.get(head, [])[:SHOWN]
            expected += sum(item in wanted for item in shown)
            shown_total += len(shown)
            print("%-9s %s" % (head, " ".join(("+" if i in wanted else "-") + i for i in shown)))
    print("%s: %d of %d (%.1f %%)" % (os.path.basename(reading), expected, shown_total,
                                      100.0 * expected / shown_total))


if __name__ == "__main__":
    found = shipped_lines()
    for path in sys.argv[1:] or sorted(glob.glob(os.path.join(HERE, "synonyms_*.tsv"))):
        measure(found, path)
