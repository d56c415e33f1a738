"""zorvane-cli's one-shot anagram search timed as a whole process (start, scan of the word
list, answer), as a script calling it once per draw sees it: min / median / max in ms.

Usage: cli_oneshot.py ZORVANE_CLI RUNS"""
import json
import statistics
import subprocess
import sys
import time

DRAWS = ["CHAT", "ESARTIN", "ESARTINLUOC?", "ESARTINL??"]


def main():
    program, runs = sys.argv[1], int(sys.argv[2])
    results = {}
    for draw in DRAWS:
        times = []
        for _ in range(runs):
            start = time.perf_counter()
            subprocess.run([program, "anagram", draw], stdout=subprocess.DEVNULL, check=True)
            times.append((time.perf_counter() - start) * 1000)
        results[draw] = {"min": min(times), "median": statistics.median(times), "max": max(times)}
    json.dump(results, sys.stdout, indent=1)


if __name__ == "__main__":
    main()
