// DownloadPuzzle over the platform's WinInet calls. A puzzle file is small, so the answer is
// read whole into memory (reading stops as soon as it is larger than any puzzle) and judged
// by the checks the game applies when it opens a file. Only an answer that passes is
// stored, through a temporary file beside the chosen path that replaces it in one step: a
// refused answer or a failed write never destroys the file it would replace.
//
// The calls block, so while they wait a blocking hook keeps the windows alive: it paints,
// dispatches taps (the dialog's Cancel), watches the overall deadline and takes close and
// quit requests out of the queue. Those stop the transfer and are posted again when the
// download returns, so the window under the running dialog is only destroyed once the
// download's stack has unwound.
#include "download.h"

#include <cstdlib>
#include <string>

#include "address_dates.h"
#include "device.h"
#include "dialog_ids.h"
#include "failed_write.h"
#include "puzzle_files.h"
#include "puzzle_reader.h"
#include "puzzle_title.h"
#include "whole_file.h"

namespace {

constexpr DWORD kAnswerLimit = kMaxCrosswordFile;  // the largest answer that can be a puzzle
constexpr DWORD kReadBlock = 4000;                 // asked of each read; progress shows between
constexpr DWORD kDeadlineMs = 60000;               // the longest a transfer may take in all
constexpr int kTitleBytes = 256;
constexpr int kMaxAddressChars = 260;  // 259 characters and the terminating zero

// Why a transfer was stopped before its end.
enum class Stop { kNone, kUser, kDeadline, kClose };

// Everything one download holds; released by Finish on every way out.
struct Transfer {
    HWND dialog;            // owner of every message box
    unsigned char* buffer;  // kAnswerLimit + 1 bytes: room to see an answer is too large
    DWORD received;         // bytes of the answer in buffer
    HINTERNET internet;     // from InternetOpenW
    HINTERNET address;      // from InternetOpenUrlW
    DWORD started;          // GetTickCount when the transfer began
    LPCWSTR fetched;        // the address with today's date in its fields, if it has any
    Stop stop;              // set when the transfer was cut short on purpose
    MSG held;               // a close or quit request taken during the transfer
    bool holding;           // `held` is to be posted again at the end
    DWORD refusal;          // the status of an answer that was no success, 0 for none
    WCHAR refusalText[64];  // its reason phrase as the server gave it
    WCHAR path[MAX_PATH];   // the chosen path
};

// The transfer the blocking hook and CancelDownload act on; one at a time.
Transfer* gRunning;

void ShowError(const Transfer& t, LPCWSTR label, DWORD code)
{
    WCHAR text[96];
    wsprintfW(text, u"%s: %x", label, code);
    MessageBoxW(t.dialog, text, u"Error", MB_OK | MB_ICONINFORMATION);
}

// The reason phrases of the refusals a puzzle server gives most, for servers that send none.
LPCWSTR CommonReason(DWORD status)
{
    switch (status) {
    case 400: return u"Bad Request";
    case 401: return u"Unauthorized";
    case 403: return u"Forbidden";
    case 404: return u"Not Found";
    case 410: return u"Gone";
    case 429: return u"Too Many Requests";
    case 500: return u"Internal Server Error";
    case 502: return u"Bad Gateway";
    case 503: return u"Service Unavailable";
    case 504: return u"Gateway Timeout";
    }
    return u"";
}

// "The server answered 404 Not Found.": what the server said instead of sending the puzzle.
void ShowRefusal(const Transfer& t)
{
    LPCWSTR reason = t.refusalText[0] ? t.refusalText : CommonReason(t.refusal);
    WCHAR text[128];
    wsprintfW(text, *reason ? u"The server answered %u %s." : u"The server answered %u.",
              unsigned(t.refusal), reason);
    MessageBoxW(t.dialog, text, u"Error", MB_OK | MB_ICONINFORMATION);
}

// The answer's status: anything but a success is the server's refusal, and its body (an error
// page) is not read. An answer without a status (not HTTP) is judged by its bytes alone.
bool ServerSucceeded(Transfer* t)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoW(t->address, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                        nullptr) ||
        (status >= 200 && status < 300))
        return true;
    t->refusal = status;
    DWORD textSize = sizeof t->refusalText;
    if (!HttpQueryInfoW(t->address, HTTP_QUERY_STATUS_TEXT, t->refusalText, &textSize, nullptr))
        t->refusalText[0] = 0;
    return false;
}

void CloseTransfer(Transfer* t)
{
    if (t->address)
        InternetCloseHandle(t->address);
    if (t->internet)
        InternetCloseHandle(t->internet);
    t->address = t->internet = nullptr;
}

// Closing the session makes the call waiting on it fail at once; the first reason counts.
void StopTransfer(Transfer* t, Stop why)
{
    if (t->stop == Stop::kNone)
        t->stop = why;
    CloseTransfer(t);
}

int Finish(Transfer* t, int result)
{
    CloseTransfer(t);
    std::free(t->buffer);
    if (t->holding) {
        if (t->held.message == WM_QUIT)
            PostQuitMessage(int(t->held.wParam));
        else
            PostMessageW(t->held.hwnd, t->held.message, t->held.wParam, t->held.lParam);
    }
    return result;
}

// The blocking hook: one pending message per call, FALSE when there is none. A close or
// quit request is held back and stops the transfer instead of reaching its window now.
BOOL CALLBACK KeepWindowsAlive()
{
    Transfer* t = gRunning;
    if (!t)
        return FALSE;
    if (GetTickCount() - t->started >= kDeadlineMs)
        StopTransfer(t, Stop::kDeadline);
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return FALSE;
    if (msg.message == WM_QUIT || msg.message == WM_CLOSE) {
        if (!t->holding) {
            t->held = msg;
            t->holding = true;
        }
        StopTransfer(t, Stop::kClose);
        return TRUE;
    }
    if (!IsDialogMessageW(t->dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return TRUE;
}

// The address stays in the dialog's address field; the status line has room for one line.
void ShowProgress(const Transfer& t)
{
    WCHAR text[64];
    wsprintfW(text, u"Downloading... %u bytes", unsigned(t.received));
    SetDlgItemTextW(t.dialog, IDC_DOWNLOAD_STATUS, text);
}

// The status line and Cancel are there while the transfer runs, and gone before anything
// about its result is shown.
// "Fetched <address>" on the status line; an address too long for it loses its beginning,
// since its end is what the date changed.
void ShowFetchedAddress(HWND status, LPCWSTR address)
{
    RECT box = {};
    GetClientRect(status, &box);
    HDC dc = GetDC(status);
    HGDIOBJ oldFont = SelectObject(dc, HGDIOBJ(SendMessageW(status, WM_GETFONT, 0, 0)));
    WCHAR text[300];
    const int length = lstrlenW(address);
    for (int skip = 0; skip < length; ++skip) {
        wsprintfW(text, skip ? u"Fetched ...%s" : u"Fetched %s", address + skip);
        SIZE size = {};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        if (size.cx <= box.right)
            break;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(status, dc);
    SetWindowTextW(status, text);
}

// An address with date fields leaves the address it fetched on the status line.
void ShowTransferRunning(const Transfer& t, bool running)
{
    HWND status = GetDlgItem(t.dialog, IDC_DOWNLOAD_STATUS);
    if (!running && t.fetched)
        ShowFetchedAddress(status, t.fetched);
    ShowWindow(status, running || t.fetched ? SW_SHOW : SW_HIDE);
    HWND cancel = GetDlgItem(t.dialog, IDCANCEL);
    ShowWindow(cancel, running ? SW_SHOW : SW_HIDE);
    if (running && cancel)
        SetFocus(cancel);
}

// Opens the address and reads the answer into the buffer, up to one byte more than a
// puzzle can have. False with *label naming the call that failed; GetLastError tells why.
bool Receive(Transfer* t, LPCWSTR address, LPCWSTR* label)
{
    *label = u"InternetOpenUrl Error";
    t->address = InternetOpenUrlW(t->internet, address, nullptr, 0, INTERNET_FLAG_RAW_DATA, 0);
    if (!t->address || !ServerSucceeded(t))
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
        ShowProgress(*t);
        if (GetTickCount() - t->started >= kDeadlineMs) {
            StopTransfer(t, Stop::kDeadline);
            SetLastError(ERROR_INTERNET_OPERATION_CANCELLED);
            return false;
        }
    }
    return true;  // already too large for a puzzle: the rest is not worth reading
}

// The transfer, with the blocking hook in place while it runs. The connection is closed
// before anything is shown. A stop by the user or by a close request is silent; the
// deadline is told as a time-out of the call it cut.
bool Fetch(Transfer* t, LPCWSTR address)
{
    t->internet = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!t->internet) {
        ShowError(*t, u"InternetOpen Error", GetLastError());
        return false;
    }
    t->started = GetTickCount();
    ShowProgress(*t);
    ShowTransferRunning(*t, true);
    gRunning = t;
    const DEVICEBLOCKINGHOOK previous = DeviceSetBlockingHook(KeepWindowsAlive);
    LPCWSTR label = nullptr;
    const bool received = Receive(t, address, &label);
    const DWORD error = GetLastError();
    DeviceSetBlockingHook(previous);
    gRunning = nullptr;
    CloseTransfer(t);
    ShowTransferRunning(*t, false);
    if (received)
        return true;
    if (t->refusal)
        ShowRefusal(*t);
    else if (t->stop == Stop::kDeadline)
        ShowError(*t, label, ERROR_INTERNET_TIMEOUT);
    else if (t->stop == Stop::kNone)
        ShowError(*t, label, error);
    return false;
}

// Writes the answer over the chosen path, whole or not at all, and says which step failed;
// the file at the path then stays as it was, and no temporary file is left, before anything
// is shown.
int Store(Transfer* t)
{
    const WholeFileStep step = WriteFileWhole(t->path, t->buffer, t->received);
    if (step != kWholeFileDone) {
        ShowError(*t, FailedStepLabel(step), GetLastError());
        return Finish(t, 0);
    }
    MessageBoxW(t->dialog, u"Puzzle file  downloaded successfully!", u"Download",
                MB_OK | MB_ICONINFORMATION);
    return Finish(t, 1);
}

}  // namespace

int DownloadPuzzle(HWND dialog, LPCWSTR written)
{
    // Every date field is longer than what it stands for: the filled address always fits.
    SYSTEMTIME today;
    GetLocalTime(&today);
    WCHAR address[kMaxAddressChars];
    if (lstrlenW(written) >= kMaxAddressChars ||
        !FillDateFields(written, today, address, kMaxAddressChars))
        lstrcpynW(address, written, kMaxAddressChars);
    Transfer t = {};
    t.dialog = dialog;
    t.fetched = lstrcmpW(address, written) != 0 ? address : nullptr;
    t.buffer = static_cast<unsigned char*>(std::malloc(kAnswerLimit + 1));
    if (!t.buffer)
        return 0;
    if (!Fetch(&t, address))
        return Finish(&t, 0);

    // Judged as the game would open it; the title is read from the image it would play, and
    // the answer is stored as it came, under its own format's extension. A crossword the game
    // cannot play says so; anything else (an error page) is no puzzle at all.
    std::string image;
    const PuzzleRefusal refusal = t.received > kAnswerLimit
                                      ? kPuzzleFileTooLarge
                                      : PuzzleImageOfFile(t.buffer, int(t.received), &image);
    if (refusal != kPuzzleAccepted) {
        WCHAR why[kRefusalMessageChars] = {};
        if (refusal == kPuzzleUnplayable)
            PuzzleRefusalMessage(refusal, why, kRefusalMessageChars);
        MessageBoxW(
            t.dialog,
            refusal == kPuzzleUnplayable ? why : u"Not a valid puzzle file, please check the URL.",
            u"Error", MB_OK | MB_ICONINFORMATION);
        return Finish(&t, 0);
    }
    int header = 0;
    CheckPuzzleBytes(image.data(), int(image.size()), &header);
    char title[kTitleBytes];
    ScanPuzzleTitle(reinterpret_cast<const unsigned char*>(image.data()) + header,
                    int(image.size()) - header, title, kTitleBytes);
    WCHAR name[MAX_PATH];
    ProposedNameOf(title, name);
    WCHAR extension[8];
    MultiByteToWideChar(CP_UTF8, 0, PuzzleFileExtension(t.buffer, int(t.received)) + 1, -1,
                        extension, 8);
    if (!ChooseSaveLocation(t.dialog, name, extension, t.path))
        return Finish(&t, 0);
    return Store(&t);
}

void CancelDownload()
{
    if (gRunning)
        StopTransfer(gRunning, Stop::kUser);
}
