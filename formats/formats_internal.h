// What the readers share and nobody outside formats/ sees: a clue as a file states it, the
// matching of such clues to the grid's words, the readers' entry points and the bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle_document.h"

constexpr int kMaxJsonDepth = 64;        // nesting of arrays and objects in an .ipuz
constexpr size_t kMaxTextBytes = 16000;  // one clue or string, after markup is gone
constexpr int kMaxArchiveEntries = 64;   // entries of a zipped .jpz
constexpr int kMaxClueLines = 2 * kDocumentMaxWords;

// A clue as the file gives it: by a number (the file's numbering) or by its squares.
struct FileClue {
    std::string label;       // the number as written, for the refusal's sentence
    int number = -1;         // the file's number when the label is one, else -1
    std::vector<int> cells;  // the squares of its word, row-major indices; empty when unknown
    std::string text;        // plain text
};

// The outcome of a reader: the refusal and its sentence, kDocumentAccepted with "" otherwise.
struct ReadResult {
    DocumentRefusal refusal = kDocumentAccepted;
    std::string reason;
};

inline ReadResult Refuse(DocumentRefusal refusal, std::string reason)
{
    return {refusal, std::move(reason)};
}

inline ReadResult Damaged(const std::string& what)
{
    return {kDocumentDamaged, "The file is damaged: " + what + "."};
}

// The sentences the game shows for these refusals, shared by every reader.
extern const char kAcrosticText[];
extern const char kBarredText[];
extern const char kCodedText[];
extern const char kUnplacedCluesText[];
ReadResult OtherClueLists(const std::string& name);

// Each reader fills `out` from a whole file of its format.
ReadResult ReadPuz(std::string_view bytes, PuzzleDocument* out);
ReadResult ReadIpuz(std::string_view bytes, PuzzleDocument* out);
ReadResult ReadJpz(std::string_view bytes, PuzzleDocument* out);
ReadResult ReadXd(std::string_view bytes, PuzzleDocument* out);
// The one puzzle file inside a ZIP archive, for the caller to read in its turn.
ReadResult ExtractArchivePuzzle(std::string_view bytes, std::string* puzzle);

bool LooksLikeXd(std::string_view bytes);
bool IsArchive(std::string_view bytes);

// Checks the grid against the game's capacities and gives every word of it its clue:
// `across` and `down` as the file states them (a clue's number first, then its squares),
// `fileNumbers` the number the file prints in each square (0 none; empty when the file has no
// numbers of its own, and then its clue numbers are the game's standard ones). A word without a
// clue gets "", a clue that names no word refuses the puzzle.
ReadResult AttachClues(PuzzleDocument* document, const std::vector<FileClue>& across,
                       const std::vector<FileClue>& down, const std::vector<int>& fileNumbers);

// A word of the grid by the game's standard numbering.
struct GridWord {
    int number;  // printed in its first square
    int first;   // index of its first square
    int length;  // squares
};
void FindWords(const PuzzleDocument& document, std::vector<GridWord>* across,
               std::vector<GridWord>* down);

// The number in a label: "12" gives 12; anything else ("", "•", "1-32") gives -1.
int LabelNumber(std::string_view label);

bool IsUtf8(std::string_view text);
// Appends code point `code` to *out as UTF-8.
void AppendUtf8(std::string* out, uint32_t code);
// Windows-1252 bytes (older .puz files) as UTF-8.
std::string Windows1252ToUtf8(std::string_view text);
// Leading and trailing white space removed.
std::string Trimmed(std::string_view text);
