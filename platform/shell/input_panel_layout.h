// The input panel's keyboard: where each key is, what it shows and what it types. Pure
// geometry and tables; the panel window draws and sends keys from these.
#pragma once

#include <vector>

#include "windef.h"

// The panel lies just above the menu bar, over the whole width.
constexpr RECT kInputPanelRect = {0, 214, 240, 294};
constexpr int kInputPanelRowHeight = 16;

enum class PanelKeyKind {
    Typing,   // sends its virtual key and, when it has one, its character
    Shift,    // the next typing key uses its shifted character; then it releases
    Caps,     // letters use upper case until pressed again
    Control,  // the next typing key is sent with Ctrl held; then it releases
};

struct PanelKey {
    RECT rect;              // screen coordinates, device pixels; the drawn key is 1 px smaller
    const char16_t* label;  // text on the key
    PanelKeyKind kind;      // typing key or modifier
    UINT vk;                // virtual key sent with WM_KEYDOWN / WM_KEYUP
    char16_t ch;            // character sent with WM_CHAR, 0 for none (arrows)
    char16_t shiftCh;       // character with Shift held (letters: the capital)
};

// Every key, rows top to bottom, keys left to right.
const std::vector<PanelKey>& InputPanelKeys();

// The key under a screen point, or nullptr.
const PanelKey* InputPanelKeyAt(POINT screen);

// The character a typing key produces with the given modifiers: Shift swaps to the shifted
// character, Caps Lock does so for letters only, Ctrl turns letters into control codes.
char16_t PanelKeyCharacter(const PanelKey& key, bool shift, bool caps, bool control);
