// Dialog creation from a template: the window in pixels converted from dialog units, the
// template font, the controls, WM_INITDIALOG and the focus rule (the first WS_TABSTOP
// control gets the focus unless the dialog procedure returns FALSE).
#include <string>
#include <unordered_map>

#include "controls/controls_internal.h"
#include "dialog_internal.h"
#include "user/user_internal.h"

namespace {

// The dialog windows and their records; a handle not in here is not a dialog.
std::unordered_map<HWND, DialogInfo*> gDialogs;

constexpr char16_t kDialogClass[] = u"Dialog";

// A template names a predefined class by atom or by name.
LPCWSTR ClassOf(LPCWSTR windowClass)
{
    if (!IS_INTRESOURCE(windowClass)) {
        return windowClass;
    }
    switch (reinterpret_cast<ULONG_PTR>(windowClass)) {
    case 0x0080: return WC_BUTTONW;
    case 0x0081: return WC_EDITW;
    case 0x0082: return WC_STATICW;
    case 0x0083: return WC_LISTBOXW;
    }
    return nullptr;
}

HFONT CreateTemplateFont(LPCDLGTEMPLATEW t, int pointSize)
{
    const LPCWSTR face = t->typeface && t->typeface[0] ? t->typeface : u"MS Sans Serif";
    // Negative height: the em height in pixels at 96 dpi, as a point size asks for.
    return CreateFontW(-(pointSize * 96 + 36) / 72, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
}

// Where a dialog goes on the screen: its template position from the owner's client origin
// (the visible desktop's for an ownerless dialog, the screen's with DS_ABSALIGN), or centred
// with DS_CENTER, and always kept on the screen.
RECT PlaceDialog(LPCDLGTEMPLATEW t, HWND owner, DialogBaseUnits base)
{
    const int cx = DialogUnitsToPixelsX(t->cx, base);
    const int cy = DialogUnitsToPixelsY(t->cy, base);
    const RECT desktop = UserVisibleDesktop();
    POINT origin{desktop.left, desktop.top};
    if (t->style & DS_ABSALIGN) {
        origin = {0, 0};
    } else if (owner) {
        origin = {0, 0};
        ClientToScreen(owner, &origin);
    }
    int x = origin.x + DialogUnitsToPixelsX(t->x, base);
    int y = origin.y + DialogUnitsToPixelsY(t->y, base);
    if (t->style & DS_CENTER) {
        x = desktop.left + (desktop.right - desktop.left - cx) / 2;
        y = desktop.top + (desktop.bottom - desktop.top - cy) / 2;
    }
    x = std::max<int>(0, std::min<int>(x, kScreenWidth - cx));
    y = std::max<int>(desktop.top, std::min<int>(y, kScreenHeight - cy));
    return {x, y, x + cx, y + cy};
}

void CreateItems(HWND dialog, HINSTANCE instance, LPCDLGTEMPLATEW t, DialogInfo* info)
{
    for (WORD i = 0; i < t->cdit && t->items; ++i) {
        const DLGITEMTEMPLATEW& item = t->items[i];
        const LPCWSTR cls = ClassOf(item.windowClass);
        if (!cls) {
            continue;
        }
        const RECT r = DialogRectToPixels(RECT{item.x, item.y, item.x + item.cx, item.y + item.cy},
                                          info->base);
        // An ordinal text (a picture's resource id) travels as its "#id" name.
        std::u16string text;
        if (item.title && IS_INTRESOURCE(item.title)) {
            text = u"#";
            for (char c : std::to_string(reinterpret_cast<ULONG_PTR>(item.title))) {
                text += static_cast<char16_t>(c);
            }
        }
        HWND control = CreateWindowExW(
            item.dwExtendedStyle, cls, text.empty() ? item.title : text.c_str(),
            (item.style | WS_CHILD | WS_VISIBLE) & ~WS_POPUP, r.left, r.top, r.right - r.left,
            r.bottom - r.top, dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)),
            instance, nullptr);
        if (control) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(info->font), FALSE);
        }
    }
}

}  // namespace

DialogInfo* DialogInfoOf(HWND hwnd)
{
    const auto it = gDialogs.find(hwnd);
    return it == gDialogs.end() ? nullptr : it->second;
}

void EnsureDialogClasses()
{
    EnsureControlClasses();
    WNDCLASSW existing;
    if (GetClassInfoW(nullptr, kDialogClass, &existing)) {
        return;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = kDialogClass;
    RegisterClassW(&wc);
}

// Frees the record; called by DefDlgProcW on WM_NCDESTROY.
void FreeDialogInfo(HWND hwnd)
{
    DialogInfo* info = DialogInfoOf(hwnd);
    if (!info) {
        return;
    }
    if (info->ownsFont) {
        DeleteObject(info->font);
    }
    gDialogs.erase(hwnd);
    delete info;
}

HWND FirstTabStop(HWND dialog)
{
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongW(c, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            return c;
        }
    }
    return nullptr;
}

void FocusDialogControl(HWND, HWND control)
{
    if (!control) {
        return;
    }
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
}

HWND CreateDialogWindow(HINSTANCE instance, LPCDLGTEMPLATEW t, HWND owner, DLGPROC proc,
                        LPARAM param, bool modal)
{
    if (!t) {
        return nullptr;
    }
    EnsureDialogClasses();
    auto* info = new DialogInfo();
    const int pointSize = t->pointSize ? t->pointSize : 8;
    info->base = DialogBaseUnitsForPointSize(pointSize);
    info->font = CreateTemplateFont(t, pointSize);
    info->ownsFont = info->font != nullptr;
    info->modal = modal;

    const bool child = (t->style & WS_CHILD) != 0;
    RECT r = PlaceDialog(t, child ? nullptr : owner, info->base);
    if (child) {
        r = DialogRectToPixels(RECT{t->x, t->y, t->x + t->cx, t->y + t->cy}, info->base);
    }
    HWND dialog = CreateWindowExW(t->dwExtendedStyle, kDialogClass, t->title,
                                  t->style & ~WS_VISIBLE, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, owner, nullptr, instance, nullptr);
    if (!dialog) {
        if (info->ownsFont) {
            DeleteObject(info->font);
        }
        delete info;
        return nullptr;
    }
    gDialogs[dialog] = info;
    CreateItems(dialog, instance, t, info);
    SetWindowLongW(dialog, DWL_DLGPROC, reinterpret_cast<LONG_PTR>(proc));

    if (modal && owner) {
        // The owner is the top-level window of whatever was passed (a control, a dialog).
        HWND top = owner;
        while (GetParent(top) && (GetWindowLongW(top, GWL_STYLE) & WS_CHILD)) {
            top = GetParent(top);
        }
        info->owner = top;
        info->ownerWasEnabled = IsWindowEnabled(top) != FALSE;
        if (info->ownerWasEnabled) {
            EnableWindow(top, FALSE);
        }
    }

    const HWND focusBefore = GetFocus();
    const HWND firstStop = FirstTabStop(dialog);
    const LRESULT wantsFocus =
        SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstStop), param);
    if (!IsWindow(dialog)) {
        return nullptr;
    }
    // Returning TRUE asks for the default focus, unless the procedure moved it itself.
    if (wantsFocus && GetFocus() == focusBefore) {
        FocusDialogControl(dialog, FirstTabStop(dialog));
    }
    DialogInfo* after = DialogInfoOf(dialog);
    if (after && !after->ended && (modal || (t->style & WS_VISIBLE))) {
        ShowWindow(dialog, SW_SHOW);
    }
    return dialog;
}

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog, HWND owner,
                                       DLGPROC proc, LPARAM param)
{
    return CreateDialogWindow(instance, dialog, owner, proc, param, false);
}
