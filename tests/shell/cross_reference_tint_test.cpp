// The squares of the entries a clue names are tinted while its word is current.
#include "comforts_fixture.h"

namespace {

TEST_F(ComfortsTest, EntriesTheClueNamesAreTintedUntilTheWordChanges)
{
    PuzzleImage p = MakePuzzle(kRows);
    AddClues(&p);
    p.clues[0] = "Ties 7-Across to 3- and 5-Down";  // 1-Across
    WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
    Restart();
    TapCell(0, 0);
    if (gGame.direction != kAcross)
        Key(VK_RETURN);
    const auto tinted = [this](int row, int col) { return Count(row, col, kReferenceTint) > 20; };
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(tinted(row, col), row > 0 && (row == 2 || col == 2 || col == 4))
                << row << "," << col;
    Key('H');
    EXPECT_TRUE(tinted(2, 0));
    TapCell(1, 0);  // 6-Across names nothing
    EXPECT_FALSE(tinted(2, 0));
    EXPECT_FALSE(tinted(3, 4));
}

}  // namespace
