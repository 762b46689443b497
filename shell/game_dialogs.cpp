// The dialogs of the main window's commands.
#include "game_dialogs.h"

#include "ResourceIds.h"
#include "download_dialog.h"
#include "puzzle_files.h"
#include "shell_state.h"

INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc)
{
    HRSRC found = FindResourceW(gShell.instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (!found)
        return -1;
    const auto* dialog =
        static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(gShell.instance, found)));
    return DialogBoxIndirectParamW(gShell.instance, dialog, owner, proc, 0);
}

// The dialogs below have no template or procedure in the program yet; until they have, the
// commands that open them do nothing visible.
void RunPreferencesDialog(HWND) {}
void RunQuickHelpDialog(HWND) {}
void RunAboutDialog(HWND) {}
void RunClueListDialog(HWND) {}
void RunDownloadDialog(HWND owner)
{
    RunModalDialog(owner, IDD_DOWNLOAD, DownloadDialogProc);
}

int ChoosePuzzleFile(HWND owner)
{
    return OpenPuzzleFile(owner);
}
