// Installation: the folder dialog, the confirmation and the writing of the 31 puzzles.
#include "install_pack.h"

#include "extract_puzzle.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "pack_table.h"

namespace {

constexpr int kTitleChars = 100;

// The build's title, which is also the name of its pack folder.
void PackTitle(WCHAR* title)
{
    if (!LoadStringW(gInstaller.instance, IDS_TITLE, title, kTitleChars))
        title[0] = 0;
}

// Index of the first `part` in `text`, or -1.
int FindText(const WCHAR* text, const WCHAR* part)
{
    const int partLength = lstrlenW(part);
    if (partLength == 0)
        return -1;
    for (int i = 0; text[i]; ++i) {
        int k = 0;
        while (k < partLength && text[i + k] == part[k])
            ++k;
        if (k == partLength)
            return i;
    }
    return -1;
}

bool ConfirmFolder(HWND owner, const WCHAR* title, const WCHAR* folder)
{
    WCHAR question[MAX_PATH + 64];
    wsprintfW(question, u"Save puzzles to this location: %s ?", folder);
    return MessageBoxW(owner, question, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void ReportUnwritten(HWND owner, int unwritten, const WCHAR* folder)
{
    WCHAR title[kTitleChars];
    WCHAR text[MAX_PATH + 96];
    PackTitle(title);
    wsprintfW(text, u"%d of the %d puzzles could not be written to %s", unwritten, kPackRows,
              folder);
    MessageBoxW(owner, text, title, MB_OK | MB_ICONWARNING);
}

}  // namespace

bool ChooseInstallFolder(HWND owner, const WCHAR* firstName, WCHAR* folder)
{
    WCHAR title[kTitleChars];
    WCHAR packFolder[MAX_PATH];
    WCHAR file[MAX_PATH];
    WCHAR fileTitle[MAX_PATH] = {};
    PackTitle(title);
    wsprintfW(packFolder, u"\\My Documents\\%s", title);
    // A folder made now means a first installation; otherwise the game's folder is proposed.
    if (CreateDirectoryW(packFolder, nullptr))
        wsprintfW(file, u"%s\\%s", packFolder, firstName);
    else
        wsprintfW(file, u"\\My Documents\\Fennimoor\\%s", firstName);

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = u"Puzzle files\0*.puz\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrTitle = u"Save File";
    ofn.Flags = OFN_EXPLORER;
    if (!GetSaveFileNameW(&ofn)) {
        RemoveDirectoryW(packFolder);  // only an empty folder goes
        return false;
    }

    // The typed name only marks where the folder ends: every puzzle keeps its table name.
    const int cut = FindText(file, fileTitle);
    lstrcpynW(folder, file, cut > 0 ? cut + 1 : lstrlenW(file) + 1);
    if (lstrlenW(folder) == 0 || folder[lstrlenW(folder) - 1] != u'\\')
        lstrcatW(folder, u"\\");
    if (!ConfirmFolder(owner, title, folder)) {
        RemoveDirectoryW(packFolder);
        return false;
    }
    if (FindText(folder, title) < 0)
        RemoveDirectoryW(packFolder);
    return true;
}

bool InstallPack(HWND window)
{
    const PackEntry* table = LoadPackTable(gInstaller.instance);
    if (!table)
        return false;
    SetDlgItemTextW(window, IDC_STATUS, u"Extracting...");
    WCHAR folder[MAX_PATH];
    if (!ChooseInstallFolder(window, table[0].fileName, folder)) {
        SetDlgItemTextW(window, IDC_STATUS, u"");
        return false;
    }
    // The game makes its folder at its first start; a pack installed before that makes it.
    CreateDirectoryW(folder, nullptr);
    int unwritten = 0;
    for (int row = 0; row < kPackRows; ++row) {
        SetDlgItemTextW(window, IDC_FILE_NAME, table[row].fileName);
        WCHAR path[MAX_PATH];
        if (lstrlenW(folder) + lstrlenW(table[row].fileName) >= MAX_PATH) {
            ++unwritten;  // a deep folder leaves no room for the name
            continue;
        }
        wsprintfW(path, u"%s%s", folder, table[row].fileName);
        unwritten += !ExtractPuzzle(table[row].resourceName, path);
    }
    if (unwritten)
        ReportUnwritten(window, unwritten, folder);
    return true;
}
