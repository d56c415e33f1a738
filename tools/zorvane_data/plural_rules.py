"""Which of its possible targets a plural form is sent to, where the lemma
order would pick one a reader does not mean: the feminine noun the plural
spells rather than a verb it is only a participle of, and a singular with a
reviewed sense of its own rather than the noun or adjective lemma they share."""


def preferred_targets(word, info, words, own, targets):
    """targets: the words with a sense the word may cross-refer to, best
    first; returns them with the one a reader means first."""
    singular = word[:-1] if word.endswith("S") else None
    if singular is None or singular not in own:
        return targets
    if singular in info.lemmas:
        return _noun_before_participle(singular, info, targets)
    if singular in words and _shares_a_noun_lemma(info, words[singular]):
        return [singular] + [t for t in targets if t != singular]
    return targets


def _noun_before_participle(noun, info, targets):
    """PARTIES is the plural of the noun PARTIE, which has a sense, before
    the feminine participle of PARTIR, the more used lemma (SORTIES, ENTREES,
    PRISES likewise); a conjugated form keeps its verb (FAITES, "vous
    faites", before the noun "faîte")."""
    if noun not in targets:
        return targets
    first = targets[0]
    kinds = info.forms[first]
    if first == noun or "v" not in kinds or "c" in kinds or "f" not in info.forms[noun]:
        return targets
    return [noun] + [t for t in targets if t != noun]


def _shares_a_noun_lemma(info, singular_info):
    """The plural and its singular are forms of one noun or adjective lemma
    (JAMBIERES and JAMBIERE of the adjective JAMBIER for the lexicon): the
    plural follows the singular, whose reviewed sense is the leg guard."""
    return any("p" in info.forms[l] and "v" not in info.forms[l] and l in singular_info.lemmas
               for l in info.lemmas)
