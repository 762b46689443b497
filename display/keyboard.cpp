// The on-screen keyboard: picture, hit test, key flash and key actions.
#include "keyboard.h"

#include "display_state.h"

namespace {

const char kKeyboardLetters[] = "QWERTYUIOPASDFGHJKLZXCVBNM";
const int kRowStart[3] = {0, 10, 19};  // index in kKeyboardLetters of each row's first key
const int kRowKeys[3] = {10, 9, 7};

constexpr int kFlashMilliseconds = 50;

}  // namespace

KeyboardKey KeyAt(int x, int y)
{
    KeyboardKey key = {kNoKey, 0, 0, 0};
    // Division truncates toward zero, so the three pixels above y = 228 and the ten left of
    // x = 10 still belong to the first row and the first key.
    const int row = (y - 228) / 12;
    if (row < 0 || row > 2)
        return key;
    const int column = (x - 10 - 10 * row) / 20;
    if (column < 0)
        return key;
    if (column < kRowKeys[row]) {
        key = {kLetterKey, row, column, kKeyboardLetters[kRowStart[row] + column]};
    } else if (row == 1) {
        key.kind = kRebusKey;  // the rest of the middle row, right of L
    } else if (row == 2 && column <= 8) {
        key.kind = kEraseKey;
    } else if (row == 2 && column <= 10) {
        key.kind = kOkKey;
    }
    return key;
}

void PaintKeyboardImage(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    HDC dc = GetDC(window);
    HBITMAP picture = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kKeyboardBitmapId));
    if (picture) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture);
        BITMAP info = {};
        GetObjectW(picture, sizeof info, &info);
        BitBlt(dc, 0, kKeyboardTop, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(picture);
        DeleteDC(memory);
    }
    ReleaseDC(window, dc);
    EndPaint(window, &paint);
}

void FlashKey(HWND window, const KeyboardKey& key)
{
    if (key.kind == kNoKey)
        return;
    HDC dc = GetDC(window);
    LOGFONTW logFont = {};
    logFont.lfHeight =
        GetDeviceCaps(gDisplay.backBuffer ? gDisplay.backBuffer : dc, LOGPIXELSY) / -9;
    lstrcpynW(logFont.lfFaceName, u"Arial", LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&logFont);
    HPEN pen = CreatePen(PS_SOLID, 1, kLineBlack);
    HBRUSH yellow = CreateSolidBrush(kWordYellow);
    HGDIOBJ oldFont = SelectObject(dc, font);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    SetBkColor(dc, kWordYellow);

    RECT face = {};
    WCHAR label[8] = u" ";
    if (key.kind == kLetterKey) {
        // Picture rows are 13 pixels apart and shifted 10 pixels right per row.
        const int left = 10 + 10 * key.row + 20 * key.column;
        SetRect(&face, left, 228 + 13 * key.row, left + 20, 240 + 13 * key.row);
        wsprintfW(label, u"%C", key.letter);
    } else if (key.kind == kEraseKey) {
        SetRect(&face, 170, 254, 190, 266);
    } else if (key.kind == kRebusKey) {
        SetRect(&face, 204, 241, 236, 253);
        lstrcpynW(label, u"Rebus", 8);
    } else {
        SetRect(&face, 210, 254, 235, 266);
        lstrcpynW(label, u"OK", 8);
    }
    RoundRect(dc, face.left, face.top, face.right, face.bottom, 2, 2);
    RECT text = face;
    InflateRect(&text, -1, -1);
    DrawTextW(dc, label, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(font);
    DeleteObject(pen);
    DeleteObject(yellow);
    ReleaseDC(window, dc);
}

KeyboardKey PressKeyboardKey(HWND window, int x, int y)
{
    const KeyboardKey key = KeyAt(x, y);
    FlashKey(window, key);
    Sleep(kFlashMilliseconds);
    PaintKeyboardImage(window);  // wipes the flash
    return key;
}
