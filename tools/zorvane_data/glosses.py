"""Short glosses for words the old dictionary lacks: synonyms the thesaurus
gives for one sense of the word."""
from .folding import fold_word
from .synonyms import normalize, opposite

SYNONYMS_SHOWN = 3
# Least part of an item's own line that must lie in the word's line.
SHARE = 0.25
# A line of at most this many items holds one sense: an item that lists the
# word back needs no share (CURETER: nettoyer, RAQUER: payer).
ONE_SENSE = 3


def thesaurus_glosses(entries):
    """{folded word: "Synonymes : a, b, c."} from parsed thesaurus entries
    [(headword, [(categories, [synonyms])...])]; the first headword that
    folds to a word wins. A thesaurus line runs several senses together, and
    sometimes another word's ("courriel: mur, muret"), so an item is kept
    only when its own line, if it has one, lists the word back and a good
    part of it lies in the word's: "bibine: piquette", not "défaite", whose line is
    about defeat. A line of a few items holds one sense, so there listing the
    word back is enough (a big line such as "nettoyer" shares little with
    "cureter: nettoyer"). An item that is the word's opposite is left out."""
    lines = {}
    for head, meanings in entries:
        items = lines.setdefault(normalize(head) or head, set())
        items.update(filter(None, (normalize(i) for _c, found in meanings for i in found)))
    glosses = {}
    for head, meanings in entries:
        word = fold_word(head.replace("-", ""))
        if word is None or word in glosses or head != head.lower():
            continue
        head = normalize(head) or head
        line = lines[head] | {head}
        shown = []
        for _cats, items in meanings:
            for item in items:
                syn = normalize(item)
                if syn and syn not in shown and fold_word(syn.replace("-", "")) != word \
                        and not opposite(head, syn):
                    shown.append(syn)
        # an item without a line of its own ("fin de semaine") cannot be checked
        kept = [s for s in shown if s not in lines or
                head in lines[s] and (len(shown) <= ONE_SENSE or
                                      len(lines[s] & line) >= SHARE * len(lines[s]))]
        if kept:
            glosses[word] = "Synonymes : %s." % ", ".join(kept[:SYNONYMS_SHOWN]).rstrip(".")
    return glosses
