// Reading a hand-written file in a test and looking at the document as short strings: the
// grid one row a string, the clues one "number text" a line.
#pragma once

#include <string>

#include "read_puzzle_document.h"

struct Reading {
    DocumentRefusal refusal;
    std::string reason;
    PuzzleDocument document;
};

inline Reading Read(const std::string& bytes)
{
    Reading r;
    r.refusal = ReadPuzzleDocument(bytes.data(), bytes.size(), &r.document, &r.reason);
    return r;
}

// "#" a block, "_" an open square without solution, "[XYZ]" a rebus; rows joined by "/".
inline std::string Rows(const PuzzleDocument& d)
{
    std::string out;
    for (int i = 0; i < d.width * d.height; ++i) {
        const DocumentCell& cell = d.cells[size_t(i)];
        if (i > 0 && i % d.width == 0)
            out += '/';
        out += cell.block                  ? "#"
               : cell.solution.empty()     ? "_"
               : cell.solution.size() == 1 ? cell.solution
                                           : "[" + cell.solution + "]";
    }
    return out;
}

inline std::string Clues(const std::vector<DocumentClue>& clues)
{
    std::string out;
    for (const DocumentClue& c : clues)
        out += std::to_string(c.number) + " " + c.text + "\n";
    return out;
}

// The row-major indices of the squares for which `flag` holds, as "2,14".
template <typename Flag> std::string Squares(const PuzzleDocument& d, Flag flag)
{
    std::string out;
    for (size_t i = 0; i < d.cells.size(); ++i) {
        if (flag(d.cells[i]))
            out += (out.empty() ? "" : ",") + std::to_string(i);
    }
    return out;
}
