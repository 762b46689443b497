// Files named on the command line, and their hand-over from a second start to the running
// copy: WM_COPYDATA carries the second start's command line to the main window, which opens
// it from a timer once its dialogs are closed, so the sender is answered at once and a
// puzzle never changes under an open dialog.
#include "open_with.h"

#include "main_window.h"
#include "puzzle_files.h"
#include "resource_ids.h"

namespace {

constexpr int kNameChars = 100;
constexpr UINT_PTR kHandOverTimer = 0x4F57;  // an id no dialog of the game uses
constexpr UINT kFirstTryMs = 10;
constexpr UINT kRetryMs = 250;  // while a dialog is open

WCHAR gWaiting[4 * MAX_PATH];  // the command line handed over, until it is opened

// The next quoted path of `line` from `*at` into `path` (MAX_PATH); false at the end.
bool NextPath(LPCWSTR line, int* at, WCHAR* path)
{
    while (line[*at] && line[*at] != u'"')
        ++*at;
    if (!line[*at])
        return false;
    int length = 0;
    for (++*at; line[*at] && line[*at] != u'"'; ++*at) {
        if (length < MAX_PATH - 1)
            path[length++] = line[*at];
    }
    path[length] = 0;
    if (line[*at])
        ++*at;
    return true;
}

void CALLBACK OpenWaitingFiles(HWND window, UINT, UINT_PTR, DWORD)
{
    if (!IsWindowEnabled(window)) {
        SetTimer(window, kHandOverTimer, kRetryMs, OpenWaitingFiles);
        return;
    }
    KillTimer(window, kHandOverTimer);
    WCHAR line[4 * MAX_PATH];
    lstrcpynW(line, gWaiting, 4 * MAX_PATH);
    gWaiting[0] = 0;
    OpenFilesOfCommandLine(window, line);
}

}  // namespace

bool HandFilesToRunningCopy(HINSTANCE instance, LPCWSTR commandLine)
{
    if (!commandLine || !*commandLine)
        return false;
    WCHAR className[kNameChars];
    LoadStringW(instance, IDS_CLASS_NAME, className, kNameChars);
    // By class alone: the running copy's title changes while it plays (its clock).
    HWND running = FindWindowW(className, nullptr);
    if (!running)
        return false;
    COPYDATASTRUCT data = {kFilesToOpen, DWORD((lstrlenW(commandLine) + 1) * sizeof(WCHAR)),
                           const_cast<LPWSTR>(commandLine)};
    SendMessageW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
    return true;
}

void OpenFilesOfCommandLine(HWND window, LPCWSTR commandLine)
{
    WCHAR path[MAX_PATH];
    for (int at = 0; commandLine && NextPath(commandLine, &at, path);) {
        if (OpenPuzzleAt(window, path)) {
            ShowOpenedPuzzle(window);
            return;
        }
    }
}

LRESULT OnCopyData(HWND window, const COPYDATASTRUCT* data)
{
    const DWORD chars = data ? data->cbData / sizeof(WCHAR) : 0;
    if (!data || data->dwData != kFilesToOpen || chars == 0 || chars > 4 * MAX_PATH)
        return FALSE;
    const auto* line = static_cast<const WCHAR*>(data->lpData);
    if (line[chars - 1] != 0)
        return FALSE;
    lstrcpynW(gWaiting, line, 4 * MAX_PATH);
    SetTimer(window, kHandOverTimer, kFirstTryMs, OpenWaitingFiles);
    return TRUE;
}
