// Scenarios of the game's own dialogs: where a dialog's controls lie on the screen, found by
// opening the dialog from its real template once, so scripted taps can reach them when the
// same dialog then runs modally from the game's command.
#pragma once

#include "shell_fixture.h"

class GameDialogTest : public ShellTest {
  protected:
    // The screen rectangle of control `id` of dialog `templateId` run by `proc`.
    RECT ControlOnScreen(int templateId, DLGPROC proc, int id);
    // The screen point of (x, y) in the client area of dialog `templateId`.
    POINT ClientPointOnScreen(int templateId, DLGPROC proc, int x, int y);
    // Queues a stylus tap at the centre of a screen rectangle.
    static void TapOnScreen(const RECT& r);
    // Queues a tap on the navigation bar's "ok".
    static void TapNavigationOk();
    // Restarts the game on the same device root, as a new run would.
    void Restart();

    // Opens and shows dialog `templateId` without running its loop; the test drives it with
    // messages.
    HWND OpenModeless(int templateId, DLGPROC proc);
};
