// The scan keeps to the bytes it was given whatever they hold: every step checks `size`.
#include "title_scan.h"

#include "puz_layout.h"

namespace {

constexpr int kZerosBeforeGrid = 4;

bool IsSolutionStart(unsigned char c)
{
    return c == '.' || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool ScanPuzzleTitle(const unsigned char* bytes, int size, char* title, int titleSize)
{
    if (titleSize <= 0)
        return false;
    title[0] = 0;
    if (size <= puz::kHeightOffset)
        return false;
    const int squares = int(bytes[puz::kWidthOffset]) * int(bytes[puz::kHeightOffset]);
    int at = puz::kHeightOffset;
    for (int zeros = 0; at < size && zeros < kZerosBeforeGrid; ++at)
        zeros += bytes[at] == 0;
    while (at < size && !IsSolutionStart(bytes[at]))
        ++at;
    at += 2 * squares;
    if (at >= size)
        return false;
    int length = 0;
    while (at + length < size && bytes[at + length] && length + 1 < titleSize) {
        title[length] = char(bytes[at + length]);
        ++length;
    }
    title[length] = 0;
    return true;
}
