// Dialog units of the device: templates give positions in units of a quarter of the average
// character width and an eighth of the character height of the template's font. The device
// derives both from the font's point size alone, so a layout never depends on which face the
// host's font configuration picked.
#pragma once

#include "windef.h"

struct DialogBaseUnits {
    int cx;  // pixels per 4 horizontal dialog units
    int cy;  // pixels per 8 vertical dialog units
};

// Base units of a template font of `pointSize` points at the device's 96 dpi: 6 × 13 for the
// usual 8-point font, so a 160-unit wide dialog is exactly the 240-pixel screen.
DialogBaseUnits DialogBaseUnitsForPointSize(int pointSize);

// Dialog units to pixels, rounding as the device does (MulDiv). Negative values stay negative.
int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
RECT DialogRectToPixels(RECT units, DialogBaseUnits base);
