"""Reference ratios for the similarity test: one difflib ratio per tab-separated pair."""

import difflib
import sys


def main(pairs_path: str, ratios_path: str) -> None:
    with open(pairs_path, encoding="ascii") as pairs, open(ratios_path, "w") as ratios:
        for line in pairs:
            first, second = line.rstrip("\n").split("\t")
            ratio = difflib.SequenceMatcher(None, first, second).ratio()
            ratios.write(repr(ratio) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
