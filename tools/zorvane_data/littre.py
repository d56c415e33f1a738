"""Definitions from the StarDict edition of Littré's dictionary."""
import bisect
import difflib
import gzip
import html
import re
import struct
from collections import namedtuple

from .folding import fold_word

STARDICT_BASE = "/usr/share/stardict/dic/XMLittre"

# Longest definition kept, in characters: whole sentences up to this length.
MAX_DEFINITION = 250
# A first sentence longer than MAX_DEFINITION is kept whole up to this length,
# else cut after its last clause (";") that fits.
MAX_SENTENCE = 500

_SPAN = re.compile(r"<span\b[^>]*>.*?</span>", re.S)
_TAG = re.compile(r"<[^>]+>")
_SENSE_NUMBER = re.compile(r"^\s*\d+°\s*")
_HOMOGRAPH = re.compile(r"\.(\d+)$")
_SENTENCE_END = re.compile(r"[.!?](?=\s|$)")
# Pronominal verbs are headed "ABSTENIR (S')" or "S'ENTRE-DEMANDER".
_PRONOMINAL = re.compile(r"\s*\((SE|S')\)$|^S'|^SE ")
# A stub article only sends the reader elsewhere: "Voy. RAS 2." ("voy. TUER,
# n° 21." points into a sense of another article and gives no usable text).
_STUB = re.compile(r"^voy\.\s+([^,.;()]+?)(?:\s+(\d+))?\s*(,.*)?\.?$", re.I)
# The end of the grammatical header sometimes spills into the first sense
# ("fém. Terme de numismatique. ...", "de temps. Tôt avec ..."): a short
# lower-case fragment before the first sentence.
_HEADER_SPILL = re.compile(r"^[a-zé][^.]{0,40}\.\s+(?=[A-ZÀ-Ý])")
# Texts that are only a label or an abbreviation ("V.", "Adj.", "ÉTYM. Lat.",
# "Ajoutez :"): the header or a cross-reference cut away, no sense.
_NO_SENSE = re.compile(r"^(?:(?:V|S|T|Adj|Adv|Part|Loc|Fig|Syn|Synon|Voy|Prép|Conj|Interj|Pron"
                       r"|[a-z]{1,4})\.\s*)+$|:$|^ÉTYM\.|^Néologisme\.$|^Au plur"
                       r"|^Terme d[e'][^.]*\.$|^Je \w+, nous ")
_RARE = re.compile(r"\b(?:inusité|usité seulement|peu usité|vieilli|vieux mot|ne se dit plus)", re.I)
_FRAGMENT = re.compile(r"(?<=.{20})[.!?]\s+(?=[a-zà-ÿ])")
# Grammatical labels and conjugation notes that open a sense ("V. n. Se dit
# du cri du chien", "Il se conjugue comme crier. Crier une seconde fois.").
_LABELS = re.compile(r"^(?:(?:V|S|Adj|Adv|Part|Loc|Fig|Prép|Conj|Interj|Pron)\.\s+"
                     r"(?:[a-zé]{1,5}\.\s+)*|Il se conjugue comme [^.]*\.\s+)+(?=[A-ZÀ-Ý])")
# A pointer to another article inside a sense: "Pluriel de MONSIEUR (voy. ce mot)."
_SEE_ALSO = re.compile(r"\s*\((?:voy|voyez|v)\.[^()]*\)", re.I)
# A pointer left at the end of a cut sentence ("... tantôt féminin ; voy.").
_DANGLING_SEE = re.compile(r"[;,]?\s*\b(?:voy|voyez)\.?$", re.I)
_NUMBERED = re.compile(r"<b>\d+°</b>")
_HEADER = re.compile(r"<small>(.*?)</small>", re.S)
_VERB_HEADER = re.compile(r"\bv\. (?:a|n|réfl)\.")
_PARTS = (("interj.", "Interjection"), ("adv.", "Adverbe"), ("prép.", "Préposition"),
          ("conj.", "Conjonction"), ("s. m.", "Nom masculin"), ("s. f.", "Nom féminin"),
          ("adj.", "Adjectif"), ("pron.", "Pronom"))


def parse_idx(data):
    """StarDict index: word NUL, 32-bit big-endian offset and size."""
    entries = []
    pos = 0
    while pos < len(data):
        end = data.index(b"\0", pos)
        offset, size = struct.unpack(">II", data[end + 1:end + 9])
        entries.append((data[pos:end].decode("utf-8"), offset, size))
        pos = end + 9
    return entries


def headword_key(headword):
    """('ACTIF', 0) for 'ACTIF, IVE'; ('BARBE', 2) for 'BARBE.2';
    ('ENTREBATTRE', 0) for 'ENTRE-BATTRE (S')': compounds are matched in the
    solid spelling the word lists use. The folded key is None for headwords
    that are no single word."""
    number = 0
    if headword.startswith("-") or headword.rstrip().endswith("-"):
        return None, 0          # affix articles ("-ET, -ETTE") are no word
    match = _HOMOGRAPH.search(headword)
    if match:
        number = int(match.group(1))
        headword = headword[:match.start()]
    head = _PRONOMINAL.sub("", headword.split(",", 1)[0].strip())
    head = head.replace("-", "").replace("'", "").replace("’", "")
    return fold_word(head), number


def clean(fragment):
    """Markup removed, entities decoded, blanks collapsed."""
    text = _TAG.sub("", _SPAN.sub("", fragment))
    return " ".join(html.unescape(text).split())


# A sense the dictionary itself marks as old or as the word's first,
# etymological one: a reader today would take it for the word's meaning
# ("Terme d'ancienne pratique", "(il a vieilli)", "sens primitif").
_OLD_SENSE = re.compile(r"^(?:Terme d'ancienne|Ancien terme|Anciennement|Autrefois|Vieux\b|Vieilli\b"
                        r"|Terme vieilli|Terme de l'ancien)|\((?:il a vieilli|vieux|vieilli|vieux mot)\)"
                        r"|\bvieilli|\bvieillit\b|inusité|pas usité|n'est plus usité|plus guère usité|peu usité|rarement usité|archaïque|tout à fait oublié|Vieux dans ce sens"
                        r"|dans l'antiquité|sens primitif|sens étymologique|[Éé]tymologiquement"
                        r"|signification étymologique|premier sens|sens le plus (?:voisin|rapproché)")


def first_sense(article):
    """Text of the first current sense of an article: the first numbered
    paragraph (1°, 2°...) that the dictionary does not mark as old, else the
    line numbered 1°, else the first plain line after the pronunciation
    header."""
    body = article.split("<big>", 1)[0]      # the remarks and history come after
    numbered = [clean(_SENSE_NUMBER.sub("", clean(line.split("°</b>", 1)[1])))
                for line in body.split("\n") if _NUMBERED.search(line)]
    if numbered:
        current = [t for t in numbered if not _OLD_SENSE.search(_LABELS.sub("", t))]
        return (current or numbered)[0]
    lines = article.split("\n")
    for line in lines[1:]:
        if "<big>" in line:
            break
        if line.lstrip().startswith("<span"):
            continue
        text = clean(line)
        if text:
            return text
    return ""


def shorten(text, limit=MAX_DEFINITION, sentence_limit=MAX_SENTENCE):
    """Whole sentences up to limit characters. A longer first sentence is kept
    whole up to sentence_limit, else it ends after its last whole clause; a
    text is never cut inside a clause, and never ends inside a parenthesis or
    without its full point."""
    return finish(_whole_sentences(text, limit, sentence_limit))


def finish(text):
    """A text that ends as a sentence: an unclosed parenthesis is left out
    with what follows it, a trailing comma or colon goes, a full point is put
    where no final punctuation stands."""
    opened = []
    for i, c in enumerate(text):
        if c == "(":
            opened.append(i)
        elif c == ")" and opened:
            opened.pop()
    if opened:
        text = text[:opened[0]]
    text = _DANGLING_SEE.sub("", text).rstrip(" ,;:-")
    if text and text[-1] not in ".!?)»…":
        text += "."
    return text


def _whole_sentences(text, limit, sentence_limit):
    if len(text) <= limit:
        return text
    # a label sentence ("Terme de chimie.") is no sense on its own
    ends = [m.end() for m in _SENTENCE_END.finditer(text) if not _NO_SENSE.search(text[:m.end()])]
    ends = ends or [len(text)]
    fitting = [end for end in ends if end <= limit]
    if fitting:
        return text[:fitting[-1]]
    if ends[0] <= sentence_limit:
        return text[:ends[0]]
    clause = text.rfind(";", 0, sentence_limit)
    return text[:clause].rstrip() + "." if clause > 0 else text[:ends[0]]


def tidy(text, part=""):
    """A first sense that reads as sentences. One that starts in lower case
    continues the header: its part of speech is put back in front ("interj.
    très familière..." gives "Interjection très familière..."), else the
    spilled header fragment is removed. Example fragments that follow in
    lower case ("Surface... du sol. à deux pieds du sol.") are left out."""
    text = _LABELS.sub("", _SEE_ALSO.sub("", text))
    if text[:1].islower():
        text = part + " " + text if part else _HEADER_SPILL.sub("", text)
    text = text[:1].upper() + text[1:]
    fragment = _FRAGMENT.search(text)
    return text[:fragment.start() + 1] if fragment else text


def header_part(article):
    """Part of speech that ends an article's header, spelt out, or ""."""
    match = _HEADER.search(article.split("\n", 1)[0])
    if not match:
        return ""
    header = " ".join(clean(match.group(1)).split())
    for abbreviation, name in _PARTS:
        if header.endswith(abbreviation):
            return name
    return ""


def stub_target(text):
    """(folded target, homograph number) of a stub article, (None, 0) when it
    points into a sense of another article, None when the text is no stub."""
    match = _STUB.match(text)
    if not match:
        return None
    if match.group(3):
        return None, 0
    target = fold_word(match.group(1).replace("-", "").replace(" ", ""))
    return target, int(match.group(2) or 0)


def to_cp1252(text):
    """Characters outside cp1252 (Greek etymons, rare signs) are dropped."""
    return text.encode("cp1252", "ignore").decode("cp1252")


class Articles:
    """What the dictionary gives: texts by folded headword, the headwords
    whose text comes from the target of a stub, every plain headword, the
    verb sense of the headwords whose text is another homograph's (ORANGER the
    tree, and the verb "oranger"), and likewise the (folded feminines, text)
    of the homographs that give a feminine (MINEUR the miner, and "mineur,
    eure"), and the word that headwords whose header calls them a form of
    it are sent to (YEUX to OEIL)."""

    def __init__(self, texts, redirected, headwords, verbs, feminines, stubs=None):
        self.texts, self.redirected, self.headwords = texts, redirected, headwords
        self.verbs, self.feminines, self.stubs = verbs, feminines, stubs or {}


def load_definitions(base=STARDICT_BASE, frequencies=None):
    with open(base + ".idx", "rb") as src:
        entries = parse_idx(src.read())
    with gzip.open(base + ".dict.dz", "rb") as src:
        body = src.read()
    return definitions_from(entries, body, frequencies)


# One article among a headword's homographs: its number, its stub target,
# its text, whether it is a verb's, and the folded feminines its headword
# gives ("MINEUR, EURE": MINEURE), and how much its spelling is used.
Homograph = namedtuple("Homograph", "number stub text verb feminines weight")


def spelling(headword):
    """The lower-case spelling of an article's headword: "côté" for
    "CÔTÉ.2", "abstenir" for "ABSTENIR (S')"."""
    head = _PRONOMINAL.sub("", _HOMOGRAPH.sub("", headword).split(",", 1)[0].strip())
    return head.lower()


def feminine_spellings(headword):
    """Folded feminines a headword may give: the text after the comma
    replaces the masculine from one of its letters ("MINEUR, EURE": MINEURE;
    "BON, BONNE": BONNE). Where several letters fit, each gives a candidate;
    only the one a word of the lexicon spells is ever matched."""
    masculine, _comma, ending = _HOMOGRAPH.sub("", headword).partition(",")
    masculine, ending = fold_word(masculine.strip()), fold_word(ending.strip())
    if not masculine or not ending:
        return frozenset()
    return frozenset(masculine[:i] + ending for i, letter in enumerate(masculine)
                     if letter == ending[0])


def misfiled_entries(entries):
    """(offset, folded key) of the index entries whose article is another
    word's. The edition's index sends some headwords to another word's
    article (TERRE to "DÉFLÉCHI", AMITIÉ to "GRIOTTIER"); those articles are
    also indexed by their own headword. Articles lie in alphabetical order, so of the keys that share
    one, those outside the place of the article (between the next articles
    that only one key names) are misfiled, unless they are a spelling of a
    key that fits (ANEVRYSME beside ANEVRISME, SAINTLAMBERT beside LAMBERT)."""
    keys = {}
    for headword, offset, _size in entries:
        key = headword_key(headword)[0]
        if key:
            keys.setdefault(offset, set()).add(key)
    offsets = sorted(keys)
    single = [o for o in offsets if len(keys[o]) == 1]
    misfiled = set()
    for offset in offsets:
        if len(keys[offset]) < 2:
            continue
        place = bisect.bisect_left(single, offset)
        low = min(keys[single[place - 1]]) if place > 0 else ""
        high = min(keys[single[place]]) if place < len(single) else "ZZ"
        fitting = [k for k in keys[offset] if low <= k <= high]
        misfiled.update((offset, k) for k in keys[offset] - set(fitting)
                        if not any(_same_word(k, f) for f in fitting))
    return misfiled


def _same_word(one, other):
    """Two spellings of one headword, as the index gives them side by side."""
    return one in other or other in one or \
        difflib.SequenceMatcher(None, one, other).ratio() >= 0.6


def definitions_from(entries, body, frequencies=None):
    """Among homographs the article with a sense of its own whose headword
    is the most used (COTE is "côté"), then the first numbered one gives the
    text; a word with stub articles only takes the text of the article the
    first stub names (one level). frequencies: frequency.Frequencies."""
    senses, forms = {}, {}
    misfiled = misfiled_entries(entries)
    # an article indexed under several spellings of one word ("LE" and "LÉ"
    # for the width of cloth) is used as much as its least used one
    weights = {}
    for headword, offset, _size in entries:
        weight = frequencies.of(spelling(headword)) if frequencies else 0.0
        place = (offset, headword_key(headword)[0])
        weights[place] = min(weights.get(place, weight), weight)
    for headword, offset, size in entries:
        key, number = headword_key(headword)
        if key is None or (offset, key) in misfiled:
            continue
        article = body[offset:offset + size].decode("utf-8")
        text = to_cp1252(first_sense(article)).strip()
        stub = stub_target(text)
        sense = tidy(text, header_part(article)) if text and not stub else ""
        # "(ieû) s. m. plur. d'oeil. Voy. OEIL.": the header calls the word a
        # form of the article it sends to, which the word's entry names
        if sense and stub_target(sense) and stub_target(sense)[0]:
            stub, sense = stub_target(sense), ""
            forms[key] = stub[0]
        senses.setdefault(key, []).append(Homograph(
            number, stub, "" if _NO_SENSE.search(sense) else sense,
            bool(_VERB_HEADER.search(article.split("\n", 1)[0])), feminine_spellings(headword),
            weights[(offset, key)]))
    own, stubs, verbs, feminines = {}, {}, {}, {}
    for key, found in senses.items():
        found.sort(key=lambda h: h.number)
        # a homograph the dictionary itself calls rare or old gives way to a
        # living one (JOURNAL the adjective "usité seulement dans la locution");
        # then the most used spelling wins (COTE is "côté")
        with_text = sorted((h for h in found if h.text),
                           key=lambda h: (bool(_RARE.search(h.text) or _OLD_SENSE.search(h.text)),
                                          -h.weight))
        if not with_text:
            targets = [h.stub for h in found if h.stub]
            if targets and targets[0][0]:
                stubs[key] = targets[0]
            continue
        first = with_text[0]
        own[key] = shorten(first.text)
        # the verb's sense by the same preference: PARTIR's forms are "leave",
        # not the old "divide" of the first verb article
        verb = [h.text for h in with_text if h.verb]
        if verb and verb[0] != first.text:
            verbs[key] = shorten(verb[0])
        # where the text is that of a homograph without feminine, the
        # feminines show the homograph that gives them (MINEURE is no miner)
        if not any(h.feminines for h in found if h.text == first.text):
            feminines[key] = [(h.feminines, shorten(h.text)) for h in found
                              if h.text and h.feminines]
    texts = dict(own)
    for key, (target, number) in stubs.items():
        found = [(h.number != number, h.text) for h in senses.get(target, ()) if h.text]
        if found:
            texts[key] = shorten(min(found, key=lambda f: f[0])[1])
    return Articles(texts, set(texts) - set(own), set(senses), verbs, feminines,
                    {key: target for key, target in forms.items() if key not in own})
