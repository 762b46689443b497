// Dialog-unit conversion with the device's base units.
#include "dialog_units.h"

namespace {

// MulDiv: a × b / c rounded half away from zero.
int MulDivRound(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogBaseUnits DialogBaseUnitsForPointSize(int pointSize)
{
    if (pointSize <= 0) {
        pointSize = 8;
    }
    // The em height in pixels at 96 dpi; the line is two pixels taller (internal leading) and
    // the average character a little over half the em, which gives 6 × 13 for 8 points.
    const int em = MulDivRound(pointSize, 96, 72);
    return {(em + 1) / 2, em + 2};
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base)
{
    return MulDivRound(units, base.cx, 4);
}

int DialogUnitsToPixelsY(int units, DialogBaseUnits base)
{
    return MulDivRound(units, base.cy, 8);
}

RECT DialogRectToPixels(RECT units, DialogBaseUnits base)
{
    return {DialogUnitsToPixelsX(units.left, base), DialogUnitsToPixelsY(units.top, base),
            DialogUnitsToPixelsX(units.right, base), DialogUnitsToPixelsY(units.bottom, base)};
}
