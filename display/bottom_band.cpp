// Showing and hiding the on-screen keyboard, and the band under the grid view.
#include "bottom_band.h"

#include "clue_bar.h"
#include "game_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"
#include "play_input.h"

namespace {

int ClientHeight(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client.bottom - client.top;
}

void RepaintSmallLayout(HWND window)
{
    ComputeLayout(window);
    PaintGrid(window);
    PaintWordHighlight(window);
}

}  // namespace

void ShowKeyboard(HWND window)
{
    if (InputPanelUp()) {
        // The game's keyboard and the device's input panel are never up together.
        SIPINFO sip = {};
        sip.cbSize = sizeof sip;
        SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0);
        sip.fdwFlags &= ~DWORD(SIPF_ON);
        SHSipInfo(SPI_SETSIPINFO, 0, &sip, 0);
        SHSipPreference(window, SIP_DOWN);
    }
    gGame.keyboardShown = 1;
    if (!Magnified()) {
        RepaintSmallLayout(window);
    } else {
        gGame.bottomPanelHeight = kKeyboardBand;
        gGame.viewHeight = ClientHeight(window) - kKeyboardBand;
        ClampScroll();
        ScrollWordIntoView(window);
    }
    PaintClueBar(window);
    PaintKeyboardImage(window);
    PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}

void HideKeyboard(HWND window)
{
    gGame.keyboardShown = 0;
    RestoreClueBarBand(window);
    PaintClueBar(window);
    PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}

void RestoreClueBarBand(HWND window)
{
    if (!Magnified()) {
        RepaintSmallLayout(window);
        return;
    }
    gGame.bottomPanelHeight = kClueBarBand;
    const int newHeight = ClientHeight(window) - kClueBarBand;
    const int scrolled = gGame.scrollY + gGame.viewHeight - newHeight;
    if (scrolled >= 0)
        gGame.scrollY = scrolled;
    gGame.viewHeight = newHeight;
    // The taller view may now reach past the grid's bottom from the old offset.
    ClampScroll();
}
