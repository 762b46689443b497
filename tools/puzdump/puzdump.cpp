// puzdump FILE.puz: reads a puzzle file with the game's own reader and prints the grid size,
// the title, author and copyright and every numbered word as JSON (the field names of the
// test corpus's oracle records). A refused file prints its reason and exits with 1.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_state.h"
#include "puzzle_reader.h"
#include "puzzle_text.h"

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

int FirstCellOf(int number)
{
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        if (gGame.cells[i].number == number)
            return i;
    }
    return -1;
}

void PrintWord(const ClueEntry& word, bool down, bool first)
{
    const int cell = FirstCellOf(word.number);
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: puzdump FILE.puz\n");
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
    for (; it != end && bytes.size() <= size_t(kMaxPuzzleFile); ++it)
        bytes.push_back(*it);

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
    std::printf("\n]}\n");
    return 0;
}
