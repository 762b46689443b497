// UnlockDialogProc.
#include "unlock_dialog.h"

#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "solution_lock.h"

namespace {

constexpr int kKeyDigits = 4;

BOOL InitDialog(HWND dialog)
{
    SendDlgItemMessageW(dialog, IDC_UNLOCK_KEY, EM_LIMITTEXT, kKeyDigits, 0);
    SetFocus(GetDlgItem(dialog, IDC_UNLOCK_KEY));
    EnterFullScreenDialog(dialog, kDialogFullScreen);
    return FALSE;  // the focus is set
}

// The key as a number, or -1 unless exactly four digits were typed.
int TypedKey(HWND dialog)
{
    WCHAR text[8] = {};
    GetDlgItemTextW(dialog, IDC_UNLOCK_KEY, text, 8);
    int key = 0;
    for (int i = 0; i < kKeyDigits; ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return -1;
        key = key * 10 + (text[i] - u'0');
    }
    return text[kKeyDigits] ? -1 : key;
}

void TryKey(HWND dialog)
{
    const int key = TypedKey(dialog);
    if (key >= 0 && UnlockSolution(key)) {
        LeaveFullScreenDialog(dialog, 1);
        return;
    }
    MessageBoxW(dialog,
                key < 0 ? u"The key has four digits." : u"This key does not unlock the solution.",
                u"Unlock Solution", MB_OK | MB_ICONINFORMATION);
    SetDlgItemTextW(dialog, IDC_UNLOCK_KEY, u"");
    SetFocus(GetDlgItem(dialog, IDC_UNLOCK_KEY));
}

}  // namespace

// Controls: the prompt 1072, the key 1073, Unlock (IDOK, also the title-bar ok), Cancel.
INT_PTR CALLBACK UnlockDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: TryKey(dialog); return TRUE;
        case IDCANCEL: LeaveFullScreenDialog(dialog, 0); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
