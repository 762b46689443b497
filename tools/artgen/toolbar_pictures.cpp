// The menu bar's picture strip.
#include "canvas.h"
#include "pictures.h"

namespace {

constexpr COLORREF kBarGrey = RGB(192, 192, 192);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);

void MenuPage(HDC dc, int x)
{
    Box(dc, x + 3, 1, x + 13, 15, kInk, kPaper);
    for (int y = 4; y <= 12; y += 2) {
        const POINT line[] = {{x + 5, y}, {x + 11, y}};
        Lines(dc, line, 2, kNavy, 1);
    }
}

void CheckMark(HDC dc, int x)
{
    const POINT tick[] = {{x + 2, 8}, {x + 6, 12}, {x + 14, 3}};
    Lines(dc, tick, 3, RGB(0, 128, 0), 2);
}

void Eyes(HDC dc, int x)
{
    Oval(dc, x + 0, 4, x + 8, 12, kInk, kPaper);
    Oval(dc, x + 8, 4, x + 16, 12, kInk, kPaper);
    Oval(dc, x + 3, 6, x + 7, 10, kInk, kInk);
    Oval(dc, x + 11, 6, x + 15, 10, kInk, kInk);
}

void InformationSign(HDC dc, int x)
{
    Oval(dc, x + 1, 1, x + 15, 15, kNavy, kNavy);
    Box(dc, x + 7, 4, x + 9, 6, kPaper, kPaper);
    Box(dc, x + 7, 7, x + 9, 12, kPaper, kPaper);
}

void Folder(HDC dc, int x)
{
    const COLORREF edge = RGB(128, 128, 0);
    const COLORREF yellow = RGB(255, 255, 0);
    Box(dc, x + 1, 3, x + 7, 6, edge, yellow);
    Box(dc, x + 1, 5, x + 15, 14, edge, yellow);
}

void List(HDC dc, int x)
{
    for (int y = 2; y <= 13; y += 4) {
        Box(dc, x + 1, y, x + 3, y + 2, kNavy, kNavy);
        const POINT line[] = {{x + 5, y + 1}, {x + 15, y + 1}};
        Lines(dc, line, 2, kInk, 1);
    }
}

void Magnifier(HDC dc, int x)
{
    const POINT handle[] = {{x + 10, 10}, {x + 15, 15}};
    Lines(dc, handle, 2, kInk, 3);
    Oval(dc, x + 1, 1, x + 12, 12, kInk, RGB(0, 255, 255));
}

// Across turning into Down: the direction toggle.
void TurningArrows(HDC dc, int x)
{
    const POINT across[] = {{x + 1, 3}, {x + 11, 3}};
    Lines(dc, across, 2, kNavy, 2);
    FillTriangle(dc, {x + 10, 0}, {x + 15, 4}, {x + 10, 8}, kNavy);
    const POINT down[] = {{x + 3, 6}, {x + 3, 11}};
    Lines(dc, down, 2, RGB(128, 0, 0), 2);
    FillTriangle(dc, {x + 0, 10}, {x + 4, 16}, {x + 8, 10}, RGB(128, 0, 0));
}

void Keyboard(HDC dc, int x)
{
    Box(dc, x + 0, 3, x + 16, 14, kInk, kDarkGrey);
    for (int row = 0; row < 3; ++row) {
        for (int key = 0; key < 4 - (row == 2 ? 1 : 0); ++key) {
            const int left = x + 2 + row + key * 3;
            Box(dc, left, 5 + row * 3, left + 2, 7 + row * 3, kPaper, kPaper);
        }
    }
    Box(dc, x + 5, 11, x + 11, 13, kPaper, kPaper);
}

void QuestionMark(HDC dc, int x)
{
    const RECT box = {x, 0, x + 16, 16};
    CentredText(dc, box, u"?", u"Arial", -15, FW_BOLD, kNavy);
}

}  // namespace

Picture DrawToolbarStrip()
{
    Canvas c = OpenCanvas(160, 16, kBarGrey);
    void (*const pictures[])(HDC, int) = {MenuPage, CheckMark,   Eyes,      InformationSign,
                                          Folder,   List,        Magnifier, TurningArrows,
                                          Keyboard, QuestionMark};
    int x = 0;
    for (auto draw : pictures) {
        draw(c.dc, x);
        x += 16;
    }
    return CloseCanvas(&c);
}

Picture DrawIcon()
{
    // A 4 x 4 crossword: two black squares and a letter in the first square.
    Canvas c = OpenCanvas(32, 32, kPaper);
    const bool black[4][4] = {
        {false, false, false, true},
        {false, true, false, false},
        {false, false, false, false},
        {true, false, false, false},
    };
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            Box(c.dc, col * 7 + 2, row * 7 + 2, col * 7 + 10, row * 7 + 10, kInk,
                black[row][col] ? kInk : kPaper);
    const RECT first = {3, 3, 9, 9};
    CentredText(c.dc, first, u"A", u"Arial", -8, FW_BOLD, kNavy);
    return CloseCanvas(&c);
}
