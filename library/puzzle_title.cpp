// Title scan and proposed name of a downloaded puzzle.
#include "puzzle_title.h"

namespace {

constexpr int kWidthOffset = 0x2C;
constexpr int kHeightOffset = 0x2D;
constexpr int kZerosBeforeGrid = 4;
constexpr int kTitleCharacters = 50;
constexpr int kNameCharacters = 10;

bool IsSolutionStart(unsigned char c)
{
    return c == '.' || (c >= 'A' && c <= 'Z');
}

bool IsNameCharacter(WCHAR c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

}  // namespace

void ScanPuzzleTitle(const unsigned char* bytes, int size, char* title, int titleSize)
{
    title[0] = 0;
    if (size <= kHeightOffset || titleSize <= 0)
        return;
    const int squares = int(bytes[kWidthOffset]) * int(bytes[kHeightOffset]);
    int at = kHeightOffset;
    for (int zeros = 0; at < size && zeros < kZerosBeforeGrid; ++at)
        zeros += bytes[at] == 0;
    while (at < size && !IsSolutionStart(bytes[at]))
        ++at;
    at += 2 * squares;
    int length = 0;
    while (at + length < size && bytes[at + length] && length + 1 < titleSize) {
        title[length] = char(bytes[at + length]);
        ++length;
    }
    title[length] = 0;
}

void ProposedNameOf(const char* title, WCHAR* name)
{
    WCHAR wide[kTitleCharacters + 1] = {};
    int titleBytes = 0;
    while (titleBytes < kTitleCharacters && title[titleBytes])
        ++titleBytes;
    MultiByteToWideChar(CP_ACP, 0, title, titleBytes, wide, kTitleCharacters);
    int kept = 0;
    for (int i = 0; i < kTitleCharacters && wide[i] && kept < kNameCharacters; ++i)
        if (IsNameCharacter(wide[i]))
            name[kept++] = wide[i];
    name[kept] = 0;
}
