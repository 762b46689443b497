// Square texts over entries, playerRebus and the rebus table.
#include "square_text.h"

#include <cstring>

#include "diagramless.h"
#include "puz_layout.h"

namespace {

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

bool SameIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (Upper(*a) != Upper(*b))
            return false;
    }
    return *a == *b;
}

// Whether `text` is well-formed UTF-8: each lead byte followed by as many continuation bytes
// as it announces.
bool WholeUtf8Characters(const char* text, int length)
{
    for (int k = 0; k < length;) {
        const unsigned char lead = static_cast<unsigned char>(text[k]);
        const int size = lead < 0x80   ? 1
                         : lead < 0xC2 ? 0  // a continuation byte, or an overlong lead
                         : lead < 0xE0 ? 2
                         : lead < 0xF0 ? 3
                         : lead < 0xF5 ? 4
                                       : 0;
        if (size == 0 || k + size > length)
            return false;
        for (int c = 1; c < size; ++c) {
            if ((static_cast<unsigned char>(text[k + c]) & 0xC0) != 0x80)
                return false;
        }
        k += size;
    }
    return true;
}

}  // namespace

bool IsEntryByte(int b)
{
    if (b == '.' || b == '-' || (b >= 'a' && b <= 'z'))
        return false;
    if (b > 0x20 && b < 0x7F)
        return true;
    // One byte is one character only in the code page; in UTF-8 it is a piece of one. The
    // no-break space and the soft hyphen are spaces in all but name.
    return gGame.textEncoding == kEncodingAnsi && b >= 0x80 && b <= 0xFF && b != 0xA0 && b != 0xAD;
}

bool SquareCircled(int i)
{
    return (gGame.squareFlags[i] & puz::kSquareCircled) != 0;
}

bool SquareVoid(int i)
{
    return (gGame.squareStyles[i] & puz::kSquareStyleVoid) != 0;
}

bool SquareShaded(int i)
{
    return (gGame.squareStyles[i] & puz::kSquareStyleShaded) != 0;
}

void SquareSolutionText(int i, char* text)
{
    const int key = gGame.rebusKeys[i];
    if (key) {
        std::memcpy(text, gGame.rebusTable[key - 1], kRebusTextSize);
        return;
    }
    text[0] = gGame.solution[i];
    text[1] = 0;
}

void SquareEntryText(int i, char* text)
{
    if (gGame.playerRebus[i][0]) {
        std::memcpy(text, gGame.playerRebus[i], kRebusTextSize);
        return;
    }
    const char e = gGame.entries[i];
    text[0] = e == '-' || e == '.' ? 0 : e;
    text[1] = 0;
}

void PutSquareEntry(int i, const char* text)
{
    if (!SquareTakesEntry(i))
        return;
    int length = 0;
    while (text[length] && length < kRebusTextSize - 1)
        ++length;
    gGame.entries[i] = length ? Upper(text[0]) : '-';
    gGame.playerRebus[i][0] = 0;
    if (length > 1) {
        for (int k = 0; k < length; ++k)
            gGame.playerRebus[i][k] = Upper(text[k]);
        gGame.playerRebus[i][length] = 0;
    }
}

void PutForeignEntry(int i, const char* text)
{
    const bool utf8 = gGame.textEncoding == kEncodingUtf8;
    int length = 0;
    for (; text[length]; ++length) {
        const int b = static_cast<unsigned char>(Upper(text[length]));
        if (!IsEntryByte(b) && !(utf8 && b >= 0x80))
            return;
    }
    // Bytes beyond ASCII must make whole characters: a stray one would stand alone in the
    // grid, where no rebus text explains it.
    if (utf8 && !WholeUtf8Characters(text, length))
        return;
    int kept = length < kRebusTextSize - 1 ? length : kRebusTextSize - 1;
    while (utf8 && kept > 0 && kept < length &&
           (static_cast<unsigned char>(text[kept]) & 0xC0) == 0x80)
        --kept;
    if (kept == 0)
        return;  // nothing but pieces of characters
    char cut[kRebusTextSize];
    std::memcpy(cut, text, size_t(kept));
    cut[kept] = 0;
    PutSquareEntry(i, cut);
}

void RevealSquare(int i)
{
    char text[kRebusTextSize];
    SquareSolutionText(i, text);
    PutSquareEntry(i, text);
    // The entries grid keeps the solution byte itself, digits and symbols included.
    gGame.entries[i] = gGame.solution[i];
}

bool SquareEntryRight(int i)
{
    if (!gGame.playerRebus[i][0])
        return gGame.entries[i] == gGame.solution[i];
    char solution[kRebusTextSize];
    SquareSolutionText(i, solution);
    return SameIgnoringCase(gGame.playerRebus[i], solution);
}
