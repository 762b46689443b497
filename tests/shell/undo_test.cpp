// Undo through the window: a hundred changes taken back one at a time.
#include "comforts_fixture.h"

namespace {

TEST_F(ComfortsTest, UndoTakesBackAHundredChangesOneAtATime)
{
    Open();
    std::vector<std::string> grids = {std::string(gGame.entries, 25)};
    for (int k = 0; k < 120; ++k) {
        TapCell(k / 5 % 5, k % 5);
        Key(UINT('A' + k % 26));
        grids.push_back(std::string(gGame.entries, 25));
    }
    Command(IDM_FILL_PUZZLE);
    AutomationAnswerMessageBox(u"Are You Sure?", IDYES);
    Command(IDM_CLEAR_PUZZLE);
    ASSERT_EQ(std::string(gGame.entries, 25), std::string(25, '-'));
    Command(IDM_UNDO);
    EXPECT_EQ(std::string(gGame.entries, 25), "HEARTOVERTNORTHEASELSLEDS");
    Command(IDM_UNDO);
    EXPECT_EQ(std::string(gGame.entries, 25), grids.back());

    for (int step = 0; step < 100; ++step) {
        const int k = 119 - step;
        Command(IDM_UNDO);
        ASSERT_EQ(std::string(gGame.entries, 25), grids[size_t(k)]) << step;
        ASSERT_EQ(gGame.cursorRow * 5 + gGame.cursorCol, k % 25) << step;
    }
    EXPECT_GT(CountDark(3, 4), 0);  // typed before the last step taken back
    EXPECT_EQ(CountDark(4, 1), 0);

    // Ctrl+Z in the game's own loop, which translates the accelerators.
    TapCell(4, 1);
    Key('Q');
    CtrlKey('Z');
    CtrlKey('Q');
    EXPECT_EQ(RunMessageLoop(instance), 0);
    window = nullptr;
    EXPECT_EQ(RecordEntries(StateFile(), 25), grids[20]);
}

}  // namespace
