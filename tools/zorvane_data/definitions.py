"""The definitions file: one entry per DICO word number."""

from .resource_io import CRLF

LONG_WORD = 13          # from this length on, entries carry no definition
EXISTS = "x§EXISTE"


def cross_reference(target):
    return "Voir %s." % target


def usable(definition):
    """The program reads any short text holding 'Voir ' as a cross-reference,
    and separators or line breaks would cut an entry: such texts are not used."""
    if not definition or "\r" in definition or "\n" in definition:
        return False
    return not ("Voir " in definition and len(definition) < 22)


def entry_values(dico, words, definitions):
    """Values of the entries, in DICO order. words: {word: WordInfo};
    definitions: {folded headword: text}."""
    dico_set = set(dico)
    own = {}
    for word in dico:
        text = definitions.get(word)
        if len(word) < LONG_WORD and usable(text) and word in words[word].lemmas:
            own[word] = text
    values = []
    for word in dico:
        info = words[word]
        head = "%s£%s§" % ("OK" if info.admitted() else "NOT", info.category())
        if len(word) >= LONG_WORD:
            values.append(head)
            continue
        if word in own:
            values.append(head + own[word])
            continue
        targets = [(-count, lemma) for lemma, count in info.lemmas.items()
                   if lemma != word and lemma in own and lemma in dico_set]
        if targets:
            values.append(head + cross_reference(min(targets)[1]))
        elif usable(definitions.get(word)):
            values.append(head + definitions[word])
        else:
            values.append(EXISTS)
    return values


def render(values):
    """Text of the file, CR LF line ends, section [Cont] first."""
    lines = ["[Cont]"] + ["%d= %s" % (n, v) for n, v in enumerate(values, 1)]
    return (CRLF.join(lines) + CRLF).encode("cp1252")
