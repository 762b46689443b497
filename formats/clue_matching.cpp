// The game numbers every grid itself, the standard way; a file's clues reach their words by
// the file's own numbers or, where a number names no word (a label such as "1-32"), by the
// squares they list. Here too the grid is
// held against the game's capacities, since every reader ends here.
#include <string>

#include "formats_internal.h"

namespace {

bool Open(const PuzzleDocument& d, int r, int c)
{
    return r >= 0 && c >= 0 && r < d.height && c < d.width &&
           !d.cells[size_t(r * d.width + c)].block;
}

ReadResult CheckCapacity(const PuzzleDocument& d)
{
    if (d.width < 1 || d.height < 1 || d.cells.size() != size_t(d.width) * size_t(d.height))
        return Damaged("the grid has no squares");
    if (d.width > kDocumentMaxSide || d.height > kDocumentMaxSide ||
        d.width * d.height > kDocumentMaxCells)
        return Refuse(kDocumentBeyondCapacity,
                      "The grid is " + std::to_string(d.width) + " x " + std::to_string(d.height) +
                          " squares; the game holds at most 99 a side and 1600 in all.");
    for (const DocumentCell& cell : d.cells) {
        for (const std::string* text : {&cell.solution, &cell.given, &cell.saved}) {
            if (text->size() > size_t(kDocumentMaxRebus))
                return Refuse(kDocumentBeyondCapacity,
                              "A square holds \"" + *text +
                                  "\"; the game holds at most 16 letters in one square.");
        }
    }
    return {};
}

// The word of `words` that is exactly the squares `cells`, or -1.
int WordOfCells(const std::vector<GridWord>& words, const std::vector<int>& cells, int step)
{
    for (size_t w = 0; w < words.size(); ++w) {
        const GridWord& word = words[w];
        if (word.first != cells[0] || word.length != int(cells.size()))
            continue;
        bool same = true;
        for (size_t k = 0; k < cells.size() && same; ++k)
            same = cells[k] == word.first + int(k) * step;
        if (same)
            return int(w);
    }
    return -1;
}

// The word of `words` whose first square carries `number`: the file's number there when the
// file numbers its squares, else the standard one.
int WordOfNumber(const std::vector<GridWord>& words, int number,
                 const std::vector<int>& fileNumbers)
{
    for (size_t w = 0; w < words.size(); ++w) {
        const int shown =
            fileNumbers.empty() ? words[w].number : fileNumbers[size_t(words[w].first)];
        if (number > 0 && shown == number)
            return int(w);
    }
    return -1;
}

ReadResult Attach(const PuzzleDocument& d, const std::vector<GridWord>& words,
                  const std::vector<FileClue>& clues, const std::vector<int>& fileNumbers,
                  bool down, std::vector<DocumentClue>* out)
{
    const char* direction = down ? "Down" : "Across";
    out->assign(words.size(), DocumentClue{});
    std::vector<bool> named(words.size(), false);
    for (size_t w = 0; w < words.size(); ++w)
        (*out)[w].number = words[w].number;
    for (const FileClue& clue : clues) {
        int w = WordOfNumber(words, clue.number, fileNumbers);
        if (w < 0 && !clue.cells.empty())
            w = WordOfCells(words, clue.cells, down ? d.width : 1);
        const std::string label = clue.label.empty() ? "without a number" : clue.label;
        if (w < 0)
            return Refuse(kDocumentUnmatchedClue,
                          "The clue " + label + " " + direction + " names no word of the grid.");
        if (named[size_t(w)])
            return Refuse(kDocumentUnmatchedClue, "Two clues name the word " +
                                                      std::to_string(words[size_t(w)].number) +
                                                      " " + direction + ".");
        named[size_t(w)] = true;
        (*out)[size_t(w)].text = clue.text;
    }
    return {};
}

}  // namespace

void FindWords(const PuzzleDocument& d, std::vector<GridWord>* across, std::vector<GridWord>* down)
{
    across->clear();
    down->clear();
    int number = 1;
    for (int r = 0; r < d.height; ++r) {
        for (int c = 0; c < d.width; ++c) {
            if (!Open(d, r, c))
                continue;
            const bool startsAcross = !Open(d, r, c - 1) && Open(d, r, c + 1);
            const bool startsDown = !Open(d, r - 1, c) && Open(d, r + 1, c);
            if (startsAcross) {
                int length = 1;
                while (Open(d, r, c + length))
                    ++length;
                across->push_back({number, r * d.width + c, length});
            }
            if (startsDown) {
                int length = 1;
                while (Open(d, r + length, c))
                    ++length;
                down->push_back({number, r * d.width + c, length});
            }
            if (startsAcross || startsDown)
                ++number;
        }
    }
}

ReadResult AttachClues(PuzzleDocument* document, const std::vector<FileClue>& across,
                       const std::vector<FileClue>& down, const std::vector<int>& fileNumbers)
{
    ReadResult result = CheckCapacity(*document);
    if (result.refusal != kDocumentAccepted)
        return result;
    // A solution the file gives for some squares only cannot be checked against.
    for (const DocumentCell& cell : document->cells) {
        if (!cell.block && cell.solution.empty())
            document->hasSolution = false;
    }
    std::vector<GridWord> acrossWords;
    std::vector<GridWord> downWords;
    FindWords(*document, &acrossWords, &downWords);
    if (acrossWords.size() > size_t(kDocumentMaxWords) ||
        downWords.size() > size_t(kDocumentMaxWords) ||
        acrossWords.size() + downWords.size() > size_t(kDocumentMaxClues))
        return Refuse(kDocumentBeyondCapacity,
                      "The grid has " + std::to_string(acrossWords.size()) + " across and " +
                          std::to_string(downWords.size()) +
                          " down words; the game holds at most 300 each way and 400 in all.");
    const std::vector<int> numbers =
        fileNumbers.size() == document->cells.size() ? fileNumbers : std::vector<int>();
    result = Attach(*document, acrossWords, across, numbers, false, &document->across);
    if (result.refusal == kDocumentAccepted)
        result = Attach(*document, downWords, down, numbers, true, &document->down);
    return result;
}
