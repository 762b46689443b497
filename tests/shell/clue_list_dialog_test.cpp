// The clue list: its lines, its tabs, and a tapped clue that moves the cursor and is shown
// when the main window is active again.
#include <string>
#include <vector>

#include "automation.h"
#include "clue_list_dialog.h"
#include "commctrl.h"
#include "dialog_ids.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "puzzle_image.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

// 1-Across ABC, 1-Down ADF, 2-Down CEH, 3-Across FGH; clue strings c0 to c3 in that order.
const std::vector<std::string> kSmallGrid = {"ABC", "D.E", "FGH"};

class ClueListDialogTest : public GameDialogTest {
  protected:
    std::vector<std::u16string> Lines(HWND dialog) const
    {
        std::vector<std::u16string> lines;
        const int count = int(SendDlgItemMessageW(dialog, IDC_CLUE_LIST, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR text[300] = {};
            SendDlgItemMessageW(dialog, IDC_CLUE_LIST, LB_GETTEXT, WPARAM(i), LPARAM(text));
            lines.push_back(text);
        }
        return lines;
    }
    void ChooseTab(HWND dialog, int tab)
    {
        SendDlgItemMessageW(dialog, IDC_CLUE_TABS, TCM_SETCURSEL, WPARAM(tab), 0);
        NMHDR header = {GetDlgItem(dialog, IDC_CLUE_TABS), IDC_CLUE_TABS, UINT(TCN_SELCHANGE)};
        SendMessageW(dialog, WM_NOTIFY, IDC_CLUE_TABS, LPARAM(&header));
    }
};

using Texts = std::vector<std::u16string>;

TEST_F(ClueListDialogTest, AcrossOneSpaceDownTwoSpacesBeforeTheLength)
{
    WritePuzzle("\\My Documents\\a.puz", kSmallGrid);
    Start();
    gShell.clueListTab = 1;
    HWND dialog = OpenModeless(IDD_CLUE_LIST, ClueListDialogProc);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(gShell.clueListTab, 0);  // always opens on Across
    EXPECT_EQ(Lines(dialog), (Texts{u"1.  c0 (3)", u"3.  c3 (3)"}));
    ChooseTab(dialog, 1);
    EXPECT_EQ(gShell.clueListTab, 1);
    EXPECT_EQ(Lines(dialog), (Texts{u"1.  c1  (3)", u"2.  c2  (3)"}));
    // Back to Across: rebuilt, and the selection is gone.
    SendDlgItemMessageW(dialog, IDC_CLUE_LIST, LB_SETCURSEL, 1, 0);
    ChooseTab(dialog, 0);
    EXPECT_EQ(Lines(dialog), (Texts{u"1.  c0 (3)", u"3.  c3 (3)"}));
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_CLUE_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
    DestroyWindow(dialog);
}

// Version 2.0 files hold UTF-8, older ones Windows-1252: both read the same on every place
// that shows puzzle text.
TEST_F(ClueListDialogTest, NonAsciiTextReadsRightInTheListAndThePuzzleInformation)
{
    for (const bool utf8 : {true, false}) {
        SCOPED_TRACE(utf8 ? "2.0" : "1.3");
        PuzzleImage image = MakePuzzle(kSmallGrid);
        image.version = utf8 ? "2.0" : "1.3";
        image.title = utf8 ? "wouldn\xE2\x80\x99t" : "wouldn\x92t";
        image.clues = {utf8 ? "Cr\xC3\xA8"
                              "me br\xC3\xBBl\xC3\xA9"
                              "e"
                            : "Cr\xE8"
                              "me br\xFBl\xE9"
                              "e",
                       "c1", "c2", "c3"};
        WriteDeviceFile("\\My Documents\\a.puz", Bytes(image));
        Restart();
        HWND dialog = OpenModeless(IDD_CLUE_LIST, ClueListDialogProc);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Lines(dialog)[0], u"1.  Cr\u00E8me br\u00FBl\u00E9e (3)");
        DestroyWindow(dialog);
        Command(IDM_PUZZLE_INFO);
        ASSERT_FALSE(AutomationMessageBoxes().empty());
        EXPECT_EQ(AutomationMessageBoxes().back().text, u"wouldn\u2019t\nAuthor\n(c)");
    }
}

TEST_F(ClueListDialogTest, TwoDigitNumbersTakeOneSpaceAndEveryWordIsListed)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    HWND dialog = OpenModeless(IDD_CLUE_LIST, ClueListDialogProc);
    ASSERT_NE(dialog, nullptr);
    int across = 0;
    while (across < kMaxWords && gGame.acrossClues[across].clueIndex != -1)
        ++across;
    const Texts lines = Lines(dialog);
    ASSERT_EQ(int(lines.size()), across);
    int twoDigit = 0;
    for (const std::u16string& line : lines) {
        const bool wide = line[1] != u'.';
        twoDigit += wide;
        // "7.  c.." and "12. c..": the clue starts in the same column either way.
        EXPECT_EQ(line.substr(0, 4), line.substr(0, wide ? 2 : 1) + (wide ? u". " : u".  "));
        EXPECT_EQ(line[4], u'c');
        // Lattice words are 3 or 15 squares long; Across has one space before the length.
        const bool three = line.ends_with(u" (3)") && !line.ends_with(u"  (3)");
        const bool fifteen = line.ends_with(u" (15)") && !line.ends_with(u"  (15)");
        EXPECT_TRUE(three || fifteen) << std::string(line.begin(), line.end());
    }
    EXPECT_GT(twoDigit, 0);
    DestroyWindow(dialog);
}

TEST_F(ClueListDialogTest, ATappedDownClueMovesTheCursorAndTheReactivationPaintsIt)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    // Where the tabs and the lines are.
    HWND probe = OpenModeless(IDD_CLUE_LIST, ClueListDialogProc);
    ASSERT_NE(probe, nullptr);
    RECT tabs, list;
    GetWindowRect(GetDlgItem(probe, IDC_CLUE_TABS), &tabs);
    GetWindowRect(GetDlgItem(probe, IDC_CLUE_LIST), &list);
    const int itemHeight = int(SendDlgItemMessageW(probe, IDC_CLUE_LIST, LB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(probe);
    Idle();
    ASSERT_GT(itemHeight, 0);

    // The third Down word of the lattice starts in row 0; tap its line on the Down tab.
    const ClueEntry third = gGame.downClues[2];
    ASSERT_NE(third.clueIndex, -1);
    AutomationTap(tabs.left + 65, tabs.top + 6);
    AutomationTap(list.left + 30, list.top + 2 + itemHeight * 2 + itemHeight / 2);
    Command(IDM_CLUE_LIST);
    EXPECT_EQ(gShell.clueListTab, 1);
    EXPECT_EQ(gGame.direction, int(kDown));
    EXPECT_EQ(gGame.cells[gGame.cursorRow * gGame.width + gGame.cursorCol].number, third.number);
    EXPECT_EQ(gShell.refreshOnActivate, 0);  // consumed by the reactivation
    // The word runs down its column in yellow; the cursor square is orange.
    const int row = gGame.cursorRow, col = gGame.cursorCol;

    EXPECT_GT(CountPixels(CellOnScreen(row + 1, col), kYellow), 0);
    EXPECT_GT(CountPixels(CellOnScreen(row, col), kOrange), 0);
}

TEST_F(ClueListDialogTest, OkClosesWithoutMovingTheCursor)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    TapCell(4, 4);
    TapNavigationOk();
    Command(IDM_CLUE_LIST);
    EXPECT_EQ(gGame.cursorRow, 4);
    EXPECT_EQ(gGame.cursorCol, 4);
    EXPECT_EQ(gGame.direction, int(kAcross));
}

// A clue wider than the list wraps to lines that fit beside the scroll bar, its later lines
// indented under its text; a tap on any of its lines chooses its word.
TEST_F(ClueListDialogTest, ALongClueWrapsAndEachOfItsLinesChoosesItsWord)
{
    const std::string longClue =
        "(The seemingly inevitable answer in a crossword like this that just defies a coherent "
        "clue) Here goes: how an umlaut is typed when the two dots are not available";
    PuzzleImage p = MakePuzzle(kSmallGrid);
    p.clues = {longClue, "c1", "c2", "c3"};
    WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
    Start();
    Key(VK_DOWN);  // on to 3-Across
    ASSERT_EQ(gGame.cursorRow, 2);

    HWND probe = OpenModeless(IDD_CLUE_LIST, ClueListDialogProc);
    ASSERT_NE(probe, nullptr);
    const Texts lines = Lines(probe);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.back(), u"3.  c3 (3)");
    std::u16string joined = lines[0];
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        ASSERT_TRUE(lines[i].starts_with(u"      ")) << "line " << i;
        joined += u" " + lines[i].substr(6);
    }
    const std::string expected = "1.  " + longClue + " (3)";
    EXPECT_EQ(joined, std::u16string(expected.begin(), expected.end()));
    HWND list = GetDlgItem(probe, IDC_CLUE_LIST);
    RECT client;
    GetClientRect(list, &client);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(list, WM_GETFONT, 0, 0)));
    for (const std::u16string& line : lines) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, line.c_str(), int(line.size()), &size);
        EXPECT_LE(size.cx, client.right - GetSystemMetrics(SM_CXVSCROLL));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    RECT onScreen;
    GetWindowRect(list, &onScreen);
    const int itemHeight = int(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(probe);
    Idle();

    // The second line of 1-Across, tapped, makes 1-Across current.
    AutomationTap(onScreen.left + 30, onScreen.top + 2 + itemHeight + itemHeight / 2);
    Command(IDM_CLUE_LIST);
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.direction, int(kAcross));
}

}  // namespace
