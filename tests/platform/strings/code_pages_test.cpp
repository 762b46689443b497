// MultiByteToWideChar and WideCharToMultiByte with Windows-1252 and UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "windows.h"

namespace {

std::u16string Widen(UINT codePage, const std::string& bytes, DWORD flags = 0)
{
    WCHAR out[256];
    const int n = MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()), out, 256);
    return std::u16string(out, size_t(n));
}

std::string Narrow(UINT codePage, const std::u16string& text, BOOL* usedDefault = nullptr)
{
    char out[256];
    const int n = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), out, 256, nullptr,
                                      usedDefault);
    return std::string(out, size_t(n));
}

TEST(CodePages, Windows1252HighBlockIsTypographic)
{
    EXPECT_EQ(Widen(CP_ACP, "\x80\x85\x91\x92\x93\x94\x96\x97\x99\x9f"),
              u"\u20AC\u2026\u2018\u2019\u201C\u201D\u2013\u2014\u2122\u0178");
    EXPECT_EQ(Widen(CP_ACP, "\xa0\xe9\xff"), u"\u00A0\u00E9\u00FF");
    // The unassigned bytes keep their value.
    EXPECT_EQ(Widen(CP_ACP, "\x81\x8d\x8f\x90\x9d"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST(CodePages, EveryAnsiByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    BOOL usedDefault = TRUE;
    EXPECT_EQ(Narrow(CP_ACP, Widen(CP_ACP, all), &usedDefault), all);
    EXPECT_FALSE(usedDefault);
}

TEST(CodePages, UnmappableCharactersBecomeQuestionMarks)
{
    BOOL usedDefault = FALSE;
    EXPECT_EQ(Narrow(CP_ACP, u"a\u0100b\u4E2D\U0001F600c", &usedDefault), "a?b??c");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(Narrow(CP_ACP, u"\u20AC\u201C"), "\x80\x93");
    char out[8];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u4E2D", 1, out, 8, "#", nullptr), 1);
    EXPECT_EQ(out[0], '#');
}

TEST(CodePages, Utf8BothWays)
{
    const std::string utf8 = "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80";
    const std::u16string wide = u"caf\u00E9 \u20AC \U0001F600";
    EXPECT_EQ(Widen(CP_UTF8, utf8), wide);
    EXPECT_EQ(Narrow(CP_UTF8, wide), utf8);
    // Malformed input: each bad byte becomes U+FFFD, or the call fails when asked to.
    EXPECT_EQ(Widen(CP_UTF8, "a\xff"
                             "b\xc3"),
              u"a\uFFFDb\uFFFD");
    EXPECT_EQ(Widen(CP_UTF8, "\xc0\xaf"), u"\uFFFD\uFFFD");  // overlong "/"
    EXPECT_EQ(Widen(CP_UTF8, "a\xff", MB_ERR_INVALID_CHARS), u"");
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_EQ(Narrow(CP_UTF8, u"x\xD800y"), "x\xef\xbf\xbdy");  // lone surrogate
}

TEST(CodePages, SizesTerminatorAndErrors)
{
    // -1: the NUL is converted and counted; 0 as the output size asks for the length.
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    WCHAR out[4];
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, out, 4), 4);
    EXPECT_EQ(out[3], 0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xe2\x82\xac", 3, nullptr, 0), 1);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\u20AC", -1, nullptr, 0, nullptr, nullptr), 4);

    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcdef", -1, out, 4), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    char narrow[4];
    BOOL used;
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, narrow, 4, nullptr, &used), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(MultiByteToWideChar(437, 0, "a", 1, out, 4), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

}  // namespace
