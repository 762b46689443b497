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

void RunPreferencesDialog(HWND owner)
{
    RunModalDialog(owner, IDD_PREFERENCES, PreferencesDialogProc);
}

void RunQuickHelpDialog(HWND owner)
{
    RunModalDialog(owner, IDD_QUICK_HELP, QuickHelpDialogProc);
}

void RunAboutDialog(HWND owner)
{
    RunModalDialog(owner, IDD_ABOUT, AboutDialogProc);
}

void RunClueListDialog(HWND owner)
{
    RunModalDialog(owner, IDD_CLUE_LIST, ClueListDialogProc);
}
void RunDownloadDialog(HWND owner)
{
    RunModalDialog(owner, IDD_DOWNLOAD, DownloadDialogProc);
}

void RunPuzzleInfoDialog(HWND owner)
{
    RunModalDialog(owner, IDD_PUZZLE_INFO, PuzzleInfoDialogProc);
}

bool RunUnlockDialog(HWND owner)
{
    return RunModalDialog(owner, IDD_UNLOCK, UnlockDialogProc) == 1;
}

PuzzleOpening ChoosePuzzleFile(HWND owner)
{
    return OpenPuzzleFile(owner);
}
