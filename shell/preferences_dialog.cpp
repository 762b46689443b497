// PreferencesDialogProc, its colour choosers and ChooserHook.
#include "preferences_dialog.h"

#include <initializer_list>

#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "game_state.h"
#include "main_window.h"
#include "shell_state.h"

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;

// Drawing objects of the open dialog, made on first use and freed when it closes.
struct PreferencesObjects {
    HFONT boldGroups;   // the group boxes' titles
    HBRUSH white;       // dialog and static backgrounds
    HBRUSH square;      // swatch 1024, in squareColour when made
    HBRUSH background;  // swatch 1023, in backgroundColour when made
    COLORREF squareMade;
    COLORREF backgroundMade;
};
PreferencesObjects gObjects;

// The two chooser requests and their shared custom colours are made when the program starts
// (black squares on white, the custom colours' first three entries set) and live for the
// whole run. Their result colours are loaded from the settings before a chooser opens and
// stored back after it closes, so a confirmed colour is the setting and a cancelled one
// leaves it unchanged.
COLORREF gCustomColours[16] = {0x00323232, 0x00FFFFFF, 0x00000000};

CHOOSECOLORW MakeRequest(COLORREF start)
{
    CHOOSECOLORW request = {};
    request.lStructSize = sizeof request;
    request.rgbResult = start;
    request.lpCustColors = gCustomColours;
    request.Flags = CC_ENABLEHOOK;
    request.lCustData = LPARAM(start);
    request.lpfnHook = ChooserHook;
    return request;
}

CHOOSECOLORW gSquareChooser = MakeRequest(0x00000000);
CHOOSECOLORW gBackgroundChooser = MakeRequest(0x00FFFFFF);

void SetBoldGroups(HWND dialog)
{
    LOGFONTW description = {};
    GetObjectW(HFONT(SendDlgItemMessageW(dialog, IDC_MAGNIFICATION_GROUP, WM_GETFONT, 0, 0)),
               sizeof description, &description);
    description.lfWeight = FW_BOLD;
    gObjects.boldGroups = CreateFontIndirectW(&description);
    for (int group : {IDC_MAGNIFICATION_GROUP, IDC_TOGGLE_GROUP, IDC_COLOUR_GROUP})
        SendDlgItemMessageW(dialog, group, WM_SETFONT, WPARAM(gObjects.boldGroups), TRUE);
}

// "Auto Skip across words" only refines Auto Skip, so it can be ticked only while Auto Skip is;
// greyed, it keeps its tick for when Auto Skip comes back.
void ShowSkipAcrossWordsAvailable(HWND dialog)
{
    EnableWindow(GetDlgItem(dialog, IDC_SKIP_ACROSS_WORDS),
                 IsDlgButtonChecked(dialog, IDC_AUTO_SKIP) == BST_CHECKED);
}

void ShowSettings(HWND dialog)
{
    const int magnification = MagnificationIndex(gGame.settings);
    CheckDlgButton(dialog, IDC_SMALL, magnification == kSmall);
    CheckDlgButton(dialog, IDC_MEDIUM, magnification == kMedium);
    CheckDlgButton(dialog, IDC_LARGE, magnification == kLarge);
    CheckDlgButton(dialog, IDC_AUTO_SKIP, gGame.settings.autoSkip != 0);
    CheckDlgButton(dialog, IDC_SHOW_NUMBERS, gGame.settings.showNumbers != 0);
    CheckDlgButton(dialog, IDC_SKIP_ACROSS_WORDS, gGame.settings.skipAcrossWords != 0);
    CheckDlgButton(dialog, IDC_NEXT_WORD_AFTER, gGame.settings.nextWordAfterLast != 0);
    CheckDlgButton(dialog, IDC_ARROW_SQUARES, gGame.settings.arrowSquares != 0);
    ShowSkipAcrossWordsAvailable(dialog);
}

BOOL InitDialog(HWND dialog)
{
    SetBoldGroups(dialog);
    ShowSettings(dialog);
    EnterFullScreenDialog(dialog, kDialogFullScreen);
    return TRUE;
}

// OK: the magnification and the toggles take effect; the cursor stays where it is.
void Accept(HWND dialog)
{
    Settings chosen = gGame.settings;
    const int buttons[] = {IDC_SMALL, IDC_MEDIUM, IDC_LARGE};
    for (int i = 2; i >= 0; --i)
        if (IsDlgButtonChecked(dialog, buttons[i]) == BST_CHECKED)
            SetMagnification(&chosen, i);
    chosen.autoSkip = IsDlgButtonChecked(dialog, IDC_AUTO_SKIP) == BST_CHECKED;
    chosen.showNumbers = IsDlgButtonChecked(dialog, IDC_SHOW_NUMBERS) == BST_CHECKED;
    chosen.skipAcrossWords = IsDlgButtonChecked(dialog, IDC_SKIP_ACROSS_WORDS) == BST_CHECKED;
    chosen.nextWordAfterLast = IsDlgButtonChecked(dialog, IDC_NEXT_WORD_AFTER) == BST_CHECKED;
    chosen.arrowSquares = IsDlgButtonChecked(dialog, IDC_ARROW_SQUARES) == BST_CHECKED;
    SetSettings(chosen);
    UpdateMenuChecks();
    LeaveFullScreenDialog(dialog);
}

// A colour takes effect as soon as it is chosen, whatever ends the dialog.
void ChooseColour(HWND dialog, CHOOSECOLORW* request, COLORREF Settings::*setting)
{
    request->hwndOwner = dialog;
    request->rgbResult = gGame.settings.*setting;
    ChooseColorW(request);
    Settings chosen = gGame.settings;
    chosen.*setting = request->rgbResult;
    SetSettings(chosen);
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
}

// A solid brush of `colour`, remade only when the colour changed since it was made.
HBRUSH SwatchBrush(HBRUSH* brush, COLORREF* made, COLORREF colour)
{
    if (*brush && *made != colour) {
        DeleteObject(*brush);
        *brush = nullptr;
    }
    if (!*brush) {
        *brush = CreateSolidBrush(colour);
        *made = colour;
    }
    return *brush;
}

INT_PTR ButtonColour(HWND button)
{
    switch (GetDlgCtrlID(button)) {
    case IDC_BACKGROUND_SWATCH:
        return INT_PTR(SwatchBrush(&gObjects.background, &gObjects.backgroundMade,
                                   gGame.settings.backgroundColour));
    case IDC_SQUARE_SWATCH:
        return INT_PTR(
            SwatchBrush(&gObjects.square, &gObjects.squareMade, gGame.settings.squareColour));
    }
    return 0;
}

INT_PTR WhiteBrush()
{
    if (!gObjects.white)
        gObjects.white = CreateSolidBrush(kWhite);
    return INT_PTR(gObjects.white);
}

void ReleaseObjects()
{
    for (HGDIOBJ object : {HGDIOBJ(gObjects.boldGroups), HGDIOBJ(gObjects.white),
                           HGDIOBJ(gObjects.square), HGDIOBJ(gObjects.background)})
        if (object)
            DeleteObject(object);
    gObjects = {};
}

BOOL OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK: Accept(dialog); break;
    case IDC_AUTO_SKIP: ShowSkipAcrossWordsAvailable(dialog); break;
    case IDC_BACKGROUND_SWATCH:
        ChooseColour(dialog, &gBackgroundChooser, &Settings::backgroundColour);
        break;
    case IDC_SQUARE_SWATCH: ChooseColour(dialog, &gSquareChooser, &Settings::squareColour); break;
    }
    return TRUE;
}

}  // namespace

// Controls: group boxes 1017 (Small 1002, Medium 1003, Large 1004), 1019 (Auto Skip 1043,
// Show Numbers 1057, Auto Skip across words 1081, Next word after the last letter 1080, Arrow
// keys move one square 1079) and 1018 (square swatch 1024, background swatch 1023), OK 1.
INT_PTR CALLBACK PreferencesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    case WM_CTLCOLORBTN: return ButtonColour(HWND(lParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return WhiteBrush();
    case WM_ACTIVATE:
        if (LOWORD(wParam))
            SHHandleWMActivate(dialog, wParam, lParam, &gShell.activateInfo, 0);
        return FALSE;
    case WM_SETTINGCHANGE:
        SHHandleWMSettingChange(dialog, wParam, lParam, &gShell.activateInfo);
        return FALSE;
    case WM_DESTROY: ReleaseObjects(); return FALSE;
    }
    return FALSE;
}

UINT_PTR CALLBACK ChooserHook(HWND chooser, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_CLOSE:
    case WM_QUIT: EndDialog(chooser, 1); break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            EndDialog(chooser, 1);
        break;
    default:
        if (GetFocus() != chooser)
            SetFocus(chooser);
        break;
    }
    return 0;
}
