// The l-string helpers, _wtoi and wsprintfW.
#include <gtest/gtest.h>

#include <string>

#include "windows.h"

namespace {

std::u16string Format(LPCWSTR format, ...)
{
    WCHAR out[1100];
    va_list args;
    va_start(args, format);
    wvsprintfW(out, format, args);
    va_end(args);
    return out;
}

TEST(LStrings, CopyConcatenateAndLength)
{
    WCHAR buffer[16];
    EXPECT_EQ(lstrcpyW(buffer, u"abc"), buffer);
    lstrcatW(buffer, u"def");
    EXPECT_EQ(std::u16string(buffer), u"abcdef");
    EXPECT_EQ(lstrlenW(buffer), 6);
    EXPECT_EQ(lstrlenW(nullptr), 0);
    // lstrcpynW counts the NUL in its limit and always terminates.
    lstrcpynW(buffer, u"abcdef", 4);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    lstrcpynW(buffer, u"ab", 10);
    EXPECT_EQ(std::u16string(buffer), u"ab");
    buffer[0] = u'x';
    lstrcpynW(buffer, u"abc", 1);
    EXPECT_EQ(buffer[0], 0);
}

TEST(LStrings, ComparisonsOrderAndFoldCase)
{
    EXPECT_LT(lstrcmpW(u"abc", u"abd"), 0);
    EXPECT_GT(lstrcmpW(u"abc", u"ab"), 0);
    EXPECT_EQ(lstrcmpW(u"abc", u"abc"), 0);
    EXPECT_NE(lstrcmpW(u"abc", u"ABC"), 0);
    EXPECT_EQ(lstrcmpiW(u"My Documents", u"MY DOCUMENTS"), 0);
    EXPECT_EQ(lstrcmpiW(u"\u00C9T\u00C9", u"\u00E9t\u00E9"), 0);  // Latin-1
    EXPECT_EQ(lstrcmpiW(u"\u0160\u017D", u"\u0161\u017E"), 0);    // Latin Extended-A
    EXPECT_EQ(lstrcmpiW(u"\u0414\u0410", u"\u0434\u0430"), 0);    // Cyrillic
    EXPECT_LT(lstrcmpiW(u"apple", u"Banana"), 0);
    EXPECT_GT(lstrcmpiW(u"b", u"A"), 0);
    EXPECT_NE(lstrcmpiW(u"\u00D7", u"\u00F7"), 0);  // multiplication and division signs
}

TEST(LStrings, WtoiReadsLeadingDecimal)
{
    EXPECT_EQ(_wtoi(u"42"), 42);
    EXPECT_EQ(_wtoi(u"  -17abc"), -17);
    EXPECT_EQ(_wtoi(u"+8"), 8);
    EXPECT_EQ(_wtoi(u"x1"), 0);
    EXPECT_EQ(_wtoi(u""), 0);
    EXPECT_EQ(_wtoi(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(_wtoi(u"99999999999"), 2147483647);
}

TEST(Wsprintf, StringsAndCharacters)
{
    EXPECT_EQ(Format(u"%s: %x", u"Error", 0x2a), u"Error: 2a");
    EXPECT_EQ(Format(u"[%S]", "caf\xe9 \x93q\x94"), u"[caf\u00E9 \u201Cq\u201D]");
    EXPECT_EQ(Format(u"%c%C", u'\u20AC', '\x80'), u"\u20AC\u20AC");
    EXPECT_EQ(Format(u"%ls|%hs", u"w", "n"), u"w|n");
    EXPECT_EQ(Format(u"%5s|%-5s|%.2s", u"ab", u"cd", u"xyz"), u"   ab|cd   |xy");
    EXPECT_EQ(Format(u"100%%"), u"100%");
    EXPECT_EQ(Format(u"%s", (const WCHAR*)nullptr), u"(null)");
}

TEST(Wsprintf, Numbers)
{
    EXPECT_EQ(Format(u"%d %i %u", -5, 7, 4000000000u), u"-5 7 4000000000");
    EXPECT_EQ(Format(u"%x %X %#x", 0xbeefu, 0xbeefu, 255u), u"beef BEEF 0xff");
    EXPECT_EQ(Format(u"%ld %lu %lx", long(-123456), 3000000000ul, 0xFFFFFFFFul),
              u"-123456 3000000000 ffffffff");
    EXPECT_EQ(Format(u"%05d|%5d|%-5d|", 42, -42, 42), u"00042|  -42|42   |");
    EXPECT_EQ(Format(u"%05d", -42), u"-0042");
    EXPECT_EQ(Format(u"%02d:%02d", 7, 5), u"07:05");
    EXPECT_EQ(Format(u"%d", -2147483647 - 1), u"-2147483648");
    EXPECT_EQ(Format(u"%08X", 0xABCu), u"00000ABC");
}

TEST(Wsprintf, OutputStopsAt1024Characters)
{
    const std::u16string longText(2000, u'a');
    WCHAR out[2100];
    EXPECT_EQ(wsprintfW(out, u"%s", longText.c_str()), 1023);
    EXPECT_EQ(lstrlenW(out), 1023);
}

}  // namespace
