// The on-screen keyboard's picture. Key faces sit where the game's tap test and key flash
// put them: row r, key k from x = 10 + 10r + 20k, 20 wide, rows 13 pixels apart from y = 3
// (y = 228 on the window, where the picture is drawn at y = 225).
#include "canvas.h"
#include "pictures.h"

namespace {

constexpr COLORREF kFrameGrey = RGB(192, 192, 192);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kKeyFace = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr int kRowTop = 3;
constexpr int kRowStep = 13;
constexpr int kKeyWidth = 20;
constexpr int kKeyHeight = 12;
constexpr int kCorner = 4;
const char kLetters[] = "QWERTYUIOPASDFGHJKLZXCVBNM";
const int kRowLength[3] = {10, 9, 7};

// The key face with the label centred inside its border line, as the flash draws it.
void Key(HDC dc, int left, int top, int right, const char16_t* label)
{
    RoundBox(dc, left, top, right, top + kKeyHeight, kCorner, kInk, kKeyFace);
    const RECT inside = {left + 1, top + 1, right - 1, top + kKeyHeight - 1};
    if (label)
        CentredText(dc, inside, label, u"Arial", -10, FW_BOLD, kInk);
}

}  // namespace

Picture DrawKeyboard()
{
    Canvas c = OpenCanvas(240, 44, kFrameGrey);
    const POINT rule[] = {{0, 0}, {240, 0}};
    Lines(c.dc, rule, 2, kShadow, 1);

    int letter = 0;
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k < kRowLength[row]; ++k) {
            const int left = 10 + 10 * row + kKeyWidth * k;
            const char16_t label[2] = {char16_t(kLetters[letter++]), 0};
            Key(c.dc, left, kRowTop + kRowStep * row, left + kKeyWidth, label);
        }
    }
    const int bottomRow = kRowTop + 2 * kRowStep;

    // The erase key: a left arrow.
    Key(c.dc, 170, bottomRow, 190, nullptr);
    const int mid = bottomRow + kKeyHeight / 2;
    const POINT shaft[] = {{177, mid}, {186, mid}};
    Lines(c.dc, shaft, 2, kInk, 2);
    FillTriangle(c.dc, {173, mid}, {178, mid - 4}, {178, mid + 4}, kInk);

    Key(c.dc, 210, bottomRow, 235, u"OK");

    // The rebus key, right of L: several letters into the current square.
    const int middleRow = kRowTop + kRowStep;
    RoundBox(c.dc, 204, middleRow, 236, middleRow + kKeyHeight, kCorner, kInk, kKeyFace);
    const RECT inside = {205, middleRow + 1, 235, middleRow + kKeyHeight - 1};
    CentredText(c.dc, inside, u"Rebus", u"Arial", -9, FW_BOLD, kInk);
    return CloseCanvas(&c);
}
