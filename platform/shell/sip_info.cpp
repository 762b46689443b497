// SHSipInfo and SHSipPreference: the input panel's state as programs query and set it.
#include "shell/input_panel_layout.h"
#include "shell/shell_records.h"

namespace {

// The device's 32-bit record is 48 bytes; programs built here may say either.
constexpr DWORD kDeviceSipInfoSize = 48;

bool SipInfoSizeOk(const SIPINFO* info)
{
    return info && (info->cbSize == sizeof(SIPINFO) || info->cbSize == kDeviceSipInfoSize);
}

}  // namespace

BOOL WINAPI SHSipInfo(UINT action, UINT, void* param, UINT)
{
    auto* info = static_cast<SIPINFO*>(param);
    if (!SipInfoSizeOk(info)) {
        return FALSE;
    }
    switch (action) {
    case SPI_GETSIPINFO:
        info->fdwFlags = Shell().sipUp ? SIPF_ON : SIPF_OFF;
        info->rcVisibleDesktop = ShellVisibleDesktopFor(Shell().sipUp);
        info->rcSipRect = kInputPanelRect;
        info->dwImDataSize = 0;
        if (info->cbSize == sizeof(SIPINFO)) {
            info->pvImData = nullptr;
        }
        return TRUE;
    case SPI_SETSIPINFO: ShellSetSipUp((info->fdwFlags & SIPF_ON) != 0); return TRUE;
    default: return FALSE;
    }
}

// Raising and lowering take effect at once; the device delays SIP_DOWN a little so that a
// focus move between two edit fields does not flicker the panel, which a program cannot see.
BOOL WINAPI SHSipPreference(HWND, SIPSTATE state)
{
    switch (state) {
    case SIP_UP: ShellSetSipUp(true); return TRUE;
    case SIP_DOWN:
    case SIP_FORCEDOWN: ShellSetSipUp(false); return TRUE;
    case SIP_UNCHANGED: return TRUE;
    default: return FALSE;
    }
}
