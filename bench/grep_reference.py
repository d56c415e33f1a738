"""The crossword patterns of the pattern benchmark, searched with grep -E over a file of the
same words (the anagram list, one word per line): the plain tool a user would reach for."""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ANA = os.path.join(HERE, "..", "resources", "embedded", "ANA.99")
# Same letters at the same places as the pattern benchmark's searches.
PATTERNS = {
    "nine_letters_A_E_S": "^A..E...S.$",
    "nine_letters_late_R_O_N": "^.....R.ON$",
    "nine_letters_first_three": "^CON......$",
    "nine_letters_rare_Z_K_W": "^Z...K...W$",
}


def main():
    repetitions = int(sys.argv[1])
    with open(ANA, "rb") as src:
        words = src.read().rstrip(b"\0").replace(b"\r\n", b"\n") + b"\n"
    results = {}
    with tempfile.NamedTemporaryFile(suffix=".txt") as listing:
        listing.write(words)
        listing.flush()
        for name, pattern in PATTERNS.items():
            times = []
            for _ in range(repetitions):
                start = time.perf_counter()
                subprocess.run(["grep", "-E", "-c", pattern, listing.name],
                               check=False, stdout=subprocess.DEVNULL)
                times.append((time.perf_counter() - start) * 1000.0)
            results[name] = {"min": min(times), "median": statistics.median(times),
                             "max": max(times)}
    json.dump(results, sys.stdout)


if __name__ == "__main__":
    main()
