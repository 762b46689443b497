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

namespace {

// The capital of a Latin letter; anything else as it is.
WCHAR CapitalOf(WCHAR ch)
{
    if ((ch >= u'a' && ch <= u'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7))
        return WCHAR(ch - 0x20);
    switch (ch) {
    case 0xFF: return 0x178;   // y with diaeresis
    case 0x153: return 0x152;  // oe
    case 0x161: return 0x160;  // s with caron
    case 0x17E: return 0x17D;  // z with caron
    }
    return ch;
}

}  // namespace

int NarrowTypedCharacter(WCHAR ch, char* out, int room)
{
    const WCHAR capital = CapitalOf(ch);
    char bytes[4];
    BOOL lossy = FALSE;
    const int count =
        gGame.textEncoding == kEncodingUtf8
            ? WideCharToMultiByte(CP_UTF8, 0, &capital, 1, bytes, sizeof bytes, nullptr, nullptr)
            : WideCharToMultiByte(CP_ACP, 0, &capital, 1, bytes, sizeof bytes, nullptr, &lossy);
    if (count <= 0 || count > room || lossy)
        return 0;
    std::memcpy(out, bytes, size_t(count));
    return count;
}

int WidenPuzzleText(const char* text, WCHAR* out, int outChars)
{
    return WidenPuzzleTextAs(gGame.textEncoding, text, out, outChars);
}
