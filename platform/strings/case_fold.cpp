// Simple one-to-one case folding; no locale, so the same names match on every host.
#include "strings/case_fold.h"

int CompareFolded(std::u16string_view a, std::u16string_view b)
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const char16_t x = FoldCase(a[i]);
        const char16_t y = FoldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

char16_t FoldCase(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return char16_t(c + 32);
    if (c == 0x178)
        return 0xFF;
    // Latin Extended-A pairs upper/lower case as even/odd, except in 0x139-0x148 and
    // 0x179-0x17E where the upper-case letter is odd; 0x130, 0x131, 0x138, 0x149 stand alone.
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return char16_t(c | 1);
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c & 1) ? char16_t(c + 1) : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return char16_t(c + 32);
    if (c >= 0x410 && c <= 0x42F)
        return char16_t(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return char16_t(c + 80);
    return c;
}
