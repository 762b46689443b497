// Keyboard navigation inside a dialog: Tab and Shift+Tab between WS_TABSTOP controls, the
// arrow keys within a WS_GROUP group (checking auto radio buttons as they get the focus),
// Enter for the default push button and Escape for IDCANCEL.
#include <vector>

#include "dialog_internal.h"

namespace {

std::vector<HWND> Children(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(c);
    }
    return children;
}

bool CanFocus(HWND c)
{
    const LONG_PTR style = GetWindowLongW(c, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The direct child of `dialog` that holds `control` (a control may sit in a child window).
HWND DirectChild(HWND dialog, HWND control)
{
    while (control && GetParent(control) != dialog) {
        control = GetParent(control);
    }
    return control;
}

void ClickDefault(HWND dialog)
{
    // A focused push button is the default while it has the focus.
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return;
    }
    const LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    int id = IDOK;
    if (HIWORD(def) == DC_HASDEFID) {
        id = LOWORD(def);
    }
    HWND button = GetDlgItem(dialog, id);
    if (button && !IsWindowEnabled(button)) {
        return;
    }
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> stops;
    for (HWND c : Children(dialog)) {
        if (CanFocus(c) && (GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP)) {
            stops.push_back(c);
        }
    }
    if (stops.empty()) {
        return nullptr;
    }
    const HWND self = DirectChild(dialog, control);
    for (size_t i = 0; i < stops.size(); ++i) {
        if (stops[i] == self) {
            const size_t n = stops.size();
            return stops[previous ? (i + n - 1) % n : (i + 1) % n];
        }
    }
    return previous ? stops.back() : stops.front();
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    const std::vector<HWND> all = Children(dialog);
    const HWND self = DirectChild(dialog, control);
    size_t at = 0;
    while (at < all.size() && all[at] != self) {
        ++at;
    }
    if (at == all.size()) {
        return nullptr;
    }
    size_t first = at;
    while (first > 0 && !(GetWindowLongW(all[first], GWL_STYLE) & WS_GROUP)) {
        --first;
    }
    size_t end = first + 1;
    while (end < all.size() && !(GetWindowLongW(all[end], GWL_STYLE) & WS_GROUP)) {
        ++end;
    }
    const size_t n = end - first;
    for (size_t step = 1; step < n; ++step) {
        const size_t i = first + (previous ? (at - first + n - step) % n : (at - first + step) % n);
        if (CanFocus(all[i])) {
            return all[i];
        }
    }
    return self;
}

BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg)
{
    if (!msg || !dialog || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) {
        return FALSE;
    }
    const LRESULT code =
        SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if (msg->message == WM_KEYDOWN && !(code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS))) {
        switch (msg->wParam) {
        case VK_TAB:
            if (!(code & DLGC_WANTTAB)) {
                SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
                return TRUE;
            }
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (!(code & DLGC_WANTARROWS)) {
                const BOOL back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
                HWND next = GetNextDlgGroupItem(dialog, GetFocus(), back);
                if (next && next != GetFocus()) {
                    FocusDialogControl(dialog, next);
                    if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
                        (GetWindowLongW(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                        SendMessageW(next, BM_CLICK, 0, 0);
                    }
                }
                return TRUE;
            }
            break;
        case VK_ESCAPE: {
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
            return TRUE;
        }
        case VK_RETURN: ClickDefault(dialog); return TRUE;
        }
    }
    if (msg->message == WM_CHAR &&
        !(code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE | DLGC_WANTALLKEYS))) {
        // Tab, Enter and Escape were handled as keys; as characters they go nowhere.
        if (msg->wParam == u'\t' || msg->wParam == u'\r' || msg->wParam == 27) {
            return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}
