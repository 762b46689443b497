// The display tests' and benchmarks' window.
#include "display_window.h"

#include "automation.h"
#include "aygshell.h"
#include "display_state.h"
#include "game_state.h"
#include "layout.h"
#include "stand_in_window.h"

HWND OpenDisplayWindow()
{
    DestroyBackBuffer();
    DestroyGridFonts();
    AutomationResetDevice();  // forgets the window class: it is registered again
    ResetGameState();
    gDisplay = {};
    // The panel down, whatever an earlier run left.
    SHSipPreference(nullptr, SIP_FORCEDOWN);
    HWND window = CreateStandInWindow(u"DisplayWindow", u"Crossword");
    RECT client = {};
    if (!window || !AutomationRunUntilIdle() || !GetClientRect(window, &client) ||
        client.right != 240 || client.bottom != 268)
        return nullptr;
    return window;
}

void CloseDisplayWindow(HWND window)
{
    DestroyBackBuffer();
    DestroyGridFonts();
    if (window)
        DestroyWindow(window);
}
