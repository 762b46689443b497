// The dialog manager's records, shared by its files, the message box and the common dialogs:
// the per-dialog state behind a dialog window, dialog creation from a template and the
// modal loop. Programs never include this.
#pragma once

#include <functional>
#include <string>

#include "dialog_units.h"
#include "windows.h"

struct DialogInfo {
    HFONT font = nullptr;          // the template font (WM_GETFONT), given to every control
    bool ownsFont = false;         // created from the template: deleted with the dialog
    DialogBaseUnits base{6, 13};   // for MapDialogRect
    bool modal = false;            // run by DialogBoxIndirectParamW
    bool ended = false;            // EndDialog was called
    INT_PTR result = 0;            // EndDialog's value
    HWND owner = nullptr;          // the top-level window disabled while a modal dialog runs
    bool ownerWasEnabled = false;  // whether to enable it again at the end
    HWND savedFocus = nullptr;     // control to give the focus back to on reactivation
    int defId = 0;                 // DM_SETDEFID; 0 = look for a BS_DEFPUSHBUTTON
};

// The record of a dialog window, or nullptr for other windows.
DialogInfo* DialogInfoOf(HWND hwnd);

// Registers the dialog class (its window procedure is DefDlgProcW) and the control classes.
void EnsureDialogClasses();

// Creates a dialog from a template: the window, its font, its controls, then WM_INITDIALOG
// and the initial focus. With `modal` the owner's top-level window is disabled first. The
// dialog is shown when the template says WS_VISIBLE or it is modal. Null on failure.
HWND CreateDialogWindow(HINSTANCE instance, LPCDLGTEMPLATEW dialog, HWND owner, DLGPROC proc,
                        LPARAM param, bool modal);

// Runs the nested loop of a modal dialog until EndDialog, then destroys it and returns the
// result. `whenIdle` runs each time the loop would block (the automation answers dialogs
// there) and returns true when it did something. `loopName` names the loop in the failure
// message of a script that ran out.
INT_PTR RunModalDialog(HWND dialog, const std::string& loopName,
                       const std::function<bool(HWND)>& whenIdle);

// Whether the headless backend runs with nothing left in its script (a loop would fail).
bool AutomationScriptExhausted();

// The first control of `dialog` that takes the focus by Tab (visible, enabled, WS_TABSTOP).
HWND FirstTabStop(HWND dialog);
// Gives the focus to a control as dialog navigation does: an edit gets all its text selected.
void FocusDialogControl(HWND dialog, HWND control);
