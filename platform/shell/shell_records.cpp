// The shell's state and the input panel's position on the screen.
#include "shell/shell_records.h"

#include "shell/input_panel_layout.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

ShellState gShell;

}  // namespace

ShellState& Shell()
{
    return gShell;
}

RECT ShellVisibleDesktopFor(bool sipUp)
{
    return {0, kNavigationBarHeight, kScreenWidth, sipUp ? kInputPanelRect.top : kScreenHeight};
}

RECT ShellFullScreenRect(bool sipUp, bool noMenuBar)
{
    RECT r = ShellVisibleDesktopFor(sipUp);
    if (!sipUp && !noMenuBar) {
        r.bottom -= kMenuBarHeight;
    }
    return r;
}

void ShellInvalidateBars()
{
    ShellEnsureHooks();
    UserMarkScreenDirty({0, 0, kScreenWidth, kNavigationBarHeight});
    UserMarkScreenDirty({0, kScreenHeight - kMenuBarHeight, kScreenWidth, kScreenHeight});
    if (gShell.sipUp) {
        UserMarkScreenDirty(kInputPanelRect);
    }
}

void ShellSetSipUp(bool up)
{
    ShellEnsureHooks();
    if (gShell.sipUp == up) {
        return;
    }
    gShell.sipUp = up;
    UserSetVisibleDesktop(ShellVisibleDesktopFor(up));
    if (!up) {
        // What the panel covered shows again: the windows under it repaint.
        InvalidateScreenArea(kInputPanelRect, nullptr);
    }
    ShellInvalidateBars();
    SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETSIPINFO, 0);
}
