// Refusing what the game cannot hold. A real file's header may sit a few bytes into the
// file, so the header is found by its magic; every offset counts from the header's start.
#include "puzzle_image_check.h"

#include <cstring>

#include "puz_layout.h"

namespace {

using puz::kGridOffset;
using puz::kHeightOffset;
using puz::kMagic;
using puz::kMagicOffset;
using puz::kVersionOffset;
using puz::kWidthOffset;

int FindHeader(const char* bytes, int size)
{
    for (int i = kMagicOffset; i + int(sizeof kMagic) <= size; ++i) {
        if (std::memcmp(bytes + i, kMagic, sizeof kMagic) == 0)
            return i - kMagicOffset;
    }
    return -1;
}

}  // namespace

PuzzleRefusal CheckPuzzleImage(const char* bytes, int size, PuzzleLayout* layout)
{
    if (size > kMaxPuzzleFile)
        return kPuzzleFileTooLarge;
    const int header = FindHeader(bytes, size);
    if (header < 0)
        return kPuzzleNoMagic;
    if (header + kGridOffset > size)
        return kPuzzleTruncated;
    const char* h = bytes + header;
    // Every real file gets this checksum right; one that does not has a damaged header, whose
    // sizes would read as another grid altogether. The file's other checksums are often
    // wrong in real files and stay unchecked.
    if (puz::ChecksumRegion(h + puz::kHeaderSumStart, puz::kHeaderSumSize, 0) !=
        puz::ReadShort(h + puz::kHeaderChecksumOffset))
        return kPuzzleDamaged;
    layout->headerOffset = header;
    layout->width = static_cast<signed char>(h[kWidthOffset]);
    layout->height = static_cast<signed char>(h[kHeightOffset]);
    layout->encoding =
        std::memcmp(h + kVersionOffset, "2.", 2) == 0 ? kEncodingUtf8 : kEncodingAnsi;
    if (layout->width == 0)
        return kPuzzleAccepted;  // read as an empty 15 x 15 grid, nothing else is used
    // A grid of columns without rows could be read, but never saved and restored.
    if (layout->width < 0 || layout->width > kMaxSide || layout->height <= 0 ||
        layout->height > kMaxSide)
        return kPuzzleBadSize;
    const int n = layout->width * layout->height;
    if (n > kMaxCells)
        return kPuzzleTooManySquares;
    if (header + kGridOffset + 2 * n > size)
        return kPuzzleTruncated;

    const char* solution = h + kGridOffset;
    int across = 0;
    int down = 0;
    for (int i = 0; i < n; ++i) {
        across += StartsAcross(solution, layout->width, i);
        down += StartsDown(solution, layout->width, layout->height, i);
    }
    if (across > kMaxWords || down > kMaxWords)
        return kPuzzleTooManyWords;
    if (across + down > kMaxClues)
        return kPuzzleTooManyClues;

    // Title, author, copyright and one string per word must all start inside the file.
    int at = header + kGridOffset + 2 * n;
    for (int k = 0; k < 3 + across + down; ++k) {
        if (at >= size)
            return kPuzzleTruncated;
        const void* nul = std::memchr(bytes + at, 0, size_t(size - at));
        at = nul ? int(static_cast<const char*>(nul) - bytes) + 1 : size + 1;
    }
    return kPuzzleAccepted;
}
