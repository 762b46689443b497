// The preview: every puzzle written to a temporary file, read back for its title, deleted.
#include "preview_list.h"

#include "aygshell.h"
#include "extract_puzzle.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "pack_table.h"
#include "title_scan.h"
#include "whole_file.h"

namespace {

constexpr int kReadBytes = 16000;  // the largest puzzle file the preview reads
constexpr int kTitleBytes = 260;
constexpr int kListRoom = 300;

// Writes row `row` to a fresh temporary file, reads it back into `buffer` and deletes it.
// The number of bytes read, or -1 when it could not be written or read.
int ReadBackPuzzle(const PackEntry& row, unsigned char* buffer)
{
    // Reserving a name no file has keeps a user's own "\Temp" files out of harm's way.
    WCHAR path[MAX_PATH];
    HANDLE reserved = CreateUniqueFile(u"\\Temp\\", path);
    if (reserved == INVALID_HANDLE_VALUE)
        return -1;
    CloseHandle(reserved);
    int read = -1;
    if (ExtractPuzzle(row.resourceName, path)) {
        HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD got = 0;
            if (ReadFile(file, buffer, kReadBytes, &got, nullptr))
                read = int(got);
            CloseHandle(file);
        }
    }
    DeleteFileW(path);
    return read;
}

HFONT gBoldHeading;  // the heading's font while the dialog is open

void MakeHeadingBold(HWND dialog)
{
    HWND heading = GetDlgItem(dialog, IDC_HEADING);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(heading, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    font.lfWeight = FW_BOLD;
    gBoldHeading = CreateFontIndirectW(&font);
    SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(gBoldHeading), TRUE);
}

void InitPreview(HWND dialog)
{
    MakeHeadingBold(dialog);
    FillPreviewList(dialog);
    SHINITDLGINFO init = {SHIDIM_FLAGS, dialog,
                          SHIDIF_DONEBUTTON | SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&init);
    SetForegroundWindow(dialog);
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
}

}  // namespace

void FillPreviewList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_PUZZLE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_INITSTORAGE, kListRoom, 0);
    const PackEntry* table = LoadPackTable(gInstaller.instance);
    // One puzzle at a time: the buffer lives only while the list is filled.
    auto* buffer = new unsigned char[kReadBytes];
    for (int row = 0; table && row < kPackRows; ++row) {
        const int read = ReadBackPuzzle(table[row], buffer);
        if (read < 0)
            continue;
        char title[kTitleBytes];
        ScanPuzzleTitle(buffer, read, title, kTitleBytes);
        WCHAR wide[kTitleBytes] = {};
        MultiByteToWideChar(CP_ACP, 0, title, -1, wide, kTitleBytes);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide));
    }
    delete[] buffer;
    EnableWindow(list, TRUE);
    SendMessageW(list, LB_SETCURSEL, WPARAM(-1), 0);
    UpdateWindow(list);
}

INT_PTR CALLBACK PreviewDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: InitPreview(dialog); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDC_PREVIEW_OK: EndDialog(dialog, IDOK); return TRUE;
        case IDC_PUZZLE_LIST:
            // Choosing a title does nothing but keep it chosen.
            if (HIWORD(wParam) == LBN_SELCHANGE)
                SetFocus(GetDlgItem(dialog, IDC_PUZZLE_LIST));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        DeleteObject(gBoldHeading);
        gBoldHeading = nullptr;
        return FALSE;
    }
    return FALSE;
}
