#!/usr/bin/env python3
"""Prints the short words (2 to 5 letters) still to review: words absent from
DICO and from the reviewed tables that
- at least two independent sources spell (the lexicon, Wiktionary, Lefff,
  Littré's headwords, the wfrench list, the thesaurus), or
- Wiktionary has as a lower-case lemma of 3 or 4 letters, or
- Wiktionary has as a capitalised or upper-case common noun (ZUP).
Each candidate is then read and decided in added_words.tsv (added) or in
reviewed_short_words.tsv (refuse, with the reason). Run with /usr/bin/python3."""
import os
import sys
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from zorvane_data import evidence, lexicon, synonyms, wiktionary  # noqa: E402
from zorvane_data.folding import fold_word  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WFRENCH = "/usr/share/dict/french"
MAX_LEN = 5


def read_dico():
    with open(os.path.join(ROOT, "resources", "embedded", "DICO.100"), "rb") as src:
        return set(src.read().decode("cp1252").split("\r\n"))


def spellings_by_source(npm_root):
    """{source: {folded word: a spelling}} of every lower-case form."""
    found = {}

    def add(source, spellings):
        table = found.setdefault(source, {})
        for spelling in spellings:
            word = fold_word(spelling) if spelling else None
            if word and 2 <= len(word) <= MAX_LEN:
                table.setdefault(word, spelling)

    add("lexique", (f for f, _l, t in lexicon.load_entries() if len(f) > 1 and lexicon.is_common(f, t)))
    heads = {}
    for article in wiktionary.load():
        heads.setdefault(article.headword, set()).add(article.part)
    add("wiktionnaire", (h for h, p in heads.items() if evidence.is_common_article(h, p)))
    found["wiktionnaire-majuscule"] = {
        fold_word(h): h for h, p in heads.items()
        if h != h.lower() and fold_word(h) and 2 <= len(fold_word(h)) <= MAX_LEN
        and any(x.startswith("n") for x in p) and not any(x.startswith("pn") for x in p)}
    add("lefff", evidence.lefff_lemmas(npm_root))
    add("littré", evidence.littre_headwords())
    with open(WFRENCH, encoding="utf-8") as src:
        add("wfrench", (l.strip() for l in src if l.strip() == l.strip().lower()))
    add("thésaurus", (h for h, _m in synonyms.load() if h == h.lower()))
    return found


def queue(found, known):
    families = {}
    for source, table in found.items():
        if source == "wiktionnaire-majuscule":
            continue
        for word in table:
            families.setdefault(word, set()).add(source)
    picked = {}
    for word, sources in families.items():
        if len(sources) >= 2 or (sources == {"wiktionnaire"} and len(word) in (3, 4)):
            picked[word] = sources
    for word in found["wiktionnaire-majuscule"]:
        picked.setdefault(word, set()).add("wiktionnaire-majuscule")
    return {w: s for w, s in picked.items() if w not in known}


def main():
    npm_root = os.path.join(os.environ.get("ZORVANE_INPUTS", os.path.expanduser(
        "~/.cache/zorvane-inputs")), "npm")
    known = read_dico()
    known |= {row[0] for row in lexicon.load_table(lexicon.STOP_LIST)}
    known |= set(lexicon.load_added())
    found = spellings_by_source(npm_root)
    todo = queue(found, known)
    for word in sorted(todo, key=lambda w: (len(w), w)):
        sources = sorted(todo[word])
        spelling = next(found[s][word] for s in sources)
        print("%s\t%s\t%s" % (word, spelling, " ".join(sources)))
    print("to review: %d (%s)" % (len(todo), ", ".join(
        "%d letters: %d" % item for item in sorted(Counter(len(w) for w in todo).items()))),
        file=sys.stderr)


if __name__ == "__main__":
    main()
