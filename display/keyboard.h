// The game's own on-screen keyboard: a 240 x 44 picture (bitmap 138) at the bottom of the
// client area with three rows of letters, an erase key, a rebus key that opens the entry of
// several letters in one square, and an OK key that hides it.
#pragma once

#include "windows.h"

constexpr int kKeyboardBitmapId = 138;
constexpr int kKeyboardTop = 225;  // client y of the picture's top edge

enum KeyboardKeyKind { kNoKey = 0, kLetterKey, kEraseKey, kOkKey, kRebusKey };

struct KeyboardKey {
    int kind;     // KeyboardKeyKind
    int row;      // 0-2 for a letter key
    int column;   // position of a letter key in its row
    char letter;  // 'A'..'Z' for a letter key, else 0
};

// The key a tap at client point (x, y) means. The tap rows are 12 pixels from y = 228, one
// pixel shorter than the picture's key rows, so the lower rows answer a little higher.
KeyboardKey KeyAt(int x, int y);

// Draws the keyboard picture at (0, 225) on the window; loaded anew each time.
void PaintKeyboardImage(HWND window);

// Draws `key` pressed (yellow) on the window; nothing for kNoKey.
void FlashKey(HWND window, const KeyboardKey& key);

// A stylus release at (x, y) on the keyboard: flashes the key for 50 ms and wipes the flash;
// the key, for the caller to act on.
KeyboardKey PressKeyboardKey(HWND window, int x, int y);
