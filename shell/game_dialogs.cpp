// The dialogs of the main window's commands.
#include "game_dialogs.h"

#include "about_dialog.h"
#include "clue_list_dialog.h"
#include "download_dialog.h"
#include "preferences_dialog.h"
#include "puzzle_files.h"
#include "puzzle_info_dialog.h"
#include "quick_help_dialog.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "unlock_dialog.h"

INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc)
{
    HRSRC found = FindResourceW(gShell.instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (!found)
        return -1;
    const auto* dialog =
        static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(gShell.instance, found)));
    return DialogBoxIndirectParamW(gShell.instance, dialog, owner, proc, 0);
}

namespace {

struct GameDialog {
    int templateId;
    DLGPROC proc;
};

constexpr GameDialog kGameDialogs[] = {
    {IDD_PREFERENCES, PreferencesDialogProc},
    {IDD_QUICK_HELP, QuickHelpDialogProc},
    {IDD_ABOUT, AboutDialogProc},
    {IDD_CLUE_LIST, ClueListDialogProc},
    {IDD_DOWNLOAD, DownloadDialogProc},
    {IDD_PUZZLE_INFO, PuzzleInfoDialogProc},
    {IDD_UNLOCK, UnlockDialogProc},
};

}  // namespace

INT_PTR RunGameDialog(HWND owner, int templateId)
{
    for (const GameDialog& dialog : kGameDialogs) {
        if (dialog.templateId == templateId)
            return RunModalDialog(owner, templateId, dialog.proc);
    }
    return -1;
}

PuzzleOpening ChoosePuzzleFile(HWND owner)
{
    return OpenPuzzleFile(owner);
}
