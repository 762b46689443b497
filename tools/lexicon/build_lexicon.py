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

OFFENSIVE_GLOSS = re.compile(
    r"offensive|obscen|vulgar|derogator|disparag|\bslur\b|genital|penis|vagina|vulva|"
    r"testicle|scrot|anus\b|buttocks|sexual intercourse|copulat|masturbat|orgasm|"
    r"prostitut|fornicat|pornograph|feces|faeces|excrement|urinat|defecat|"
    r"racist|homosexual|lesbian|sodom|rape|whore|brothel|sex act|sexual act|erotic|"
    r"lewd|obscene|a stupid person|stupid person|contempt",
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


def ReadLines(path):
    with open(path, encoding="latin-1") as f:
        return f.read().splitlines()


def LoadScowl():
    """Word -> lowest SCOWL level among the English and American lists (letters only)."""
    levels = {}
    for name in sorted(os.listdir(SCOWL)):
        m = re.fullmatch(r"(english|american)-words\.(\d+)", name)
        if not m:
            continue
        level = int(m.group(2))
        for word in ReadLines(os.path.join(SCOWL, name)):
            if re.fullmatch(r"[a-z]+(-[a-z]+)*", word):
                if level < levels.get(word, 999):
                    levels[word] = level
    return levels


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


def Doubles(word):
    """True when a short stressed verb or adjective doubles its last consonant (stop, big)."""
    return (len(word) >= 3 and word[-1] not in VOWELS and word[-1] not in "wxy" and
            word[-2] in VOWELS and word[-3] not in VOWELS and len(word) <= 5)


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

    def Pick(self, candidates, fallback_ok=True):
        for c in candidates:
            if self.Known(c):
                return c
        return candidates[0] if fallback_ok else None

    def Plural(self, word):
        for f in self.exc["n"].get(word, []):
            if not f.endswith("'s"):
                return f
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
        self.synsets = LoadData()
        self.index = LoadIndex()
        self.counts = LoadCounts()
        self.exc = LoadExceptions()
        self.inf = Inflector(self.levels, self.exc)
        self.blocklist = set(self.LoadWordFile("blocklist.txt"))
        self.overrides = self.LoadOverrides()
        self.domain_names = {}
        self.rejected_offensive = []

    def LoadWordFile(self, name):
        path = os.path.join(HERE, name)
        if not os.path.exists(path):
            return []
        out = []
        for line in ReadLines(path):
            line = line.split("#")[0].strip()
            if line:
                out.append(line.upper())
        return out

    def LoadOverrides(self):
        path = os.path.join(HERE, "overrides.tsv")
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

    def Senses(self, lemma, pos_filter=None):
        """(count, pos, rank, synset, offensive, skip) for every sense, most used first."""
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
                skip = (offensive or bool(domains & SKIP_DOMAINS) or
                        bool(SKIP_GLOSS.search(s.gloss)) or self.IsProper(s, lemma))
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
        words[h] = words[h].replace(head, inf.Plural(head.lower()) if head.islower()
                                    else head)
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
    for i in range(1, min(len(words) - 1, 4)):
        if words[i] in ("or", "and") and words[i + 1].isalpha() and words[i + 1] in inf.verbs:
            words[i + 1] = inf.Verb(words[i + 1], form)
            break
    return " ".join(words)


def NounTail(text, plural):
    """'any of various migratory aquatic birds' -> 'Migratory aquatic bird(s)'."""
    m = re.match(r"^(any|one|either|each|a member) of (several|various|numerous|many|a "
                 r"number of|the|a group of|a genus of|two|three)? ?(.*)$", text, re.I)
    if not m:
        return None
    return m.group(3) or None


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
        senses = lex.Senses(lemma, poses)
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
                agreed = Agree(lex.inf, gloss, form, pos)
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
            # The class it belongs to ("Kind of tree"): vague, so only after everything else
            # of this sense, but fair, and it clues many plain nouns whose gloss is too long.
            if pos == "n" and used == 1:
                for sym, off, ppos, st in s.pointers:
                    if sym not in ("@", "@i") or ppos != "n":
                        continue
                    hyper = SynsetOf(lex.synsets, "n", off)
                    if hyper is None:
                        continue
                    name = hyper.words[0][0].replace("_", " ")
                    if not name.isalpha() or not name.islower() or lex.levels.get(name, 99) > 20:
                        continue
                    kind = ("Kinds of " if plural else "Kind of ") + name
                    if len(kind) <= MAX_CLUE:
                        out.append((weight, 3.0, kind, False))
                    break
            # Synonyms in the same form.
            for word, _ in s.words:
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
                    c = lex.inf.Pick(ComparativeCandidates(w, form), fallback_ok=False)
                    if not c:
                        continue
                    w = c
                if w not in lex.levels:
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
    ranked = []
    for weight, kind, text, cut in sorted(out, key=lambda t: (-t[0], t[1], len(t[2]))):
        text = Capitalise(text.strip())
        key = text.lower()
        if not text or key in seen:
            continue
        if Leaks(text, answer.lower(), stems, parts):
            continue
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
        if len(parts) == 1:
            level = Level(lex, lemma)
            if not LevelOk(word, level):
                continue
        else:
            # Two-word phrases only when both words are everyday words and the phrase itself
            # is used (tagged) often enough to be familiar.
            if len(parts) != 2 or len(word) > 10:
                continue
            if parts[0] in PHRASE_STOP_START or set(parts) & PHRASE_STOP_ANY:
                continue
            if any(Level(lex, p) > 20 for p in parts):
                continue
            senses = lex.Senses(lemma, "nv")
            if sum(t[0] for t in senses) < 3:
                continue
            level = 40
        senses = lex.Senses(lemma)
        if not senses:
            continue
        if all(lex.IsProper(t[3], lemma) for t in senses):
            dropped["proper"] += 1
            continue
        if lex.Offensive(senses):
            dropped["offensive"] += 1
            lex.rejected_offensive.append(word)
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
            forms.append(("plural", "n", [lex.inf.Plural(lemma)]))
        if "v" in poses and tagged["v"] >= 1:
            exc = lex.exc["v"].get(lemma, [])
            forms.append(("past", "v", [f for f in exc if not f.endswith(("ing", "s"))] or
                          PastCandidates(lemma)))
            forms.append(("ing", "v", [f for f in exc if f.endswith("ing")] or
                          IngCandidates(lemma)))
            forms.append(("s", "v", [lex.inf.Verb(lemma, "s")]))
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
                answers[f.upper()].append((lemma, pos, form, [lemma], lvl))
                break
    rows = []
    unclued = 0
    for answer in sorted(answers):
        if answer in lex.blocklist:
            dropped["blocklist"] += 1
            continue
        sources = answers[answer]
        level = min(s[4] for s in sources)
        inflected = all(s[2] != "base" for s in sources)
        count = 0
        for lemma, poses, form, parts, _ in sources:
            count += sum(t[0] for t in lex.Senses(lemma, poses))
        clues = list(lex.overrides.get(answer, []))
        wn = Candidates(lex, answer, [(l, p, f, pa) for l, p, f, pa, _ in sources])
        for c in wn:
            if c.lower() not in (x.lower() for x in clues):
                clues.append(c)
        if not clues:
            unclued += 1
            continue
        score = (60 - min(level, 60)) + 0.5 * min(count, 50) - (8 if inflected else 0)
        if answer in lex.overrides:
            score += 10  # hand-clued answers make the best fill
        rows.append((answer, score, level, "i" if inflected else "l", clues))
    with open(args.output, "w", encoding="ascii") as f:
        f.write("# answer\tscore\tlevel\tkind\tclues, best first (generated by "
                "build_lexicon.py from WordNet 3.0 and SCOWL; see NOTICE)\n")
        for answer, score, level, kind, clues in rows:
            f.write("%s\t%.1f\t%d\t%s\t%s\n" % (answer, score, level, kind, "\t".join(clues)))
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
    Build(parser.parse_args())


if __name__ == "__main__":
    main()
