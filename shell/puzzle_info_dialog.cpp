// PuzzleInfoDialogProc.
#include "puzzle_info_dialog.h"

#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "game_state.h"
#include "puzzle_text.h"

namespace {

// Adds `text` to the list, wrapped to the list's width less its scroll bar (there whenever the
// lines outgrow the list, and then the lines must not run under it).
void AddWrapped(HWND list, HDC dc, LPCWSTR text)
{
    RECT client;
    GetClientRect(list, &client);
    const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL) - 4;
    WrapText(dc, text, width, [&](LPCWSTR start, int length) {
        static WCHAR line[kMaxPuzzleFile + 1];
        lstrcpynW(line, start, length + 1);
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(line));
    });
}

// Title, author and copyright a line each (as long as they need), a blank line, the notes.
void FillInformation(HWND list)
{
    static WCHAR text[kMaxPuzzleFile + 1];
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, HFONT(SendMessageW(list, WM_GETFONT, 0, 0)));
    WidenPuzzleText(gGame.headerLine, text, kMaxPuzzleFile + 1);
    AddWrapped(list, dc, text);
    SendMessageW(list, LB_ADDSTRING, 0, LPARAM(u""));
    WidenPuzzleText(gGame.notes, text, kMaxPuzzleFile + 1);
    AddWrapped(list, dc, text);
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
}

BOOL InitDialog(HWND dialog)
{
    FillInformation(GetDlgItem(dialog, IDC_INFO_NOTES));
    EnterFullScreenDialog(dialog, kDialogFullScreen);
    return TRUE;
}

}  // namespace

// Controls: the list 1071 of header and notes, and OK, which is also the title-bar ok.
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
