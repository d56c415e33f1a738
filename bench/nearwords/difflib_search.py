"""The near-word search written with difflib, timed: the reference for the benchmark.

Usage: difflib_search.py WORDS TYPED THRESHOLD LENGTHS_PLUS_MINUS_ONE MODE RESULT
MODE is "plain" (every candidate compared) or "quick" (difflib's own upper bounds,
real_quick_ratio then quick_ratio, skip what cannot reach the threshold first).
Writes the result text (CR LF lines) to RESULT and prints the best time of 3 runs in seconds.
"""

import difflib
import sys
import time


def shown(ratio: float) -> tuple[float, int]:
    percent = round(ratio * 100, 2)  # half to even
    return percent, int(percent)


def line(word: str, percent: float, whole: int) -> str:
    text = "100%" if percent == 100 else f"{whole:>2}%"
    return f"{word:<15} {len(word):<2} {text}"


def search(words, typed, threshold, plus_minus_one, quick):
    lines = ["Solutions:      L:  %"]
    lengths = {len(typed)} | ({len(typed) - 1, len(typed) + 1} if plus_minus_one else set())
    matcher = difflib.SequenceMatcher(None)
    matcher.set_seq2(typed)
    for word in words:
        if len(word) not in lengths:
            continue
        matcher.set_seq1(word)
        if quick and (shown(matcher.real_quick_ratio())[1] < threshold
                      or shown(matcher.quick_ratio())[1] < threshold):
            continue
        percent, whole = shown(matcher.ratio())
        if whole >= threshold:
            lines.append(line(word, percent, whole))
    return "\r\n".join(lines)


def main() -> None:
    words_path, typed, threshold, plus_minus_one, mode, result_path = sys.argv[1:7]
    with open(words_path, encoding="ascii") as file:
        words = file.read().split("\n")
    best = None
    for _ in range(3):
        start = time.perf_counter()
        text = search(words, typed.upper(), int(threshold), plus_minus_one == "1", mode == "quick")
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    with open(result_path, "w", encoding="ascii", newline="") as file:
        file.write(text)
    print(best)


if __name__ == "__main__":
    main()
