// Calls that address a dialog's controls by id, and dialog-unit conversion for a dialog.
#include <string>

#include "dialog_internal.h"

LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageW(control, msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text)
{
    HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextW(control, text) : FALSE;
}

UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int bufferChars)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        if (buffer && bufferChars > 0) {
            buffer[0] = 0;
        }
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(control, buffer, bufferChars));
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    std::u16string text;
    long long v = isSigned ? static_cast<long long>(static_cast<int>(value)) : value;
    const bool negative = v < 0;
    unsigned long long magnitude = negative ? static_cast<unsigned long long>(-v) : v;
    do {
        text.insert(text.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude);
    if (negative) {
        text.insert(text.begin(), u'-');
    }
    return SetDlgItemTextW(dialog, id, text.c_str());
}

// The text must be a whole number (blanks around it allowed) that fits the type.
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated) {
        *translated = FALSE;
    }
    WCHAR buffer[64];
    GetDlgItemTextW(dialog, id, buffer, 64);
    const WCHAR* p = buffer;
    while (*p == u' ') {
        ++p;
    }
    bool negative = false;
    if (isSigned && (*p == u'-' || *p == u'+')) {
        negative = *p == u'-';
        ++p;
    }
    if (*p < u'0' || *p > u'9') {
        return 0;
    }
    unsigned long long value = 0;
    for (; *p >= u'0' && *p <= u'9'; ++p) {
        value = value * 10 + static_cast<unsigned>(*p - u'0');
        if (value > 0xFFFFFFFFull) {
            return 0;
        }
    }
    while (*p == u' ') {
        ++p;
    }
    if (*p) {
        return 0;
    }
    if (isSigned && value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        return 0;
    }
    if (translated) {
        *translated = TRUE;
    }
    return negative ? static_cast<UINT>(-static_cast<long long>(value)) : static_cast<UINT>(value);
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        return FALSE;
    }
    SendMessageW(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id)
{
    return static_cast<UINT>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check)
{
    bool found = false;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(c);
        if (id >= first && id <= last) {
            SendMessageW(c, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
            found = found || id == check;
        }
    }
    return found ? TRUE : FALSE;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect)
{
    DialogInfo* info = DialogInfoOf(dialog);
    if (!info || !rect) {
        return FALSE;
    }
    *rect = DialogRectToPixels(*rect, info->base);
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void)
{
    const DialogBaseUnits base = DialogBaseUnitsForPointSize(8);
    return MAKELONG(base.cx, base.cy);
}
