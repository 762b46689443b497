// .puz into a document, so that every format reaches the game the same way (and the tools
// can compare them). The game's own reader stays the judge of .puz files; this one takes the
// grid, the strings and the circle and rebus sections, and leaves a locked solution unread.
#include <cstring>
#include <map>

#include "formats_internal.h"
#include "puz_layout.h"

namespace {

std::string_view NextString(std::string_view bytes, size_t* at)
{
    if (*at >= bytes.size())
        return {};
    const size_t nul = bytes.find('\0', *at);
    const size_t end = nul == std::string_view::npos ? bytes.size() : nul;
    const std::string_view s = bytes.substr(*at, end - *at);
    *at = end + 1;
    return s;
}

struct PuzSections {
    std::string_view circles;          // GEXT, one byte per square
    std::string_view rebus;            // GRBS, one byte per square: 0 or 1 + key
    std::map<int, std::string> table;  // RTBL: key -> letters
};

void ReadRebusTable(std::string_view data, std::map<int, std::string>* table)
{
    size_t at = 0;
    while (at < data.size()) {
        const size_t colon = data.find(':', at);
        const size_t semi = data.find(';', at);
        if (colon == std::string_view::npos || semi == std::string_view::npos || semi < colon)
            return;
        const int key = LabelNumber(data.substr(at, colon - at));
        if (key < 0 && Trimmed(data.substr(at, colon - at)) != "0")
            return;
        (*table)[key < 0 ? 0 : key] = std::string(data.substr(colon + 1, semi - colon - 1));
        at = semi + 1;
    }
}

void ReadSections(std::string_view bytes, size_t at, size_t cells, PuzSections* s)
{
    while (at + puz::kSectionHeadSize <= bytes.size()) {
        const std::string_view name = bytes.substr(at, 4);
        const size_t size = size_t(puz::ReadShort(bytes.data() + at + 4));
        const size_t data = at + puz::kSectionHeadSize;
        if (data + size > bytes.size())
            return;
        const std::string_view body = bytes.substr(data, size);
        const bool sumOk =
            puz::ChecksumRegion(body.data(), int(size), 0) == puz::ReadShort(bytes.data() + at + 6);
        if (sumOk && name == "GEXT" && size == cells)
            s->circles = body;
        else if (sumOk && name == "GRBS" && size == cells)
            s->rebus = body;
        else if (sumOk && name == "RTBL")
            ReadRebusTable(body, &s->table);
        at = data + size + 1;
    }
}

}  // namespace

ReadResult ReadPuz(std::string_view bytes, PuzzleDocument* out)
{
    const size_t magic = bytes.find(std::string_view(puz::kMagic, sizeof puz::kMagic));
    if (magic == std::string_view::npos || magic < size_t(puz::kMagicOffset))
        return Refuse(kDocumentUnknownFormat, "This is not a puzzle file.");
    const std::string_view file = bytes.substr(magic - puz::kMagicOffset);
    if (file.size() < size_t(puz::kGridOffset))
        return Damaged("it ends inside its header");
    const auto* h = reinterpret_cast<const unsigned char*>(file.data());
    const int w = h[puz::kWidthOffset];
    const int ht = h[puz::kHeightOffset];
    if (w < 1 || ht < 1)
        return Damaged("its grid has no squares");
    if (w > kDocumentMaxSide || ht > kDocumentMaxSide || w * ht > kDocumentMaxCells)
        return Refuse(kDocumentBeyondCapacity,
                      "The grid is " + std::to_string(w) + " x " + std::to_string(ht) +
                          " squares; the game holds at most 99 a side and 1600 in all.");
    const size_t n = size_t(w * ht);
    if (file.size() < size_t(puz::kGridOffset) + 2 * n)
        return Damaged("it ends inside its grids");
    const bool utf8 = std::memcmp(h + puz::kVersionOffset, "2.", 2) == 0;
    const int state = puz::ReadShort(h + puz::kSolutionStateOffset);
    out->width = w;
    out->height = ht;
    out->hasSolution = (state & (puz::kSolutionAbsent | puz::kSolutionScrambled)) == 0;
    out->diagramless = puz::ReadShort(h + puz::kPuzzleTypeOffset) == puz::kPuzzleTypeDiagramless;
    out->cells.assign(n, DocumentCell{});
    // Version 2.0 strings are UTF-8; older ones, and any that are not, the Windows code page.
    auto text = [utf8](std::string_view s) {
        return utf8 && IsUtf8(s) ? std::string(s) : Windows1252ToUtf8(s);
    };
    const std::string_view solution = file.substr(size_t(puz::kGridOffset), n);
    const std::string_view fill = file.substr(size_t(puz::kGridOffset) + n, n);
    for (size_t i = 0; i < n; ++i) {
        DocumentCell& cell = out->cells[i];
        cell.block = solution[i] == '.' || solution[i] == ':';
        if (cell.block)
            continue;
        cell.solution = out->hasSolution ? text(solution.substr(i, 1)) : "";
        if (fill[i] != '-' && fill[i] != '.' && fill[i] != ':')
            cell.saved = text(fill.substr(i, 1));
    }
    size_t at = size_t(puz::kGridOffset) + 2 * n;
    out->title = text(NextString(file, &at));
    out->author = text(NextString(file, &at));
    out->copyright = text(NextString(file, &at));
    std::vector<GridWord> acrossWords;
    std::vector<GridWord> downWords;
    FindWords(*out, &acrossWords, &downWords);
    // The clue strings follow in the game's order: by number, across before down.
    std::vector<FileClue> across;
    std::vector<FileClue> down;
    size_t a = 0;
    size_t d = 0;
    while (a < acrossWords.size() || d < downWords.size()) {
        const bool takeAcross =
            a < acrossWords.size() &&
            (d >= downWords.size() || acrossWords[a].number <= downWords[d].number);
        const GridWord& word = takeAcross ? acrossWords[a++] : downWords[d++];
        if (at >= file.size())
            return Damaged("it ends before its clues do");
        FileClue clue;
        clue.number = word.number;
        clue.label = std::to_string(word.number);
        clue.text = text(NextString(file, &at));
        (takeAcross ? across : down).push_back(std::move(clue));
    }
    out->notes = text(NextString(file, &at));
    PuzSections sections;
    ReadSections(file, at, n, &sections);
    for (size_t i = 0; i < n; ++i) {
        DocumentCell& cell = out->cells[i];
        if (cell.block)
            continue;
        cell.circled =
            !sections.circles.empty() && (uint8_t(sections.circles[i]) & puz::kSquareCircled);
        const int key = sections.rebus.empty() ? 0 : uint8_t(sections.rebus[i]);
        const auto rebus = sections.table.find(key - 1);
        if (key > 0 && rebus != sections.table.end() && out->hasSolution)
            cell.solution = text(rebus->second);
    }
    return AttachClues(out, across, down, {});
}
