// GetOpenFileNameW and GetSaveFileNameW in the handheld's full-screen look. The open dialog
// lists the files of the chosen type in "\My Documents" and its sub-folders (one level, as
// on the device), narrowed by a folder choice; a tap on a file chooses it. The save dialog
// takes a name, a folder and a type, and adds the type's extension to a name without one.
// Tapping a choice button steps to its next value.
#include <memory>

#include "common_dialog_internal.h"
#include "controls/controls_internal.h"
#include "dialogs/dialog_internal.h"
#include "file_listing.h"
#include "strings/case_fold.h"

namespace {

enum : int {
    kIdList = 1120,
    kIdType = 1136,
    kIdFolder = 1137,
    kIdName = 1152,
    kIdNameLabel = 1090,
    kIdFolderLabel = 1091,
    kIdTypeLabel = 1092,
};

struct FileDialogState {
    OPENFILENAMEW* ofn;                   // the request
    bool save;                            // GetSaveFileNameW
    std::u16string title;                 // shown in the navigation bar and the title line
    std::vector<FileType> types;          // from lpstrFilter
    int type = 0;                         // the type chosen
    std::vector<std::u16string> folders;  // folder choices; "" = all folders (open only)
    int folder = 0;                       // the folder chosen
    std::vector<FileEntry> files;         // what the list shows, in its order
    std::u16string proposal;              // lpstrFile on entry
    std::u16string initialName;           // save: the proposed name
    std::u16string result;                // the chosen path when OK
    HFONT bold = nullptr;                 // title line font
};

FileDialogState* StateOf(HWND dialog)
{
    return reinterpret_cast<FileDialogState*>(GetWindowLongW(dialog, DWL_USER));
}

// "\My Documents\Fennimoor" shows as "Fennimoor"; the documents folder by its name.
std::u16string FolderLabel(const std::u16string& folder)
{
    if (folder.empty()) {
        return u"All Folders";
    }
    const std::u16string docs = kDocumentsFolder;
    if (CompareFolded(folder, docs) == 0) {
        return u"My Documents";
    }
    if (folder.size() > docs.size() + 1 &&
        CompareFolded(folder.substr(0, docs.size()), docs) == 0 && folder[docs.size()] == u'\\') {
        return folder.substr(docs.size() + 1);
    }
    return folder;
}

void FillList(HWND dialog, FileDialogState* s)
{
    std::vector<std::u16string> folders;
    if (s->folders[s->folder].empty()) {
        folders.assign(s->folders.begin() + 1, s->folders.end());
    } else {
        folders.push_back(s->folders[s->folder]);
    }
    s->files = ListFiles(folders, s->types[s->type]);
    HWND list = GetDlgItem(dialog, kIdList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FileEntry& f : s->files) {
        std::u16string line = f.name;
        if (s->folders[s->folder].empty()) {
            line += u"  (" + FolderLabel(f.folder) + u")";
        }
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

void ShowChoices(HWND dialog, FileDialogState* s)
{
    SetDlgItemTextW(dialog, kIdFolder, FolderLabel(s->folders[s->folder]).c_str());
    SetDlgItemTextW(dialog, kIdType, s->types[s->type].name.c_str());
}

HWND AddControl(HWND dialog, LPCWSTR cls, LPCWSTR text, DWORD style, RECT r, int id, HFONT font)
{
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, dialog,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return c;
}

// The folders a dialog offers and the one it starts in.
void ChooseFolders(FileDialogState* s, const std::u16string& startFolder)
{
    const std::vector<std::u16string> docs = ListDocumentFolders();
    if (!s->save) {
        s->folders.push_back(u"");
    }
    s->folders.insert(s->folders.end(), docs.begin(), docs.end());
    s->folder = 0;
    if (startFolder.empty()) {
        return;
    }
    for (size_t i = 0; i < s->folders.size(); ++i) {
        if (!s->folders[i].empty() && CompareFolded(s->folders[i], startFolder) == 0) {
            s->folder = static_cast<int>(i);
            return;
        }
    }
    // A folder outside "\My Documents" (a save proposal may name one) is offered too.
    s->folders.push_back(startFolder);
    s->folder = static_cast<int>(s->folders.size()) - 1;
}

void Init(HWND dialog, FileDialogState* s)
{
    SetWindowLongW(dialog, DWL_USER, reinterpret_cast<LONG_PTR>(s));
    MakeFullScreen(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    const int w = client.right;
    const int h = client.bottom;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    int y = kTitleLineHeight + 4;
    if (s->save) {
        AddControl(dialog, WC_STATICW, u"Name:", SS_LEFT, RECT{6, y + 3, 48, y + 17}, kIdNameLabel,
                   font);
        AddControl(dialog, WC_EDITW, s->initialName.c_str(),
                   WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, RECT{50, y, w - 6, y + 20}, kIdName,
                   font);
        y += 24;
    }
    AddControl(dialog, WC_STATICW, u"Folder:", SS_LEFT, RECT{6, y + 3, 48, y + 17}, kIdFolderLabel,
               font);
    AddControl(dialog, WC_BUTTONW, u"", BS_PUSHBUTTON | WS_TABSTOP, RECT{50, y, w - 6, y + 20},
               kIdFolder, font);
    y += 24;
    AddControl(dialog, WC_STATICW, u"Type:", SS_LEFT, RECT{6, y + 3, 48, y + 17}, kIdTypeLabel,
               font);
    AddControl(dialog, WC_BUTTONW, u"", BS_PUSHBUTTON | WS_TABSTOP, RECT{50, y, w - 6, y + 20},
               kIdType, font);
    y += 26;
    const int buttonTop = h - 28;
    if (!s->save) {
        AddControl(dialog, WC_LISTBOXW, nullptr, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                   RECT{6, y, w - 6, buttonTop - 6}, kIdList, font);
    } else {
        AddControl(dialog, WC_BUTTONW, u"Save", BS_DEFPUSHBUTTON | WS_TABSTOP,
                   RECT{w - 146, buttonTop, w - 78, buttonTop + 22}, IDOK, font);
    }
    AddControl(dialog, WC_BUTTONW, u"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
               RECT{w - 74, buttonTop, w - 6, buttonTop + 22}, IDCANCEL, font);
    ShowChoices(dialog, s);
    if (!s->save) {
        FillList(dialog, s);
    }
}

// The chosen path into the request. FALSE (FNERR_BUFFERTOOSMALL) when it does not fit.
bool WriteResult(OPENFILENAMEW* ofn, const std::u16string& path, int type)
{
    if (!ofn->lpstrFile || path.size() + 1 > ofn->nMaxFile) {
        // The device reports the size needed in the first characters of the buffer.
        if (ofn->lpstrFile && ofn->nMaxFile >= 2) {
            ofn->lpstrFile[0] = static_cast<WCHAR>(path.size() + 1);
            ofn->lpstrFile[1] = 0;
        }
        SetCommonDialogError(FNERR_BUFFERTOOSMALL);
        return false;
    }
    std::copy(path.begin(), path.end(), ofn->lpstrFile);
    ofn->lpstrFile[path.size()] = 0;
    const size_t slash = path.find_last_of(u'\\');
    const size_t nameStart = slash == std::u16string::npos ? 0 : slash + 1;
    ofn->nFileOffset = static_cast<WORD>(nameStart);
    const size_t dot = path.find_last_of(u'.');
    ofn->nFileExtension =
        static_cast<WORD>(dot != std::u16string::npos && dot > nameStart ? dot + 1 : path.size());
    if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
        lstrcpynW(ofn->lpstrFileTitle, path.c_str() + nameStart,
                  static_cast<int>(ofn->nMaxFileTitle));
    }
    ofn->nFilterIndex = static_cast<DWORD>(type + 1);
    return true;
}

// A save name becomes a path in the chosen folder, with the type's extension when it has none.
std::u16string SavePath(const FileDialogState* s, std::u16string name, std::u16string folder)
{
    if (!HasExtension(name)) {
        std::u16string ext = s->ofn->lpstrDefExt ? s->ofn->lpstrDefExt : u"";
        if (ext.empty()) {
            ext = DefaultExtension(s->types[s->type]);
        }
        if (!ext.empty()) {
            name += u"." + ext;
        }
    }
    return folder + u"\\" + name;
}

void Finish(HWND dialog, FileDialogState* s, const std::u16string& path)
{
    if (s->save && (s->ofn->Flags & OFN_OVERWRITEPROMPT) &&
        GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::u16string question = path + u" already exists.\nDo you want to replace it?";
        if (MessageBoxW(dialog, question.c_str(), s->title.c_str(),
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
            return;
        }
    }
    s->result = path;
    EndDialog(dialog, IDOK);
}

void SaveNow(HWND dialog, FileDialogState* s)
{
    WCHAR name[MAX_PATH];
    GetDlgItemTextW(dialog, kIdName, name, MAX_PATH);
    std::u16string trimmed = name;
    while (!trimmed.empty() && trimmed.back() == u' ') {
        trimmed.pop_back();
    }
    if (trimmed.empty()) {
        return;
    }
    Finish(dialog, s, SavePath(s, trimmed, s->folders[s->folder]));
}

void Command(HWND dialog, FileDialogState* s, WORD id, WORD code)
{
    switch (id) {
    case IDOK:
        if (s->save) {
            SaveNow(dialog, s);
        } else {
            const int i =
                static_cast<int>(SendDlgItemMessageW(dialog, kIdList, LB_GETCURSEL, 0, 0));
            if (i >= 0 && i < static_cast<int>(s->files.size())) {
                Finish(dialog, s, s->files[i].folder + u"\\" + s->files[i].name);
            }
        }
        return;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case kIdFolder:
        s->folder = (s->folder + 1) % static_cast<int>(s->folders.size());
        ShowChoices(dialog, s);
        if (!s->save) {
            FillList(dialog, s);
        }
        return;
    case kIdType:
        s->type = (s->type + 1) % static_cast<int>(s->types.size());
        ShowChoices(dialog, s);
        if (!s->save) {
            FillList(dialog, s);
        }
        return;
    case kIdList:
        if (code == LBN_SELCHANGE) {
            Command(dialog, s, IDOK, BN_CLICKED);  // a tap on a file opens it, as on the device
        }
        return;
    }
}

void Paint(HWND dialog, FileDialogState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    RECT r;
    GetClientRect(dialog, &r);
    PaintTitleLine(dc, r.right, s->bold, s->title);
    EndPaint(dialog, &ps);
}

INT_PTR CALLBACK FileDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    FileDialogState* s = StateOf(dialog);
    switch (msg) {
    case WM_INITDIALOG: Init(dialog, reinterpret_cast<FileDialogState*>(lParam)); return TRUE;
    case WM_PAINT: Paint(dialog, s); return TRUE;
    case WM_COMMAND: Command(dialog, s, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

bool AnswerWhenIdle(HWND dialog)
{
    FileDialogState* s = StateOf(dialog);
    const auto answer = TakeFileDialogAnswer();
    if (!answer) {
        return false;
    }
    if (answer->cancel) {
        EndDialog(dialog, IDCANCEL);
        return true;
    }
    if (s->save) {
        std::u16string folder, name;
        SplitPath(answer->path, &folder, &name);
        s->result = SavePath(s, name, folder);
    } else {
        s->result = answer->path;
    }
    EndDialog(dialog, IDOK);
    return true;
}

BOOL RunFileDialog(LPOPENFILENAMEW ofn, bool save)
{
    SetCommonDialogError(0);
    if (!ofn || (ofn->lStructSize != sizeof(OPENFILENAMEW) && ofn->lStructSize != 76)) {
        SetCommonDialogError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    auto s = std::make_unique<FileDialogState>();
    s->ofn = ofn;
    s->save = save;
    s->title = ofn->lpstrTitle ? ofn->lpstrTitle : (save ? u"Save As" : u"Open");
    s->types = ParseFilter(ofn->lpstrFilter);
    if (ofn->nFilterIndex >= 1 && ofn->nFilterIndex <= s->types.size()) {
        s->type = static_cast<int>(ofn->nFilterIndex) - 1;
    }
    s->proposal = ofn->lpstrFile ? ofn->lpstrFile : u"";
    std::u16string startFolder;
    SplitPath(s->proposal, &startFolder, &s->initialName);
    if (startFolder.empty() && ofn->lpstrInitialDir && ofn->lpstrInitialDir[0]) {
        startFolder = ofn->lpstrInitialDir;
        while (startFolder.size() > 1 && startFolder.back() == u'\\') {
            startFolder.pop_back();
        }
    }
    ChooseFolders(s.get(), startFolder);
    s->bold = CreateDialogFont(FW_BOLD);

    DLGTEMPLATEW t = {WS_POPUP,         0,      0, 0, 0, 160, 180, s->title.c_str(), 8,
                      u"MS Sans Serif", nullptr};
    HWND dialog = CreateDialogWindow(nullptr, &t, ofn->hwndOwner, FileDialogProc,
                                     reinterpret_cast<LPARAM>(s.get()), true);
    const std::u16string folderShown =
        s->folders[s->folder].empty() ? std::u16string(kDocumentsFolder) : s->folders[s->folder];
    INT_PTR result = IDCANCEL;
    if (dialog) {
        result =
            RunModalDialog(dialog, save ? "save-file dialog" : "open-file dialog", AnswerWhenIdle);
    }
    DeleteObject(s->bold);
    const bool chosen = result == IDOK && WriteResult(ofn, s->result, s->type);
    RecordFileDialog(save, s->title, s->proposal, folderShown,
                     chosen ? s->result : std::u16string());
    return chosen ? TRUE : FALSE;
}

}  // namespace

BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW ofn)
{
    return RunFileDialog(ofn, false);
}

BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW ofn)
{
    return RunFileDialog(ofn, true);
}
