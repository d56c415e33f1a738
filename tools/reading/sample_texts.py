#!/usr/bin/python3
"""Words of 2 to 12 letters drawn at random, each with the text the dictionary
window shows (a short "Voir X." followed to X's text), for a reading by eye.
Usage: tools/reading/sample_texts.py SEED [COUNT]"""
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

from tests.resources.test_texts import shown, texts  # noqa: E402

if __name__ == "__main__":
    words = [w for w in texts() if 2 <= len(w) <= 12]
    random.seed(int(sys.argv[1]))
    for word in random.sample(words, int(sys.argv[2]) if len(sys.argv) > 2 else 120):
        print("%-13s %s" % (word, shown(word).replace("\n", "  =>  ")))
