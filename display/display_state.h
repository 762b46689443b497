// The drawing objects the display keeps from one call to the next: the off-screen grid image
// and the two grid fonts, and the rebus entry being typed. Owned by the main window's lifetime;
// everything else a painter needs it creates and deletes itself.
#pragma once

#include "game_state.h"
#include "windows.h"

struct DisplayState {
    HDC backBuffer;      // memory DC holding the grid image; nullptr before the first layout
    HBITMAP backBitmap;  // the bitmap selected into backBuffer
    HFONT letterFont;    // "System" bold, cellSize - 2 high (1 at least); remade by PaintGrid
    HFONT numberFont;    // "Arial" for clue numbers; remade with letterFont
    int rebusOpen;       // 1 while several letters are being typed into one square
    int rebusSquare;     // the square they go to
    char rebusText[kRebusTextSize];  // the letters typed so far
};

extern DisplayState gDisplay;

// Colours of the grid and the keyboard, 0x00BBGGRR.
constexpr COLORREF kLineBlack = 0x00000000;
constexpr COLORREF kPaperWhite = 0x00FFFFFF;
constexpr COLORREF kInnerEdgeGrey = 0x00C0C0C0;  // inner edge of open squares
constexpr COLORREF kWordYellow = 0x0002FFFF;     // squares of the current word, pressed keys
constexpr COLORREF kCursorOrange = 0x007DC8FF;   // the current square
constexpr COLORREF kRevealRed = 0x000000FF;      // solution letters shown, wrong letters
constexpr COLORREF kCircleGrey = 0x00707070;     // the circle of a circled square
constexpr COLORREF kPencilGrey = 0x00808080;     // letters typed while Pencil was on
constexpr COLORREF kWrongMarkRed = 0x000000E0;   // the corner of a square Check found wrong
constexpr COLORREF kGivenMarkBlue = 0x00E06000;  // the corner of a square View or Fill gave
constexpr COLORREF kReferenceTint = 0x00F5DCC8;  // squares of the entries the clue names
constexpr COLORREF kShadedGrey = 0x00DCDCDC;     // open squares the puzzle shades

// Releases the grid fonts (window destruction; the back buffer has DestroyBackBuffer).
void DestroyGridFonts();
