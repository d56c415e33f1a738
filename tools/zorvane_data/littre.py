"""Definitions from the StarDict edition of Littré's dictionary."""
import gzip
import html
import re
import struct

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


def first_sense(article):
    """Text of the first sense of an article: the line numbered 1°, or
    else the first plain line after the pronunciation header."""
    lines = article.split("\n")
    for line in lines:
        if "<b>1°</b>" in line:
            return clean(_SENSE_NUMBER.sub("", clean(line.split("<b>1°</b>", 1)[1])))
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
    text is never cut inside a clause."""
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
    text = _LABELS.sub("", text)
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
    whose text comes from the target of a stub, every plain headword, and the
    verb sense of the headwords whose text is another homograph's (ORANGER the
    tree, and the verb "oranger")."""

    def __init__(self, texts, redirected, headwords, verbs):
        self.texts, self.redirected, self.headwords = texts, redirected, headwords
        self.verbs = verbs


def load_definitions(base=STARDICT_BASE):
    with open(base + ".idx", "rb") as src:
        entries = parse_idx(src.read())
    with gzip.open(base + ".dict.dz", "rb") as src:
        body = src.read()
    return definitions_from(entries, body)


def definitions_from(entries, body):
    """Among homographs the first numbered article with a sense of its own
    gives the text; a word with stub articles only takes the text of the
    article the first stub names (one level)."""
    senses = {}
    for headword, offset, size in entries:
        key, number = headword_key(headword)
        if key is None:
            continue
        article = body[offset:offset + size].decode("utf-8")
        text = to_cp1252(first_sense(article)).strip()
        stub = stub_target(text)
        sense = tidy(text, header_part(article)) if text and not stub else ""
        senses.setdefault(key, []).append(
            (number, stub, "" if _NO_SENSE.search(sense) else sense,
             bool(_VERB_HEADER.search(article.split("\n", 1)[0]))))
    own, stubs, verbs = {}, {}, {}
    for key, found in senses.items():
        found.sort(key=lambda f: f[0])
        texts = [text for _n, _s, text, _v in found if text]
        # a homograph the dictionary itself calls rare or old gives way to a
        # living one (JOURNAL the adjective "usité seulement dans la locution")
        texts.sort(key=lambda text: bool(_RARE.search(text)))
        verb = [text for _n, _s, text, is_verb in found if text and is_verb]
        if verb and verb[0] != texts[0]:
            verbs[key] = shorten(verb[0])
        if texts:
            own[key] = shorten(texts[0])
            continue
        targets = [stub for _n, stub, _t, _v in found if stub]
        if targets and targets[0][0]:
            stubs[key] = targets[0]
    texts = dict(own)
    for key, (target, number) in stubs.items():
        found = [(n != number, text) for n, _s, text, _v in senses.get(target, ()) if text]
        if found:
            texts[key] = shorten(min(found, key=lambda f: f[0])[1])
    return Articles(texts, set(texts) - set(own), set(senses), verbs)
