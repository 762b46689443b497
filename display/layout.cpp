// Layout, back buffer, presenting and dragging of the grid view.
#include "layout.h"

#include <algorithm>

#include "display_state.h"
#include "game_state.h"
#include "pause_panel.h"
#include "play_scroll.h"
#include "play_time.h"
#include "view_geometry.h"

DisplayState gDisplay;

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
    if (PauseHidesGrid()) {
        // Every way the grid reaches the screen comes through here, so none can show it.
        PaintPausePanel(window);
        return;
    }
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

void ComputeLayout(HWND window)
{
    DestroyBackBuffer();
    RECT client = {};
    GetClientRect(window, &client);
    LayOutView(client.right - client.left, client.bottom - client.top,
               !InputPanelUp() && gGame.keyboardShown ? kKeyboardBand : kClueBarBand);
    CreateBackBuffer(window, gGame.bufferWidth, gGame.bufferHeight);
}

bool InputPanelUp()
{
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    return SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0) && (sip.fdwFlags & SIPF_ON);
}

void DragScroll(HWND window, int dx, int dy)
{
    if (!Magnified())
        return;
    DragView(dx, dy);
    PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}

void ScrollWordIntoView(HWND window)
{
    if (ScrollOffsetsToCurrentWord())
        PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}
