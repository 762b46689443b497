// Crosswords of the other formats through the game's doors: Open File, the start-up's
// fall-back and the download, with progress of their own beside each file.
#include <string>

#include "automation.h"
#include "download.h"
#include "game_state.h"
#include "http_test_server.h"
#include "resource_ids.h"
#include "shell_fixture.h"
#include "square_text.h"

namespace {

// A 3 x 3 .ipuz: 1A AB, 3A C[DD]E (a rebus), 5A FG; a circle on the first square.
std::string Ipuz(const std::string& kind = "crossword", const std::string& picture = "")
{
    return R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/)" + kind +
           R"(#1"],"dimensions":{"width":3,"height":3},"title":"Three","author":"Au",)"
           R"("x-picture":")" +
           picture +
           R"(","puzzle":[[{"cell":1,"style":{"shapebg":"circle"}},2,"#"],[3,0,4],["#",5,0]],)"
           R"("solution":[["A","B","#"],["C","DD","E"],["#","F","G"]],)"
           R"("clues":{"Across":[[1,"ab"],[3,"<i>cde</i>"],[5,"fg"]],)"
           R"("Down":[[1,"ac"],[2,"bdf"],[4,"eg"]]}})";
}

const std::string kXd = "Title: Ex\nAuthor: A\n\n\nAB\nCD\n\n\nA1. First ~ AB\nA3. Second ~ CD\n\n"
                        "D1. Left ~ AC\nD2. Right ~ BD\n";

class OtherFormatsTest : public ShellTest {
  protected:
    void Open(const std::u16string& path)
    {
        AutomationAnswerFileDialog(path);
        AutomationAnswerMessageBox(u"Confirm", IDYES);
        Command(IDM_AVAILABLE);
    }
};

TEST_F(OtherFormatsTest, AnIpuzPlaysAndKeepsItsLettersApartFromThePuzOfTheSameName)
{
    WritePuzzle("\\My Documents\\today.puz", LatticeGrid(7));
    Start();
    WriteDeviceFile("\\My Documents\\today.ipuz", Ipuz());
    ASSERT_EQ(gGame.width, 7);
    TapCell(0, 0);
    Key('Q');

    Open(u"\\My Documents\\today.ipuz");
    ASSERT_EQ(gGame.width, 3);
    EXPECT_TRUE(SquareCircled(0));
    char text[kRebusTextSize];
    SquareSolutionText(4, text);
    EXPECT_STREQ(text, "DD");
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[3].acrossClue], "cde");
    TapCell(0, 1);
    Key('B');

    // Each puzzle's letters come back from its own record.
    Open(u"\\My Documents\\today.puz");
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\today.ipuz.progress"));
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\today.dat"));
    EXPECT_EQ(gGame.width, 7);
    EXPECT_EQ(gGame.entries[0], 'Q');
    Open(u"\\My Documents\\today.ipuz");
    EXPECT_EQ(gGame.width, 3);
    EXPECT_EQ(gGame.entries[1], 'B');
    EXPECT_EQ(gGame.entries[0], '-');
}

TEST_F(OtherFormatsTest, WhatTheGameCannotPlayIsRefusedWithItsReasonAndChangesNothing)
{
    WritePuzzle("\\My Documents\\today.puz", LatticeGrid(7));
    WriteDeviceFile("\\My Documents\\word.ipuz", Ipuz("acrostic"));
    WriteDeviceFile("\\My Documents\\cut.jpz", "<?xml version=\"1.0\"?><crossword-compiler>");
    Start();
    TapCell(0, 0);
    Key('Q');
    const std::string entries(gGame.entries, 49);
    AutomationReset();
    Open(u"\\My Documents\\word.ipuz");
    Open(u"\\My Documents\\cut.jpz");
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\today.puz");
    EXPECT_EQ(std::string(gGame.entries, 49), entries);
    ASSERT_EQ(AutomationMessageBoxes().size(), 4u);
    EXPECT_EQ(AutomationMessageBoxes()[1].caption, u"Open File");
    EXPECT_EQ(AutomationMessageBoxes()[1].text,
              u"This is an acrostic, which the game cannot play.");
    EXPECT_EQ(AutomationMessageBoxes()[3].text.substr(0, 21), u"The file is damaged: ");
}

TEST_F(OtherFormatsTest, TheStartFallsBackOnAnyFormatItReads)
{
    WriteDeviceFile("\\My Documents\\notes.txt", "Title: not a crossword\n");
    WriteDeviceFile("\\My Documents\\only.xd", kXd);
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\only.xd");
    EXPECT_EQ(gGame.width, 2);
    EXPECT_STREQ(gGame.clueTexts[0], "First");
}

class OtherFormatsDownloadTest : public OtherFormatsTest {
  protected:
    int Download(const std::string& path, const std::u16string& savePath)
    {
        AutomationAnswerFileDialog(savePath);
        AutomationAnswerMessageBox(u"Confirm", IDYES);
        const std::string url = server.Url(path);
        return DownloadPuzzle(window, std::u16string(url.begin(), url.end()).c_str());
    }

    HttpTestServer server;
};

TEST_F(OtherFormatsDownloadTest, AnIpuzLargerThanAnyPuzIsStoredAsItCameUnderItsOwnExtension)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(7));
    Start();
    // Real .ipuz files carry pictures: far more bytes than a .puz may hold.
    const std::string large = Ipuz("crossword", std::string(340000, 'p'));
    server.Handle("/today", RespondWith(200, large, "application/json"));
    server.Handle("/word", RespondWith(200, Ipuz("acrostic"), "application/json"));
    AutomationReset();
    ASSERT_EQ(Download("/today", u"\\My Documents\\Fennimoor\\Three"), 1);
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_EQ(AutomationFileDialogs()[0].result, u"\\My Documents\\Fennimoor\\Three.ipuz");
    EXPECT_EQ(ReadDeviceFile("\\My Documents\\Fennimoor\\Three.ipuz"), large);

    AutomationReset();
    EXPECT_EQ(Download("/word", u"\\My Documents\\Fennimoor\\Word"), 0);
    ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].text,
              u"This is an acrostic, which the game cannot play.");
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\Fennimoor\\Word.ipuz"));
}

}  // namespace
