"""Short glosses for words the old dictionary lacks: the first synonyms the
thesaurus gives."""
from .folding import fold_word
from .synonyms import normalize

SYNONYMS_SHOWN = 3


def thesaurus_glosses(entries):
    """{folded word: "Synonymes : a, b, c."} from parsed thesaurus entries
    [(headword, [(categories, [synonyms])...])]; the first headword that
    folds to a word wins."""
    glosses = {}
    for head, meanings in entries:
        word = fold_word(head.replace("-", ""))
        if word is None or word in glosses or head != head.lower():
            continue
        shown = []
        for _cats, items in meanings:
            for item in items:
                syn = normalize(item)
                if syn and syn not in shown and fold_word(syn.replace("-", "")) != word:
                    shown.append(syn)
        if shown:
            glosses[word] = "Synonymes : %s." % ", ".join(shown[:SYNONYMS_SHOWN])
    return glosses
