// DownloadPuzzle over the platform's WinInet calls. The answer is streamed in blocks into a
// temporary file beside the chosen path, which replaces the path only once the answer is
// complete: a cut transfer never leaves a torn puzzle, nor destroys the file it would replace.
#include "download.h"

#include <cstdlib>

#include "puzzle_files.h"
#include "puzzle_title.h"

namespace {

constexpr DWORD kBlockSize = 32000;
constexpr int kWidthOffset = 0x2C;
constexpr int kHeightOffset = 0x2D;
constexpr int kTitleBytes = 256;
constexpr const char16_t* kTemporaryName = u"crossword-download.tmp";

// Everything one download holds; released by Finish on every way out.
struct Transfer {
    HWND dialog;                // owner of every message box
    unsigned char* buffer;      // kBlockSize bytes and a terminating zero
    HINTERNET internet;         // from InternetOpenW
    HINTERNET address;          // from InternetOpenUrlW
    HANDLE file;                // the temporary file, INVALID_HANDLE_VALUE until created
    WCHAR temporary[MAX_PATH];  // beside the chosen path
    WCHAR path[MAX_PATH];       // the chosen path
};

void ShowError(const Transfer& t, LPCWSTR label)
{
    WCHAR text[96];
    wsprintfW(text, u"%s: %x", label, GetLastError());
    MessageBoxW(t.dialog, text, u"Error", MB_OK | MB_ICONINFORMATION);
}

// Closes what is open and frees the buffer. Unless the answer was stored, the temporary file
// is removed, so a failure leaves the device as it was.
int Finish(Transfer* t, int result)
{
    if (t->file != INVALID_HANDLE_VALUE) {
        CloseHandle(t->file);
        if (!result)
            DeleteFileW(t->temporary);
    }
    if (t->address)
        InternetCloseHandle(t->address);
    if (t->internet)
        InternetCloseHandle(t->internet);
    std::free(t->buffer);
    return result;
}

// Any answer with both size bytes non-zero may be a puzzle; rectangular grids are played.
bool LooksLikePuzzle(const unsigned char* bytes, DWORD size)
{
    return size > DWORD(kHeightOffset) && bytes[kWidthOffset] != 0 && bytes[kHeightOffset] != 0;
}

// The temporary file's path: the chosen path's folder and a fixed name.
void TemporaryPathBeside(LPCWSTR path, WCHAR* temporary)
{
    lstrcpynW(temporary, path, MAX_PATH);
    int cut = lstrlenW(temporary);
    while (cut > 0 && temporary[cut - 1] != u'\\')
        --cut;
    temporary[cut] = 0;
    if (cut + lstrlenW(kTemporaryName) < MAX_PATH)
        lstrcatW(temporary, kTemporaryName);
}

// The first block decides: checked, named, placed. 0 after a refusal, a cancellation or a
// file that cannot be created (each already told the user, or silent for a cancellation).
bool StartFile(Transfer* t, DWORD received)
{
    if (!LooksLikePuzzle(t->buffer, received)) {
        MessageBoxW(t->dialog, u"Not a valid puzzle file, please check the URL.", u"Error",
                    MB_OK | MB_ICONINFORMATION);
        return false;
    }
    char title[kTitleBytes];
    ScanPuzzleTitle(t->buffer, int(received), title, kTitleBytes);
    WCHAR name[MAX_PATH];
    ProposedNameOf(title, name);
    if (!ChooseSaveLocation(t->dialog, name, t->path))
        return false;
    TemporaryPathBeside(t->path, t->temporary);
    t->file = CreateFileW(t->temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (t->file == INVALID_HANDLE_VALUE) {
        ShowError(*t, u"CreateFile Error");
        return false;
    }
    return true;
}

// The answer is complete: the temporary file takes the chosen path's place in one step.
int Complete(Transfer* t)
{
    FlushFileBuffers(t->file);
    CloseHandle(t->file);
    t->file = INVALID_HANDLE_VALUE;
    if (!MoveFileExW(t->temporary, t->path, MOVEFILE_REPLACE_EXISTING)) {
        ShowError(*t, u"MoveFile Error");
        DeleteFileW(t->temporary);
        return Finish(t, 0);
    }
    MessageBoxW(t->dialog, u"Puzzle file  downloaded successfully!", u"Download",
                MB_OK | MB_ICONINFORMATION);
    return Finish(t, 1);
}

}  // namespace

int DownloadPuzzle(HWND dialog, LPCWSTR address)
{
    Transfer t = {};
    t.dialog = dialog;
    t.file = INVALID_HANDLE_VALUE;
    t.buffer = static_cast<unsigned char*>(std::malloc(kBlockSize + 1));
    if (!t.buffer)
        return 0;

    t.internet = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!t.internet) {
        ShowError(t, u"InternetOpen Error");
        return Finish(&t, 0);
    }
    t.address = InternetOpenUrlW(t.internet, address, nullptr, 0, INTERNET_FLAG_RAW_DATA, 0);
    if (!t.address) {
        ShowError(t, u"InternetOpenUrl Error");
        return Finish(&t, 0);
    }
    for (;;) {
        DWORD received = 0;
        if (!InternetReadFile(t.address, t.buffer, kBlockSize, &received)) {
            ShowError(t, u"InternetReadFile Error");
            return Finish(&t, 0);
        }
        if (received == 0 && t.file != INVALID_HANDLE_VALUE)
            return Complete(&t);
        // An empty answer is no puzzle: the size check below refuses it.
        t.buffer[received] = 0;
        if (t.file == INVALID_HANDLE_VALUE && !StartFile(&t, received))
            return Finish(&t, 0);
        DWORD written = 0;
        if (!WriteFile(t.file, t.buffer, received, &written, nullptr) || written != received) {
            ShowError(t, u"WriteFile Error");
            return Finish(&t, 0);
        }
    }
}
