// The view's arithmetic, on the view fields of gGame.
#include "view_geometry.h"

#include <algorithm>

namespace {

int GridPixelWidth()
{
    return gGame.width * gGame.cellSize;
}

int GridPixelHeight()
{
    return gGame.height * gGame.cellSize;
}

// Accepts a drag step on one axis when the new offset stays inside 0..limit.
int DragAxis(int offset, int delta, int limit)
{
    const int moved = offset - delta;  // the picture follows the pen
    return moved >= 0 && moved <= limit ? moved : offset;
}

}  // namespace

void LayOutView(int clientWidth, int clientHeight, int bandHeight)
{
    GameState& g = gGame;
    g.scrollX = 0;
    g.scrollY = 0;
    g.clueBarGrowth = 0;
    g.bottomPanelHeight = bandHeight;
    g.viewWidth = clientWidth;
    g.viewHeight = clientHeight - bandHeight;
    const int rows = std::max(g.height, 1);
    const int cols = std::max(g.width, 1);
    switch (MagnificationIndex(g.settings)) {
    case kMedium: g.cellSize = kMediumCell; break;
    case kLarge: g.cellSize = kLargeCell; break;
    default:
        // Small shows the whole grid: it fits the view in both directions, since it never
        // scrolls.
        g.cellSize = std::max(1, std::min(g.viewHeight / rows, g.viewWidth / cols));
        break;
    }
    g.gridLeft = 0;
    if (GridPixelWidth() <= g.viewWidth)
        g.gridLeft = (g.viewWidth - GridPixelWidth()) / 2;

    // Medium and Large keep the whole grid in the image whenever it does not fit the view,
    // so every square can be scrolled to. The image is at least as large as the client area
    // it was made for; a later, taller view (the input panel lowered) can still pass its
    // bottom, which the display shows as white paper.
    const bool wider = GridPixelWidth() > g.viewWidth;
    const bool taller = GridPixelHeight() > g.viewHeight;
    if (Magnified() && (wider || taller)) {
        g.bufferWidth = std::max(GridPixelWidth() + 1 + g.gridLeft, g.viewWidth);
        g.bufferHeight = std::max(GridPixelHeight() + 1, clientHeight);
    } else {
        g.bufferWidth = g.viewWidth;
        g.bufferHeight = clientHeight;
    }
}

bool Magnified()
{
    const int magnification = MagnificationIndex(gGame.settings);
    return magnification == kMedium || magnification == kLarge;
}

int MaxScrollX()
{
    const int grid = gGame.gridLeft + GridPixelWidth() + 1;
    return GridPixelWidth() > gGame.viewWidth ? std::max(0, grid - gGame.viewWidth) : 0;
}

int MaxScrollY()
{
    const int grid = GridPixelHeight() + 1;
    return GridPixelHeight() > gGame.viewHeight ? std::max(0, grid - gGame.viewHeight) : 0;
}

void ClampScroll()
{
    gGame.scrollX = std::clamp(gGame.scrollX, 0, MaxScrollX());
    gGame.scrollY = std::clamp(gGame.scrollY, 0, MaxScrollY());
}

void DragView(int dx, int dy)
{
    if (!Magnified())
        return;
    gGame.scrollX = DragAxis(gGame.scrollX, dx, MaxScrollX());
    gGame.scrollY = DragAxis(gGame.scrollY, dy, MaxScrollY());
}

void SetKeyboardBand(int clientHeight, bool shown)
{
    gGame.keyboardShown = shown ? 1 : 0;
    const int band = shown ? kKeyboardBand : kClueBarBand;
    const int newHeight = clientHeight - band;
    gGame.clueBarGrowth = 0;  // the bar fits itself to the new band at its next paint
    if (!shown) {
        const int scrolled = gGame.scrollY + gGame.viewHeight - newHeight;
        if (scrolled >= 0)
            gGame.scrollY = scrolled;
    }
    gGame.bottomPanelHeight = band;
    gGame.viewHeight = newHeight;
    // A view of another height may now reach past the grid's bottom from the old offset.
    ClampScroll();
}

void SetClueBarGrowth(int pixels)
{
    const int change = pixels - gGame.clueBarGrowth;
    gGame.clueBarGrowth = pixels;
    gGame.bottomPanelHeight += change;
    gGame.viewHeight -= change;
    ClampScroll();
}

void SetKeyboardShown(bool shown)
{
    gGame.keyboardShown = shown ? 1 : 0;
}

bool HitTestCell(int x, int y, int* row, int* col)
{
    if (gGame.cellSize <= 0)
        return false;
    // Truncating division, as the device does: a point a little left of or above the grid
    // still maps to column or row 0.
    *col = (x + gGame.scrollX - gGame.gridLeft) / gGame.cellSize;
    *row = (y + gGame.scrollY) / gGame.cellSize;
    return *row >= 0 && *row < gGame.height && *col >= 0 && *col < gGame.width;
}
