"""How much a word is used as a form of a verb, from the ranked list of
forms: the verb's use, from its listed forms that no other lemma shares, times
the share of the word's tense and person among all such forms.

The list cannot tell homographs apart, so a word that is a conjugated form of
a verb and also a noun was weighed by the infinitive's spelling against the
noun's; this weighs the verb by the inflection the word is. MISSIONS is far
more the plural of "mission" than "que nous missions" of METTRE, a rare tense
of a frequent verb; SAIS stays SAVOIR ("je sais" is among the commonest forms)
and TINS TENIR, since "tiens", "tient" and "tenu" tell how much TENIR is used."""
from collections import defaultdict

from .categories import is_verb_field, tag_fields
from .folding import fold_word

_MOODS = frozenset(("Y", "P", "Q", "Ip", "Iq", "Is", "If", "K", "Sp", "Sq", "E"))
# "3p!" marks the passé simple; "1ŝ" and "1ś" the first person before an
# inverted "je" ("aimé-je"), kept apart since those spellings are rare.
_PERSONS = frozenset(("1s", "2s", "3s", "1p", "2p", "3p", "1ŝ", "1ś"))
# Inflections that stand for the verb itself, or that a reader takes for an
# adjective: a word that is one of them is weighed by the verb's spelling.
_UNSCALED = ("Y", "P", "Q")


def verb_keys(tags):
    """The inflections of one lexicon entry of a verb ("Is1s": passé simple,
    first singular; "Qfp"), or None for an entry of another part of speech."""
    fields = tag_fields(tags)
    if not any(is_verb_field(f) for f in fields):
        return None
    persons = [f.rstrip("!") for f in fields if f.rstrip("!") in _PERSONS]
    keys = set()
    for mood in (f for f in fields if f in _MOODS):
        if mood == "Q":
            keys.add("Q" + "".join(f for f in fields if f in ("m", "f", "s", "p")))
        elif persons:
            keys.update(mood + p for p in persons)
        else:
            keys.add(mood)
    return frozenset(keys)


class InflectionUse:
    """weight(word, lemma, spelling_weight): how much the word is used as a
    form of the lemma, in the units of frequency.Frequencies."""

    def __init__(self, entries, frequencies):
        by_form = defaultdict(dict)                         # form -> lemma -> keys (None: no verb)
        self._keys = defaultdict(lambda: defaultdict(set))  # word -> folded verb -> keys
        for form, lemma, tags in entries:
            keys = verb_keys(tags)
            known = by_form[form].get(lemma, frozenset())
            by_form[form][lemma] = None if keys is None or known is None else known | keys
            word, folded = fold_word(form), fold_word(lemma)
            if keys is not None and word and folded:
                self._keys[word][folded] |= keys
        # forms of one verb only, listed or not
        unshared = [(lemma, keys, frequencies.of(form)) for form, readings in by_form.items()
                    for lemma, keys in readings.items() if len(readings) == 1 and keys]
        total = sum(weight for _l, _k, weight in unshared)
        shares = defaultdict(float)
        for _lemma, keys, weight in unshared:
            for key in keys:
                shares[key] += weight / len(keys) / total
        self._shares = dict(shares)
        # a verb's use: its listed forms over the share of all its forms, so
        # that one listed form in a rare tense (a name such as "Mira" or
        # "Gaza") does not make a rare verb a common one
        listed, held = defaultdict(float), defaultdict(float)
        for lemma, keys, weight in unshared:
            verb = fold_word(lemma)
            listed[verb] += weight
            held[verb] += self.share(keys)
        self._use = {verb: listed[verb] / held[verb] for verb in listed if held[verb]}
        # a verb used too little to be known weighs no more than a noun whose
        # spelling is not listed, so that nouns still come first between them
        self._floor, self._infinitive = frequencies.floor, shares.get("Y", 0.0)

    def share(self, keys):
        return sum(self._shares.get(key, 0.0) for key in keys)

    def weight(self, word, verb, spelling_weight):
        """The word's weight as a form of verb: its inflection's (use times
        share) where it is only conjugated forms, or where it is also the
        infinitive or a participle of a verb whose spelling is not listed;
        else spelling_weight, the weight of the lemma's own spelling, which
        weighs a participle against the adjective it also is (ACTIVE is
        "actif" before ACTIVER)."""
        keys = self._keys.get(word, {}).get(verb)
        if not keys or (spelling_weight and any(k.startswith(_UNSCALED) for k in keys)):
            return spelling_weight
        share = self.share(keys)
        use = self._use.get(verb, 0.0)
        if self._infinitive and use * self._infinitive < self._floor:
            return self._floor * min(1.0, share / self._infinitive)
        return use * share
