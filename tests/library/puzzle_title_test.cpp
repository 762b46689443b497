// The title scan of a puzzle image (the download's and the installer preview's) and the file
// name a download proposes from it.
#include <gtest/gtest.h>

#include <string>

#include "puzzle_image.h"
#include "puzzle_title.h"

namespace {

// The title found, or "<none>" when the scan says the bytes end before it.
std::string TitleOf(const std::string& bytes, int titleSize = 256)
{
    char title[256];
    const bool found = ScanPuzzleTitle(reinterpret_cast<const unsigned char*>(bytes.data()),
                                       int(bytes.size()), title, titleSize);
    return found ? title : (title[0] ? "<title without success>" : "<none>");
}

std::u16string NameOf(const char* title)
{
    WCHAR name[MAX_PATH];
    ProposedNameOf(title, name);
    return name;
}

PuzzleImage Titled(const std::string& title)
{
    PuzzleImage image = MakePuzzle({"AB.", "CDE", ".FG"});
    AddClues(&image);
    image.title = title;
    return image;
}

}  // namespace

TEST(PuzzleTitle, ScanFindsTheTitleAfterBothGrids)
{
    EXPECT_EQ(TitleOf(Bytes(Titled("Sunday Special, No. 7"))), "Sunday Special, No. 7");
    PuzzleImage wide = MakePuzzle({"ABCDE", "FGHIJ"});
    wide.title = "Wide";
    EXPECT_EQ(TitleOf(Bytes(wide)), "Wide");
}

TEST(PuzzleTitle, ScanStopsAtTheBytesGiven)
{
    const std::string bytes = Bytes(Titled("Long enough title"));
    const size_t titleAt = bytes.find("Long enough");
    ASSERT_NE(titleAt, std::string::npos);
    // Cut inside the title, inside the grids and before the size bytes.
    EXPECT_EQ(TitleOf(bytes.substr(0, titleAt + 4)), "Long");
    EXPECT_EQ(TitleOf(bytes.substr(0, 0x36)), "<none>");
    EXPECT_EQ(TitleOf(bytes.substr(0, 0x20)), "<none>");
    // A title longer than the buffer is cut to it.
    EXPECT_EQ(TitleOf(bytes, 5), "Long");
}

TEST(PuzzleTitle, ProposedNameKeepsTenLettersAndDigits)
{
    EXPECT_EQ(NameOf("Sunday Special, No. 7"), u"SundaySpec");
    EXPECT_EQ(NameOf("Daily #123"), u"Daily123");
    EXPECT_EQ(NameOf("?!, -- ..."), u"");
    EXPECT_EQ(NameOf(""), u"");
    // Only the first 50 characters count.
    EXPECT_EQ(NameOf((std::string(49, '-') + "AB").c_str()), u"A");
    // Accented letters are not plain letters.
    EXPECT_EQ(NameOf("Caf\xE9 Noir"), u"CafNoir");
}
