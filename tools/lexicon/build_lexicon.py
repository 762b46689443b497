#!/usr/bin/env python3
"""Builds the crossword lexicon from WordNet 3.0 (wordnet-base) and SCOWL (scowl).

Each row of the output is an answer, its fill score, its SCOWL level and its clue candidates,
best first. The puzzle generator reads only this file, so the packs can be regenerated
without either package installed. Standard library only; run it when the word lists, the
blocklist or the overrides change:

    python3 tools/lexicon/build_lexicon.py            # writes tools/lexicon/lexicon.tsv

Clue candidates come from the senses of the word, most frequently tagged first: the gloss
cut to a short clause, a noun-phrase tail, synonyms and fill-in-the-blank examples. A
candidate that gives the answer away is dropped. Hand-written clues in overrides.tsv come
before everything WordNet offers.
"""

import argparse
import collections
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
WORDNET = "/usr/share/wordnet"
SCOWL = "/usr/share/dict/scowl"

MAX_CLUE = 35  # gloss clues are cut to this many characters
MAX_BLANK = 40  # fill-in-the-blank clues keep the whole example, so a little more room
MAX_LEVEL = 50  # SCOWL level of the rarest answer we accept
MAX_LEVEL_LONG = 35  # and for answers of 7 letters or more
LONG_ANSWER = 13  # answers this long need a clue a person wrote or kept
# Proper names: places, rivers and mountains, people, languages and months that SCOWL lists
# as names this common, no longer than this. Short vowel-rich names (ERIE, OSLO, ETNA) are
# much of what lets the squares around a theme entry fill.
NAME_LEVEL = 50
NAME_MAX_LENGTH = 10
NAME_LEXFILES = {"10", "15", "17", "18", "28"}  # communication, location, object, person, time

POS_FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
POS_NUMBER = {"n": 1, "v": 2, "a": 3, "s": 5, "r": 4}

# Usage domains (targets of ";u" pointers) whose senses never become clues, and those that
# make a sense offensive enough to count against keeping the word at all.
SKIP_DOMAINS = {
    "colloquialism", "slang", "archaism", "trademark", "trade_name", "combining_form",
    "intensifier", "euphemism", "united_kingdom", "french", "acronym", "formality", "blend",
    "plural", "comparative", "superlative", "trope",
}
OFFENSIVE_DOMAINS = {"obscenity", "ethnic_slur", "disparagement"}

# Whole words only: "rape" must not find grape, parapet or draped, nor "anus" Uranus. A stem
# ending in \w* takes its derived words (obscene, obscenity).
OFFENSIVE_GLOSS = re.compile(
    r"\b(?:offensive\w*|obscen\w*|vulgar\w*|derogator\w*|disparag\w*|slurs?|genital\w*|"
    r"penis\w*|vagina\w*|vulva\w*|testicle\w*|scrot\w*|anus|anal|buttocks|"
    r"sexual intercourse|copulat\w*|masturbat\w*|orgasm\w*|prostitut\w*|fornicat\w*|"
    r"pornograph\w*|feces|faeces|excrement\w*|urinat\w*|defecat\w*|racist\w*|"
    r"homosexual\w*|lesbian\w*|sodom\w*|rap(?:e|es|ed|ing|ist|ists)|whores?|brothels?|"
    r"sex act|sexual act|erotic\w*|lewd\w*|stupid person|contempt\w*)\b",
    re.I)
# Clue texts that fail the breakfast test even where the answer is harmless (ASSAULT is a
# fine answer; "Rape" is not its clue). Whole words, as above.
BREAKFAST_GLOSS = re.compile(
    r"\b(?:sex|sexes|sexual\w*|sexy|rap(?:e|es|ed|ing|ist)|murder\w*|kill(?:s|ed|ing)? "
    r"(?:a person|people|someone)|seduc\w*|lust\w*|fetish\w*|abort\w*|suicid\w*|"
    r"intercourse|naked|nude|erotic\w*|torture\w*|mutilat\w*)\b",
    re.I)
SKIP_GLOSS = re.compile(
    r"^\(?(slang|informal|archaic|obsolete|british|chiefly british|scottish|dialect|"
    r"old-fashioned|nonstandard|colloquial|vulgar|offensive|australian|canadian|irish|"
    r"new zealand|south african|indian|old testament|new testament|biblical|roman "
    r"catholic church|christianity|hinduism|buddhism|judaism|islam|mythology|greek "
    r"mythology|roman mythology|norse mythology|baseball|football|cricket|golf|poker|"
    r"bridge|chess|law|music|linguistics|grammar|mathematics|logic|physics|chemistry|"
    r"biology|computer science|medicine|pathology|anatomy|botany|zoology|psychiatry|"
    r"psychoanalysis|philosophy|theology|statistics|geometry|genetics|nautical|military|"
    r"sports|commerce|finance|accounting|printing|heraldry|phonetics|ethnic slur)"
    r"|^\(?used (of|as|in|with|to express|for emphasis)\b|^\(?usually followed by|"
    r"^\(plural\)|^informal|^slang|\binformal term\b|\bslang\b|\bderisive\b",
    re.I)

FUNCTION_WORDS = {
    "a", "an", "the", "of", "to", "in", "on", "at", "by", "for", "with", "from", "and", "or",
    "as", "that", "which", "who", "whom", "whose", "is", "are", "be", "being", "its", "it",
    "into", "onto", "than", "but", "not", "no", "so", "such", "this", "these", "those", "any",
    "some", "something", "someone", "one", "one's", "oneself", "his", "her", "their", "esp",
    "especially", "usually", "often", "typically", "etc", "e.g.", "i.e.", "without", "about",
    "over", "under", "up", "down", "out", "off", "very", "more", "most", "has", "have", "had",
    "was", "were", "been", "do", "does", "did", "can", "may", "might", "will", "would",
}
# Words before which a long gloss may be cut without leaving a fragment.
CUT_BEFORE = {
    "that", "which", "who", "whose", "where", "when", "especially", "usually", "often",
    "typically", "commonly", "sometimes", "normally", "generally", "chiefly", "mainly",
    "esp", "as", "in", "with", "having", "consisting", "containing", "used", "made",
    "based", "by", "from", "on", "at", "for",
}
# Words that end a noun phrase; the noun before one is the head to inflect.
HEAD_END = {
    "of", "in", "on", "at", "by", "for", "with", "from", "to", "that", "which", "who",
    "whose", "where", "when", "used", "usually", "especially", "often", "typically", "having",
    "made", "consisting", "containing", "as", "or", "and", "esp", "based", "than", "into",
    "between", "among", "against", "through", "across", "within", "without", "during",
    "after", "before", "around", "over", "under", "toward", "towards", "like", "about",
    "beyond", "per", "via", "along", "upon",
}
PHRASE_STOP_START = {
    "be", "get", "have", "do", "go", "make", "take", "come", "give", "put", "set", "let",
    "keep", "one", "a", "an", "the", "in", "on", "at", "to", "by", "of", "up", "out", "off",
}
PHRASE_STOP_ANY = {"one", "someone", "something", "oneself", "sb", "sth", "its", "it's"}
# A phrase ending in one of these is a fragment that wants an object (ACT AS, MATTER TO).
PHRASE_STOP_END = {
    "as", "to", "of", "for", "with", "at", "by", "from", "than", "into", "upon", "about",
    "onto", "toward", "towards", "against", "like", "without", "within", "among", "between",
    "per", "the", "a", "an", "and", "or", "if", "that",
}
# An inflection this many SCOWL levels rarer than its word is a forced form nobody uses
# (WORSTS, CROSSEST, AWKWARDER).
FORCED_LEVELS = 25
LEARNED_PLURAL_LEVEL = 50  # ESOPHAGI, NIMBI: counted with the rarest words


def ReadLines(path):
    with open(path, encoding="latin-1") as f:
        return f.read().splitlines()


def PassedPairs(folder, skip=None):
    """(ANSWER, clue) pairs a reader passed in the review sheets under `folder` (not under
    `skip`): clues kept with "ok" and the new clues of "rewrite"."""
    passed = set()
    for where, _, files in os.walk(folder):
        if skip and os.path.abspath(where).startswith(os.path.abspath(skip)):
            continue
        for name in files:
            if not (name.startswith("sheet-") and name.endswith(".tsv")):
                continue
            for line in open(os.path.join(where, name)):
                f = line.rstrip("\n").split("\t")
                if line.startswith("answer\t") or len(f) < 5:
                    continue
                verdict = f[4].strip().lower()
                if verdict == "ok":
                    passed.add((f[0], f[1]))
                elif verdict == "rewrite" and len(f) > 5 and f[5].strip():
                    passed.add((f[0], f[5].strip()))
    return passed


def ScowlLevels(lists, spelling, key=lambda word: word):
    """key(word) -> lowest SCOWL level among the English and American `lists` ("words",
    "upper|proper-names") of the words spelt as `spelling` matches."""
    levels = {}
    for name in sorted(os.listdir(SCOWL)):
        m = re.fullmatch(r"(english|american)-(%s)\.(\d+)" % lists, name)
        if not m:
            continue
        level = int(m.group(3))
        for word in ReadLines(os.path.join(SCOWL, name)):
            if re.fullmatch(spelling, word) and level < levels.get(key(word), 999):
                levels[key(word)] = level
    return levels


def LoadScowl():
    """Word -> lowest SCOWL level among the English and American word lists (letters only)."""
    return ScowlLevels("words", r"[a-z]+(-[a-z]+)*")


def LoadScowlNames():
    """Lower-cased name -> lowest SCOWL level among the English and American name lists
    (capitalised words of letters only)."""
    return ScowlLevels("upper|proper-names", r"[A-Z][a-z]+", str.lower)


class Synset:
    __slots__ = ("offset", "pos", "lexfile", "words", "pointers", "gloss", "examples")


def LoadData():
    synsets = {}
    for pos, name in POS_FILES.items():
        for line in ReadLines(os.path.join(WORDNET, "data." + name)):
            if line.startswith("  "):
                continue
            head, _, gloss = line.partition(" | ")
            f = head.split()
            s = Synset()
            s.offset, s.lexfile, s.pos = f[0], f[1], f[2]
            count = int(f[3], 16)
            s.words = [(f[4 + 2 * i], int(f[5 + 2 * i], 16)) for i in range(count)]
            i = 4 + 2 * count
            pcount = int(f[i])
            s.pointers = []
            for k in range(pcount):
                sym, off, ppos, st = f[i + 1 + 4 * k:i + 5 + 4 * k]
                s.pointers.append((sym, off, ppos, st))
            examples = re.findall(r'"([^"]*)"', gloss)
            definition = gloss.split('"')[0].strip().rstrip(";").strip()
            s.gloss = definition
            s.examples = examples
            synsets[(pos if pos != "a" else "a", s.offset)] = s
    return synsets


def SynsetOf(synsets, pos, offset):
    s = synsets.get((pos, offset))
    if s is None and pos in ("a", "s"):
        s = synsets.get(("a", offset))
    return s


def LoadIndex():
    """(lemma, pos) -> list of synset offsets, most frequent sense first."""
    index = {}
    for pos, name in POS_FILES.items():
        for line in ReadLines(os.path.join(WORDNET, "index." + name)):
            if line.startswith("  "):
                continue
            f = line.split()
            lemma = f[0]
            synset_cnt = int(f[2])
            p_cnt = int(f[3])
            offsets = f[4 + p_cnt + 2:4 + p_cnt + 2 + synset_cnt]
            index[(lemma, pos)] = offsets
    return index


def LoadCounts():
    """Tagged-sense counts by sense key prefix "lemma%pos:lexfile:lexid"."""
    counts = {}
    for line in ReadLines(os.path.join(WORDNET, "cntlist.rev")):
        key, _, cnt = line.split()
        lemma, _, rest = key.partition("%")
        parts = rest.split(":")
        counts["%s%%%s:%s:%s" % (lemma, parts[0], parts[1], parts[2])] = int(cnt)
    return counts


def LoadKnownScowl(max_level=70):
    """Every SCOWL word up to max_level, lower-cased, proper names included: the words a clue
    may use."""
    words = set()
    for name in sorted(os.listdir(SCOWL)):
        m = re.fullmatch(r"(english|american)-(words|upper|proper-names|abbreviations|"
                         r"contractions)\.(\d+)", name)
        if m and int(m.group(3)) <= max_level:
            for word in ReadLines(os.path.join(SCOWL, name)):
                if re.fullmatch(r"[A-Za-z]+", word):
                    words.add(word.lower())
    return words


def KnownWords(exceptions):
    """Known word forms: SCOWL's (level 60 and commoner) and the irregular forms WordNet
    lists, less the regular guesses that belong to other words (putted)."""
    words = LoadKnownScowl()
    # Words our clue writers use that the word lists lack (names, "-like" forms, slang).
    words.update(w.lower() for w in ReadLines(os.path.join(HERE, "clue_words.txt")))
    for table in exceptions.values():
        for base, forms in table.items():
            words.update(f for f in forms if f.isalpha())
    return words - BAD_FORMS


def RegularForms(base):
    """Every regular inflection a word could have, spelled every way the rules allow (over
    generous on purpose: for a blocked word a spare form costs nothing)."""
    out = set(PluralCandidates(base) + PastCandidates(base) + IngCandidates(base) +
              ComparativeCandidates(base, "er") + ComparativeCandidates(base, "est"))
    out |= {base + "s", base + "es", base + "ed", base + "ing", base + "er", base + "est"}
    if Doubles(base) or len(base) <= 4:
        last = base[-1]
        out |= {base + last + "ed", base + last + "ing", base + last + "er", base + last + "est"}
    return out


def BlockedForms(base, exceptions):
    """(all forms, irregular forms) of a blocked word: the word, its regular inflections and
    the irregular ones of WordNet's .exc files."""
    forms = {base} | RegularForms(base)
    irregular = set()
    for table in exceptions.values():
        irregular.update(table.get(base, []))
    forms |= irregular
    return forms, irregular


def LoadExceptions():
    """Base -> irregular forms, per part of speech, from the *.exc files."""
    forms = {}
    for pos, name in POS_FILES.items():
        table = collections.defaultdict(list)
        for line in ReadLines(os.path.join(WORDNET, name + ".exc")):
            f = line.split()
            for base in f[1:]:
                table[base].append(f[0])
        forms[pos] = table
    return forms


# ---- Inflection -------------------------------------------------------------------------

VOWELS = set("aeiou")
# Verbs whose past is the verb itself; WordNet's exception lists leave most of them out, and
# the regular rule would make "putted" or "letted" of them.
SAME_PAST = {
    "put", "let", "set", "cut", "hit", "shut", "hurt", "cost", "bet", "burst", "cast", "quit",
    "rid", "shed", "split", "spread", "thrust", "upset", "bid", "slit", "broadcast",
    "forecast", "beset", "offset", "outbid", "reset", "spit", "wed", "read", "sublet",
}
# Nouns whose plural is the noun itself.
SAME_PLURAL = {"sheep", "deer", "fish", "moose", "swine", "series", "species", "aircraft",
               "offspring", "salmon", "trout", "cod", "bison", "headquarters", "means"}
# Regular guesses that SCOWL knows only as forms of another word: never in a clue.
BAD_FORMS = {"putted", "letted", "setted", "cutted", "hitted", "shutted", "hurted",
             "spreaded", "splitted", "thrusted", "upsetted", "sheeps", "deers", "childs",
             "mouses", "foots", "tooths", "gooses", "womans", "clergymans"}


def Doubles(word):
    """True when a short stressed verb or adjective doubles its last consonant (stop, big)."""
    return (len(word) >= 3 and word[-1] not in VOWELS and word[-1] not in "wxy" and
            word[-2] in VOWELS and word[-3] not in VOWELS and len(word) <= 5)


def Syllables(word):
    groups = len(re.findall(r"[aeiouy]+", word))
    if word.endswith("e") and not word.endswith(("le", "ee")) and groups > 1:
        groups -= 1
    return groups


def ComparesWithSuffix(adjective):
    """English takes -er and -est on words of one syllable and on two-syllable words ending
    in -y, -le, -ow or -er (happier, simplest); longer ones take "more" (never AWKWARDER)."""
    n = Syllables(adjective)
    return n == 1 or (n == 2 and adjective.endswith(("y", "le", "ow", "er")))


def PluralCandidates(word):
    if re.search(r"(s|x|z|ch|sh)$", word):
        return [word + "es"]
    if re.search(r"[^aeiou]y$", word):
        return [word[:-1] + "ies"]
    if word.endswith("f"):
        return [word + "s", word[:-1] + "ves"]
    if word.endswith("fe"):
        return [word + "s", word[:-2] + "ves"]
    if word.endswith("o"):
        return [word + "s", word + "es"]
    return [word + "s"]


def PastCandidates(word):
    if word.endswith("e"):
        return [word + "d"]
    if re.search(r"[^aeiou]y$", word):
        return [word[:-1] + "ied"]
    out = [word + "ed"]
    if Doubles(word):
        out.insert(0, word + word[-1] + "ed")
    return out


def IngCandidates(word):
    if word.endswith("ie"):
        return [word[:-2] + "ying"]
    if word.endswith("e") and not word.endswith(("ee", "ye", "oe")):
        return [word[:-1] + "ing"]
    out = [word + "ing"]
    if Doubles(word):
        out.insert(0, word + word[-1] + "ing")
    return out


def ComparativeCandidates(word, suffix):
    if word.endswith("e"):
        return [word + suffix[1:]]
    if re.search(r"[^aeiou]y$", word):
        return [word[:-1] + "i" + suffix]
    out = [word + suffix]
    if Doubles(word):
        out.insert(0, word + word[-1] + suffix)
    return out


class Inflector:
    def __init__(self, levels, exceptions):
        self.levels = levels
        self.exc = exceptions

    def Known(self, word):
        return word in self.levels

    def Pick(self, candidates):
        """The first candidate SCOWL knows; None rather than a guess ("sheeps")."""
        for c in candidates:
            if self.Known(c):
                return c
        return None

    def Plural(self, word):
        for f in self.exc["n"].get(word, []):
            if not f.endswith("'s"):
                return f
        if word in SAME_PLURAL or word.endswith(("man", "sheep", "fish")):
            return None  # clergymen, not "clergymans"; sheep, not "sheeps"
        return self.Pick(PluralCandidates(word))

    def Singular(self, word):
        if word in self.levels and not word.endswith("s"):
            return word
        for pattern, repl in ((r"ies$", "y"), (r"(ch|sh|s|x|z)es$", r"\1"), (r"ves$", "f"),
                              (r"ves$", "fe"), (r"s$", "")):
            cand = re.sub(pattern, repl, word)
            if cand != word and cand in self.levels:
                return cand
        return None

    def Verb(self, word, form):
        """form: 'past', 'ing' or 's'."""
        irregular = {"be": {"past": "was", "ing": "being", "s": "is"},
                     "have": {"past": "had", "ing": "having", "s": "has"},
                     "do": {"past": "did", "ing": "doing", "s": "does"},
                     "go": {"past": "went", "ing": "going", "s": "goes"}}
        if word in irregular:
            return irregular[word][form]
        if word in SAME_PAST and form == "past":
            return word  # "put into service", never "putted"
        exc = self.exc["v"].get(word, [])
        if form == "ing":
            for f in exc:
                if f.endswith("ing"):
                    return f
            return self.Pick(IngCandidates(word))
        if form == "s":
            for f in exc:
                if f.endswith("s") and not f.endswith("ss"):
                    return f
            return self.Pick(PluralCandidates(word))
        past = [f for f in exc if not f.endswith("ing") and not (f.endswith("s") and
                                                                  f[:-1].startswith(word[:-1]))]
        if past:
            # Prefer the simple past over a participle in -n (took, not taken).
            past.sort(key=lambda f: (f.endswith("n"), len(f)))
            return past[0]
        return self.Pick(PastCandidates(word))


# ---- Clue text --------------------------------------------------------------------------


def Tokens(text):
    return re.findall(r"[a-z]+", text.lower())


def Leaks(clue, answer, stems, parts):
    """True when the clue would give the answer away: the answer or its stem, a part of a
    compound answer, or a word that shares a long prefix with the answer."""
    letters = "".join(Tokens(clue))
    if len(answer) >= 4 and answer in letters:
        return True
    for t in Tokens(clue):
        if t == answer or t in parts:
            return True
        for s in stems:
            if len(s) >= 3 and t.startswith(s):
                return True
        common = os.path.commonprefix([t, answer])
        if len(common) >= 3 and len(common) >= min(len(answer), len(t)) - 2:
            return True
        if len(t) >= 4 and t in answer:
            return True
        if len(t) >= 5 and (t[:-1] in answer or t[:-2] in answer):
            return True  # "larger" clues ENLARGED
    return False


def StripParentheticals(text):
    prev = None
    while prev != text:
        prev = text
        text = re.sub(r"\s*\([^()]*\)", "", text)
    return text.strip()


def CleanGloss(gloss):
    text = gloss.split(";")[0].split(":")[0]
    text = StripParentheticals(text)
    text = re.sub(r"\s+", " ", text).strip(" ,:;")
    text = re.sub(r"^(a|an|the|to) ", "", text, flags=re.I)
    if "(" in text or ")" in text or '"' in text or "`" in text:
        return ""
    return text


def ContentWords(words):
    return [w for w in words if w.lower().strip(",") not in FUNCTION_WORDS]


def TrimTail(words):
    """Drop trailing function words and a dangling participle or conjunction."""
    while words and (words[-1].lower() in FUNCTION_WORDS or words[-1].endswith(",")):
        if words[-1].endswith(",") and words[-1].lower().strip(",") not in FUNCTION_WORDS:
            words[-1] = words[-1].rstrip(",")
            continue
        words = words[:-1]
    return words


def ShortClause(text, limit=MAX_CLUE):
    """The clause itself when it fits, else the longest prefix that ends before a natural
    boundary word and still has two content words. Returns (clue, was_cut)."""
    if not text:
        return None, False
    if len(text) <= limit:
        return text, False
    words = text.split(" ")
    best = None
    for i in range(2, len(words)):
        prefix = " ".join(words[:i])
        if len(prefix) > limit:
            break
        nxt = words[i].lower()
        if words[i - 1].endswith(",") or nxt in CUT_BEFORE:
            # A cut must end on a content word as it stands: trimming a dangling "of
            # something" or a participle would leave a fragment.
            cut = words[:i]
            last = cut[-1].rstrip(",")
            if cut[-1].endswith(",") and any(w.endswith(",") for w in cut[:-1]):
                continue  # inside a list: "made, produced, or harvested"
            if last.lower() in FUNCTION_WORDS or last.lower().endswith("ing"):
                continue
            if last.lower() in PARTICIPLES:
                continue
            if last.lower().endswith("ed") and nxt not in ("that", "which", "who", ","):
                continue  # "whiskey distilled | from a mash": the participle needs its object
            if any(w.lower() in ("who", "that", "which", "whose", "where") for w in cut):
                continue  # an unfinished relative clause
            cut[-1] = last
            joined = " ".join(cut)
            if ", " in joined and len(joined.rsplit(", ", 1)[1].split()) < 2:
                cut = joined.rsplit(", ", 1)[0].split(" ")  # "eating disorder, frequent"
            if len(ContentWords(cut)) >= 2:
                best = " ".join(cut)
    return best, True


def Capitalise(text):
    return text[0].upper() + text[1:] if text else text


# ---- Rules every clue keeps, hand-written ones included ---------------------------------

# Affixes that leave the same stem: ACT is in "enactment", ERA in "eras".
STEM_SUFFIXES = sorted(
    ["s", "es", "ed", "d", "ing", "er", "ers", "or", "ors", "ion", "ions", "ment", "ments",
     "ive", "ly", "ness", "ful", "less", "able", "ity", "al", "ance", "ence", "y", "ies",
     "ied", "est"], key=len, reverse=True)
STEM_PREFIXES = ["over", "under", "out", "dis", "mis", "non", "pre", "en", "re", "un", "in"]
# Small words that start or end longer words by chance ("the" in THEATER).
STEM_STOP = {"the", "and", "for", "but", "one", "you", "his", "her", "its", "our", "out",
             "off", "all", "any", "can", "not", "who", "how", "why", "are", "was", "has",
             "had", "him", "she", "they", "them", "was", "get", "got", "let", "may", "per",
             "own", "too", "two", "ten", "via", "yet", "nor"}
# A whole clue that says nothing of its answer.
NON_CLUES = {
    "person", "persons", "people", "someone", "somebody", "something", "thing", "things",
    "individual", "individuals", "entity", "entities", "stuff", "matter", "item", "items",
    "one", "ones",
}
VAGUE = re.compile(r"^(?:an? )?(?:kinds?|types?|sorts?|forms?|variet(?:y|ies)|species) of "
                   r"(?:an? |the )?[a-z]+$", re.I)


def StemCore(word):
    """The word without one prefix and its inflection or derivation suffixes, never shorter
    than three letters: "enactment" -> "act"."""
    changed = True
    while changed:
        changed = False
        for suf in STEM_SUFFIXES:
            if word.endswith(suf) and len(word) - len(suf) >= 3:
                word = word[:-len(suf)]
                changed = True
                break
    for pre in STEM_PREFIXES:
        if word.startswith(pre) and len(word) - len(pre) >= 3:
            return word[len(pre):]
    return word


def SharesStem(word, answer):
    """True when a clue word and an answer (both lower-case letters) share a stem: one holds
    the other (suitcase / CASE, cream / ICECREAM), they begin with the same four letters
    (levels / LEVEL), they reduce to one stem (enactment / ACT), or a content word of three
    letters is a whole part of a compound answer (bow / CROSSBOWS)."""
    if len(answer) >= 4 and answer in word:
        return True
    if len(word) >= 4 and word in answer:
        return True
    if len(os.path.commonprefix([word, answer])) >= 4:
        return True
    if len(word) >= 3 and StemCore(word) == StemCore(answer):
        return True
    if len(word) == 3 and word not in STEM_STOP:
        bare = answer[:-1] if answer.endswith("s") else answer
        if (answer.startswith(word) and len(answer) - 3 >= 3) or (
                bare.endswith(word) and len(bare) - 3 >= 3):
            return True
    return False


def ClueWords(text):
    """The words of a clue, lower case, without a possessive "'s" (the blank "___" is no
    word)."""
    return [w.lower() for w in re.findall(r"[A-Za-z]+", re.sub(r"'s\b", "", text))]


def ClueProblem(lex, text, answer):
    """Why a clue may not be printed for this answer, or None. Hand-written clues keep these
    rules too."""
    plain = text.strip().rstrip(".!?").lower()
    if plain in NON_CLUES:
        return "says nothing"
    if VAGUE.match(plain):
        return "vague"
    if BREAKFAST_GLOSS.search(text):
        return "breakfast test"
    a = answer.lower()
    for w in ClueWords(text):
        if w in lex.blocked:
            return "blocked word " + w
        if w not in lex.known:
            return "unknown word form " + w
        if SharesStem(w, a):
            return "shares a stem: " + w
    return None


def HeadIndex(words):
    """Index of the head noun of the leading noun phrase of a gloss, or -1."""
    for i, w in enumerate(words):
        lw = w.lower().strip(",")
        if i > 0 and (lw in HEAD_END or w.endswith(",")):
            return i - 1 if not w.endswith(",") else i
        if i > 0 and lw.endswith("ed") and lw.isalpha() and not lw.endswith("eed") and lw not in ("bed", "seed", "speed", "reed", "weed",
                                                    "shed", "sled", "steed", "creed"):
            return i - 1
        if re.search(r"ing$", lw) and i > 0 and lw not in ("thing", "king", "ring", "wing",
                                                            "string", "spring", "building",
                                                            "clothing", "ceiling", "meeting"):
            return i - 1
    return len(words) - 1


# ---- Senses -----------------------------------------------------------------------------


class Lexicon:
    def __init__(self, args):
        self.levels = LoadScowl()
        self.name_levels = LoadScowlNames()
        self.synsets = LoadData()
        self.index = LoadIndex()
        self.counts = LoadCounts()
        self.exc = LoadExceptions()
        self.inf = Inflector(self.levels, self.exc)
        self.blocklist = set(self.LoadWordFile("blocklist.txt"))
        self.unfit = set(self.LoadWordFile("unfit.txt"))
        self.blocked = set()  # lower case: every form of every blocked word
        self.blocked_irregular = set()
        for base in self.blocklist:
            forms, irregular = BlockedForms(base.lower(), self.exc)
            self.blocked |= forms
            self.blocked_irregular |= irregular
        self.blocked -= {w.lower() for w in self.LoadWordFile("not_blocked.txt")}
        self.known = KnownWords(self.exc)
        self.overrides = self.LoadOverrides()
        self.reviewed = self.LoadOverrides("reviewed_clues.tsv")
        self.rejected = self.LoadRejected()
        self.passed = PassedPairs(os.path.join(os.path.dirname(os.path.dirname(HERE)), "tools",
                                               "review"))
        self.phrases = self.LoadPhrases()
        for phrase, clue in self.phrases:
            self.overrides[phrase.replace(" ", "").upper()].append(clue)
        self.domain_names = {}
        self.rejected_offensive = []

    def LoadWordFile(self, name):
        path = os.path.join(HERE, name)
        if not os.path.exists(path):
            return []
        out = []
        for line in ReadLines(path):
            out.extend(w.upper() for w in line.split("#")[0].split())
        return out

    def LoadRejected(self):
        """rejected_clues.tsv: "ANSWER<tab>clue" pairs a reviewer refused; never offered."""
        path = os.path.join(HERE, "rejected_clues.tsv")
        out = set()
        if os.path.exists(path):
            for line in ReadLines(path):
                if line.strip() and not line.startswith("#"):
                    answer, clue = line.split("\t", 1)
                    out.add((answer.strip().upper(), clue.strip().lower()))
        return out

    def LoadPhrases(self):
        """phrases.tsv: "phrase words<tab>clue" per line."""
        out = []
        for line in ReadLines(os.path.join(HERE, "phrases.tsv")):
            if line.strip() and not line.startswith("#"):
                phrase, clue = line.split("\t", 1)
                out.append((phrase.strip().lower(), clue.strip()))
        return out

    def LoadOverrides(self, name="overrides.tsv"):
        path = os.path.join(HERE, name)
        table = collections.defaultdict(list)
        if os.path.exists(path):
            for line in ReadLines(path):
                if not line.strip() or line.startswith("#"):
                    continue
                answer, clue = line.split("\t", 1)
                table[answer.strip().upper()].append(clue.strip())
        return table

    def DomainName(self, pos, offset):
        key = (pos, offset)
        if key not in self.domain_names:
            s = SynsetOf(self.synsets, pos, offset)
            self.domain_names[key] = s.words[0][0].lower() if s else ""
        return self.domain_names[key]

    def SenseCount(self, lemma, synset):
        for word, lexid in synset.words:
            if word.lower() == lemma:
                key = "%s%%%d:%s:%02d" % (lemma, POS_NUMBER[synset.pos], synset.lexfile, lexid)
                return self.counts.get(key, 0)
        return 0

    def Domains(self, synset, lemma):
        """Usage-domain names that apply to this lemma in this synset."""
        out = set()
        for sym, off, ppos, st in synset.pointers:
            if sym != ";u":
                continue
            src = int(st[:2], 16)
            if src and (src > len(synset.words) or synset.words[src - 1][0].lower() != lemma):
                continue
            out.add(self.DomainName(ppos, off))
        return out

    def IsProper(self, synset, lemma):
        for word, _ in synset.words:
            if word.lower() == lemma:
                return word[:1].isupper()
        return False

    def Senses(self, lemma, pos_filter=None, names=False):
        """(count, pos, rank, synset, offensive, skip) for every sense, most used first. With
        `names`, the senses of a proper name are the ones to clue and all others are skipped."""
        out = []
        for pos in "nvar":
            if pos_filter and pos not in pos_filter:
                continue
            for rank, off in enumerate(self.index.get((lemma, pos), [])):
                s = SynsetOf(self.synsets, pos, off)
                if s is None:
                    continue
                domains = self.Domains(s, lemma)
                offensive = bool(domains & OFFENSIVE_DOMAINS) or bool(
                    OFFENSIVE_GLOSS.search(s.gloss))
                proper = self.IsProper(s, lemma)
                wanted = proper and s.lexfile in NAME_LEXFILES if names else not proper
                skip = (offensive or bool(domains & SKIP_DOMAINS) or
                        bool(SKIP_GLOSS.search(s.gloss)) or not wanted or
                        bool(BREAKFAST_GLOSS.search(s.gloss)))
                out.append((self.SenseCount(lemma, s), pos, rank, s, offensive, skip))
        out.sort(key=lambda t: (-t[0], "nvar".index(t[1]), t[2]))
        return out

    def Offensive(self, senses):
        if not senses:
            return False
        bad = sum(1 for t in senses if t[4])
        return senses[0][4] or bad * 2 >= len(senses)


# ---- Candidates for one answer ----------------------------------------------------------


def Agree(inf, text, form, pos):
    """Inflect a gloss clause so it agrees with the answer's form: a plural head noun for a
    plural answer, a singular one for a singular noun, the leading verb(s) in the answer's
    tense. None when it cannot."""
    words = text.split(" ")
    if form == "base":
        if pos == "n":
            h = HeadIndex(words)
            head = words[h].strip(",") if h >= 0 else ""
            single = inf.Singular(head.lower()) if head.islower() else None
            if single and single != head.lower() and len(head) > 3:
                words[h] = words[h].replace(head, single)
                rest = words[h + 1:]
                if rest and rest[0].lower() in ("that", "which", "who"):
                    return " ".join(words[:h + 1])
                return " ".join(words)
        return text
    if form == "plural":
        if re.match(r"^(any|one|either|each|member) of ", text, re.I):
            return None
        h = HeadIndex(words)
        if h < 0:
            return None
        head = words[h].strip(",")
        if head.lower() in FUNCTION_WORDS or not head.isalpha():
            return None
        if inf.Singular(head.lower()) not in (None, head.lower()):
            return None  # already plural ("distance between things")
        lower = [w.lower().strip(",") for w in words[:h]]
        after = words[h + 1].lower() if h + 1 < len(words) else ""
        if ("or" in lower or "and" in lower or after in ("or", "and") or
                head.endswith(("ly", "ness", "ing")) or
                (head.lower(), "n") not in inf.nouns):
            return None  # "animals or plant", "emotionallies", "awarenesses"
        plural = inf.Plural(head.lower()) if head.islower() else None
        if not plural:
            return None
        words[h] = words[h].replace(head, plural)
        out = " ".join(words[:h + 1])
        rest = words[h + 1:]
        if rest and rest[0].lower() in ("that", "which", "who"):
            return out
        return " ".join([out] + rest) if rest else out
    if form not in ("past", "ing", "s"):
        return None  # comparatives are clued by their synonyms only
    first = words[0].lower()
    if not first.isalpha() or first not in inf.verbs:
        return None
    words[0] = inf.Verb(first, form)
    if not words[0]:
        return None
    for i in range(1, min(len(words) - 1, 4)):
        if words[i] in ("or", "and") and words[i + 1].isalpha() and words[i + 1] in inf.verbs:
            words[i + 1] = inf.Verb(words[i + 1], form)
            if not words[i + 1]:
                return None
            break
    return " ".join(words)


def NounTail(text, plural):
    """'any of various migratory aquatic birds' -> 'Migratory aquatic bird(s)'."""
    m = re.match(r"^(any|one|either|each|a member) of (several|various|numerous|many|a "
                 r"number of|the|a group of|a genus of|two|three)? ?(.*)$", text, re.I)
    if not m:
        return None
    return m.group(3) or None


def NameClue(candidate):
    """A name's gloss clue as a puzzle prints it ("American writer", not "United States
    writer"), or None when the cut left it dangling ("French physicist famous") or it holds
    figures nobody solves from ("Double star 15.7 light year")."""
    weight, kind, text, cut = candidate
    text = re.sub(r"^(a |an |the )?United States\b", "American", text, flags=re.I)
    if re.search(r"\d", text) or re.search(r"\b(famous|noted|known|who|which|that|best)$", text):
        return None
    return (weight, kind, text, cut)


def Candidates(lex, answer, sources):
    """Ranked clue candidates for one answer from its sources: (lemma, pos set, form,
    parts). Each candidate is (weight, kind, text, cut)."""
    out = []
    parts = set()
    stems = set()
    for lemma, poses, form, lemma_parts in sources:
        parts |= set(lemma_parts) if len(lemma_parts) > 1 else set()
        stems.add(lemma.replace("_", "")[:max(3, len(lemma) - 2)] if len(lemma) > 4
                  else lemma.replace("_", ""))
    seen = set()
    for lemma, poses, form, lemma_parts in sources:
        senses = lex.Senses(lemma, poses, form == "name")
        if form == "name":
            # A place is what most solvers know a name by (Berlin the city, then the songwriter).
            senses.sort(key=lambda t: t[3].lexfile not in ("15", "17"))
        used = 0
        for count, pos, rank, s, offensive, skip in senses:
            if skip:
                continue
            if used >= 4:
                break
            # Lower is better: the second sense's whole gloss beats the first sense's cut one.
            weight = -2 * used - (0.5 if count == 0 and used else 0) + min(count, 20) / 10
            used += 1
            plural = form == "plural"
            gloss = CleanGloss(s.gloss)
            # The gloss clause, agreed and shortened.
            if gloss:
                agreed = Agree(lex.inf, gloss, "base" if form == "name" else form, pos)
                if agreed:
                    clue, cut = ShortClause(agreed)
                    if clue and not re.match(r"^((any|one|either|each|a member|member|"
                                             r"some|all) of|especially|usually|often|"
                                             r"typically|chiefly|mainly|of|in|on|at|by|for|"
                                             r"with|from|as|or|and)\b", clue, re.I):
                        out.append((weight, 2.5 if cut else 0, clue, cut))
                tail = NounTail(gloss, plural) if pos == "n" else None
                if tail:
                    words = tail.split(" ")
                    h = HeadIndex(words)
                    if h >= 0:
                        head = words[h].strip(",")
                        if not plural:
                            single = lex.inf.Singular(head.lower())
                            if single:
                                words[h] = words[h].replace(head, single)
                        tail = " ".join(words[:h + 1])
                        if len(tail) <= MAX_CLUE and len(ContentWords(tail.split())) >= 2:
                            out.append((weight, 0, tail, False))
            # Synonyms in the same form; a name's are other names or its abbreviations.
            for word, _ in s.words if form != "name" else []:
                w = word.lower()
                if w == lemma or "_" in w or "-" in w or not w.isalpha():
                    continue
                if lex.levels.get(w, 99) > 35:
                    continue
                # "Mash" is a synonym of flirt only in a sense nobody thinks of first.
                if s.offset not in lex.index.get((w, s.pos if s.pos != "s" else "a"), [])[:3]:
                    continue
                if form == "plural":
                    w = lex.inf.Plural(w)
                elif form in ("past", "ing", "s"):
                    w = lex.inf.Verb(w, form)
                elif form in ("er", "est"):
                    c = lex.inf.Pick(ComparativeCandidates(w, form))
                    if not c:
                        continue
                    w = c
                if not w or w not in lex.levels:
                    continue
                out.append((weight, 0.5, w, False))
            # Fill in the blank from the examples.
            target = answer.lower()
            for ex in s.examples:
                ex = ex.strip().rstrip(".")
                phrase = lemma.replace("_", " ") if form == "base" else target
                pattern = r"\b" + re.escape(phrase) + r"\b"
                if not re.search(pattern, ex, re.I):
                    continue
                blank = re.sub(pattern, "___", ex, count=1, flags=re.I)
                if re.search(r"[-\w]___|___[-\w]", blank):
                    continue  # the blank must stand for a whole word
                if blank.count("___") != 1 or len(blank) > MAX_BLANK:
                    continue
                if len(blank.split()) < 4 or "'" in blank.replace("'s", ""):
                    continue
                out.append((weight, 1, blank, False))
    if any(f == "name" for _, _, f, _ in sources):
        out = [NameClue(o) for o in out]
        out = [o for o in out if o]
    ranked = []
    for weight, kind, text, cut in sorted(out, key=lambda t: (-t[0], t[1], len(t[2]))):
        text = Capitalise(text.strip())
        key = text.lower()
        if not text or key in seen:
            continue
        if Leaks(text, answer.lower(), stems, parts) or ClueProblem(lex, text, answer):
            continue
        if re.match(r"(two|three|four|five|six|seven|eight|nine|ten|eleven|twelve) .*[^s]$",
                    key):
            continue  # "Nine large celestial body": a plural gloss made singular
        if re.search(r"[^A-Za-z0-9 ,.'\-_:]", text) or len(text) > MAX_BLANK:
            continue
        if re.search(r",\S|\s,|,$", text):
            continue
        seen.add(key)
        ranked.append(text)
        if len(ranked) >= 6:
            break
    return ranked


# ---- Answers ----------------------------------------------------------------------------


def Level(lex, word):
    return lex.levels.get(word, 999)


def LevelOk(word, level):
    return level <= (MAX_LEVEL_LONG if len(word) >= 7 else MAX_LEVEL)


PARTICIPLES = set()


def Build(args):
    lex = Lexicon(args)
    for forms in lex.exc["v"].values():
        PARTICIPLES.update(f for f in forms if not f.endswith(("ing", "s")))
    lex.verbs = set(l for (l, p) in lex.index if p == "v")
    lex.inf.verbs = lex.verbs
    lex.inf.nouns = set(k for k in lex.index if k[1] == "n")
    answers = collections.defaultdict(list)  # ANSWER -> [(lemma, poses, form, parts, level)]
    lemmas = sorted(set(l for (l, p) in lex.index))
    dropped = collections.Counter()
    for lemma in lemmas:
        parts = lemma.split("_")
        word = "".join(parts)
        if not re.fullmatch(r"[a-z]+", word) or not 3 <= len(word) <= 15:
            continue
        name = False
        if len(parts) == 1:
            level = Level(lex, lemma)
            if not LevelOk(word, level):
                level = lex.name_levels.get(lemma, 999)
                name = level <= NAME_LEVEL and len(word) <= NAME_MAX_LENGTH
                if not name:
                    continue
        else:
            # Two-word phrases only when both words are everyday words and the phrase itself
            # is used (tagged) often enough to be familiar.
            if len(parts) != 2 or len(word) > 10:
                continue
            if parts[0] in PHRASE_STOP_START or set(parts) & PHRASE_STOP_ANY:
                continue
            if parts[-1] in PHRASE_STOP_END:
                dropped["partial phrase"] += 1
                continue
            if any(Level(lex, p) > 20 for p in parts):
                continue
            senses = lex.Senses(lemma, "nv")
            if sum(t[0] for t in senses) < 3:
                continue
            level = max(Level(lex, p) for p in parts)
        # A name is an answer when one of its senses is a name of the kinds kept; a word
        # when one of its senses is not a name.
        senses = lex.Senses(lemma, names=name)
        if not senses:
            continue
        if all(t[5] for t in senses) if name else all(lex.IsProper(t[3], lemma) for t in senses):
            dropped["proper"] += 1
            continue
        if lex.Offensive(senses):
            dropped["offensive"] += 1
            lex.rejected_offensive.append(word)
            continue
        if name:
            answers[word.upper()].append((lemma, None, "name", parts, level))
            continue
        poses = set(t[1] for t in senses if not t[5])
        answers[word.upper()].append((lemma, None, "base", parts, level))
        if len(parts) > 1:
            continue
        # Common inflections, kept only when SCOWL lists the form as a word of its own.
        tagged = collections.Counter()
        for t in senses:
            tagged[t[1]] += t[0]
        forms = []
        if "n" in poses:
            plural = lex.inf.Plural(lemma)
            if plural:
                forms.append(("plural", "n", [plural]))
        if "v" in poses and tagged["v"] >= 1:
            exc = lex.exc["v"].get(lemma, [])
            if lemma not in SAME_PAST:
                forms.append(("past", "v", [f for f in exc if not f.endswith(("ing", "s"))] or
                              PastCandidates(lemma)))
            forms.append(("ing", "v", [f for f in exc if f.endswith("ing")] or
                          IngCandidates(lemma)))
            third = lex.inf.Verb(lemma, "s")
            if third:
                forms.append(("s", "v", [third]))
        if "a" in poses and tagged["a"] >= 1:
            exc = lex.exc["a"].get(lemma, [])
            forms.append(("er", "a", [f for f in exc if f.endswith("er")] or
                          ComparativeCandidates(lemma, "er")))
            forms.append(("est", "a", [f for f in exc if f.endswith("est")] or
                          ComparativeCandidates(lemma, "est")))
        for form, pos, cands in forms:
            for f in cands:
                if f == lemma or not re.fullmatch(r"[a-z]+", f) or not 3 <= len(f) <= 15:
                    continue
                lvl = Level(lex, f)
                # Inflections must be commoner than the rarest lemmas: this is what keeps out
                # forms nobody uses (weltered, vinyls).
                if not LevelOk(f, lvl):
                    continue
                if lvl - level >= FORCED_LEVELS:
                    dropped["forced form"] += 1
                    break
                if form in ("er", "est") and any((f, p) in lex.index for p in "nvar"):
                    break  # LIVER is an organ, not "more alive"
                if form in ("er", "est") and not ComparesWithSuffix(lemma):
                    dropped["forced form"] += 1
                    break
                if form == "plural" and not f.endswith("s") and level >= 35:
                    lvl = max(lvl, LEARNED_PLURAL_LEVEL)
                answers[f.upper()].append((lemma, pos, form, [lemma], lvl))
                break
    # The reviewed long phrases: everyday multi-word answers with hand-written clues.
    for phrase, clue in lex.phrases:
        word = phrase.replace(" ", "").upper()
        answers[word].append((phrase.replace(" ", "_"), None, "phrase", phrase.split(),
                              max(Level(lex, p) for p in phrase.split())))
    # Everyday words the rules above miss: those WordNet leaves out (THE, WHOSE), forms
    # SCOWL rates much rarer than their word (OILS, ICED) and words whose senses gave no
    # usable clue (BARN). A hand-written clue is an editor's word that the answer is fair
    # fill, so such a word comes back when SCOWL knows it; the blocklist and the unfit list
    # still apply below.
    for answer in lex.overrides:
        word = answer.lower()
        if answer in answers or not re.fullmatch(r"[a-z]{3,15}", word):
            continue
        level = Level(lex, word)
        if LevelOk(word, level):
            answers[answer].append((word, None, "hand", [word], level))
    rows = []
    unclued = []
    bad_hand = []
    for answer in sorted(answers):
        if answer.lower() in lex.blocked:
            dropped["blocklist"] += 1
            continue
        if answer in lex.unfit:
            dropped["unfit"] += 1
            continue
        sources = answers[answer]
        level = min(s[4] for s in sources)
        inflected = all(s[2] not in ("base", "phrase", "hand", "name") for s in sources)
        count = 0
        for lemma, poses, form, parts, _ in sources:
            if form not in ("phrase", "hand"):
                count += sum(t[0] for t in lex.Senses(lemma, poses, form == "name"))
        clues = []
        for c in lex.overrides.get(answer, []):
            problem = ClueProblem(lex, c, answer)
            if problem:
                bad_hand.append("%s\t%s\t%s" % (answer, c, problem))
            else:
                clues.append(c)
        # Clues a reader of the review sheets passed lead, so packs made again keep to what
        # has been read: hand-written ones first, then WordNet's that a reader kept.
        clues.sort(key=lambda c: (answer, c) not in lex.passed)
        hand = len(clues)
        wn = Candidates(lex, answer, [(l, p, f, pa) for l, p, f, pa, _ in sources
                                      if f not in ("phrase", "hand")])
        reviewed = [c for c in lex.reviewed.get(answer, []) if not ClueProblem(lex, c, answer)]
        passed = any((answer, c) in lex.passed for c in clues[:1] + reviewed[:1])
        # An answer this long spans most of a row: it is what a solver remembers of a grid,
        # and a dictionary gloss there reads as a chore.
        if len(answer) >= LONG_ANSWER and not (hand or reviewed):
            dropped["long, no hand clue"] += 1
            continue
        for c in reviewed + wn:
            if c.lower() not in (x.lower() for x in clues) and (
                    answer, c.lower()) not in lex.rejected:
                clues.append(c)
        if not clues:
            unclued.append((answer, level, inflected))
            continue
        # Everyday words first: SCOWL's level counts most, then how often WordNet's corpus
        # uses the word's senses.
        score = 1.5 * (60 - min(level, 60)) + 0.4 * min(count, 50) - (8 if inflected else 0)
        if hand:
            score += 6  # hand-clued answers make the best fill
        if passed:
            score += 4  # and read ones better still: a pack made again needs less reading
        stems = "+".join(sorted(set(s[0] for s in sources)))
        kind = "n" if all(s[2] == "name" for s in sources) else "i" if inflected else "l"
        rows.append((answer, score, level, kind, stems, hand, clues))
    with open(args.output, "w", encoding="ascii") as f:
        f.write("# answer\tscore\tlevel\tkind\tstems\thand\tclues, best first; the first "
                "`hand` are hand-written (generated by build_lexicon.py from WordNet 3.0 and "
                "SCOWL; see NOTICE)\n")
        for answer, score, level, kind, stems, hand, clues in rows:
            f.write("%s\t%.1f\t%d\t%s\t%s\t%d\t%s\n" % (answer, score, level, kind, stems, hand,
                                                     "\t".join(clues)))
    # The checker reads no clue but these and the featured ones, so of the long words only
    # those they use are listed: thousands fewer lines, the same verdict on every clue.
    used = {w for row in rows for clue in row[6] for w in ClueWords(clue)}
    for line in ReadLines(os.path.join(HERE, os.pardir, "puzzlegen", "featured.tsv")):
        fields = line.split("\t")
        if len(fields) == 5 and not line.startswith("#"):
            used.update(ClueWords(fields[4]))
    known = sorted(w for w in lex.known if len(w) < LONG_ANSWER or w in used)
    with open(os.path.join(HERE, "known_words.txt"), "w", encoding="ascii") as f:
        f.write("# Word forms a clue may use (SCOWL level 60 and commoner, WordNet's irregular "
                "forms, less guessed forms; of %d letters or more only those our clues use); "
                "written by build_lexicon.py\n" % LONG_ANSWER)
        f.write("\n".join(known) + "\n")
    with open(os.path.join(HERE, "blocked_irregular.txt"), "w", encoding="ascii") as f:
        f.write("# Irregular forms of the words in blocklist.txt, from WordNet's .exc files; "
                "written by build_lexicon.py\n")
        f.write("\n".join(sorted(lex.blocked_irregular)) + "\n")
    for line in bad_hand:
        print("hand clue refused: " + line, file=sys.stderr)
    if args.unclued_report:
        with open(args.unclued_report, "w") as f:
            for answer, level, inflected in unclued:
                f.write("%s\t%d\t%s\n" % (answer, level, "i" if inflected else "l"))
    unclued = len(unclued)
    by_len = collections.Counter(len(r[0]) for r in rows)
    print("answers: %d (dropped %s, no clue %d)" % (len(rows), dict(dropped), unclued),
          file=sys.stderr)
    print("by length: %s" % sorted(by_len.items()), file=sys.stderr)
    if args.offensive_report:
        with open(args.offensive_report, "w") as f:
            f.write("\n".join(sorted(set(lex.rejected_offensive))) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--output", default=os.path.join(HERE, "lexicon.tsv"))
    parser.add_argument("--offensive-report", help="write the words dropped as offensive")
    parser.add_argument("--unclued-report", help="write the answers dropped for want of a clue")
    Build(parser.parse_args())


if __name__ == "__main__":
    main()
