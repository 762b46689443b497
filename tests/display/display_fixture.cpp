// The display tests' window, puzzle and probes.
#include "display_fixture.h"

#include <algorithm>

#include "automation.h"
#include "display_state.h"
#include "display_window.h"
#include "grid_draw.h"
#include "layout.h"
#include "puzzle_image.h"
#include "puzzle_load.h"
#include "resources.h"

namespace {

// A 24-bit BMP file of `width` x `height` pixels, all `colour`.
std::vector<unsigned char> SolidBmp(int width, int height, COLORREF colour)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    const int pixelBytes = rowBytes * height;
    std::vector<unsigned char> bmp(54 + size_t(pixelBytes), 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k)
            bmp[at + size_t(k)] = (unsigned char)(v >> (8 * k));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, uint32_t(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    bmp[26] = 1;   // planes
    bmp[28] = 24;  // bits per pixel
    put32(34, uint32_t(pixelBytes));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &bmp[54 + size_t(y * rowBytes + x * 3)];
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    }
    return bmp;
}

void RegisterKeyboardPicture()
{
    static const std::vector<unsigned char> picture = SolidBmp(240, 44, kPictureGrey);
    static const ResourceEntry entries[] = {
        {RT_BITMAP, 138, picture.data(), DWORD(picture.size())},
    };
    static const ResourceModule module = {u"\\Program Files\\Crossword\\Crossword.exe", entries, 1};
    RegisterResourceModule(&module);
}

}  // namespace

std::vector<std::string> OpenGrid(int width, int height)
{
    return std::vector<std::string>(size_t(height), std::string(size_t(width), 'A'));
}

void DisplayTest::SetUp()
{
    window = OpenDisplayWindow();
    ASSERT_NE(window, nullptr);
    RegisterKeyboardPicture();
    origin = {0, 0};
    ClientToScreen(window, &origin);
}

void DisplayTest::TearDown()
{
    CloseDisplayWindow(window);
}

void DisplayTest::Load(const std::vector<std::string>& rows, const std::vector<std::string>& clues,
                       const std::string& version)
{
    PuzzleImage image = MakePuzzle(rows);
    image.version = version;
    if (clues.empty())
        AddClues(&image);
    else
        image.clues = clues;
    ASSERT_TRUE(LoadAndParse(Bytes(image)));
}

void DisplayTest::Layout(int magnification)
{
    SetMagnification(&gGame.settings, magnification);
    ComputeLayout(window);
}

Colour DisplayTest::Screen(int x, int y) const
{
    return {AutomationScreenPixel(origin.x + x, origin.y + y)};
}

Colour DisplayTest::Buffer(int x, int y)
{
    return {GetPixel(gDisplay.backBuffer, x, y)};
}

namespace {

template <typename Read, typename Ink> RECT InkWhere(const RECT& area, Read read, Ink ink)
{
    RECT box = {0, 0, 0, 0};
    bool any = false;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!ink(read(x, y)))
                continue;
            if (!any)
                box = {x, y, x + 1, y + 1};
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
            any = true;
        }
    }
    return box;
}

COLORREF ReadBuffer(int x, int y)
{
    return GetPixel(gDisplay.backBuffer, x, y);
}

}  // namespace

bool IsDark(COLORREF c)
{
    return GetRValue(c) < 0x70 && GetGValue(c) < 0x70 && GetBValue(c) < 0x70;
}

bool IsReddish(COLORREF c)
{
    return GetRValue(c) >= 0xA0 && GetGValue(c) < 0x90 && GetBValue(c) < 0x70;
}

RECT DisplayTest::BufferInk(const RECT& area, COLORREF colour)
{
    return InkWhere(area, ReadBuffer, [colour](COLORREF c) { return c == colour; });
}

RECT DisplayTest::BufferInkWhere(const RECT& area, bool (*ink)(COLORREF))
{
    return InkWhere(area, ReadBuffer, ink);
}

RECT DisplayTest::ScreenInk(const RECT& area, COLORREF colour) const
{
    return InkWhere(
        area, [this](int x, int y) { return Screen(x, y).value; },
        [colour](COLORREF c) { return c == colour; });
}

RECT DisplayTest::ScreenInkWhere(const RECT& area, bool (*ink)(COLORREF)) const
{
    return InkWhere(
        area, [this](int x, int y) { return Screen(x, y).value; }, ink);
}

POINT DisplayTest::CellCentre(int row, int col)
{
    return {CellLeft(col) + gGame.cellSize / 2, CellTop(row) + gGame.cellSize / 2};
}

RECT DisplayTest::CellInside(int row, int col)
{
    return {CellLeft(col) + 1, CellTop(row) + 1, CellLeft(col) + gGame.cellSize,
            CellTop(row) + gGame.cellSize};
}

void DisplayTest::FillClient(COLORREF colour) const
{
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT client = {};
    GetClientRect(window, &client);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

void DisplayTest::At(int row, int col, int direction)
{
    gGame.cursorRow = row;
    gGame.cursorCol = col;
    gGame.direction = direction;
}
