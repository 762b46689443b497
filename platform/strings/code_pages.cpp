// MultiByteToWideChar and WideCharToMultiByte for the device's two code pages: Windows-1252
// (CP_ACP) and UTF-8. The 0x80-0x9F block of Windows-1252 holds typographic characters,
// not C1 controls; its five unassigned bytes map to the C1 code points of the same value,
// as the handheld does, so every byte survives a round trip.
#include <string>

#include "strings/unicode.h"
#include "winbase.h"
#include "winerror.h"
#include "winnls.h"

namespace {

const char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t Widen1252(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? kHigh1252[b - 0x80] : b;
}

// The Windows-1252 byte for `c`, or -1 when the code page has none.
int Narrow1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kHigh1252[i] == c)
            return 0x80 + i;
    }
    return -1;
}

bool IsAnsi(UINT codePage)
{
    return codePage == CP_ACP || codePage == CP_1252;
}

// Copies `text` into the caller's buffer with the size rules both conversions share:
// a size of 0 asks for the length only.
template <typename Char, typename String> int Deliver(const String& text, Char* out, int outSize)
{
    const int need = int(text.size());
    if (outSize == 0)
        return need;
    if (need > outSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (int i = 0; i < need; ++i)
        out[i] = Char(text[i]);
    return need;
}

}  // namespace

int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int byteCount, LPWSTR wide,
                               int wideChars)
{
    if (!text || byteCount == 0 || byteCount < -1 || wideChars < 0 || (wideChars > 0 && !wide) ||
        !(IsAnsi(codePage) || codePage == CP_UTF8)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // -1 means "up to and including the NUL".
    const size_t size = byteCount == -1 ? std::char_traits<char>::length(text) + 1 : byteCount;
    auto bytes = reinterpret_cast<const unsigned char*>(text);
    std::u16string out;
    if (IsAnsi(codePage)) {
        out.reserve(size);
        for (size_t i = 0; i < size; ++i)
            out.push_back(Widen1252(bytes[i]));
    } else {
        if (flags & MB_ERR_INVALID_CHARS) {
            for (size_t i = 0; i < size;) {
                size_t used;
                if (DecodeUtf8(bytes + i, size - i, &used) < 0) {
                    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                    return 0;
                }
                i += used;
            }
        }
        out = Utf8ToUtf16(std::string_view(text, size));
    }
    return Deliver(out, wide, wideChars);
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR wide, int wideChars,
                               LPSTR text, int byteCount, LPCSTR defaultChar, LPBOOL usedDefault)
{
    const bool utf8 = codePage == CP_UTF8;
    if (!wide || wideChars == 0 || wideChars < -1 || byteCount < 0 || (byteCount > 0 && !text) ||
        !(IsAnsi(codePage) || utf8) || (utf8 && (defaultChar || usedDefault))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const size_t size =
        wideChars == -1 ? std::char_traits<char16_t>::length(wide) + 1 : size_t(wideChars);
    std::string out;
    if (utf8) {
        out = Utf16ToUtf8(std::u16string_view(wide, size));
    } else {
        const char replacement = defaultChar ? *defaultChar : '?';
        bool replaced = false;
        out.reserve(size);
        for (size_t i = 0; i < size; ++i) {
            const int b = Narrow1252(wide[i]);
            // A surrogate pair is one character and gets one replacement.
            if (b < 0 && wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < size &&
                wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF)
                ++i;
            replaced |= b < 0;
            out.push_back(b < 0 ? replacement : char(b));
        }
        if (usedDefault)
            *usedDefault = replaced ? TRUE : FALSE;
    }
    return Deliver(out, text, byteCount);
}
