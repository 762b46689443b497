// The colour chooser's state and layout apart from its window: the 48 basic colours, the 16
// custom colours of the request, the colour being chosen, and where each swatch sits on the
// full-screen page.
#pragma once

#include "windef.h"

inline constexpr int kBasicColourCount = 48;
inline constexpr int kCustomColourCount = 16;
inline constexpr int kSwatchColumns = 8;

// The basic colours, row by row, eight to a row.
extern const COLORREF kBasicColours[kBasicColourCount];

struct ColorChooserData {
    COLORREF current;                     // the colour OK would return
    COLORREF custom[kCustomColourCount];  // copy of the request's custom colours
    int nextCustom;                       // slot "Add Custom Color" fills next
};

// Where a swatch index lies: 0..47 basic, 48..63 custom.
enum : int { kCustomSwatchBase = kBasicColourCount, kSwatchCount = 64 };

struct ColorChooserLayout {
    RECT swatches[kSwatchCount];  // dialog client coordinates
    RECT basicLabel;              // "Basic colors:"
    RECT customLabel;             // "Custom colors:"
    RECT preview;                 // the colour being chosen
    RECT addButton;               // "Add Custom Color"
    RECT okButton;                // OK
    RECT cancelButton;            // Cancel
};

// Start state: `initial` is the request's rgbResult when CC_RGBINIT is set, else black;
// `custom` may be null (all white then).
ColorChooserData ColorChooserStart(COLORREF initial, bool useInitial, const COLORREF* custom);
// The swatch colour of an index (basic or custom).
COLORREF SwatchColour(const ColorChooserData* cc, int swatch);
// "Add Custom Color": puts the current colour into the next custom slot (cycling) and
// returns the slot.
int ColorChooserAddCustom(ColorChooserData* cc);
// The layout for a client area `width` pixels wide starting at `top`.
ColorChooserLayout LayoutColorChooser(int width, int top);
// The swatch under a point, or -1.
int SwatchAt(const ColorChooserLayout* layout, POINT pt);
