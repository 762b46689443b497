// Sections are framed by the file, so a reader can step over those it does not know; the
// checksum of each covers its data only.
#include "puzzle_sections.h"

#include <cstring>

#include "play_time.h"
#include "puz_layout.h"
#include "square_text.h"

namespace {

constexpr int kMostSections = 16;

bool Named(const PuzzleSection& s, const char* name)
{
    return std::memcmp(s.name, name, 4) == 0;
}

// RTBL: entries "nn:TEXT;" with the key right-aligned in two places. A malformed entry or
// a text that does not fit drops the whole table.
bool ReadRebusTable(const unsigned char* data, int size)
{
    int at = 0;
    while (at < size) {
        int key = 0;
        int digits = 0;
        while (at < size && data[at] == ' ')
            ++at;
        while (at < size && data[at] >= '0' && data[at] <= '9' && digits < 3) {
            key = key * 10 + (data[at++] - '0');
            ++digits;
        }
        if (digits == 0 || key >= kRebusKeys || at >= size || data[at++] != ':')
            return false;
        int length = 0;
        while (at + length < size && data[at + length] != ';')
            ++length;
        if (at + length >= size || length == 0 || length >= kRebusTextSize)
            return false;
        std::memcpy(gGame.rebusTable[key], data + at, size_t(length));
        gGame.rebusTable[key][length] = 0;
        at += length + 1;
    }
    return true;
}

// LTIM: "seconds,state", state 0 running and 1 stopped.
bool ReadTimer(const unsigned char* data, int size)
{
    int at = 0;
    long seconds = 0;
    while (at < size && data[at] >= '0' && data[at] <= '9' && seconds < 100000000)
        seconds = seconds * 10 + (data[at++] - '0');
    if (at == 0 || at + 2 != size || data[at] != ',' ||
        (data[at + 1] != '0' && data[at + 1] != '1'))
        return false;
    StartClock(int(seconds), data[at + 1] == '1');
    return true;
}

// XSQF: a byte of style flags per square. A byte with a flag the game does not know drops
// the section; a void open square or a shaded black one is drawn as what it is.
void ReadSquareStyles(const unsigned char* data, int n)
{
    constexpr uint8_t known = puz::kSquareStyleVoid | puz::kSquareStyleShaded;
    for (int i = 0; i < n; ++i) {
        if (data[i] & ~known)
            return;
    }
    for (int i = 0; i < n; ++i) {
        const bool black = gGame.solution[i] == '.';
        gGame.squareStyles[i] = data[i] & (black ? puz::kSquareStyleVoid : puz::kSquareStyleShaded);
    }
}

// RUSR: a NUL-terminated text per square, "" for none: the entries another program kept,
// rebus ones whole. It fits the grid when it holds exactly one text per square and none on a
// black square.
bool PlayerRebusFits(const unsigned char* data, int size, int n)
{
    int at = 0;
    for (int i = 0; i < n; ++i) {
        const int start = at;
        while (at < size && data[at])
            ++at;
        if (at >= size || (at > start && gGame.solution[i] == '.'))
            return false;
        ++at;
    }
    return at == size;
}

void ReadPlayerRebus(const unsigned char* data, int size, int n)
{
    if (!PlayerRebusFits(data, size, n))
        return;
    const char* text = reinterpret_cast<const char*>(data);
    for (int i = 0; i < n; ++i) {
        if (*text)
            PutForeignEntry(i, text);
        text += std::strlen(text) + 1;
    }
}

}  // namespace

int ScanPuzzleSections(const unsigned char* at, const unsigned char* end, PuzzleSection* sections,
                       int capacity)
{
    int found = 0;
    while (end - at >= puz::kSectionHeadSize + 1) {
        const int size = puz::ReadShort(at + 4);
        if (end - at < puz::kSectionHeadSize + size + 1)
            break;
        const unsigned char* data = at + puz::kSectionHeadSize;
        if (found < capacity) {
            PuzzleSection& s = sections[found];
            std::memcpy(s.name, at, 4);
            s.name[4] = 0;
            s.size = size;
            s.checksumOk = puz::ChecksumRegion(data, size, 0) == puz::ReadShort(at + 6);
            s.data = data;
        }
        ++found;
        at = data + size + 1;
    }
    return found;
}

void ReadPuzzleSections(const char* at, const char* end, bool restored)
{
    const int n = gGame.width * gGame.height;
    std::memset(gGame.squareFlags, 0, sizeof gGame.squareFlags);
    std::memset(gGame.squareStyles, 0, sizeof gGame.squareStyles);
    std::memset(gGame.rebusKeys, 0, sizeof gGame.rebusKeys);
    std::memset(gGame.rebusTable, 0, sizeof gGame.rebusTable);
    StartClock(0, false);
    if (!at || at >= end || n <= 0)
        return;

    PuzzleSection sections[kMostSections];
    int count =
        ScanPuzzleSections(reinterpret_cast<const unsigned char*>(at),
                           reinterpret_cast<const unsigned char*>(end), sections, kMostSections);
    count = count < kMostSections ? count : kMostSections;
    bool haveTable = false;
    for (int k = 0; k < count; ++k) {
        const PuzzleSection& s = sections[k];
        if (!s.checksumOk)
            continue;
        if (Named(s, "GEXT") && s.size == n) {
            std::memcpy(gGame.squareFlags, s.data, size_t(n));
        } else if (Named(s, "GRBS") && s.size == n) {
            std::memcpy(gGame.rebusKeys, s.data, size_t(n));
        } else if (Named(s, "RTBL") && !haveTable) {
            haveTable = ReadRebusTable(s.data, s.size);
            if (!haveTable)
                std::memset(gGame.rebusTable, 0, sizeof gGame.rebusTable);
        } else if (Named(s, "LTIM")) {
            ReadTimer(s.data, s.size);
        } else if (Named(s, puz::kSquareStyleSection) && s.size == n) {
            ReadSquareStyles(s.data, n);
        } else if (Named(s, "RUSR") && !restored) {
            ReadPlayerRebus(s.data, s.size, n);
        }
    }
    // A rebus square whose key the table does not have plays as its letter alone.
    for (int i = 0; i < n; ++i) {
        if (gGame.rebusKeys[i] && !gGame.rebusTable[gGame.rebusKeys[i] - 1][0])
            gGame.rebusKeys[i] = 0;
    }
}
