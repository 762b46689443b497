// DownloadPuzzle over the platform's WinInet calls. A puzzle file is small, so the answer is
// read whole into memory (reading stops as soon as it is larger than any puzzle) and judged
// by the checks the game applies when it opens a file. Only an answer that passes is
// stored, through a temporary file beside the chosen path that replaces it in one step: a
// refused answer or a failed write never destroys the file it would replace.
#include "download.h"

#include <cstdlib>

#include "puzzle_files.h"
#include "puzzle_reader.h"
#include "puzzle_title.h"

namespace {

constexpr DWORD kAnswerLimit = kMaxPuzzleFile;  // the largest answer that can be a puzzle
constexpr DWORD kReadBlock = 4000;              // asked of each read
constexpr int kTitleBytes = 256;
constexpr const char16_t* kTemporaryName = u"crossword-download.tmp";

// Everything one download holds; released by Finish on every way out.
struct Transfer {
    HWND dialog;                // owner of every message box
    unsigned char* buffer;      // kAnswerLimit + 1 bytes: room to see an answer is too large
    DWORD received;             // bytes of the answer in buffer
    HINTERNET internet;         // from InternetOpenW
    HINTERNET address;          // from InternetOpenUrlW
    HANDLE file;                // the temporary file, INVALID_HANDLE_VALUE until created
    WCHAR temporary[MAX_PATH];  // beside the chosen path
    WCHAR path[MAX_PATH];       // the chosen path
};

void ShowError(const Transfer& t, LPCWSTR label, DWORD code)
{
    WCHAR text[96];
    wsprintfW(text, u"%s: %x", label, code);
    MessageBoxW(t.dialog, text, u"Error", MB_OK | MB_ICONINFORMATION);
}

void CloseTransfer(Transfer* t)
{
    if (t->address)
        InternetCloseHandle(t->address);
    if (t->internet)
        InternetCloseHandle(t->internet);
    t->address = t->internet = nullptr;
}

// Closes and removes the temporary file, before anything is shown: a box left open when the
// program is ended must not leave the file behind.
void DiscardFile(Transfer* t)
{
    if (t->file == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(t->file);
    t->file = INVALID_HANDLE_VALUE;
    DeleteFileW(t->temporary);
}

int Finish(Transfer* t, int result)
{
    DiscardFile(t);
    CloseTransfer(t);
    std::free(t->buffer);
    return result;
}

// Opens the address and reads the answer into the buffer, up to one byte more than a
// puzzle can have. False with *label naming the call that failed; GetLastError tells why.
bool Receive(Transfer* t, LPCWSTR address, LPCWSTR* label)
{
    *label = u"InternetOpenUrl Error";
    t->address = InternetOpenUrlW(t->internet, address, nullptr, 0, INTERNET_FLAG_RAW_DATA, 0);
    if (!t->address)
        return false;
    *label = u"InternetReadFile Error";
    while (t->received <= kAnswerLimit) {
        const DWORD room = kAnswerLimit + 1 - t->received;
        DWORD count = 0;
        if (!InternetReadFile(t->address, t->buffer + t->received,
                              room < kReadBlock ? room : kReadBlock, &count))
            return false;
        if (count == 0)
            return true;
        t->received += count;
    }
    return true;  // already too large for a puzzle: the rest is not worth reading
}

// The transfer. The connection is closed before anything is shown.
bool Fetch(Transfer* t, LPCWSTR address)
{
    t->internet = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!t->internet) {
        ShowError(*t, u"InternetOpen Error", GetLastError());
        return false;
    }
    LPCWSTR label = nullptr;
    const bool received = Receive(t, address, &label);
    const DWORD error = GetLastError();
    CloseTransfer(t);
    if (!received)
        ShowError(*t, label, error);
    return received;
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

// Writes the answer beside the chosen path and moves it into place. A failure removes the
// temporary file, then says which step failed; the file at the path stays as it was.
int Store(Transfer* t)
{
    // Creating a read-only file anew is refused on the device; the rename would slip past.
    const DWORD attributes = GetFileAttributesW(t->path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        ShowError(*t, u"CreateFile Error", ERROR_ACCESS_DENIED);
        return Finish(t, 0);
    }
    TemporaryPathBeside(t->path, t->temporary);
    t->file = CreateFileW(t->temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (t->file == INVALID_HANDLE_VALUE) {
        ShowError(*t, u"CreateFile Error", GetLastError());
        return Finish(t, 0);
    }
    LPCWSTR failed = nullptr;
    DWORD written = 0;
    if (!WriteFile(t->file, t->buffer, t->received, &written, nullptr) || written != t->received)
        failed = u"WriteFile Error";
    else if (!FlushFileBuffers(t->file))
        failed = u"FlushFileBuffers Error";
    if (failed) {
        const DWORD error = GetLastError();
        DiscardFile(t);
        ShowError(*t, failed, error);
        return Finish(t, 0);
    }
    CloseHandle(t->file);
    t->file = INVALID_HANDLE_VALUE;
    if (!MoveFileExW(t->temporary, t->path, MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        DeleteFileW(t->temporary);
        ShowError(*t, u"MoveFile Error", error);
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
    t.buffer = static_cast<unsigned char*>(std::malloc(kAnswerLimit + 1));
    if (!t.buffer)
        return 0;
    if (!Fetch(&t, address))
        return Finish(&t, 0);

    int header = 0;
    if (t.received > kAnswerLimit ||
        CheckPuzzleBytes(t.buffer, int(t.received), &header) != kPuzzleAccepted) {
        MessageBoxW(t.dialog, u"Not a valid puzzle file, please check the URL.", u"Error",
                    MB_OK | MB_ICONINFORMATION);
        return Finish(&t, 0);
    }
    char title[kTitleBytes];
    ScanPuzzleTitle(t.buffer + header, int(t.received) - header, title, kTitleBytes);
    WCHAR name[MAX_PATH];
    ProposedNameOf(title, name);
    if (!ChooseSaveLocation(t.dialog, name, t.path))
        return Finish(&t, 0);
    return Store(&t);
}
