// QuickHelpDialogProc.
#include "quick_help_dialog.h"

#include "dialog_ids.h"
#include "full_screen_dialog.h"

namespace {

BOOL InitDialog(HWND dialog)
{
    LowerInputPanel();
    EnterFullScreenDialog(dialog, kDialogWithoutMenuBar);
    return TRUE;
}

}  // namespace

// Controls: nine rows of a picture and its text, "Help" 1037 (opens the help page and stays)
// and "OK" 1055; the title-bar ok is 1.
INT_PTR CALLBACK QuickHelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: EndDialog(dialog, 1); return FALSE;
        case IDC_HELP_PAGE: StartProgram(u"PegHelp.exe", u"Quorvale.htm"); return TRUE;
        case IDC_QUICK_HELP_OK: LeaveFullScreenDialog(dialog); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
