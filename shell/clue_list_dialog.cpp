// ClueListDialogProc and FillClueList.
#include "clue_list_dialog.h"

#include "diagramless.h"
#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "game_state.h"
#include "play_cursor.h"
#include "puzzle_info_dialog.h"
#include "puzzle_text.h"
#include "shell_state.h"

namespace {

constexpr int kLineChars = 1040;
constexpr int kClueChars = 1000;  // a longer clue is cut, so its line fits the buffer
// The lines a long clue wraps to after its first start under its text, past the number.
constexpr WCHAR kContinuation[] = u"      ";

// One line: "5.  clue (4)" on the Across tab, "12. clue  (6)" on the Down tab.
void FormatLine(const ClueEntry& entry, int tab, WCHAR* line)
{
    WCHAR clue[kClueChars + 1];
    const char* text = FileClueText(entry);
    WidenPuzzleText(text ? text : "", clue, kClueChars + 1);
    const WCHAR* dot = entry.number < 10 ? u".  " : u". ";
    // A diagramless answer's length would give away where its blocks are.
    if (gGame.diagramless)
        wsprintfW(line, u"%d%s%s", entry.number, dot, clue);
    else
        wsprintfW(line, tab == kDown ? u"%d%s%s  (%d)" : u"%d%s%s (%d)", entry.number, dot, clue,
                  entry.length);
}

BOOL InitDialog(HWND dialog)
{
    HWND tabs = GetDlgItem(dialog, IDC_CLUE_TABS);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(u"Across");
    SendMessageW(tabs, TCM_INSERTITEMW, 0, LPARAM(&item));
    item.pszText = const_cast<LPWSTR>(u"Down");
    SendMessageW(tabs, TCM_INSERTITEMW, 1, LPARAM(&item));
    gShell.clueListTab = 0;
    SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
    SetFocus(GetDlgItem(dialog, IDC_CLUE_LIST));
    FillClueList(dialog, 0);
    EnterFullScreenDialog(dialog, kDialogFullScreen);
    return TRUE;
}

void OnTabChange(HWND dialog)
{
    const int tab = int(SendDlgItemMessageW(dialog, IDC_CLUE_TABS, TCM_GETCURSEL, 0, 0));
    if (tab == 0 || tab == 1)
        gShell.clueListTab = tab;
    HWND list = GetDlgItem(dialog, IDC_CLUE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SetFocus(list);
    FillClueList(dialog, gShell.clueListTab);
}

// A tapped line: its word becomes current, and the main window shows it when it is active
// again.
void ChooseClue(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_CLUE_LIST);
    SetFocus(list);
    const int selected = int(SendMessageW(list, LB_GETCURSEL, 0, 0));
    SendMessageW(list, LB_SETCURSEL, WPARAM(selected), 0);
    UpdateWindow(list);
    gShell.refreshOnActivate = 1;
    // Every line of a wrapped clue names its word's row.
    const int row = int(SendMessageW(list, LB_GETITEMDATA, WPARAM(selected), 0));
    if (selected >= 0 && row >= 0 && row < kMaxWords)
        SelectClue(gShell.clueListTab == 1 ? kDown : kAcross, row);
    HWND owner = GetWindow(dialog, GW_OWNER);
    LeaveFullScreenDialog(dialog);
    // Ending the dialog activates the main window, whose activation repaints all of it with
    // the chosen word. The paint the uncovered window still has pending would draw the grid
    // again without the word, so it is dropped.
    if (owner)
        ValidateRect(owner, nullptr);
}

BOOL OnCommand(HWND dialog, int id, int notification)
{
    if (id == IDOK)
        LeaveFullScreenDialog(dialog);
    else if (id == IDC_CLUE_LIST && notification == LBN_SELCHANGE)
        ChooseClue(dialog);
    return TRUE;
}

BOOL OnNotify(HWND dialog, const NMHDR* header)
{
    if (header->idFrom == IDC_CLUE_TABS && header->code == UINT(TCN_SELCHANGE))
        OnTabChange(dialog);
    return TRUE;
}

}  // namespace

void FillClueList(HWND dialog, int tab)
{
    HWND list = GetDlgItem(dialog, IDC_CLUE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 0, 0);
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, HFONT(SendMessageW(list, WM_GETFONT, 0, 0)));
    // A clue wider than the list wraps to lines of its own, beside the scroll bar that its
    // lines may bring, rather than running off to the right.
    RECT client;
    GetClientRect(list, &client);
    SIZE indent = {};
    GetTextExtentPoint32W(dc, kContinuation, lstrlenW(kContinuation), &indent);
    const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL) - 4 - indent.cx;
    const ClueEntry* words = FileWords(tab == kDown ? kDown : kAcross);
    for (int row = 0; row < kMaxWords; ++row) {
        if (words[row].clueIndex == -1)
            continue;
        static WCHAR line[kLineChars];  // too large for the stack
        FormatLine(words[row], tab, line);
        bool first = true;
        WrapText(dc, line, width, [&](LPCWSTR start, int length) {
            static WCHAR piece[kLineChars + 8];
            lstrcpynW(piece, first ? u"" : kContinuation, 8);
            const int at = lstrlenW(piece);
            lstrcpynW(piece + at, start, length + 1);
            const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, LPARAM(piece));
            SendMessageW(list, LB_SETITEMDATA, WPARAM(index), LPARAM(row));
            first = false;
        });
    }
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
}

// Controls: OK 1, the heading "Across / Down Clues", list box 1025 and the Across / Down
// tabs 1024 under it.
INT_PTR CALLBACK ClueListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_NOTIFY: return OnNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    }
    return FALSE;
}
