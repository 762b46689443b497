// The cursor stays where the player left it: across a change of magnification, at a restart
// and when a puzzle is opened again, each time scrolled into the view.
#include "automation.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "resource_ids.h"

namespace {

class CursorKeptTest : public GameDialogTest {
  protected:
    void SetUp() override
    {
        GameDialogTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(21), "Puzzle A");
        WritePuzzle("\\My Documents\\b.puz", OpenGrid(5, 5), "Puzzle B");
        Start();
    }
    void ExpectCursor(int row, int col, int direction)
    {
        EXPECT_EQ(gGame.cursorRow, row);
        EXPECT_EQ(gGame.cursorCol, col);
        EXPECT_EQ(gGame.direction, direction);
    }
    // The cursor square drawn orange inside the view.
    void ExpectCursorShown()
    {
        const RECT r = CellOnScreen(gGame.cursorRow, gGame.cursorCol);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, gGame.viewWidth);
        EXPECT_LE(r.bottom, gGame.viewHeight);
        EXPECT_GT(CountPixels(r, kOrange), (r.right - r.left) * (r.bottom - r.top) / 2);
    }
    void Open(const char16_t* path)
    {
        AutomationAnswerFileDialog(path);
        AutomationAnswerMessageBox(u"Confirm", IDYES);
        Command(IDM_OPEN);
    }
};

TEST_F(CursorKeptTest, AMagnificationChangeKeepsTheCursorInView)
{
    TapCell(17, 18);
    Command(IDM_LARGE);
    ExpectCursor(17, 18, kAcross);
    EXPECT_GT(gGame.scrollY, 0);
    ExpectCursorShown();
    Command(IDM_MEDIUM);
    ExpectCursor(17, 18, kAcross);
    ExpectCursorShown();
    Command(IDM_SMALL);
    ExpectCursor(17, 18, kAcross);
    ExpectCursorShown();
}

TEST_F(CursorKeptTest, ARestartAndAnotherOpeningBringTheCursorBack)
{
    Command(IDM_LARGE);
    TapCell(2, 5);
    Key(VK_RETURN);
    for (int i = 0; i < 14; ++i)
        Key(VK_DOWN);  // down word jumps, scrolling as they go
    const int row = gGame.cursorRow;
    const int col = gGame.cursorCol;
    ASSERT_GT(row + col, 10);
    ASSERT_EQ(gGame.direction, kDown);

    Restart();
    ExpectCursor(row, col, kDown);
    ExpectCursorShown();

    Open(u"\\My Documents\\b.puz");
    ExpectCursor(0, 0, kDown);  // a first opening: the first square
    TapCell(3, 2);
    Open(u"\\My Documents\\a.puz");
    ExpectCursor(row, col, kDown);
    ExpectCursorShown();
    Open(u"\\My Documents\\b.puz");
    ExpectCursor(3, 2, kDown);
}

}  // namespace
