// Full-screen dialog conventions, the input panel and started programs.
#include "full_screen_dialog.h"

#include "shell_state.h"

void EnterFullScreenDialog(HWND dialog, DWORD flags)
{
    SHINITDLGINFO info = {};
    info.dwMask = SHIDIM_FLAGS;
    info.hDlg = dialog;
    info.dwFlags = flags;
    SHInitDialog(&info);
    SetForegroundWindow(dialog);
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
}

void LeaveFullScreenDialog(HWND dialog, INT_PTR result)
{
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON);
    EndDialog(dialog, result);
}

void LowerInputPanel()
{
    ResetSipInfo(&gShell.sipInfo);
    SHSipInfo(SPI_GETSIPINFO, 0, &gShell.sipInfo, 0);
    if (!(gShell.sipInfo.fdwFlags & SIPF_ON))
        return;
    gShell.sipInfo.fdwFlags &= ~DWORD(SIPF_ON);
    SHSipInfo(SPI_SETSIPINFO, 0, &gShell.sipInfo, 0);
}

void StartProgram(LPCWSTR program, LPCWSTR arguments)
{
    CreateProcessW(program, const_cast<LPWSTR>(arguments), nullptr, nullptr, FALSE, 0, nullptr,
                   nullptr, nullptr, nullptr);
}
