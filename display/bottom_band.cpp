// Showing and hiding the on-screen keyboard, and the band under the grid view.
#include "bottom_band.h"

#include "game_state.h"
#include "layout.h"

namespace {

int ClientHeight(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client.bottom - client.top;
}

}  // namespace

bool ShowKeyboardBand(HWND window)
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
    SetKeyboardShown(true);
    if (!Magnified())
        return true;
    SetKeyboardBand(ClientHeight(window), true);
    return false;
}

bool HideKeyboardBand(HWND window)
{
    SetKeyboardShown(false);
    return RestoreClueBarBand(window);
}

bool RestoreClueBarBand(HWND window)
{
    if (!Magnified())
        return true;
    SetKeyboardBand(ClientHeight(window), gGame.keyboardShown != 0);
    return false;
}
