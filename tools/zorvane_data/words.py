"""The DICO and ANA word lists."""

ANA_MAX = 12


def dico_order(words):
    """Byte order of upper-case A-Z words."""
    return sorted(set(words))


def ana_order(dico):
    """DICO words of at most 12 letters, by length then byte order."""
    return sorted((w for w in dico if len(w) <= ANA_MAX), key=lambda w: (len(w), w))
