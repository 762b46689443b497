// Full-screen windows and dialogs: SHInitDialog, SHFullScreen and the two handlers that keep
// a window fitted to the visible desktop as the input panel moves.
#include "shell/shell_records.h"

namespace {

constexpr DWORD kDeviceActivateInfoSize = 12;

HWND TopLevel(HWND window)
{
    HWND top = window;
    while (HWND parent = GetParent(top)) {
        if (!(GetWindowLongW(top, GWL_STYLE) & WS_CHILD)) {
            break;
        }
        top = parent;
    }
    return top;
}

void MoveTo(HWND window, const RECT& r)
{
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace

BOOL WINAPI SHInitDialog(PSHINITDLGINFO info)
{
    if (!info || !IsWindow(info->hDlg) || !(info->dwMask & SHIDIM_FLAGS)) {
        return FALSE;
    }
    ShellEnsureHooks();
    const DWORD flags = info->dwFlags;
    ShellWindowInfo& record = Shell().windows[info->hDlg];
    record.doneButton = (flags & SHIDIF_DONEBUTTON) != 0;
    record.noMenuBar = (flags & SHIDIF_FULLSCREENNOMENUBAR) != 0;
    if (flags & SHIDIF_SIPDOWN) {
        ShellSetSipUp(false);
    }
    if (flags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR)) {
        MoveTo(info->hDlg, ShellFullScreenRect(Shell().sipUp, record.noMenuBar));
    }
    ShellInvalidateBars();
    return TRUE;
}

// Each SHFS_SHOW* / SHFS_HIDE* pair sets one thing the bars show while the window is active;
// a pair given neither way keeps its last setting.
BOOL WINAPI SHFullScreen(HWND window, DWORD state)
{
    if (!IsWindow(window)) {
        return FALSE;
    }
    ShellWindowInfo& record = Shell().windows[TopLevel(window)];
    const DWORD pairs[][2] = {{SHFS_SHOWTASKBAR, SHFS_HIDETASKBAR},
                              {SHFS_SHOWSIPBUTTON, SHFS_HIDESIPBUTTON},
                              {SHFS_SHOWSTARTICON, SHFS_HIDESTARTICON}};
    for (const auto& pair : pairs) {
        if (state & (pair[0] | pair[1])) {
            record.fullScreen =
                (record.fullScreen & ~(pair[0] | pair[1])) | (state & (pair[0] | pair[1]));
        }
    }
    ShellInvalidateBars();
    return TRUE;
}

// A window that fills the screen's width below the navigation bar counts as full screen and
// follows the visible desktop; other windows keep their place. The device passes -1 as
// wParam when a program forwards the message without its parameters, so -1 counts too.
BOOL WINAPI SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM, SHACTIVATEINFO*)
{
    if (wParam != SPI_SETSIPINFO && wParam != static_cast<WPARAM>(-1)) {
        return FALSE;
    }
    RECT r;
    if (!IsWindow(window) || !GetWindowRect(window, &r)) {
        return FALSE;
    }
    const RECT desktop = ShellVisibleDesktopFor(Shell().sipUp);
    if (r.left != desktop.left || r.right != desktop.right || r.top != desktop.top) {
        return FALSE;
    }
    auto it = Shell().windows.find(window);
    const bool noMenuBar = it != Shell().windows.end() && it->second.noMenuBar;
    MoveTo(window, ShellFullScreenRect(Shell().sipUp, noMenuBar));
    return TRUE;
}

// Deactivation remembers whether the panel was up; the next activation puts it back. A record
// that never saw a deactivation leaves the panel as it is.
BOOL WINAPI SHHandleWMActivate(HWND, WPARAM wParam, LPARAM, SHACTIVATEINFO* info, DWORD)
{
    if (!info ||
        (info->cbSize != sizeof(SHACTIVATEINFO) && info->cbSize != kDeviceActivateInfoSize)) {
        return FALSE;
    }
    if (LOWORD(wParam) == WA_INACTIVE) {
        info->fSipUp = Shell().sipUp ? 1 : 0;
        info->fSipOnDeactivation = 1;
        info->fActive = 0;
        return TRUE;
    }
    if (info->fSipOnDeactivation) {
        ShellSetSipUp(info->fSipUp != 0);
        info->fSipOnDeactivation = 0;
    }
    info->fActive = 1;
    return TRUE;
}
