// PuzzleInfoDialogProc.
#include "puzzle_info_dialog.h"

#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "game_state.h"
#include "puzzle_text.h"

namespace {

void FillNotes(HWND list)
{
    static WCHAR notes[kMaxPuzzleFile + 1];
    WidenPuzzleText(gGame.notes, notes, kMaxPuzzleFile + 1);
    RECT client;
    GetClientRect(list, &client);
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, HFONT(SendMessageW(list, WM_GETFONT, 0, 0)));
    WrapText(dc, notes, client.right - client.left - 4, [&](LPCWSTR start, int length) {
        WCHAR line[kMaxPuzzleFile + 1];
        lstrcpynW(line, start, length + 1);
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(line));
    });
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
}

BOOL InitDialog(HWND dialog)
{
    WCHAR header[kHeaderLineSize];
    WidenPuzzleText(gGame.headerLine, header, kHeaderLineSize);
    SetDlgItemTextW(dialog, IDC_INFO_HEADER, header);
    FillNotes(GetDlgItem(dialog, IDC_INFO_NOTES));
    EnterFullScreenDialog(dialog, kDialogFullScreen);
    return TRUE;
}

}  // namespace

// Controls: the header 1070, the notes 1071 and OK, which is also the title-bar ok.
INT_PTR CALLBACK PuzzleInfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            LeaveFullScreenDialog(dialog);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
