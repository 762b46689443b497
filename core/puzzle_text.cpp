#include "puzzle_text.h"

#include <cstring>

int WidenPuzzleTextAs(int encoding, const char* text, WCHAR* out, int outChars)
{
    if (!out || outChars <= 0)
        return 0;
    out[0] = 0;
    if (!text || !*text)
        return 0;
    // A puzzle string is at most a file long, and widens to at most one WCHAR per byte.
    static WCHAR wide[kMaxPuzzleFile + 1];
    const void* end = std::memchr(text, 0, kMaxPuzzleFile);
    const int bytes = end ? int(static_cast<const char*>(end) - text) : kMaxPuzzleFile;
    const UINT codePage = encoding == kEncodingUtf8 ? CP_UTF8 : CP_ACP;
    int length = MultiByteToWideChar(codePage, 0, text, bytes, wide, kMaxPuzzleFile);
    if (length > outChars - 1) {
        length = outChars - 1;
        if (length > 0 && wide[length - 1] >= 0xD800 && wide[length - 1] <= 0xDBFF)
            --length;  // never keep half of a surrogate pair
    }
    std::memcpy(out, wide, sizeof(WCHAR) * size_t(length));
    out[length] = 0;
    return length;
}

int WidenPuzzleText(const char* text, WCHAR* out, int outChars)
{
    return WidenPuzzleTextAs(gGame.textEncoding, text, out, outChars);
}
