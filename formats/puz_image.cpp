// The .puz image of a document. The game checks the header's own checksum; the file's other
// checksums are written right too, so that other programs take the image as well.
#include "puz_image.h"

#include <cstdio>
#include <cstring>
#include <map>

#include "formats_internal.h"
#include "puz_layout.h"

namespace {

constexpr int kMaskedChecksumOffset = 0x10;
constexpr int kMaxRebusKeys = 255;

bool IsAscii(const std::string& s)
{
    for (char c : s) {
        if (uint8_t(c) >= 0x80)
            return false;
    }
    return true;
}

// A string as the image holds it: no NUL inside, since NUL ends it.
std::string Stored(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c != '\0')
            out += c;
    }
    return out;
}

std::string Upper(std::string s)
{
    for (char& c : s)
        c = char(c >= 'a' && c <= 'z' ? c - 32 : c);
    return s;
}

// Whether the first letter of `up` may stand for itself in the grids: ASCII and none of their
// marks ("." and ":" for blocks, "-" for an empty square).
bool PlainFirst(const std::string& up)
{
    return !up.empty() && uint8_t(up[0]) < 0x80 && up[0] > ' ' && up[0] != '.' && up[0] != ':' &&
           up[0] != '-';
}

// The byte a square shows in the solution grid: its single ASCII letter; for anything longer
// or outside ASCII the first letter when it is ASCII, else a stand-in (the rebus table holds
// the whole text).
char GridByte(const std::string& letters)
{
    const std::string up = Upper(letters);
    return PlainFirst(up) ? up[0] : 'X';
}

// The byte of the fill grid, which the game plays as the square's letter: empty rather than a
// stand-in, the player's section (RUSR) carrying a text the grid cannot.
char FillByte(const std::string& letters)
{
    const std::string up = Upper(letters);
    return PlainFirst(up) ? up[0] : '-';
}

// Whether the grid byte alone cannot stand for the square's letters.
bool NeedsRebus(const std::string& letters)
{
    return letters.size() > 1 || (letters.size() == 1 && GridByte(letters) != Upper(letters)[0]);
}

// The letters a square starts with: those the puzzle gives, else those a player left.
const std::string& StartText(const DocumentCell& cell)
{
    return !cell.given.empty() ? cell.given : cell.saved;
}

std::string Section(const char* name, const std::string& data)
{
    std::string out(name, 4);
    const uint16_t sum = puz::ChecksumRegion(data.data(), int(data.size()), 0);
    out += char(data.size() & 0xFF);
    out += char(data.size() >> 8);
    out += char(sum & 0xFF);
    out += char(sum >> 8);
    return out + data + '\0';
}

// The strings' part of the file checksum: title, author, copyright and notes with their NUL
// when not empty, every clue without it.
uint16_t StringsChecksum(const std::vector<std::string>& header,
                         const std::vector<std::string>& clues, const std::string& notes,
                         uint16_t sum)
{
    for (const std::string& s : header) {
        if (!s.empty())
            sum = puz::ChecksumRegion(s.c_str(), int(s.size()) + 1, sum);
    }
    for (const std::string& clue : clues)
        sum = puz::ChecksumRegion(clue.data(), int(clue.size()), sum);
    if (!notes.empty())
        sum = puz::ChecksumRegion(notes.c_str(), int(notes.size()) + 1, sum);
    return sum;
}

// The clue strings in the game's order: by number, the across word first.
std::vector<std::string> OrderedClues(const PuzzleDocument& d)
{
    std::vector<std::string> out;
    size_t a = 0;
    size_t k = 0;
    while (a < d.across.size() || k < d.down.size()) {
        const bool across =
            a < d.across.size() && (k >= d.down.size() || d.across[a].number <= d.down[k].number);
        out.push_back(Stored(across ? d.across[a++].text : d.down[k++].text));
    }
    return out;
}

struct Grids {
    std::string solution;
    std::string fill;
    std::string rebusKeys;   // GRBS
    std::string rebusTable;  // RTBL
    std::string circles;     // GEXT
    std::string styles;      // the private square styles
    std::string entries;     // RUSR: the letters left in each square, "" none, each with a NUL
    bool anyRebus = false;
    bool anyCircle = false;
    bool anyStyle = false;
    bool anyEntryRebus = false;
};

ReadResult BuildGrids(const PuzzleDocument& d, Grids* g)
{
    const size_t n = d.cells.size();
    g->solution.assign(n, '.');
    g->fill.assign(n, '.');
    g->rebusKeys.assign(n, '\0');
    g->circles.assign(n, '\0');
    g->styles.assign(n, '\0');
    std::map<std::string, int> keys;
    for (size_t i = 0; i < n; ++i) {
        const DocumentCell& cell = d.cells[i];
        const uint8_t style = (cell.isVoid ? puz::kSquareStyleVoid : 0) |
                              (cell.shaded && !cell.block ? puz::kSquareStyleShaded : 0);
        g->styles[i] = char(style);
        g->anyStyle = g->anyStyle || style;
        if (cell.block) {
            g->entries += '\0';
            continue;
        }
        g->solution[i] = d.hasSolution ? GridByte(cell.solution) : 'X';
        const std::string& start = StartText(cell);
        g->fill[i] = start.empty() ? '-' : FillByte(start);
        // Several letters, or one the grid cannot hold, come in whole from the player's section.
        if (NeedsRebus(start)) {
            g->entries += Upper(Stored(start));
            g->anyEntryRebus = true;
        }
        g->entries += '\0';
        if (cell.circled) {
            g->circles[i] = char(puz::kSquareCircled);
            g->anyCircle = true;
        }
        // The table's entries end at ";": a text holding one plays as its grid byte alone.
        if (!d.hasSolution || !NeedsRebus(cell.solution) ||
            cell.solution.find(';') != std::string::npos)
            continue;
        const std::string text = Upper(Stored(cell.solution));
        auto key = keys.find(text);
        if (key == keys.end()) {
            if (int(keys.size()) >= kMaxRebusKeys)
                return Refuse(kDocumentBeyondCapacity,
                              "The puzzle has more different rebus squares than the game holds.");
            key = keys.emplace(text, int(keys.size())).first;
            char entry[8];
            std::snprintf(entry, sizeof entry, "%2d:", key->second);
            g->rebusTable += entry + text + ";";
        }
        g->rebusKeys[i] = char(key->second + 1);
        g->anyRebus = true;
    }
    return {};
}

bool AnyNonAscii(const PuzzleDocument& d, const std::vector<std::string>& clues)
{
    for (const std::string* s : {&d.title, &d.author, &d.copyright, &d.notes}) {
        if (!IsAscii(*s))
            return true;
    }
    for (const std::string& clue : clues) {
        if (!IsAscii(clue))
            return true;
    }
    for (const DocumentCell& cell : d.cells) {
        if (!IsAscii(cell.solution) || !IsAscii(StartText(cell)))
            return true;
    }
    return false;
}

std::string Header(const PuzzleDocument& d, const Grids& g, const std::vector<std::string>& strings,
                   const std::vector<std::string>& clues, bool utf8)
{
    std::string h(size_t(puz::kGridOffset), '\0');
    std::memcpy(&h[size_t(puz::kMagicOffset)], puz::kMagic, sizeof puz::kMagic);
    std::memcpy(&h[size_t(puz::kVersionOffset)], utf8 ? "2.0" : "1.3", 4);
    h[size_t(puz::kWidthOffset)] = char(d.width);
    h[size_t(puz::kHeightOffset)] = char(d.height);
    puz::WriteShort(&h[puz::kClueCountOffset], int(clues.size()));
    puz::WriteShort(&h[puz::kPuzzleTypeOffset],
                    d.diagramless ? puz::kPuzzleTypeDiagramless : puz::kPuzzleTypeNormal);
    puz::WriteShort(&h[puz::kSolutionStateOffset], d.hasSolution ? 0 : puz::kSolutionAbsent);
    const uint16_t cib =
        puz::ChecksumRegion(h.data() + puz::kHeaderSumStart, puz::kHeaderSumSize, 0);
    puz::WriteShort(&h[puz::kHeaderChecksumOffset], cib);
    const int n = int(g.solution.size());
    uint16_t file = puz::ChecksumRegion(g.solution.data(), n, cib);
    file = puz::ChecksumRegion(g.fill.data(), n, file);
    file = StringsChecksum(strings, clues, d.notes.empty() ? "" : Stored(d.notes), file);
    puz::WriteShort(&h[0], file);
    const uint16_t sums[4] = {cib, puz::ChecksumRegion(g.solution.data(), n, 0),
                              puz::ChecksumRegion(g.fill.data(), n, 0),
                              StringsChecksum(strings, clues, Stored(d.notes), 0)};
    const char mask[] = "ICHEATED";
    for (int k = 0; k < 4; ++k) {
        h[size_t(kMaskedChecksumOffset + k)] = char(mask[k] ^ (sums[k] & 0xFF));
        h[size_t(kMaskedChecksumOffset + 4 + k)] = char(mask[4 + k] ^ (sums[k] >> 8));
    }
    return h;
}

}  // namespace

DocumentRefusal WritePuzImage(const PuzzleDocument& document, std::string* image,
                              std::string* reason)
{
    image->clear();
    PuzzleDocument d = document;
    std::vector<FileClue> across;
    std::vector<FileClue> down;
    for (const DocumentClue& c : document.across)
        across.push_back({std::to_string(c.number), c.number, {}, c.text});
    for (const DocumentClue& c : document.down)
        down.push_back({std::to_string(c.number), c.number, {}, c.text});
    // The clues again by the grid's own words: a document made by hand is held to the same
    // capacities and numbering as one a reader made.
    ReadResult result = AttachClues(&d, across, down, {});
    Grids g;
    if (result.refusal == kDocumentAccepted)
        result = BuildGrids(d, &g);
    if (result.refusal != kDocumentAccepted) {
        if (reason)
            *reason = result.reason;
        return result.refusal;
    }
    const std::vector<std::string> clues = OrderedClues(d);
    const std::vector<std::string> strings = {Stored(d.title), Stored(d.author),
                                              Stored(d.copyright)};
    const bool utf8 = AnyNonAscii(d, clues);
    std::string out = Header(d, g, strings, clues, utf8) + g.solution + g.fill;
    for (const std::string& s : strings)
        out += s + '\0';
    for (const std::string& clue : clues)
        out += clue + '\0';
    out += Stored(d.notes) + '\0';
    if (g.anyRebus)
        out += Section("GRBS", g.rebusKeys) + Section("RTBL", g.rebusTable);
    if (g.anyCircle)
        out += Section("GEXT", g.circles);
    if (g.anyStyle)
        out += Section(puz::kSquareStyleSection, g.styles);
    if (g.anyEntryRebus)
        out += Section("RUSR", g.entries);
    if (out.size() > size_t(kDocumentMaxImage)) {
        if (reason)
            *reason = "The puzzle is too large for the game: it needs " +
                      std::to_string(out.size()) + " bytes, and the game holds 16000.";
        return kDocumentImageTooLarge;
    }
    *image = std::move(out);
    if (reason)
        reason->clear();
    return kDocumentAccepted;
}
