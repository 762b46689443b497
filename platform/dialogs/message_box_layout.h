// Where the parts of a message box go: the box fitted to the screen, its caption line, the
// icon, the word-wrapped text and the buttons. Pure geometry over a text measure, so the
// window code only draws what this computes.
#pragma once

#include <string>
#include <vector>

#include "text_wrap.h"
#include "windef.h"

struct MessageBoxButton {
    int id;               // IDOK, IDCANCEL, IDYES, IDNO, ...
    std::u16string text;  // its label
    RECT rect;            // in box coordinates
};

struct MessageBoxLayout {
    RECT box;                               // the whole box, screen coordinates
    RECT caption;                           // caption line, box coordinates
    RECT icon;                              // the icon square; empty when the box has no icon
    RECT text;                              // the block of text lines, box coordinates
    std::vector<std::u16string> lines;      // the text, wrapped
    int lineHeight;                         // pixels from one line to the next
    std::vector<MessageBoxButton> buttons;  // left to right
    int defaultButton;                      // index into buttons
};

// Buttons of an MB_* type, left to right, with the index of the default one (MB_DEFBUTTONn).
std::vector<MessageBoxButton> MessageBoxButtonsFor(UINT type, int* defaultIndex);

// Lays out a box for `work`, the part of the screen it may cover (the visible desktop).
// `measure` gives text widths in the box's font, `lineHeight` its line spacing.
MessageBoxLayout LayoutMessageBox(std::u16string_view text, std::u16string_view caption, UINT type,
                                  RECT work, const TextMeasure& measure, int lineHeight);
