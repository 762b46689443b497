// Dialog artwork. The logo is a small crossword grid cut in three: the pieces are drawn at
// the places where the About animation brings them to rest (22,102), (102,72) and
// (192,102), and the About picture draws all three there, so the final screen continues the
// animation's last frame without a jump.
#include "dialog_pictures.h"

#include "canvas.h"
#include "pictures.h"

namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kBarGrey = RGB(192, 192, 192);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kGold = RGB(255, 204, 0);

constexpr int kSquare = 13;  // side of one logo square, lines included

// A column of squares of the logo with its black squares, drawn at (x, y).
void GridPiece(HDC dc, int x, int y, int columns, int rows, const char* blacks)
{
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const bool black = blacks[row * columns + col] == '#';
            Box(dc, x + col * kSquare, y + row * kSquare, x + col * kSquare + kSquare + 1,
                y + row * kSquare + kSquare + 1, kInk, black ? kInk : kPaper);
        }
    }
}

void DrawLeft(HDC dc, int x, int y)
{
    // 4 columns x 6 rows of squares, 53 x 79 with the last line; a letter in the corner.
    GridPiece(dc, x + 4, y + 6, 4, 6, "...#.#.....#...#...#..#.");
    const RECT first = {x + 5, y + 7, x + 17, y + 19};
    CentredText(dc, first, u"C", u"Arial", -10, FW_BOLD, kNavy);
}

void DrawMiddle(HDC dc, int x, int y)
{
    // A gold tile with the game's initial over 4 x 5 squares.
    RoundBox(dc, x, y, x + 64, y + 84, 10, kInk, kGold);
    GridPiece(dc, x + 6, y + 6, 4, 5, "..#.#.....#..#....#.");
    const RECT letter = {x + 7, y + 7, x + 19, y + 19};
    CentredText(dc, letter, u"W", u"Arial", -10, FW_BOLD, kNavy);
}

void DrawRight(HDC dc, int x, int y)
{
    GridPiece(dc, x + 1, y, 1, 6, "..#...");
    Box(dc, x + 16, y + 2, x + 27, y + 82, kInk, kNavy);
}

void LinkLine(HDC dc, const RECT& area, const char16_t* text)
{
    LOGFONTW lf = {};
    lf.lfHeight = -10;
    lf.lfUnderline = TRUE;
    lstrcpynW(lf.lfFaceName, u"Arial", LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLinkBlue);
    RECT r = area;
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace

Picture DrawQuickHelpPicture(int index)
{
    Picture strip = DrawToolbarStrip();
    Canvas c = OpenCanvas(19, 19, kPaper);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const COLORREF pixel = strip.pixels[size_t(y * strip.width + index * 16 + x)];
            if (pixel != kBarGrey)
                SetPixel(c.dc, x + 2, y + 2, pixel);
        }
    }
    return CloseCanvas(&c);
}

Picture DrawAboutPicture()
{
    Canvas c = OpenCanvas(240, 320, kPaper);
    Box(c.dc, 0, 0, 240, 320, kInk, kPaper);
    const RECT title = {0, 8, 240, 36};
    CentredText(c.dc, title, u"Crossword", u"Arial", -22, FW_BOLD, kNavy);
    const RECT version = {0, 38, 240, 54};
    CentredText(c.dc, version, u"Version 1.0", u"Arial", -11, FW_NORMAL, kInk);
    DrawLeft(c.dc, 22, 102);
    DrawMiddle(c.dc, 102, 72);
    DrawRight(c.dc, 192, 102);
    LinkLine(c.dc, {65, 187, 178, 198}, u"Contact us");
    LinkLine(c.dc, {44, 202, 196, 213}, u"Trademarks and copyrights");
    // The web line's area is only 8 pixels high: the text is centred on it and may reach a
    // pixel or two beyond it, where taps are not needed.
    LinkLine(c.dc, {52, 217, 189, 233}, u"puzzles.example.com");
    return CloseCanvas(&c);
}

Picture DrawLogoLeft()
{
    Canvas c = OpenCanvas(62, 91, kPaper);
    DrawLeft(c.dc, 0, 0);
    return CloseCanvas(&c);
}

Picture DrawLogoMiddle()
{
    Canvas c = OpenCanvas(64, 84, kPaper);
    DrawMiddle(c.dc, 0, 0);
    return CloseCanvas(&c);
}

Picture DrawLogoRight()
{
    Canvas c = OpenCanvas(27, 84, kPaper);
    DrawRight(c.dc, 0, 0);
    return CloseCanvas(&c);
}
