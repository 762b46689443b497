// When two words share a root, the one judgement the generator's search, its clue choice and
// the packs' checker all make: EKES and EKED (both forms of EKE), OVA and OVUM (the lexicon
// says OVA is a form of ovum), START and STARTOUT (a phrase holding the word). Knows nothing
// of grids or files.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// What is known of the lexicon's words: each answer's root keys, and the answers holding
// each key. Two words share a root when their keys meet.
struct RootBook {
    std::unordered_map<std::string, std::vector<std::string>> keys;     // answer -> its keys
    std::unordered_map<std::string, std::vector<std::string>> holders;  // key -> answers
};

// One lexicon row as the book reads it: the answer and its `stems` column ("eat+eats";
// "start_out" for a phrase, as a featured answer's words are given too).
struct RootRow {
    std::string answer;
    std::string stems;
};

// The regular forms of `base` (upper case), spelled as English spells them: -S or -ES,
// -ED, -ING, -ER, -ERS, -EST, -LY, an E dropped before a vowel ending (BAKING), a Y turned
// to I (CRIES), a last consonant doubled after one short vowel (STOPPED; then the undoubled
// spelling is no form: CARING is no form of CAR; and no -ER: LETTER is no form of LET), the
// Latin plurals (OVUM: OVA).
std::vector<std::string> RegularForms(const std::string& base);

// The words of three letters or more that `word` is a regular form of.
std::vector<std::string> SpelledBases(const std::string& word);

// The book of every answer the rows give (a later row of an answer replaces its stems).
RootBook MakeRootBook(const std::vector<RootRow>& rows);

// A word's root keys: the word, the bases it is a form of (only those the book knows, when
// it knows any word), the lexicon's stems and a phrase's words for an answer of the book,
// and the word less a last vowel that Italian plurals change (LIRA, LIRE; not HERE, HERO).
std::vector<std::string> RootKeys(const std::string& word, const RootBook& book);

// True when two words (upper case) share a root.
bool ShareRoot(const std::string& a, const std::string& b, const RootBook& book);

// Every word sharing a root with `word`, itself included: the book's answers, and with an
// empty book every regular form of its keys. The search removes these from the other slots.
std::vector<std::string> RootRelatives(const std::string& word, const RootBook& book);
