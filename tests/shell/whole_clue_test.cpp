// Long clues whole: the clue bar grows to the lines the current clue needs while its word stays
// in view, cuts what it cannot hold with an ellipsis before the length, and a tap on it shows
// the whole clue; played on the longest clues of the real-file corpus in every magnification,
// with and without the on-screen keyboard.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "automation.h"
#include "clue_bar.h"
#include "game_dialog_fixture.h"
#include "game_process.h"
#include "game_state.h"
#include "play_cursor.h"
#include "puzzle_image.h"
#include "real_puzzles.h"
#include "resource_ids.h"

namespace {

// The corpus files with its longest clues: 269 characters on a 5 x 5, 142 on a 15 x 15 and
// 95 on two 17 x 17s.
const char* const kLongClueFiles[] = {"Crossword-EXT.puz", "1287UpWithPeople.puz",
                                      "075_WoodenIdols.puz", "THemeless 19.puz"};

std::string ReadHostFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class WholeClueTest : public GameDialogTest {
  protected:
    // Opens corpus file `name` as the game's only puzzle; false when it is not there.
    bool OpenRealPuzzle(const std::filesystem::path& folder, const std::string& name)
    {
        const std::string bytes = ReadHostFile(folder / name);
        if (bytes.empty())
            return false;
        WriteDeviceFile("\\My Documents\\long.puz", bytes);
        // A new run, as Restart makes it; a puzzle with notes shows them at its first
        // opening, and they are closed unread.
        if (window && IsWindow(window))
            DestroyWindow(window);
        window = nullptr;
        instance = FreshGameProcess();
        AutomationProbe([] {
            HWND dialog = GetForegroundWindow();
            WCHAR title[64] = {};
            GetWindowTextW(dialog, title, 64);
            if (std::u16string(title) == u"Puzzle Information")
                TapNavigationOk();
        });
        Start();
        return gGame.width > 0;
    }

    // The word of the longest clue, with its direction: the index of that clue.
    static int LongestClue()
    {
        int best = -1;
        size_t longest = 0;
        for (int k = 0; k < gGame.clueCount && k < kMaxClues; ++k) {
            const size_t n = gGame.clueTexts[k] ? std::strlen(gGame.clueTexts[k]) : 0;
            if (n > longest) {
                longest = n;
                best = k;
            }
        }
        return best;
    }

    // Steps word by word with the arrow key, as the player does, to the word of clue `clue`:
    // through the words of one direction, then, turned with Enter, of the other.
    bool GoToClue(int clue)
    {
        for (int turn = 0; turn < 2; ++turn) {
            for (int step = 0; step < kMaxWords; ++step) {
                const ClueEntry* row = CurrentClueRow();
                if (row && row->clueIndex == clue)
                    return true;
                Key(VK_DOWN);
            }
            Key(VK_RETURN);
        }
        return false;
    }

    static std::u16string Shown(HWND window)
    {
        WCHAR text[kClueBarChars];
        ClueBarShownText(window, text);
        return text;
    }
    static std::u16string Whole()
    {
        WCHAR text[kWholeClueChars];
        ComposeWholeClueText(text);
        return text;
    }

    // The squares of the current word on the screen must all lie above the clue bar and show
    // the word's yellow (the cursor's orange), or, for a word longer than the view along its
    // direction, the cursor's square must.
    void ExpectWordInView()
    {
        int first = 0;
        int last = 0;
        int step = 1;
        ASSERT_TRUE(CurrentWordSquares(&first, &last, &step));
        const int barTop = ClueBarTop(window);
        const int cells = (last - first) / step + 1;
        const int extent = gGame.direction == kAcross ? gGame.viewWidth : barTop;
        const bool whole = cells * gGame.cellSize <= extent;
        for (int square = first; square <= last; square += step) {
            const int row = square / gGame.width;
            const int col = square % gGame.width;
            if (!whole && (row != gGame.cursorRow || col != gGame.cursorCol))
                continue;
            const RECT r = CellOnScreen(row, col);
            SCOPED_TRACE(testing::Message() << "square " << row << "," << col);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.bottom, barTop);
            EXPECT_GE(r.left, 0);
            EXPECT_LE(r.right, gGame.viewWidth);
            EXPECT_GT(CountPixels(r, kYellow) + CountPixels(r, kOrange), 0);
        }
    }

    // The bar shows the clue whole or cut with an ellipsis, its length always, and its ink
    // reaches the lines the bar grew by.
    void ExpectClueShown()
    {
        const std::u16string shown = Shown(window);
        const std::u16string whole = Whole();
        const ClueEntry* row = CurrentClueRow();
        ASSERT_NE(row, nullptr);
        const std::string digits = " (" + std::to_string(row->length) + ")";
        const std::u16string length(digits.begin(), digits.end());
        ASSERT_GE(shown.size(), length.size());
        EXPECT_EQ(shown.substr(shown.size() - length.size()), length) << "the length";
        if (shown != whole) {
            EXPECT_NE(shown.find(u'\u2026'), std::u16string::npos) << "a cut clue says so";
            EXPECT_EQ(whole.substr(0, shown.find(u'\u2026')),
                      shown.substr(0, shown.find(u'\u2026')));
        }
        const int top = ClueBarTop(window);
        RECT bar = {
            0, top, 240,
            std::min(top + kClueBarHeight + gGame.clueBarGrowth, gGame.keyboardShown ? 225 : 268)};
        EXPECT_EQ(CountPixels({0, top, 240, top + 1}, kWhitePaper), 240) << "the bar's top edge";
        EXPECT_GT(CountDarkIn(bar), 0);
        if (gGame.clueBarGrowth > 0) {
            const RECT grown = {0, top + kClueBarHeight, 240, bar.bottom};
            EXPECT_GT(CountDarkIn(grown), 0) << "the lines the bar grew by hold text";
        }
    }
};

TEST_F(WholeClueTest, TheLongestRealCluesShowWholeOrCutWithTheirWordInView)
{
    const std::filesystem::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int grown = 0;
    int cut = 0;
    for (const char* name : kLongClueFiles) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(OpenRealPuzzle(folder, name));
        const int clue = LongestClue();
        ASSERT_GE(clue, 0);
        for (const UINT magnification : {IDM_SMALL, IDM_MEDIUM, IDM_LARGE}) {
            for (const bool keyboard : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << "magnification " << magnification
                             << (keyboard ? " with" : " without") << " the keyboard");
                Command(magnification);
                if ((gGame.keyboardShown != 0) != keyboard)
                    Command(IDM_KEYBOARD);
                ASSERT_TRUE(GoToClue(clue));
                ExpectClueShown();
                ExpectWordInView();
                grown += gGame.clueBarGrowth > 0;
                if (Shown(window) != Whole()) {
                    ++cut;
                    AutomationAnswerMessageBox(u"Clue", IDOK);
                    const size_t before = AutomationMessageBoxes().size();
                    Tap(120, ClueBarTop(window) + 5);
                    ASSERT_EQ(AutomationMessageBoxes().size(), before + 1) << "the tap shows it";
                    EXPECT_EQ(AutomationMessageBoxes().back().text, Whole());
                }
                // Leaving for a short clue gives the grown lines back to the view.
                Key(VK_DOWN);
                if (Whole().size() < 40) {
                    EXPECT_EQ(gGame.clueBarGrowth, 0);
                }
                EXPECT_EQ(StalePixelsInView(), 0);
            }
        }
    }
    EXPECT_GT(grown, 0);
    EXPECT_GT(cut, 0);
}

// A tap on a bar that shows its clue whole opens nothing.
TEST_F(WholeClueTest, ATapOnAWholeClueOpensNothing)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(7));
    Restart();
    const size_t before = AutomationMessageBoxes().size();
    Tap(120, ClueBarTop(window) + 5);
    EXPECT_EQ(AutomationMessageBoxes().size(), before);
}

}  // namespace
