// An independent reader and rule checker for the pack puzzles, written apart from the
// generator so that a fault in one is caught by the other.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct CheckedWord {
    int number = 0;
    bool down = false;
    std::string answer;
    std::string clue;
};

struct CheckedPuzzle {
    int width = 0, height = 0;
    std::string solution;  // row-major, '.' for blocks
    std::string title, author, copyright, notes;
    std::vector<CheckedWord> words;  // in clue order
};

// Reads a file image; problems go to *problems (the format, the four checksums, the
// strings). The words are filled in from the grid's own numbering.
CheckedPuzzle ReadChecked(const std::vector<uint8_t>& file, std::vector<std::string>* problems);

// The grid rules: 15 x 15, 180-degree symmetry, 38-42 blocks, 76-82 words, every word 3 or
// longer, connected white squares.
void CheckGrid(const CheckedPuzzle& p, std::vector<std::string>* problems);

// Inside one puzzle: no answer twice, no clue twice, no clue naming an answer of the grid,
// no empty clue.
void CheckPuzzleWords(const CheckedPuzzle& p, std::vector<std::string>* problems);

// The pack limits: an answer of 5+ letters once, 4 letters at most twice, 3 at most three
// times in the pack.
void CheckPackRepeats(const std::vector<CheckedPuzzle>& pack, std::vector<std::string>* problems);

// True when the clue's words, alone or run together, spell the answer.
bool MentionsAnswer(const std::string& clue, const std::string& answer);

// The running checksum of the format.
uint16_t Cksum(const uint8_t* data, size_t size, uint16_t sum);
