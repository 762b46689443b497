// Layout numbers by magnification and grid shape, the grid image's size, dragging limits and
// the hit test, on a 240 x 268 client area; and every real puzzle laid out and painted.
#include <filesystem>
#include <fstream>

#include "automation.h"
#include "clue_bar.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_paint.h"
#include "layout.h"
#include "puzzle_reader.h"
#include "real_puzzles.h"

namespace {

using LayoutTest = DisplayTest;

struct Expected {
    int cellSize, gridLeft, bufferWidth, bufferHeight;
};

void ExpectLayout(const Expected& e)
{
    EXPECT_EQ(gGame.cellSize, e.cellSize);
    EXPECT_EQ(gGame.gridLeft, e.gridLeft);
    EXPECT_EQ(gGame.bufferWidth, e.bufferWidth);
    EXPECT_EQ(gGame.bufferHeight, e.bufferHeight);
    BITMAP info = {};
    ASSERT_NE(gDisplay.backBitmap, nullptr);
    GetObjectW(gDisplay.backBitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, e.bufferWidth);
    EXPECT_EQ(info.bmHeight, e.bufferHeight);
}

TEST_F(LayoutTest, SquareGridsAtEachMagnification)
{
    Load(OpenGrid(15, 15));
    Layout(kSmall);
    EXPECT_EQ(gGame.bottomPanelHeight, 20);
    EXPECT_EQ(gGame.viewWidth, 240);
    EXPECT_EQ(gGame.viewHeight, 248);
    ExpectLayout({16, 0, 240, 268});
    Layout(kMedium);
    ExpectLayout({20, 0, 301, 301});
    Layout(kLarge);
    ExpectLayout({24, 0, 361, 361});

    Load(OpenGrid(21, 21));
    Layout(kSmall);
    ExpectLayout({11, 4, 240, 268});

    Load(OpenGrid(11, 11));
    Layout(kMedium);
    ExpectLayout({20, 10, 240, 268});

    Load(OpenGrid(12, 12));  // exactly as wide as the view: centred at 0, client-sized image
    Layout(kMedium);
    ExpectLayout({20, 0, 240, 268});
}

TEST_F(LayoutTest, RectangularGridsFitSmallBothWaysAndKeepTheWholeGridOtherwise)
{
    Load(OpenGrid(15, 21));  // 15 columns, 21 rows: the height decides in Small
    Layout(kSmall);
    ExpectLayout({11, (240 - 165) / 2, 240, 268});
    Layout(kMedium);  // 300 wide and 420 tall
    ExpectLayout({20, 0, 301, 421});

    Load(OpenGrid(21, 15));  // 21 columns, 15 rows: the width decides in Small
    Layout(kSmall);
    ExpectLayout({11, 4, 240, 268});

    Load(OpenGrid(9, 15));  // narrow but taller than the view: centred, whole height kept
    Layout(kMedium);
    ExpectLayout({20, 30, 240, 301});
}

TEST_F(LayoutTest, KeyboardAndInputPanelSetTheBottomBand)
{
    Load(OpenGrid(15, 15));
    gGame.keyboardShown = 1;
    Layout(kSmall);
    EXPECT_EQ(gGame.bottomPanelHeight, 65);
    EXPECT_EQ(gGame.viewHeight, 203);
    EXPECT_EQ(gGame.cellSize, 13);

    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    ASSERT_TRUE(SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0));
    sip.fdwFlags |= SIPF_ON;
    ASSERT_TRUE(SHSipInfo(SPI_SETSIPINFO, 0, &sip, 0));
    Layout(kSmall);  // the panel up wins over the keyboard flag
    EXPECT_EQ(gGame.bottomPanelHeight, 20);
}

TEST_F(LayoutTest, MakingTheImageAgainReplacesItWithoutLeaking)
{
    CreateBackBuffer(window, 240, 268);
    const int before = AutomationGdiObjectCount();
    CreateBackBuffer(window, 100, 50);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
    BITMAP info = {};
    GetObjectW(gDisplay.backBitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 100);
    DestroyBackBuffer();
    EXPECT_EQ(AutomationGdiObjectCount(), before - 2);
    DestroyBackBuffer();  // twice is harmless
    EXPECT_EQ(gDisplay.backBuffer, nullptr);
}

TEST_F(LayoutTest, ComputeLayoutResetsTheOffsetsAndLeavesTheImageWhite)
{
    Load(OpenGrid(15, 15));
    gGame.scrollX = 40;
    gGame.scrollY = 12;
    Layout(kLarge);
    EXPECT_EQ(gGame.scrollX, 0);
    EXPECT_EQ(gGame.scrollY, 0);
    EXPECT_EQ(BufferInk({0, 0, 361, 361}, kPaperWhite), (RECT{0, 0, 361, 361}));
}

TEST_F(LayoutTest, DragStepsPastAnEdgeAreDroppedWholePerDirection)
{
    Load(OpenGrid(15, 15));
    Layout(kMedium);  // 301 x 301 image: x up to 61, y up to 53
    ASSERT_EQ(MaxScrollX(), 61);
    ASSERT_EQ(MaxScrollY(), 53);
    auto drag = [&](int dx, int dy) { DragScroll(window, dx, dy); };
    drag(-30, -50);  // the pen moves left and up: the view goes right and down
    EXPECT_EQ(gGame.scrollX, 30);
    EXPECT_EQ(gGame.scrollY, 50);
    drag(-40, -4);  // x would reach 70 and y 54: both dropped
    EXPECT_EQ(gGame.scrollX, 30);
    EXPECT_EQ(gGame.scrollY, 50);
    drag(-31, -3);  // exactly to the edges
    EXPECT_EQ(gGame.scrollX, 61);
    EXPECT_EQ(gGame.scrollY, 53);
    drag(62, 10);  // x would go below 0: dropped; y comes back
    EXPECT_EQ(gGame.scrollX, 61);
    EXPECT_EQ(gGame.scrollY, 43);
}

TEST_F(LayoutTest, DraggingOnlyScrollsWhereTheGridIsLarger)
{
    Load(OpenGrid(9, 15));  // fits the width, taller than the view
    Layout(kMedium);
    DragScroll(window, -10, -10);
    EXPECT_EQ(gGame.scrollX, 0);
    EXPECT_EQ(gGame.scrollY, 10);

    Load(OpenGrid(15, 15));
    Layout(kSmall);  // Small never scrolls
    DragScroll(window, -10, -10);
    EXPECT_EQ(gGame.scrollX, 0);
    EXPECT_EQ(gGame.scrollY, 0);
}

TEST_F(LayoutTest, PresentViewCopiesTheImageAtTheOffsetAndWhitePastItsEdges)
{
    Load(OpenGrid(15, 15));
    Layout(kMedium);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT mark = {100, 60, 110, 70};
    FillRect(gDisplay.backBuffer, &mark, red);
    DeleteObject(red);
    PresentView(window, gGame.viewWidth, gGame.viewHeight, 30, 20);
    EXPECT_EQ(ScreenInk({0, 0, 240, 248}, RGB(255, 0, 0)), (RECT{70, 40, 80, 50}));

    // A view reaching 20 pixels past the 301 x 301 image on the right and at the bottom: what
    // the window showed there before gives way to white.
    PaintGrid(window, kGridEntries);
    FillClient(RGB(0, 0, 255));
    PresentView(window, gGame.viewWidth, gGame.viewHeight, 81, 73);
    EXPECT_EQ(ScreenInk({0, 0, 240, 248}, RGB(0, 0, 255)), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(ScreenInk({220, 0, 240, 248}, kPaperWhite), (RECT{220, 0, 240, 248}));
    EXPECT_EQ(ScreenInk({0, 228, 240, 248}, kPaperWhite), (RECT{0, 228, 240, 248}));
    EXPECT_EQ(Screen(219, 100), Colour{kLineBlack}) << "the grid's right edge";
}

TEST_F(LayoutTest, HitTestFollowsMarginAndOffsetsAndTruncates)
{
    Load(OpenGrid(21, 21));
    Layout(kSmall);  // cellSize 11, gridLeft 4
    int row = -1;
    int col = -1;
    ASSERT_TRUE(HitTestCell(4, 0, &row, &col));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
    ASSERT_TRUE(HitTestCell(15, 11, &row, &col));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 1);
    ASSERT_TRUE(HitTestCell(1, 5, &row, &col));  // left of the margin still truncates to 0
    EXPECT_EQ(col, 0);
    EXPECT_FALSE(HitTestCell(4 + 231, 5, &row, &col));
    EXPECT_FALSE(HitTestCell(10, 231, &row, &col));

    Layout(kLarge);
    gGame.scrollX = 48;
    gGame.scrollY = 24;
    ASSERT_TRUE(HitTestCell(0, 0, &row, &col));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 2);
}

}  // namespace

namespace {

std::string ReadHostFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every real puzzle the reader accepts is laid out so that all of it can be seen: whole in
// Small, and within the grid image (reachable by scrolling) in Medium and Large; painting it
// leaves no drawing object behind.
TEST_F(LayoutTest, RealPuzzlesFitOrCanBeScrolledToAtEveryMagnification)
{
    const std::filesystem::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int painted = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".puz")
            continue;
        const std::string bytes = ReadHostFile(entry.path());
        ResetGameState();
        if (!LoadPuzzleImage(bytes.data(), int(bytes.size())))
            continue;
        ParsePuzzle();
        if (gGame.width <= 0 || gGame.height <= 0)
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        for (int magnification : {kSmall, kMedium, kLarge}) {
            Layout(magnification);
            const int gridWidth = gGame.width * gGame.cellSize;
            const int gridHeight = gGame.height * gGame.cellSize;
            if (magnification == kSmall) {
                EXPECT_LE(gGame.gridLeft + gridWidth, gGame.viewWidth);
                EXPECT_LE(gridHeight, gGame.viewHeight);
            } else {
                EXPECT_GE(gGame.bufferWidth, gGame.gridLeft + gridWidth);
                EXPECT_GE(gGame.bufferHeight, gridHeight);
                EXPECT_GE(MaxScrollX() + gGame.viewWidth, gGame.gridLeft + gridWidth);
                EXPECT_GE(MaxScrollY() + gGame.viewHeight, gridHeight);
                EXPECT_LE(MaxScrollX() + gGame.viewWidth, gGame.bufferWidth);
                EXPECT_LE(MaxScrollY() + gGame.viewHeight, gGame.bufferHeight);
            }
            PaintGrid(window, kGridEntries);
            const int before = AutomationGdiObjectCount();
            PaintGrid(window, kGridEntries);
            PaintWordHighlight(window);
            PaintClueBar(window);
            EXPECT_EQ(AutomationGdiObjectCount(), before);
        }
        ++painted;
    }
    EXPECT_GT(painted, 10);
}

TEST_F(LayoutTest, ScrollWordIntoViewPresentsOnlyWhenItScrolled)
{
    Load(OpenGrid(21, 21));
    Layout(kLarge);
    PaintGrid(window, kGridEntries);
    At(20, 0, kAcross);
    FillClient(kLineBlack);
    ScrollWordIntoView(window);  // forward: the last row comes to the bottom of the view
    EXPECT_EQ(gGame.scrollY, 21 * 24 - 248);
    EXPECT_EQ(Screen(12, 247), Colour{kPaperWhite});  // the last row's square, presented

    FillClient(kLineBlack);
    ScrollWordIntoView(window);  // nothing to do: nothing drawn
    EXPECT_EQ(Screen(12, 247), Colour{kLineBlack});
}

}  // namespace
