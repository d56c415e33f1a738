#!/usr/bin/env python3
"""Regenerates every resource under resources/ from the installed inputs.

Run with the system interpreter, which sees Debian's Python modules:
    /usr/bin/python3 tools/build_resources.py
The npm inputs are read from $ZORVANE_INPUTS/npm (default
~/.cache/zorvane-inputs/npm), where tools/fetch_inputs.sh puts them."""
import argparse
import os
import sys
import time
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from zorvane_data import communes, definitions, derivation, evidence, frequency, glosses, lexicon, licences  # noqa: E402
from zorvane_data import former_communes, inflection_use, littre, translations  # noqa: E402
from zorvane_data import synonyms, wiktionary, wiktionary_senses, words  # noqa: E402
from zorvane_data.folding import fold_word  # noqa: E402
from zorvane_data.resource_io import write_bytes, write_resource  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFINITIONS_FILE = "definitions1.20.ret"


def build_words(entries, parts, thesaurus, frequencies, wiktionary_articles, embedded, out,
                npm_root):
    """DICO, ANA and the definitions file; returns the report lines. parts:
    lexicon.parts_by_form(entries); wiktionary_articles: wiktionary.load()."""
    report = []
    articles = littre.load_definitions(frequencies=frequencies)
    dictionaries = evidence.load(npm_root, wiktionary_articles)
    added = lexicon.conjugate_added(lexicon.load_added(), entries)
    lexicon_words = lexicon.group_words(entries)
    letters = {fold_word(f) for f, _l, _t in entries if len(f) == 1} - {None}
    grouped, removed = lexicon.select(lexicon_words, articles.headwords | set(dictionaries.exact),
                                      lexicon.load_stop_list(), added)
    before = set(grouped)
    lexicon.add_words(grouped, added)
    attested, refused = lexicon.attest(grouped, dictionaries.sources,
                                       lexicon.load_reviewed("admit"))
    report.append("variant spellings admitted by evidence: %d, refused: %d" % (
        len(attested), len(refused)))
    dico = words.dico_order(grouped)
    ana = words.ana_order(dico)
    write_resource(embedded, "ANA", 99, ana)
    write_resource(embedded, "DICO", 100, dico)
    lengths = Counter(len(w) for w in dico)
    report.append("DICO words: %d (ANA %d)" % (len(dico), len(ana)))
    report.append("words per length: " + ", ".join(
        "%d: %d" % (n, lengths[n]) for n in sorted(lengths)))
    report.append("removed by rule: " + ", ".join(
        "%s %d (%s...)" % (rule, len(ws), " ".join(sorted(ws, key=lambda w: (len(w), w))[:8]))
        for rule, ws in removed.items()))
    report.append("letter names removed: %s" % " ".join(sorted(
        w for w in letters if len(w) > 1 and w not in lexicon_words)))
    report.append("added by the hand-kept table: %d (%s)" % (
        len(set(grouped) - before), " ".join(sorted(set(grouped) - before))))

    thesaurus_glosses = glosses.thesaurus_glosses(thesaurus)
    texts = definitions.source_texts(articles, {w: a[2] for w, a in added.items()},
                                     thesaurus_glosses)
    choices = definitions.Choices(frequencies, frequency.forms_by_word(entries),
                                  definitions.load_modern_senses(), articles.stubs,
                                  inflection_use.InflectionUse(entries, frequencies))
    thin_senses = wiktionary_senses.lemma_senses(
        dico, grouped, wiktionary_senses.gloss_table(wiktionary_articles, parts), definitions.LONG_WORD)
    has_sense = set(definitions.sense_texts(dico, grouped, texts, thesaurus_glosses)) \
        | set(choices.fixed) | set(thin_senses)
    derived = derivation.derived_senses(dico, grouped, derivation.base_index(entries), has_sense,
                                        definitions.LONG_WORD, derivation.load_exceptions())
    kinds = definitions.entry_texts(dico, grouped, texts, thesaurus_glosses,
                                     articles.verbs, articles.feminines, choices, thin_senses,
                                     {w: text for w, (_pattern, text) in derived.items()})
    values = definitions.entry_values(dico, grouped, kinds)
    write_bytes(os.path.join(out, DEFINITIONS_FILE), definitions.render(values))
    short = Counter(kind for word, (kind, _t) in zip(dico, kinds) if len(word) < definitions.LONG_WORD)
    total = sum(short.values())
    report.append("2-12 letter words: %d; texts: %s" % (total, ", ".join(
        "%s %d (%.1f %%)" % (k, n, 100.0 * n / total) for k, n in short.most_common())))
    derived_kinds = short[definitions.DERIVED_SENSE] + short[definitions.DERIVED_REFERENCE]
    report.append("grammatical descriptions: %d without the Wiktionary senses and derivations,"
                  " %d without the derivations, %d with both" % (
                      short[definitions.GRAMMAR] + short[definitions.THIN_SENSE]
                      + short[definitions.THIN_REFERENCE] + derived_kinds,
                      short[definitions.GRAMMAR] + derived_kinds, short[definitions.GRAMMAR]))
    shown = Counter(derived[w][0] for w, (kind, _t) in zip(dico, kinds)
                    if kind == definitions.DERIVED_SENSE)
    report.append("derivation texts per pattern: " + ", ".join(
        "%s %d" % (name, shown[name]) for name, *_rest in derivation.PATTERNS))
    not_admitted = [grouped[w] for w in dico if not grouped[w].admitted()]
    report.append("NOT: %d (reformed spelling only %d, archaic variant only %d)" % (
        len(not_admitted), sum(1 for i in not_admitted if "R" in i.variants),
        sum(1 for i in not_admitted if "R" not in i.variants)))
    return report


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "resources"))
    parser.add_argument("--inputs", default=os.environ.get(
        "ZORVANE_INPUTS", os.path.expanduser("~/.cache/zorvane-inputs")))
    args = parser.parse_args()
    started = time.monotonic()
    embedded = os.path.join(args.out, "embedded")
    npm_root = os.path.join(args.inputs, "npm")
    report = []

    entries = lexicon.load_entries()
    thesaurus = synonyms.load()
    frequencies = frequency.load(npm_root)
    parts = lexicon.parts_by_form(entries)
    wiktionary_articles = wiktionary.load()
    report += build_words(entries, parts, thesaurus, frequencies, wiktionary_articles, embedded,
                          args.out, npm_root)

    lines_by_letter, dropped = synonyms.merge(thesaurus, parts, frequencies,
                                              translations.load(wiktionary_articles),
                                              synonyms.load_marginal())
    for index, letter in enumerate("ABCDEFGHIJKLMNOPQRSTUVWXYZ"):
        write_resource(embedded, "SYNONY" + letter, 101 + index, lines_by_letter.get(letter, []))
    report.append("synonym lines: %d; per letter: %s" % (
        sum(len(v) for v in lines_by_letter.values()),
        ", ".join("%s %d" % (k, len(lines_by_letter.get(k, [])))
                  for k in "ABCDEFGHIJKLMNOPQRSTUVWXYZ")))
    report.append("synonym items dropped, lines over 21 items: %s" % dropped)

    records, figures = communes.build(academies=communes.load_academies(),
                                      points=communes.load_points(),
                                      former_table=former_communes.load_table(),
                                      **communes.load_inputs(npm_root))
    write_resource(embedded, "LISTEPARCP", 200, communes.postcode_lines(records))
    write_resource(embedded, "LISTEPARNOM", 201, communes.name_lines(records), final_crlf=True)
    report.append("former communes given lines: %d (%d lines), left out: %s" % (
        figures["former_communes"], figures["former_lines"], figures["former_left_out"]))
    report.append("commune lines: %d, by kind of point %s, by method %s, from the hand table %d,"
                  " approximate points' km from their department's centre %s,"
                  " error of the approximation on located communes (km) %s,"
                  " communes without postal code %d" % (
                      figures["lines"], figures["by_kind"], figures["by_method"],
                      figures["from_table"], figures["approximate_km_from_department_centre"],
                      figures["approximation_km_error_on_located_communes"],
                      figures["no_postcode"]))

    licences.copy_all(os.path.join(args.out, "licences"), npm_root)
    for name in sorted(os.listdir(embedded)):
        report.append("size %s: %d" % (name, os.path.getsize(os.path.join(embedded, name))))
    report.append("size %s: %d" % (DEFINITIONS_FILE,
                                   os.path.getsize(os.path.join(args.out, DEFINITIONS_FILE))))
    report.append("build time: %.1f s" % (time.monotonic() - started))
    print("\n".join(report))


if __name__ == "__main__":
    main()
