"""Every JSON answer of zorvane-cli, for every command, found or not, refused or not, read
from the command line or from standard input, against docs/zorvane-cli.schema.json; and the
built program's exit statuses on its own shipped data.

Usage: json_schema_check.py ZORVANE_CLI SCHEMA"""
import json
import subprocess
import sys

import jsonschema

QUERIES = {
    "check": ["maison", "éléphant", "ZZZZ", "a", "CŒUR"],
    "scrabble": ["maison", "hoc", "ZZZZ", "é"],
    "anagram": ["CHAT", "ESARTINL??", "QQQQ", "A???"],
    "pattern": ["A..E.", "Q??Q", "????"],
    "synonyms": ["ÉLÉGANT", "coeur", "zzzz", "x"],
    "near": ["maison", "zzzzzz", "a1"],
    "commune": ["75001", "Saint-Étienne", "99999", "Paris!"],
}


def answers(args, stdin="", status=None):
    run = subprocess.run([sys.argv[1], *args], input=stdin.encode(), capture_output=True)
    assert status is None or run.returncode == status, f"{args}: status {run.returncode}"
    lines = run.stdout.decode().splitlines()
    assert lines, f"{args}: no answer"
    return [json.loads(line) for line in lines]


def main():
    with open(sys.argv[2], encoding="utf-8") as f:
        validator = jsonschema.Draft202012Validator(json.load(f))
    checked = []
    for command, queries in QUERIES.items():
        for query in queries:
            checked += answers(["--json", command, query])
        batch = answers([command, "--json"], "\n".join(queries) + "\n")
        assert [a["texte"] for a in batch] == queries, batch
        checked += batch
    checked += answers(["--json", "nothing"]) + answers(["--json", "near", "x", "--threshold=1"])
    # top reads its position from the input: an empty board, a malformed one.
    board = "." * 15 + "\n"
    top = answers(["--json", "top", "ESARTI?"], board * 15, status=0)
    assert top[0]["nombre"] > 1000 and len(top[0]["mots"]) == 10, top
    checked += top + answers(["--json", "top", "ESARTI?"], board * 14, status=2)
    checked += answers(["top", "--json"], board * 15, status=2)
    for answer in checked:
        validator.validate(answer)
    # A full draw spells words of all its 12 letters; Saint is found under its key ST.
    draw = answers(["--json", "anagram", "ESARTINLUOC?"], status=0)[0]["mots"]
    assert len(draw) > 1000 and len(draw[0]) == 12, draw[:3]
    assert answers(["--json", "commune", "Saint-Étienne"], status=0)[0]["trouve"]
    answers(["--json", "pattern", "Q??Q"], status=1)
    answers(["--json", "anagram", "A???"], status=2)
    with open("/dev/full", "w") as full:
        assert subprocess.run([sys.argv[1], "check", "MAISON"], stdout=full, stderr=subprocess.DEVNULL).returncode == 4
    # A reader that stops early ends it quietly, even when the parent ignores SIGPIPE.
    early = subprocess.Popen([sys.argv[1], "anagram", "ESARTINLUOC?"], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, restore_signals=False)
    early.stdout.close()
    assert early.wait() != 0 and early.stderr.read() == b"", "message on a closed pipe"
    print(f"{len(checked)} answers valid")


main()
