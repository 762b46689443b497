// Text helpers the readers share: UTF-8 checks, the older .puz code page, labels as numbers.
#include <cstdint>

#include "formats_internal.h"

bool IsUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto b = uint8_t(text[i]);
        int follow = 0;
        uint32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            follow = 1;
            code = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            follow = 2;
            code = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            follow = 3;
            code = b & 0x07;
        } else {
            return false;
        }
        if (i + size_t(follow) >= text.size())
            return false;
        for (int k = 1; k <= follow; ++k) {
            const auto c = uint8_t(text[i + size_t(k)]);
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        static const uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (code < kLeast[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += size_t(follow) + 1;
    }
    return true;
}

void AppendUtf8(std::string* out, uint32_t code)
{
    if (code < 0x80) {
        *out += char(code);
    } else if (code < 0x800) {
        *out += char(0xC0 | (code >> 6));
        *out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out += char(0xE0 | (code >> 12));
        *out += char(0x80 | ((code >> 6) & 0x3F));
        *out += char(0x80 | (code & 0x3F));
    } else {
        *out += char(0xF0 | (code >> 18));
        *out += char(0x80 | ((code >> 12) & 0x3F));
        *out += char(0x80 | ((code >> 6) & 0x3F));
        *out += char(0x80 | (code & 0x3F));
    }
}

std::string Windows1252ToUtf8(std::string_view text)
{
    // 0x80-0x9F of the code page; 0 where it has no character (kept as U+FFFD).
    static const uint16_t kHigh[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto b = uint8_t(ch);
        uint32_t code = b;
        if (b >= 0x80 && b < 0xA0)
            code = kHigh[b - 0x80] ? kHigh[b - 0x80] : 0xFFFD;
        AppendUtf8(&out, code);
    }
    return out;
}

std::string Trimmed(std::string_view text)
{
    const char* space = " \t\r\n\f\v";
    const size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos)
        return "";
    const size_t last = text.find_last_not_of(space);
    return std::string(text.substr(first, last - first + 1));
}

int LabelNumber(std::string_view label)
{
    const std::string trimmed = Trimmed(label);
    if (trimmed.empty() || trimmed.size() > 6)
        return -1;
    int number = 0;
    for (char c : trimmed) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number > 0 ? number : -1;
}
