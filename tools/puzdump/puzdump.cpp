// puzdump FILE: reads a puzzle file with the game's own reader and prints the grid size,
// the title, author, copyright and notes, every numbered word, and under "details" the extra
// sections (circles, rebus squares, timer, the player's rebus), the lock and the keys that
// open it, as JSON in the field names of the test corpus's oracle records. A file of another
// format (.ipuz, .jpz, .xd) is read as the game will read it: into a document, then as the
// .puz image written from it. A refused file prints its reason and exits with 1.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_state.h"
#include "play_cursor.h"
#include "play_time.h"
#include "puz_image.h"
#include "puz_layout.h"
#include "puzzle_reader.h"
#include "puzzle_sections.h"
#include "puzzle_text.h"
#include "read_puzzle_document.h"
#include "solution_lock.h"

namespace {

std::string Utf8(const WCHAR* wide)
{
    char out[4 * kMaxPuzzleFile];
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, sizeof out, nullptr, nullptr);
    return n > 0 ? std::string(out, size_t(n - 1)) : std::string();
}

std::string PuzzleText(const char* text)
{
    static WCHAR wide[kMaxPuzzleFile + 1];
    WidenPuzzleText(text, wide, kMaxPuzzleFile + 1);
    return Utf8(wide);
}

std::string Quoted(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

// The three lines of headerLine: title, author, copyright.
std::vector<std::string> HeaderParts()
{
    std::vector<std::string> parts(1);
    for (const char* p = gGame.headerLine; *p; ++p) {
        if (*p == '\n')
            parts.emplace_back();
        else
            parts.back() += *p;
    }
    parts.resize(3);
    return parts;
}

void PrintWord(const ClueEntry& word, bool down, bool first)
{
    const int cell = SquareNumbered(word.number);
    const int step = down ? gGame.width : 1;
    std::string answer;
    for (int i = 0; i < word.length; ++i)
        answer += gGame.solution[cell + i * step];
    const char* clue = word.clueIndex >= 0 && word.clueIndex < gGame.clueCount
                           ? gGame.clueTexts[word.clueIndex]
                           : "";
    std::printf("%s\n  {\"num\":%d,\"dir\":\"%s\",\"cell\":%d,\"row\":%d,\"col\":%d,\"len\":%d,"
                "\"answer\":%s,\"clue\":%s}",
                first ? "" : ",", word.number, down ? "D" : "A", cell, cell / gGame.width,
                cell % gGame.width, word.length, Quoted(PuzzleText(answer.c_str())).c_str(),
                Quoted(PuzzleText(clue)).c_str());
}

// A JSON object of cell index (or key) -> text, from the rows where `text` gives one.
template <typename Text> std::string TextMap(int count, Text text)
{
    std::string out = "{";
    for (int i = 0; i < count; ++i) {
        const std::string t = text(i);
        if (t.empty())
            continue;
        if (out.size() > 1)
            out += ",";
        out += "\"" + std::to_string(i) + "\":" + Quoted(t);
    }
    return out + "}";
}

std::string Circles()
{
    std::string out = "[";
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        if (gGame.squareFlags[i] & puz::kSquareCircled)
            out += (out.size() > 1 ? "," : "") + std::to_string(i);
    }
    return out + "]";
}

// The player's rebus entries of the RUSR section: a string per square, "" for none.
std::string UserRebus(const PuzzleSection* sections, int count)
{
    for (int k = 0; k < count; ++k) {
        if (std::string(sections[k].name) != "RUSR" || !sections[k].checksumOk)
            continue;
        std::vector<std::string> cells;
        std::string cell;
        for (int i = 0; i < sections[k].size; ++i) {
            if (sections[k].data[i] == 0) {
                cells.push_back(cell);
                cell.clear();
            } else {
                cell += char(sections[k].data[i]);
            }
        }
        if (!cell.empty())
            cells.push_back(cell);  // the last string may end with the section
        return TextMap(int(cells.size()),
                       [&](int i) { return PuzzleText(cells[size_t(i)].c_str()); });
    }
    return "";
}

// Every key from 1000 to 9999 that opens a locked solution, and what each one gives.
std::string Unlock()
{
    std::string keys = "[";
    std::string solutions = "{";
    const std::string locked(gGame.solution, size_t(gGame.width * gGame.height));
    for (int key = 1000; key <= 9999; ++key) {
        if (!UnlockSolution(key))
            continue;
        const std::string open(gGame.solution, locked.size());
        keys += (keys.size() > 1 ? "," : "") + std::to_string(key);
        solutions += std::string(solutions.size() > 1 ? "," : "") + "\"" + std::to_string(key) +
                     "\":" + Quoted(open);
        std::memcpy(gGame.solution, locked.data(), locked.size());
        gGame.solutionState = kSolutionLocked;
    }
    return "{\"keys\":" + keys + "],\"solutions\":" + solutions + "}}";
}

void PrintDetails(const char* image, int size)
{
    PuzzleSection sections[16];
    const char* at = gGame.notes;
    const unsigned char* end = reinterpret_cast<const unsigned char*>(image) + size;
    int count = 0;
    if (at >= gGame.fileBuffer && at < gGame.fileBuffer + gGame.fileSize) {
        const auto* start = reinterpret_cast<const unsigned char*>(image) +
                            (at - gGame.fileBuffer) + std::strlen(at) + 1;
        count = start < end ? ScanPuzzleSections(start, end, sections, 16) : 0;
        count = count < 16 ? count : 16;
    }
    std::string list = "[";
    for (int k = 0; k < count; ++k)
        list += std::string(k ? "," : "") + "{\"name\":" + Quoted(sections[k].name) +
                ",\"length\":" + std::to_string(sections[k].size) +
                ",\"checksum_ok\":" + (sections[k].checksumOk ? "true" : "false") + "}";
    const int n = gGame.width * gGame.height;
    std::printf(",\n\"details\":{\"scrambled\":%s,\"no_solution\":%s,\"sections\":%s],"
                "\"circles\":%s,\"rebus_table\":%s,\"rebus_cells\":%s",
                gGame.solutionState == kSolutionLocked ? "true" : "false",
                gGame.solutionState == kSolutionMissing ? "true" : "false", list.c_str(),
                Circles().c_str(),
                TextMap(kRebusKeys, [](int k) { return PuzzleText(gGame.rebusTable[k]); }).c_str(),
                TextMap(n, [](int i) {
                    return gGame.rebusKeys[i] ? PuzzleText(gGame.rebusTable[gGame.rebusKeys[i] - 1])
                                              : std::string();
                }).c_str());
    for (int k = 0; k < count; ++k) {
        if (std::string(sections[k].name) == "LTIM" && sections[k].checksumOk)
            std::printf(",\"timer\":\"%d,%d\"", ClockSeconds(), ClockStoppedInFile() ? 1 : 0);
    }
    const std::string user = UserRebus(sections, count);
    if (!user.empty())
        std::printf(",\"user_rebus\":%s", user.c_str());
    if (gGame.solutionState == kSolutionLocked)
        std::printf(",\"unlock\":%s", Unlock().c_str());
    std::printf("}");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: puzdump FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::printf("{\"file\":%s,\"error\":%s}\n", Quoted(argv[1]).c_str(),
                    Quoted(PuzzleRefusalText(kPuzzleCannotOpen)).c_str());
        return 1;
    }
    // One byte over the limit is enough to tell a file that is too large.
    std::vector<char> bytes;
    std::istreambuf_iterator<char> it(in), end;
    for (; it != end && bytes.size() <= size_t(kDocumentMaxInput); ++it)
        bytes.push_back(*it);
    int headerOffset = 0;
    if (bytes.size() > size_t(kMaxPuzzleFile) ||
        CheckPuzzleBytes(bytes.data(), int(bytes.size()), &headerOffset) == kPuzzleNoMagic) {
        PuzzleDocument document;
        std::string reason;
        std::string image;
        if (ReadPuzzleDocument(bytes.data(), bytes.size(), &document, &reason) !=
                kDocumentAccepted ||
            WritePuzImage(document, &image, &reason) != kDocumentAccepted) {
            std::printf("{\"file\":%s,\"error\":%s}\n", Quoted(argv[1]).c_str(),
                        Quoted(reason).c_str());
            return 1;
        }
        bytes.assign(image.begin(), image.end());
    }

    ResetGameState();
    if (!LoadPuzzleImage(bytes.data(), int(bytes.size()))) {
        std::printf("{\"file\":%s,\"error\":%s}\n", Quoted(argv[1]).c_str(),
                    Quoted(PuzzleRefusalText(LastPuzzleRefusal())).c_str());
        return 1;
    }
    ParsePuzzle();

    const std::vector<std::string> header = HeaderParts();
    std::printf("{\"width\":%d,\"height\":%d,\"title\":%s,\"author\":%s,\"copyright\":%s,"
                "\"notes\":%s,\"num_clues\":%d,\"entries\":[",
                gGame.width, gGame.height, Quoted(PuzzleText(header[0].c_str())).c_str(),
                Quoted(PuzzleText(header[1].c_str())).c_str(),
                Quoted(PuzzleText(header[2].c_str())).c_str(),
                Quoted(PuzzleText(gGame.notes)).c_str(), gGame.clueCount);
    // Words in clue order: by number, the across word first.
    int a = 0;
    int d = 0;
    bool first = true;
    while (gGame.acrossClues[a].clueIndex != -1 || gGame.downClues[d].clueIndex != -1) {
        const bool takeDown = gGame.acrossClues[a].clueIndex == -1 ||
                              (gGame.downClues[d].clueIndex != -1 &&
                               gGame.downClues[d].clueIndex < gGame.acrossClues[a].clueIndex);
        PrintWord(takeDown ? gGame.downClues[d++] : gGame.acrossClues[a++], takeDown, first);
        first = false;
        if (a >= kMaxWords || d >= kMaxWords)
            break;
    }
    std::printf("\n]");
    PrintDetails(bytes.data(), int(bytes.size()));
    std::printf("}\n");
    return 0;
}
