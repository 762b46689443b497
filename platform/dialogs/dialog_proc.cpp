// DefDlgProcW, the window procedure of every dialog: it calls the program's dialog procedure
// first and does the default processing only when that returns FALSE. A TRUE result means
// "handled"; the message's own result is then DWL_MSGRESULT, except for the messages whose
// result is the procedure's return value itself (WM_CTLCOLOR*, WM_INITDIALOG).
#include "dialog_internal.h"

void FreeDialogInfo(HWND hwnd);

namespace {

bool ReturnsProcResult(UINT msg)
{
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return true;
    }
    return false;
}

// The control that had the focus when the dialog was left, if it can still take it.
void RestoreFocus(HWND dialog, DialogInfo* info)
{
    HWND target = info->savedFocus;
    if (!target || !IsWindow(target) || !IsChild(dialog, target) || !IsWindowEnabled(target) ||
        !IsWindowVisible(target)) {
        target = FirstTabStop(dialog);
    }
    if (target && GetFocus() != target) {
        SetFocus(target);
    }
}

void SaveFocus(HWND dialog, DialogInfo* info)
{
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus)) {
        info->savedFocus = focus;
    }
}

// The default push button: the one DM_SETDEFID named, else the first BS_DEFPUSHBUTTON.
int DefaultId(HWND dialog, const DialogInfo* info)
{
    if (info->defId) {
        return info->defId;
    }
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (SendMessageW(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            return GetDlgCtrlID(c);
        }
    }
    return 0;
}

void SetDefaultId(HWND dialog, DialogInfo* info, int id)
{
    const int old = DefaultId(dialog, info);
    info->defId = id;
    HWND oldButton = old ? GetDlgItem(dialog, old) : nullptr;
    if (oldButton && old != id &&
        (SendMessageW(oldButton, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendMessageW(oldButton, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    HWND newButton = GetDlgItem(dialog, id);
    if (newButton && (SendMessageW(newButton, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        SendMessageW(newButton, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

void NextControl(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    HWND target = nullptr;
    if (LOWORD(lParam)) {
        target = reinterpret_cast<HWND>(wParam);
    } else {
        target = GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    }
    if (target && IsChild(dialog, target)) {
        FocusDialogControl(dialog, target);
    }
}

LRESULT EraseBackground(HWND dialog, HDC dc)
{
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(
        dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
    if (!brush) {
        brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    }
    RECT r;
    GetClientRect(dialog, &r);
    FillRect(dc, &r, brush);
    return 1;
}

LRESULT DefaultProcessing(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DialogInfo* info = DialogInfoOf(dialog);
    switch (msg) {
    case WM_ERASEBKGND: return EraseBackground(dialog, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // The handheld's dialogs are white pages with black text.
        SetTextColor(reinterpret_cast<HDC>(wParam), 0x00000000);
        SetBkColor(reinterpret_cast<HDC>(wParam), 0x00FFFFFF);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_NCDESTROY: FreeDialogInfo(dialog); return DefWindowProcW(dialog, msg, wParam, lParam);
    }
    if (!info) {
        return DefWindowProcW(dialog, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            SaveFocus(dialog, info);
        } else {
            RestoreFocus(dialog, info);
        }
        return 0;
    case WM_SETFOCUS: RestoreFocus(dialog, info); return 0;
    case WM_SHOWWINDOW:
        if (!wParam) {
            SaveFocus(dialog, info);
        }
        return DefWindowProcW(dialog, msg, wParam, lParam);
    case WM_CLOSE: {
        // The device's close request is a Cancel.
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel)) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
        }
        return 0;
    }
    case DM_GETDEFID: {
        const int id = DefaultId(dialog, info);
        return id ? MAKELONG(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: SetDefaultId(dialog, info, static_cast<int>(wParam)); return TRUE;
    case WM_NEXTDLGCTL: NextControl(dialog, wParam, lParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(info->font);
    case WM_SETFONT:
        if (info->ownsFont && reinterpret_cast<HFONT>(wParam) != info->font) {
            DeleteObject(info->font);
            info->ownsFont = false;
        }
        info->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    }
    return DefWindowProcW(dialog, msg, wParam, lParam);
}

}  // namespace

LRESULT WINAPI DefDlgProcW(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongW(dialog, DWL_DLGPROC));
    SetWindowLongW(dialog, DWL_MSGRESULT, 0);
    const INT_PTR result = proc ? proc(dialog, msg, wParam, lParam) : 0;
    if (!IsWindow(dialog)) {
        return result;
    }
    if (!result) {
        return DefaultProcessing(dialog, msg, wParam, lParam);
    }
    if (ReturnsProcResult(msg)) {
        return result;
    }
    return GetWindowLongW(dialog, DWL_MSGRESULT);
}
