// The installer's pictures, drawn with the device's GDI.
#include "installer_pictures.h"

#include "canvas.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kBlue = RGB(0, 0, 255);

constexpr int kSquare = 10;  // grid squares of the pieces

// A grid of `cols` x `rows` squares from (left, top); `pattern` rows of '#' (black), a
// letter, or '-' (empty).
void Grid(HDC dc, int left, int top, const char* const* pattern, int rows, int cols)
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const char cell = pattern[r][c];
            const int x = left + c * kSquare;
            const int y = top + r * kSquare;
            Box(dc, x, y, x + kSquare + 1, y + kSquare + 1, kBlack, cell == '#' ? kNavy : kWhite);
            if (cell >= 'A' && cell <= 'Z') {
                const char16_t text[2] = {char16_t(cell), 0};
                const RECT box = {x + 1, y + 1, x + kSquare, y + kSquare};
                CentredText(dc, box, text, u"Arial", -9, FW_BOLD, kPurple);
            }
        }
    }
}

// The bramble leaf: an oval with a vein.
void Leaf(HDC dc, int left, int top, int right, int bottom)
{
    Oval(dc, left, top, right, bottom, kGreen, kGreen);
    const POINT vein[] = {{left + 2, bottom - 2}, {right - 3, top + 3}};
    Lines(dc, vein, 2, kWhite, 1);
}

// Each piece draws its first `rows` rows: all of them as an animation piece, six on the
// splash, where the help lines come below.
void DrawLeftInto(HDC dc, int x, int y, int rows)
{
    const char* const pattern[] = {"-----#", "-#-#--", "------", "#--#--", "------",
                                   "-#---#", "------", "--#---", "------"};
    Grid(dc, x, y, pattern, rows, 6);
}

void DrawMiddleInto(HDC dc, int x, int y, int rows)
{
    const char* const pattern[] = {"#PACK#", "-#-#-U", "BRAMBL", "-#-#-Z",
                                   "SETS##", "-#-#-#", "WORDS-", "#-#---"};
    Grid(dc, x + 2, y + 2, pattern, rows, 6);
}

void DrawRightInto(HDC dc, int x, int y, int rows)
{
    const char* const pattern[] = {"--", "#-", "--", "-#", "--", "--", "#-", "--"};
    Grid(dc, x + 3, y + 2, pattern, rows, 2);
}

}  // namespace

Picture DrawInstallerIcon()
{
    Canvas c = OpenCanvas(32, 32, kWhite);
    const char* const rows[] = {"--#", "---", "#--"};
    Grid(c.dc, 1, 9, rows, 3, 3);
    Leaf(c.dc, 14, 1, 31, 18);
    return CloseCanvas(&c);
}

Picture DrawLeftPiece()
{
    Canvas c = OpenCanvas(62, 91, kWhite);
    DrawLeftInto(c.dc, 0, 0, 9);
    return CloseCanvas(&c);
}

Picture DrawMiddlePiece()
{
    Canvas c = OpenCanvas(64, 84, kWhite);
    DrawMiddleInto(c.dc, 0, 0, 8);
    return CloseCanvas(&c);
}

Picture DrawRightPiece()
{
    Canvas c = OpenCanvas(27, 84, kWhite);
    DrawRightInto(c.dc, 0, 0, 8);
    return CloseCanvas(&c);
}

Picture DrawSplash(const char16_t* title)
{
    Canvas c = OpenCanvas(240, 320, kWhite);
    Box(c.dc, 0, 0, 240, 4, kNavy, kNavy);
    Leaf(c.dc, 8, 10, 30, 30);
    Leaf(c.dc, 210, 10, 232, 30);
    const RECT titleBox = {30, 8, 210, 36};
    CentredText(c.dc, titleBox, title, u"Arial", -20, FW_BOLD, kNavy);
    const RECT tagBox = {10, 38, 230, 56};
    CentredText(c.dc, tagBox, u"A puzzle pack for Crossword", u"Arial", -12, FW_NORMAL, kBlack);
    Box(c.dc, 20, 62, 220, 64, kSilver, kSilver);

    // The pieces joined in one row, under the line about the pack's size that the installer
    // writes at (10, 85)-(230, 115).
    DrawLeftInto(c.dc, 22, 120, 6);
    DrawMiddleInto(c.dc, 102, 118, 6);
    DrawRightInto(c.dc, 192, 118, 6);

    const RECT contact = {65, 187, 178, 198};
    Box(c.dc, contact.left, contact.top, contact.right, contact.bottom, kWhite, kWhite);
    CentredText(c.dc, contact, u"Contact us", u"Arial", -11, FW_NORMAL, kBlue);
    const POINT underline1[] = {{90, 197}, {153, 197}};
    Lines(c.dc, underline1, 2, kBlue, 1);
    const RECT marks = {44, 202, 196, 213};
    Box(c.dc, marks.left, marks.top, marks.right, marks.bottom, kWhite, kWhite);
    CentredText(c.dc, marks, u"Trademarks and copyrights", u"Arial", -11, FW_NORMAL, kBlue);
    const POINT underline2[] = {{52, 212}, {188, 212}};
    Lines(c.dc, underline2, 2, kBlue, 1);
    return CloseCanvas(&c);
}
