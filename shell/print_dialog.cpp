// PrintDialogProc and PrintOpenPuzzle: the page is rendered in memory and written whole, so a
// failed write leaves no half PDF beside the puzzle.
#include "print_dialog.h"

#include <string>

#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "game_dialogs.h"
#include "game_sheet.h"
#include "game_state.h"
#include "puzzle_pdf.h"
#include "resource_ids.h"
#include "whole_file.h"

namespace {

constexpr int kContentButtons[] = {IDC_PRINT_BLANK, IDC_PRINT_LETTERS, IDC_PRINT_SOLUTION};
constexpr PrintContents kContents[] = {kPrintBlank, kPrintLetters, kPrintSolution};

BOOL InitDialog(HWND dialog)
{
    CheckRadioButton(dialog, IDC_PRINT_BLANK, IDC_PRINT_SOLUTION, IDC_PRINT_BLANK);
    EnterFullScreenDialog(dialog, kDialogFullScreen);
    return TRUE;
}

INT_PTR ChosenContents(HWND dialog)
{
    for (int i = 0; i < 3; ++i)
        if (IsDlgButtonChecked(dialog, kContentButtons[i]) == BST_CHECKED)
            return 1 + kContents[i];
    return 1 + kPrintBlank;
}

// Print ends the dialog with the contents chosen, Cancel with none; other controls are
// the radio buttons' own.
BOOL EndWithChoice(HWND dialog, int control)
{
    if (control != IDOK && control != IDCANCEL)
        return FALSE;
    LeaveFullScreenDialog(dialog, control == IDOK ? ChosenContents(dialog) : 0);
    return TRUE;
}

// The puzzle's device path with its extension (if any) replaced by .pdf.
std::u16string PdfBesidePuzzle()
{
    std::u16string path = gGame.puzzlePath;
    const size_t slash = path.find_last_of(u'\\');
    const size_t dot = path.find_last_of(u'.');
    if (dot != std::u16string::npos && (slash == std::u16string::npos || dot > slash))
        path.resize(dot);
    return path + u".pdf";
}

void Tell(HWND owner, const std::u16string& text)
{
    MessageBoxW(owner, text.c_str(), u"Print", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

INT_PTR CALLBACK PrintDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_COMMAND: return EndWithChoice(dialog, LOWORD(wParam));
    }
    return FALSE;
}

void PrintOpenPuzzle(HWND owner)
{
    const INT_PTR chosen = RunModalDialog(owner, IDD_PRINT, PrintDialogProc);
    if (chosen <= 0)
        return;
    PrintSheet sheet;
    std::string pdf, error;
    if (!SheetFromGame(PrintContents(chosen - 1), &sheet, &error) ||
        !PuzzlePdf(sheet, PaperFromLocale(), &pdf, &error)) {
        WCHAR reason[256] = {};
        MultiByteToWideChar(CP_UTF8, 0, error.c_str(), -1, reason, 255);
        Tell(owner, reason);
        return;
    }
    const std::u16string path = PdfBesidePuzzle();
    if (WriteFileWhole(path.c_str(), pdf.data(), DWORD(pdf.size())) != kWholeFileDone) {
        Tell(owner, u"The PDF could not be written to " + path + u".");
        return;
    }
    SHELLEXECUTEINFOW open = {};
    open.cbSize = sizeof open;
    open.hwnd = owner;
    open.lpFile = path.c_str();
    if (!ShellExecuteExW(&open))
        Tell(owner, u"The PDF was written to " + path + u".");
}
