"""Turns the JSON output of every benchmark (and the grep reference) into
docs/performance.md: min / median / max over the repeated runs, with the targets."""
import glob
import json
import os
import statistics
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


def load_runs(folder):
    """run name -> list of times in ms, one per repetition; plus counters and context."""
    runs, counters, context, cpu = {}, {}, {}, {}
    for path in sorted(glob.glob(os.path.join(folder, "*_benchmark.json"))):
        with open(path) as src:
            report = json.load(src)
        context = report["context"]
        for bench in report["benchmarks"]:
            if bench.get("run_type") != "iteration":
                continue
            name = bench["run_name"]
            runs.setdefault(name, []).append(bench["real_time"] * UNIT_MS[bench["time_unit"]])
            cpu.setdefault(name, []).append(bench["cpu_time"] * UNIT_MS[bench["time_unit"]])
            counters.setdefault(name, {k: v for k, v in bench.items()
                                       if k not in ("name", "run_name", "run_type", "real_time",
                                                    "cpu_time", "time_unit", "iterations",
                                                    "repetitions", "repetition_index",
                                                    "threads", "family_index",
                                                    "per_family_instance_index")})
    for name, times in cpu.items():
        counters[name]["cpu_median_ms"] = statistics.median(times)
    return runs, counters, context


def stats(times):
    return min(times), statistics.median(times), max(times)


def fmt(ms):
    if ms >= 100:
        return "%.0f ms" % ms
    if ms >= 1:
        return "%.2f ms" % ms
    return "%.1f µs" % (ms * 1000)


def row(label, times, target=None, ratio=None):
    low, mid, high = stats(times)
    cells = [label, fmt(low), fmt(mid), fmt(high), target or ""]
    if ratio is not None:
        cells.append(ratio)
    return "| " + " | ".join(cells) + " |"


def find(runs, prefix):
    return sorted(name for name in runs if name.startswith(prefix))


def cli_section(folder):
    """The command line's one-shot anagram search, whole process, from cli_oneshot.py."""
    with open(os.path.join(folder, "cli_oneshot.json")) as src:
        timed = json.load(src)
    lines = ["## Command line: one anagram search per process", "",
             "`zorvane-cli anagram DRAW`, started, answered and ended, 21 runs each (a plain scan of",
             "the word list, no index built).", "",
             "| what | min | median | max | target |", "|---|---|---|---|---|"]
    for draw, t in timed.items():
        lines.append("| zorvane-cli anagram %s | %s | %s | %s | ≤ 50 ms |" % (
            draw, fmt(t["min"]), fmt(t["median"]), fmt(t["max"])))
    return lines + [""]


def board_section(runs, counters):
    """The move generator beside the brute-force oracle, the word graph, from board_benchmark."""
    cases = {"0": "empty board, draw ESARTIN", "1": "41 tiles, draw AERST??"}
    targets = {"0": "≤ 5 ms", "1": "≤ 20 ms"}
    lines = ["## Board: every legal move of a draw (zorvane-cli top)", "",
             "Wall time, and the median of the processor time the run was given (on a shared "
             "machine the two part).", "",
             "| what | min | median | max | target | processor time, median | moves |",
             "|---|---|---|---|---|---|---|"]
    for case, label in cases.items():
        for kind, name in (("generator", "BM_Generate/%s" % case), ("brute-force oracle", "BM_Oracle/%s" % case)):
            found = find(runs, name + "/")
            if found:
                extra = counters[found[0]]
                same = "" if "same_as_generator" not in extra else (
                    ", same moves as the generator" if extra["same_as_generator"] == 1 else ", DIFFERENT moves")
                lines.append(row("%s, %s" % (kind, label), runs[found[0]],
                                 targets[case] if kind == "generator" else "",
                                 "%s | %d%s" % (fmt(extra["cpu_median_ms"]), extra.get("moves", 0), same)))
    build = find(runs, "BM_AdmittedWordsAndGraph") + find(runs, "BM_GraphOnly")
    lines += ["", "| what | min | median | max | processor time, median |", "|---|---|---|---|---|"]
    labels = {"BM_AdmittedWordsAndGraph": "admitted words (one reading of the definitions file) and graph",
              "BM_GraphOnly": "graph of the admitted words"}
    for name in build:
        lines.append(row(labels[name.split("/")[0]], runs[name], fmt(counters[name]["cpu_median_ms"])))
    walks = find(runs, "BM_GraphAnagramWalk/")
    if walks:
        lines += ["", "The same kind of graph over the anagram list, walked for a draw (words found once, "
                  "in graph order, not yet in the window's order):", "",
                  "| what | min | median | max | processor time, median | words |",
                  "|---|---|---|---|---|---|"]
        for name in walks:
            lines.append(row("graph walk, " + name.split("/", 1)[1], runs[name],
                             fmt(counters[name]["cpu_median_ms"]), "%d" % counters[name]["words"]))
    figures = find(runs, "BM_GraphFigures")
    if figures:
        f = counters[figures[0]]
        lines += ["", "Word graph of the admitted words: %d words, %d nodes, %d edges, %.1f MB with its "
                  "letters-ahead table." % (f["admitted_words"], f["nodes"], f["edges"], f["graph_MB"])]
    return lines + [""]


def main():
    folder = sys.argv[1]
    runs, counters, context = load_runs(folder)
    with open(os.path.join(folder, "grep_reference.json")) as src:
        grep = json.load(src)
    out = ["# Zorvane performance report", "",
           "Written by `bench/run` (Release build, Google Benchmark, %d runs of each figure;"
           % len(next(iter(runs.values()))),
           " min / median / max of the runs, wall time). Machine: %d CPUs at %s MHz, %s."
           % (context.get("num_cpus", 0), context.get("mhz_per_cpu", "?"), context.get("date", "")),
           "The shipped data are those of `resources/` (see `resources/SOURCES.md`).", ""]

    def section(title, header, lines):
        out.extend(["## " + title, "", header,
                    "|" + "---|" * (header.count("|") - 1)] + lines + [""])

    head = "| what | min | median | max | target |"
    load = find(runs, "BM_LoadWordStoreAndIndex")
    lines = [row("split DICO, ANA, 26 synonym lists; build the anagram index", runs[load[0]],
                 "≤ 150 ms")]
    figures = counters.get(find(runs, "BM_IndexFigures")[0], {})
    section("Loader", head, lines)
    if figures:
        out.append("Resident memory after loading: %.0f MB (target ≤ 150 MB). Index: %d words, "
                   "%d distinct letter keys, %d buckets used, %d overflow words, final capacity "
                   "%d, largest bucket %d words." % (
                       figures["rss_MB_after_load"], figures["words"], figures["distinct_keys"],
                       figures["buckets_used"], figures["overflow_words"],
                       figures["final_capacity"], figures["largest_bucket"]))
        out.append("")

    lines = []
    for name in find(runs, "Index/"):
        draw = name.split("/", 1)[1]
        plain = runs.get("PlainScan/" + draw)
        target = "≤ 30 ms" if len(draw) == 12 and "?" in draw else ("≤ 1 ms" if len(draw) == 7 and "?" not in draw else "")
        ratio = "×%.1f" % (statistics.median(plain) / statistics.median(runs[name])) if plain else ""
        lines.append(row("index, " + draw, runs[name], target, ratio))
        if plain:
            lines.append(row("plain scan, " + draw, plain, "", ""))
    section("Anagram search (minimum length 2)", head + " index vs plain |", lines)
    out.extend(cli_section(folder))

    out.extend(board_section(runs, counters))

    lines = [row(n.replace("BM_ResultsPainted/", "results painted, "), runs[n],
                 "≤ 100 ms" if len(n.split("/", 1)[1]) == 12 else "")
             for n in find(runs, "BM_ResultsPainted/")]
    section("Anagram window: from the end of the 500 ms wait to painted results", head, lines)
    out.extend(["Offscreen, fake platform: the TimCherche tick (search, list models, counts, report), "
                "the events it leaves to the event loop (list layouts) and the repaint of the whole "
                "window.", ""])

    lines = []
    for name in find(runs, "Search/"):
        case = name.split("/", 1)[1]
        target = "≤ 2 ms" if case.startswith("nine_letters") and "two" not in case else ""
        lines.append(row("pattern search, " + case, runs[name], target))
        if case in grep:
            g = grep[case]
            lines.append("| grep -E over the same words, %s | %s | %s | %s |  |" % (
                case, fmt(g["min"]), fmt(g["median"]), fmt(g["max"])))
    section("Crossword pattern search", head, lines)

    lines = []
    for name in find(runs, "BM_NearWordSearch/") + find(runs, "BM_DifflibSearch/"):
        target = "≤ 40 ms" if "match_bound" in name else ""
        lines.append(row(name.replace("BM_", ""), runs[name], target))
    section("Near words (9 letters, lengths ±1, 70 %; 0 = PARCHEMIN, 1 = ENTRAINES)", head, lines)
    bound = [n for n in runs if n.startswith("BM_NearWordSearch/match_bound/")]
    difflib = [n for n in runs if n.startswith("BM_DifflibSearch/plain/")]
    for ours, theirs in zip(sorted(bound), sorted(difflib)):
        out.append("- %s: ours is ×%.0f faster than difflib (target ≥ ×50)." % (
            ours.rsplit("/", 1)[1], statistics.median(runs[theirs]) / statistics.median(runs[ours])))
    out.append("")

    lines = [row(n.replace("BM_", ""), runs[n], "≤ 60 ms" if "CheckLastWord" in n else "")
             for n in find(runs, "BM_CheckLastWord") + find(runs, "BM_GetIniLastEntry")]
    section("Dictionary check of the last word (lookup + definitions file)", head, lines)

    lines = [row(n.replace("BM_", ""), runs[n], "≤ 1 ms" if "Keystroke" in n else "")
             for n in find(runs, "BM_PrefixList") + find(runs, "BM_Lookup") + find(runs, "BM_WindowKeystroke")]
    section("Synonyms", head, lines)

    lines = [row(n, runs[n], "≤ 40 ms" if n.startswith("Load") else "≤ 2 ms")
             for n in find(runs, "LoadBothLists") + find(runs, "PostcodeKeystroke") + find(runs, "NameKeystroke")]
    section("Communes", head, lines)
    print("\n".join(out))


if __name__ == "__main__":
    main()
