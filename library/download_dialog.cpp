// DownloadDialogProc and its commands.
#include "download_dialog.h"

#include "address_list.h"
#include "dialog_ids.h"
#include "download.h"

namespace {

constexpr int kAddressChars = 260;  // 259 characters and the terminating zero

// The bold heading font lives while a dialog is open; one dialog at a time.
HFONT gHeadingFont;

void SetBoldHeading(HWND dialog)
{
    HWND heading = GetDlgItem(dialog, IDC_DOWNLOAD_HEADING);
    LOGFONTW description = {};
    GetObjectW(HFONT(SendMessageW(heading, WM_GETFONT, 0, 0)), sizeof description, &description);
    description.lfWeight = FW_BOLD;
    gHeadingFont = CreateFontIndirectW(&description);
    SendMessageW(heading, WM_SETFONT, WPARAM(gHeadingFont), TRUE);
}

// While a download runs the dialog takes no other command: another Get, Delete or OK would
// act on a dialog that is busy. The download shows its status line and Cancel itself.
void EnableCommands(HWND dialog, bool enable)
{
    static const int kCommands[] = {IDC_ADDRESS_LIST, IDC_ADDRESS, IDC_GET,
                                    IDC_DELETE,       IDC_GET_NEW, IDC_DOWNLOAD_OK};
    for (int id : kCommands)
        EnableWindow(GetDlgItem(dialog, id), enable);
    if (enable)
        SetFocus(GetDlgItem(dialog, IDC_GET));
}

BOOL InitDialog(HWND dialog)
{
    SetBoldHeading(dialog);
    ShowWindow(GetDlgItem(dialog, IDC_DOWNLOAD_STATUS), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDCANCEL), SW_HIDE);
    LoadAddressList(dialog);
    SHINITDLGINFO info = {};
    info.dwMask = SHIDIM_FLAGS;
    info.hDlg = dialog;
    info.dwFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;
    SHInitDialog(&info);
    SetForegroundWindow(dialog);
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
    return TRUE;
}

void Close(HWND dialog)
{
    EndDialog(dialog, 1);
}

// The heading keeps its font until the dialog is gone.
void ReleaseFont()
{
    DeleteObject(gHeadingFont);
    gHeadingFont = nullptr;
}

void CopySelectionToAddress(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_ADDRESS_LIST);
    SetFocus(list);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    SendMessageW(list, LB_SETCURSEL, WPARAM(selected), 0);
    WCHAR text[kAddressChars] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, WPARAM(selected), 0) < kAddressChars)
        SendMessageW(list, LB_GETTEXT, WPARAM(selected), LPARAM(text));
    SetDlgItemTextW(dialog, IDC_ADDRESS, text);
    SetFocus(GetDlgItem(dialog, IDC_ADDRESS));
}

// The list keeps one entry per address, whatever the letter case.
bool Listed(HWND list, LPCWSTR address)
{
    const int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        WCHAR entry[kAddressChars] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0) >= kAddressChars)
            continue;
        SendMessageW(list, LB_GETTEXT, WPARAM(i), LPARAM(entry));
        if (lstrcmpiW(entry, address) == 0)
            return true;
    }
    return false;
}

void Get(HWND dialog)
{
    WCHAR address[kAddressChars] = {};
    GetDlgItemTextW(dialog, IDC_ADDRESS, address, kAddressChars);
    EnableCommands(dialog, false);
    const int stored = DownloadPuzzle(dialog, address);
    EnableCommands(dialog, true);
    if (!stored)
        return;
    HWND list = GetDlgItem(dialog, IDC_ADDRESS_LIST);
    SetFocus(list);
    if (!Listed(list, address))
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(address));
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
}

void DeleteSelected(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_ADDRESS_LIST);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    if (MessageBoxW(dialog, u"Delete Link ?", u"New Game", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SendMessageW(list, LB_DELETESTRING, WPARAM(selected), 0);
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
}

// An address typed but not yet fetched is kept in the list rather than lost to the new one.
void StartNewAddress(HWND dialog)
{
    WCHAR typed[kAddressChars] = {};
    GetDlgItemTextW(dialog, IDC_ADDRESS, typed, kAddressChars);
    HWND list = GetDlgItem(dialog, IDC_ADDRESS_LIST);
    if (typed[0] && lstrcmpiW(typed, u"http://") != 0 && !Listed(list, typed))
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(typed));
    SetFocus(GetDlgItem(dialog, IDC_ADDRESS));
    SetDlgItemTextW(dialog, IDC_ADDRESS, u"");
    SetDlgItemTextW(dialog, IDC_ADDRESS, u"http://");
}

BOOL OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDOK:  // also during a download: it stops, and the dialog ends once Get returns
        CancelDownload();
        Close(dialog);
        return TRUE;
    case IDCANCEL: CancelDownload(); return TRUE;
    case IDC_DOWNLOAD_OK:
        SaveAddressList(dialog);
        SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON);
        Close(dialog);
        return TRUE;
    case IDC_ADDRESS_LIST:
        if (notification == LBN_SELCHANGE)
            CopySelectionToAddress(dialog);
        return TRUE;
    case IDC_GET: Get(dialog); return TRUE;
    case IDC_DELETE: DeleteSelected(dialog); return TRUE;
    case IDC_ADDRESS:
        if (notification == EN_SETFOCUS)
            SHSipPreference(dialog, SIP_UP);
        else if (notification == EN_KILLFOCUS)
            SHSipPreference(dialog, SIP_FORCEDOWN);
        return TRUE;
    case IDC_GET_NEW: StartNewAddress(dialog); return TRUE;
    }
    return FALSE;
}

}  // namespace

// Controls: address list 1030, Get 1031, Delete 1032, address field 1033, Get New 1034,
// heading 1035 (bold), OK 1047 (keeps the list); the title-bar ok (1) discards changes.
// While a download runs: its status line 1036 and Cancel (2), which stops it.
INT_PTR CALLBACK DownloadDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return FALSE;
    case WM_DESTROY: ReleaseFont(); return FALSE;
    }
    return FALSE;
}
