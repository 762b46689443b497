// What real puzzles carry beyond letters, played through the window procedure: circled
// squares in every painter and magnification, several letters in a square, a locked
// solution opened with its key, and notes.
#include <algorithm>
#include <cstring>
#include <string>

#include "automation.h"
#include "clue_bar.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "puzzle_image.h"
#include "rebus_entry.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

constexpr COLORREF kCircleGrey = 0x00707070;

class RealPuzzleTest : public GameDialogTest {
  protected:
    // A 5 x 5 lattice-free grid: rows "HEART" ... with square (0, 1) a rebus "EAR" and the
    // squares in `circled` circled.
    static std::string RebusPuzzle()
    {
        PuzzleImage p = MakePuzzle({"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"});
        AddClues(&p);
        std::string rebus(25, '\0');
        rebus[1] = 1;  // key 0
        std::string flags(25, '\0');
        flags[12] = char(0x80);
        p.sections = Section("GRBS", rebus) + Section("RTBL", " 0:EAR;") + Section("GEXT", flags);
        return Bytes(p);
    }
    std::u16string ClueBar() const
    {
        WCHAR text[300];
        ComposeClueBarText(text);
        return text;
    }
    void Type(const char* letters)
    {
        for (const char* p = letters; *p; ++p)
            Key(UINT(*p));
    }
    int Reddish(int row, int col) const { return CountReddish(CellOnScreen(row, col)); }
    int Ring(int row, int col) const { return CountPixels(CellOnScreen(row, col), kCircleGrey); }
};

// Insert opens the entry on the current square; letters gather there and in the clue bar;
// Enter ends it and the cursor moves on. Check takes the whole text (any case) or the first
// letter alone as right; the rebus comes back after a restart.
TEST_F(RealPuzzleTest, ARebusIsEnteredCheckedSavedAndRestored)
{
    WriteDeviceFile("\\My Documents\\a.puz", RebusPuzzle());
    Restart();
    TapCell(0, 1);
    Key(VK_INSERT);
    Key(VK_SHIFT);  // held for capitals on a desktop keyboard
    Type("EA");
    EXPECT_EQ(ClueBar(), u"Rebus 1 a: -[EA_]---");
    Key('R');
    Key(VK_RETURN);
    EXPECT_EQ(gGame.entries[1], 'E');
    EXPECT_STREQ(gGame.playerRebus[1], "EAR");
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_EQ(ClueBar(), u"1 a: c0 (5) -[EAR]---");

    Command(IDM_CHECK);
    EXPECT_EQ(Reddish(0, 1), 0);
    // Several letters that are not the rebus are wrong; the first letter alone is right.
    TapCell(0, 1);
    Command(IDM_REBUS);
    Key(VK_BACK);
    Key('T');
    Key(VK_RETURN);
    EXPECT_STREQ(gGame.playerRebus[1], "EAT");
    Command(IDM_CHECK);
    EXPECT_GT(Reddish(0, 1), 0);

    // Escape drops what was typed; the hold menu's item opens the entry too.
    TapCell(0, 1);
    Command(IDM_REBUS);
    Type("XY");
    Key(VK_ESCAPE);
    EXPECT_STREQ(gGame.playerRebus[1], "EAT");
    Command(IDM_FILL_LETTER);
    EXPECT_STREQ(gGame.playerRebus[1], "EAR");

    Restart();
    EXPECT_STREQ(gGame.playerRebus[1], "EAR");
    EXPECT_EQ(gGame.entries[1], 'E');
}

// The keyboard's rebus key, right of L, opens the entry as Insert does and ends it keeping
// its letters; in every magnification it lies inside the keyboard, under the clue bar.
TEST_F(RealPuzzleTest, TheKeyboardsRebusKeyOpensAndEndsTheEntry)
{
    WriteDeviceFile("\\My Documents\\a.puz", RebusPuzzle());
    Restart();
    Command(IDM_KEYBOARD);
    ASSERT_EQ(gGame.keyboardShown, 1);
    const char* typed[] = {"EAR", "EAT", "EAR"};
    int round = 0;
    for (const UINT magnification : {IDM_SMALL, IDM_MEDIUM, IDM_LARGE}) {
        SCOPED_TRACE(testing::Message() << "magnification " << magnification);
        Command(magnification);
        ASSERT_EQ(gGame.keyboardShown, 1);
        EXPECT_LE(ClueBarTop(window) + kClueBarHeight + gGame.clueBarGrowth, 225);
        const RECT face = {205, 242, 235, 252};
        EXPECT_GT(CountPixels(face, kWhitePaper), 100) << "the key's face";
        EXPECT_GT(CountDarkIn(face), 20) << "its label";
        // The cursor stays through the magnification change, and a tap on its own square
        // turns it: tap again to go back across.
        TapCell(0, 1 + round);
        if (gGame.direction != kAcross)
            TapCell(0, 1 + round);
        Tap(220, 247);  // the rebus key
        ASSERT_TRUE(RebusEntryOpen());
        EXPECT_EQ(ClueBar().substr(0, 11), u"Rebus 1 a: ");
        EXPECT_EQ(gGame.cursorCol, 1 + round);
        // E, A and the third letter from the keyboard's own keys.
        Tap(60, 233);
        Tap(30, 246);
        Tap(typed[round][2] == 'R' ? 80 : 100, 233);
        Tap(220, 247);
        EXPECT_FALSE(RebusEntryOpen());
        EXPECT_STREQ(gGame.playerRebus[1 + round], typed[round]);
        EXPECT_EQ(gGame.cursorCol, 2 + round);
        ++round;
    }
}

// Every painter draws the ring of a circled square, in every magnification: the full paint,
// the highlight, View and Check.
TEST_F(RealPuzzleTest, CirclesShowInEveryPainterAndMagnification)
{
    WriteDeviceFile("\\My Documents\\a.puz", RebusPuzzle());
    Restart();
    for (UINT zoom : {IDM_SMALL, IDM_MEDIUM, IDM_LARGE}) {
        SCOPED_TRACE(zoom);
        Command(zoom);
        EXPECT_GT(Ring(2, 2), 4);
        EXPECT_EQ(Ring(2, 3), 0);
        TapCell(2, 2);  // the current square
        EXPECT_GT(Ring(2, 2), 4);
        Command(IDM_VIEW_PUZZLE);
        EXPECT_GT(Ring(2, 2), 4);
        AutomationAnswerMessageBox(u"Puzzle Checker", IDOK);
        Command(IDM_CHECK);
        EXPECT_GT(Ring(2, 2), 4);
        EXPECT_EQ(Ring(2, 3), 0);
    }
}

const char kLockedRows[] = "HEARTOVERTNORTHEASELSLEDS";

// The five-by-five puzzle locked with the key 4271 (9001 matches its checksum too).
std::string LockedPuzzle()
{
    PuzzleImage p = MakePuzzle({"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"});
    AddClues(&p);
    ScrambleSolution(&p, 4271);
    return Bytes(p);
}

// Types the keys into the Unlock dialog, each ended with Enter, when it opens.
void ScriptKeys(std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        for (const char* d = key; *d; ++d)
            AutomationChar(WCHAR(*d));
        AutomationKey(VK_RETURN);
    }
}

// A locked solution: Check says so until the right key opens it; a wrong key changes nothing;
// the opened solution stays open after a restart.
TEST_F(RealPuzzleTest, ALockedSolutionOpensWithItsKeyAndStaysOpen)
{
    const std::string solution = kLockedRows;
    WriteDeviceFile("\\My Documents\\a.puz", LockedPuzzle());
    Restart();
    ASSERT_EQ(gGame.solutionState, kSolutionLocked);
    Key('H');

    // A wrong key is refused and the dialog stays; the right one opens the solution.
    ScriptKeys({"1234", "4271"});
    AutomationAnswerMessageBox(u"Unlock Solution", IDOK);
    Command(IDM_UNLOCK);
    ASSERT_EQ(AutomationMessageBoxes().back().text, u"This key does not unlock the solution.");
    EXPECT_EQ(gGame.solutionState, kSolutionOpen);
    EXPECT_EQ(std::string(gGame.solution, 25), solution);
    EXPECT_EQ(gGame.entries[0], 'H');
    Command(IDM_CHECK);
    EXPECT_EQ(AutomationMessageBoxes().back().text, u"All the letters entered so far are correct.");

    Restart();
    EXPECT_EQ(gGame.solutionState, kSolutionOpen);
    EXPECT_EQ(std::string(gGame.solution, 25), solution);
}

// A key that matches the checksum but is not the puzzle's opens nonsense: the player's own
// letters disagree, and is told so; Lock Solution takes the unlock back, letters untouched,
// and the right key opens the puzzle without a word.
TEST_F(RealPuzzleTest, AWrongKeyThatMatchesTheChecksumCanBeTakenBack)
{
    WriteDeviceFile("\\My Documents\\a.puz", LockedPuzzle());
    Restart();
    EXPECT_FALSE(MenuItemEnabled(IDM_LOCK));
    Type("HEART");
    ScriptKeys({"9001"});
    AutomationAnswerMessageBox(u"Unlock Solution", IDOK);
    Command(IDM_UNLOCK);
    ASSERT_EQ(gGame.solutionState, kSolutionOpen);
    EXPECT_NE(std::string(gGame.solution, 25), kLockedRows);
    EXPECT_EQ(AutomationMessageBoxes().back().text,
              u"This key opens the puzzle, but your letters disagree with its solution: it may "
              u"be the wrong key.");
    EXPECT_TRUE(MenuItemEnabled(IDM_LOCK));
    EXPECT_FALSE(MenuItemEnabled(IDM_UNLOCK));

    Command(IDM_LOCK);
    EXPECT_EQ(gGame.solutionState, kSolutionLocked);
    EXPECT_EQ(gGame.unlockKey, -1);
    EXPECT_EQ(std::string(gGame.entries, 5), "HEART");
    EXPECT_FALSE(MenuItemEnabled(IDM_LOCK));
    EXPECT_TRUE(MenuItemEnabled(IDM_UNLOCK));
    Restart();  // the wrong key is not kept
    EXPECT_EQ(gGame.solutionState, kSolutionLocked);

    const size_t told = AutomationMessageBoxes().size();
    ScriptKeys({"4271"});
    Command(IDM_UNLOCK);
    EXPECT_EQ(std::string(gGame.solution, 25), kLockedRows);
    EXPECT_EQ(AutomationMessageBoxes().size(), told);
}

// Notes show in Puzzle Information, wrapped and scrolling; a puzzle opened for the first time
// shows them by itself, once.
TEST_F(RealPuzzleTest, NotesShowOnTheFirstOpeningAndInPuzzleInformation)
{
    PuzzleImage p = MakePuzzle({"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"});
    AddClues(&p);
    p.notes = "NOTE: The circled letters spell a word that every solver of this puzzle will "
              "need at the very end, so keep them in mind.";
    WriteDeviceFile("\\My Documents\\Pack\\notes.puz", Bytes(p));
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Restart();
    int shown = 0;
    std::vector<std::u16string> lines;
    auto look = [&] {
        HWND dialog = GetForegroundWindow();
        WCHAR title[64] = {};
        GetWindowTextW(dialog, title, 64);
        shown += std::u16string(title) == u"Puzzle Information";
        lines.clear();
        const int count = int(SendDlgItemMessageW(dialog, 1071, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR line[300] = {};
            SendDlgItemMessageW(dialog, 1071, LB_GETTEXT, WPARAM(i), LPARAM(line));
            lines.push_back(line);
        }
    };
    AutomationAnswerFileDialog(u"\\My Documents\\Pack\\notes.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    AutomationProbe(look);
    TapNavigationOk();
    Command(IDM_OPEN);
    EXPECT_EQ(shown, 1);
    ASSERT_GT(lines.size(), 6u);
    EXPECT_EQ(lines[0], u"Title");  // the header first, a line apart from the notes
    EXPECT_EQ(lines[3], u"");
    EXPECT_EQ(lines[4].substr(0, 5), u"NOTE:");
    std::u16string joined;
    for (size_t i = 4; i < lines.size(); ++i)
        joined += (joined.empty() ? u"" : u" ") + lines[i];
    EXPECT_EQ(joined.size(), p.notes.size());

    // Not at the next start, which brings the progress back; always from Puzzle Info.
    Restart();
    EXPECT_EQ(shown, 1);
    AutomationProbe(look);
    TapNavigationOk();
    Command(IDM_PUZZLE_INFO);
    EXPECT_EQ(shown, 2);
}

// A long note, author and copyright show whole, every line clear of the list's scroll bar, and
// the line breaks of a file written on another system break lines instead of showing boxes.
TEST_F(RealPuzzleTest, PuzzleInformationShowsEveryLineWholeBesideTheScrollBar)
{
    PuzzleImage p = MakePuzzle({"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"});
    AddClues(&p);
    p.title = "Whole";
    p.author = "Edited by someone with a name long enough to need two lines of the list";
    p.copyright = "Copyright 2026 by a syndicate whose notice runs on and on past one line, end";
    for (int k = 1; k <= 30; ++k)
        p.notes += "Line " + std::to_string(k) + " ends in CR LF.\r\n";
    p.notes += "And the last line.";
    WriteDeviceFile("\\My Documents\\Pack\\long.puz", Bytes(p));
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Restart();
    std::vector<std::u16string> lines;
    int widest = 0;
    int room = 0;
    AutomationProbe([&] {
        HWND list = GetDlgItem(GetForegroundWindow(), 1071);
        RECT client;
        GetClientRect(list, &client);
        room = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
        HDC dc = GetDC(list);
        HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(list, WM_GETFONT, 0, 0)));
        const int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR line[300] = {};
            SendMessageW(list, LB_GETTEXT, WPARAM(i), LPARAM(line));
            lines.push_back(line);
            SIZE size = {};
            GetTextExtentPoint32W(dc, line, lstrlenW(line), &size);
            widest = std::max(widest, int(size.cx));
        }
        SelectObject(dc, old);
        ReleaseDC(list, dc);
    });
    TapNavigationOk();
    AutomationAnswerFileDialog(u"\\My Documents\\Pack\\long.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Command(IDM_OPEN);  // a first opening shows the notes by itself
    ASSERT_GT(lines.size(), 30u);
    std::u16string all;
    for (const std::u16string& line : lines) {
        EXPECT_EQ(line.find(u'\r'), std::u16string::npos);
        all += line + u" ";
    }
    EXPECT_NE(all.find(u"two lines of the list"), std::u16string::npos);
    EXPECT_NE(all.find(u"past one line, end"), std::u16string::npos);
    EXPECT_EQ(lines[lines.size() - 2], u"Line 30 ends in CR LF.");
    EXPECT_EQ(lines.back(), u"And the last line.");
    EXPECT_GT(room, 0);
    EXPECT_LE(widest, room);
}

}  // namespace
