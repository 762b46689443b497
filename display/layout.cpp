// Layout, back buffer, presenting and dragging of the grid view.
#include "layout.h"

#include <algorithm>

#include "display_state.h"
#include "game_state.h"
#include "play_scroll.h"

DisplayState gDisplay;

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

void CreateBackBuffer(HWND window, int width, int height)
{
    DestroyBackBuffer();  // a second creation replaces the image rather than leaking it
    HDC windowDC = GetDC(window);
    gDisplay.backBuffer = CreateCompatibleDC(windowDC);
    gDisplay.backBitmap = CreateCompatibleBitmap(windowDC, width, height);
    SelectObject(gDisplay.backBuffer, gDisplay.backBitmap);
    PatBlt(gDisplay.backBuffer, 0, 0, width, height, WHITENESS);
    ReleaseDC(window, windowDC);
}

void DestroyBackBuffer()
{
    if (gDisplay.backBuffer)
        DeleteDC(gDisplay.backBuffer);
    if (gDisplay.backBitmap)
        DeleteObject(gDisplay.backBitmap);
    gDisplay.backBuffer = nullptr;
    gDisplay.backBitmap = nullptr;
}

void PresentView(HWND window, int width, int height, int srcX, int srcY)
{
    if (!gDisplay.backBuffer)
        return;
    BITMAP image = {};
    GetObjectW(gDisplay.backBitmap, sizeof image, &image);
    // Only the part of the view that lies on the image is copied. The rest is painted white,
    // the image's own paper: a copy from outside the image would leave whatever the window
    // showed there before (the keyboard picture, an older frame) on the screen.
    const int copyWidth = std::clamp(image.bmWidth - srcX, 0, std::max(width, 0));
    const int copyHeight = std::clamp(image.bmHeight - srcY, 0, std::max(height, 0));
    HDC windowDC = GetDC(window);
    BitBlt(windowDC, 0, 0, copyWidth, copyHeight, gDisplay.backBuffer, srcX, srcY, SRCCOPY);
    PatBlt(windowDC, copyWidth, 0, width - copyWidth, height, WHITENESS);
    PatBlt(windowDC, 0, copyHeight, copyWidth, height - copyHeight, WHITENESS);
    ReleaseDC(window, windowDC);
}

void LayoutView(int clientWidth, int clientHeight)
{
    GameState& g = gGame;
    g.viewWidth = clientWidth;
    g.viewHeight = clientHeight - g.bottomPanelHeight;
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
    // bottom, which PresentView shows as white paper.
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

void ComputeLayout(HWND window)
{
    DestroyBackBuffer();
    gGame.scrollX = 0;
    gGame.scrollY = 0;
    RECT client = {};
    GetClientRect(window, &client);
    gGame.bottomPanelHeight = !InputPanelUp() && gGame.keyboardShown ? kKeyboardBand : kClueBarBand;
    LayoutView(client.right - client.left, client.bottom - client.top);
    CreateBackBuffer(window, gGame.bufferWidth, gGame.bufferHeight);
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

bool Magnified()
{
    const int magnification = MagnificationIndex(gGame.settings);
    return magnification == kMedium || magnification == kLarge;
}

bool InputPanelUp()
{
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    return SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0) && (sip.fdwFlags & SIPF_ON);
}

void ClampScroll()
{
    gGame.scrollX = std::clamp(gGame.scrollX, 0, MaxScrollX());
    gGame.scrollY = std::clamp(gGame.scrollY, 0, MaxScrollY());
}

void DragScroll(HWND window, int dx, int dy)
{
    GameState& g = gGame;
    if (!Magnified())
        return;
    g.scrollX = DragAxis(g.scrollX, dx, MaxScrollX());
    g.scrollY = DragAxis(g.scrollY, dy, MaxScrollY());
    PresentView(window, g.viewWidth, g.viewHeight, g.scrollX, g.scrollY);
}

void ScrollWordIntoView(HWND window)
{
    if (ScrollOffsetsToCurrentWord())
        PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
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
