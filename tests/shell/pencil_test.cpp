// Pencil letters: grey, checked like ink, inked over, kept across a restart.
#include "comforts_fixture.h"

namespace {

TEST_F(ComfortsTest, PencilLettersAreGreyCheckedAndKeptUntilInkedOver)
{
    Open();
    EXPECT_FALSE(Checked(IDM_MAIN_MENU_BUTTON, IDM_PENCIL));
    TapCell(1, 0);
    Type("O");
    EXPECT_EQ(Count(1, 0, kPencil), 0);
    Command(IDM_PENCIL);
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_PENCIL));
    Type("VQ");  // (1, 1) right, (1, 2) wrong
    EXPECT_GT(Count(1, 1, kPencil), 4);
    EXPECT_GT(Count(1, 2, kPencil), 4);
    Command(IDM_CHECK);
    EXPECT_GT(CountReddish(CellOnScreen(1, 2)), 0);
    EXPECT_EQ(CountReddish(CellOnScreen(1, 1)), 0);

    Restart();
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_PENCIL));
    EXPECT_EQ(std::string(gGame.entries + 5, 3), "OVQ");
    EXPECT_GT(Count(1, 1, kPencil), 4);
    EXPECT_EQ(Count(1, 0, kPencil), 0);

    Command(IDM_PENCIL);
    TapCell(1, 1);
    Type("V");
    EXPECT_EQ(Count(1, 1, kPencil), 0);
    EXPECT_GT(CountDark(1, 1), 4);
    EXPECT_GT(Count(1, 2, kPencil), 4);
}

}  // namespace
