// What a puzzle starts with when the game has no progress of its own: the letters of the
// file's fill grid and the rebus entries of its RUSR section, each taken square by square and
// the section whole or not at all; a restored progress wins over both. And the void and shaded
// squares of the XSQF section, read only when they fit the grid.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game_state.h"
#include "play_time.h"
#include "puz_layout.h"
#include "puzzle_image.h"
#include "puzzle_load.h"
#include "square_text.h"
#include "undo_history.h"

namespace {

class StartingEntries : public testing::Test {
  protected:
    void SetUp() override { ResetGameState(); }
};

// Black squares at 2 and 6.
PuzzleImage Small()
{
    PuzzleImage p = MakePuzzle({"AB.", "CDE", ".FG"});
    AddClues(&p);
    return p;
}

// A RUSR section's data: each square's text and its NUL.
std::string Texts(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& t : texts)
        out += t + '\0';
    return out;
}

std::string Entries()
{
    return std::string(gGame.entries, size_t(gGame.width * gGame.height));
}

std::string EntryText(int i)
{
    char text[kRebusTextSize];
    SquareEntryText(i, text);
    return text;
}

TEST_F(StartingEntries, TheFilesLettersAndRebusEntriesStartAPuzzleWithoutProgress)
{
    PuzzleImage p = Small();
    p.fill = "AB.C-E.FG";
    p.sections =
        Section("LTIM", "40,0") + Section("RUSR", Texts({"", "", "", "", "dog", "", "", "", ""}));
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(Entries(), "AB.CDE.FG");
    EXPECT_EQ(EntryText(4), "DOG");  // upper case, as typed ones are
    EXPECT_EQ(EntryText(0), "A");
    EXPECT_EQ(gGame.playerRebus[0][0], 0);
    EXPECT_EQ(gGame.solved, 0);         // DOG is not D
    EXPECT_FALSE(UndoLastStep());       // the file's letters are the start, not a step
    EXPECT_EQ(Entries(), "AB.CDE.FG");  //
    EXPECT_EQ(ClockSeconds(), 40);      // the clock still comes from the file

    p.fill = "AB.CDE.FG";
    p.sections.clear();
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.playerRebus[4][0], 0) << "the last puzzle's rebus entry stayed";
    EXPECT_EQ(gGame.solved, 1);  // a file filled in right opens solved
}

TEST_F(StartingEntries, ARestoredProgressWinsWholeOverTheFilesLetters)
{
    PuzzleImage p = Small();
    p.fill = "AB.CDE.FG";
    p.sections = Section("RUSR", Texts({"", "", "", "", "dog", "", "", "", ""}));
    RestoredPlay play = PlayOf("X-.---.-Z", 3, 3);
    std::memcpy(play.playerRebus[8], "ZZ", 3);
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(Entries(), "X-.---.-Z");
    EXPECT_EQ(EntryText(4), "");
    EXPECT_EQ(EntryText(8), "ZZ");

    play = PlayOf("X-.---.-Z", 3, 2);  // saved for another grid: the file's letters instead
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(Entries(), "AB.CDE.FG");
    EXPECT_EQ(EntryText(4), "DOG");
}

// An odd fill byte empties its square alone; a RUSR that does not fit the grid is dropped
// whole, one text no square may hold is dropped alone, a long one is cut; the rest of the file
// reads as ever.
TEST_F(StartingEntries, OddBytesAndABrokenRebusSectionCostNothingElse)
{
    PuzzleImage p = Small();
    p.fill = std::string("a\x01.C.E:FG", 9);  // lower case, a control code, "." in an open square
    const std::string circles("\x80\0\0\0\0\0\0\0\0", 9);
    const std::string good = Texts({"", "", "", "", "", "dog", "", "", ""});
    const std::vector<std::string> broken = {
        Texts({"", "", "", "", "", "dog", "", ""}),       // a text short
        Texts({"", "", "x", "", "", "dog", "", "", ""}),  // a text on a black square
        good + "x",                                       // a byte after the last text
    };
    for (const std::string& rusr : broken) {
        p.sections = Section("RUSR", rusr) + Section("GEXT", circles);
        ASSERT_TRUE(LoadAndParse(Bytes(p)));
        EXPECT_EQ(Entries(), "--.C-E.FG");
        EXPECT_EQ(EntryText(5), "E");
        EXPECT_TRUE(SquareCircled(0));
    }
    p.sections = Section("RUSR", good, false);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(EntryText(5), "E");

    p.sections = Section("RUSR", Texts({"", "", "", "a b", "", "dog", "", "abcdefghijklmnopqr",
                                        std::string("\x01z", 2)}));
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(EntryText(3), "C");  // a space cannot be typed: the fill letter stays
    EXPECT_EQ(EntryText(5), "DOG");
    EXPECT_EQ(EntryText(7), "ABCDEFGHIJKLMNOP");  // cut to what a square holds
    EXPECT_EQ(EntryText(8), "G");
    EXPECT_EQ(Entries(), "--.C-D.AG");

    // In a UTF-8 puzzle a character beyond ASCII is text too, and a cut never splits one.
    const std::string e = "\xC3\x89";
    p.version = "2.0";
    p.sections = Section(
        "RUSR", Texts({"", "", "", "", e, "", "", "A" + e + e + e + e + e + e + e + e, ""}));
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(EntryText(4), e);
    EXPECT_EQ(EntryText(7), "A" + e + e + e + e + e + e + e);
    // A byte that makes no whole character is no entry: the fill letter stays.
    p.sections = Section("RUSR", Texts({"", "", "", "\xCB", "", "", "", "", ""}));
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(EntryText(3), "C");
    p.sections = Section(
        "RUSR", Texts({"", "", "", "", e, "", "", "A" + e + e + e + e + e + e + e + e, ""}));
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    // Such an entry stands in the grid by a piece of its character and comes back whole from
    // the progress it is saved in.
    RestoredPlay play = PlayOf(Entries(), 3, 3);
    std::memcpy(play.playerRebus, gGame.playerRebus, sizeof play.playerRebus);
    p.sections.clear();
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(EntryText(4), e);
    EXPECT_EQ(gGame.entries[4], e[0]);
}

TEST_F(StartingEntries, VoidAndShadedSquaresAreReadOnlyWhenTheyFitTheGrid)
{
    PuzzleImage p = Small();
    const uint8_t v = puz::kSquareStyleVoid;
    const uint8_t s = puz::kSquareStyleShaded;
    // Void only where the solution is black, shaded only where it is open.
    const std::string styles = {char(s), 0, char(v), char(v), char(s), 0, char(v | s), 0, 0};
    p.sections = Section("XSQF", styles);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_TRUE(SquareShaded(0));
    EXPECT_TRUE(SquareVoid(2));
    EXPECT_FALSE(SquareVoid(3));
    EXPECT_TRUE(SquareShaded(4));
    EXPECT_TRUE(SquareVoid(6));
    EXPECT_FALSE(SquareShaded(6));
    EXPECT_FALSE(SquareShaded(1) || SquareVoid(1) || SquareShaded(8));

    std::string unknown = styles;
    unknown[8] = 0x04;
    for (const std::string& section : {Section("XSQF", styles + '\0'), Section("XSQF", unknown),
                                       Section("XSQF", styles, false), std::string()}) {
        p.sections = Section("XSQF", styles);
        ASSERT_TRUE(LoadAndParse(Bytes(p)));
        p.sections = section;
        ASSERT_TRUE(LoadAndParse(Bytes(p)));
        for (int i = 0; i < 9; ++i)
            EXPECT_FALSE(SquareVoid(i) || SquareShaded(i)) << i;
    }
}

}  // namespace
