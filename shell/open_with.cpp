// Files named on the command line, and their hand-over from a second start to the running
// copy: WM_COPYDATA carries the second start's command line to the main window, which opens
// it from a timer once its dialogs are closed, so the sender is answered at once and a
// puzzle never changes under an open dialog.
#include "open_with.h"

#include <cstdio>

#include "main_window.h"
#include "puzzle_files.h"
#include "puzzle_reader.h"
#include "resource_ids.h"

namespace {

constexpr int kNameChars = 100;
constexpr UINT_PTR kHandOverTimer = 0x4F57;  // an id no dialog of the game uses
constexpr UINT kFirstTryMs = 10;
constexpr UINT kRetryMs = 250;  // while a dialog is open

// What the running copy answers a hand-over: it will open a file of the line, or it refused
// them all, the reason of the first in the bits above kRefusedReasonShift. No answer (0) is
// a copy that has died or hangs.
constexpr LRESULT kHandOverOpens = 1;
constexpr LRESULT kHandOverRefused = 2;
constexpr int kRefusedReasonShift = 8;

WCHAR gWaiting[4 * MAX_PATH];  // the command line handed over, until it is opened

// The next quoted path of `line` from `*at` into `path` (MAX_PATH); false at the end.
// `*fresh` tells whether a "+" before the quotes marks a copy the start made for it.
bool NextPath(LPCWSTR line, int* at, WCHAR* path, bool* fresh)
{
    while (line[*at] && line[*at] != u'"')
        ++*at;
    if (!line[*at])
        return false;
    *fresh = *at > 0 && line[*at - 1] == u'+';
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

// A copy the start made only for a file the game refuses goes again: a refused file changes
// nothing, and Open File does not list it afterwards. A file that was there before stays.
void RemoveRefusedCopy(LPCWSTR path, bool fresh)
{
    if (fresh)
        DeleteFileW(path);
}

// The files of `line` from `*at` on are left for Open File when they are puzzles; a copy a
// start made only for a file the game refuses goes again.
void LeaveForOpenFile(LPCWSTR line, int* at)
{
    WCHAR path[MAX_PATH];
    bool fresh = false;
    while (NextPath(line, at, path, &fresh)) {
        if (JudgePuzzleFile(path) != kPuzzleAccepted)
            RemoveRefusedCopy(path, fresh);
    }
}

// How the running copy judges the line: kHandOverOpens when a file of it is a puzzle, else
// the refusal of the first file.
LRESULT JudgeLine(LPCWSTR line)
{
    WCHAR path[MAX_PATH];
    bool fresh = false;
    PuzzleRefusal first = kPuzzleCannotOpen;
    bool any = false;
    for (int at = 0; NextPath(line, &at, path, &fresh);) {
        const PuzzleRefusal reason = JudgePuzzleFile(path);
        if (reason == kPuzzleAccepted)
            return kHandOverOpens;
        if (!any)
            first = reason;
        any = true;
    }
    return kHandOverRefused | (LRESULT(first) << kRefusedReasonShift);
}

// "crossword: x.puz: This file could not be opened as a puzzle: ...", for the user who
// started the game from a terminal or a file manager's log.
void TellRefusal(LPCWSTR commandLine, PuzzleRefusal reason)
{
    WCHAR path[MAX_PATH] = {};
    bool fresh = false;
    int at = 0;
    NextPath(commandLine, &at, path, &fresh);
    // The running copy sends the reason's number only; another format's sentence is read
    // here again.
    if (RefusedByFormatReader(reason))
        reason = JudgePuzzleFile(path);
    WCHAR message[kRefusalMessageChars];
    PuzzleRefusalMessage(reason, message, kRefusalMessageChars);
    char pathText[3 * MAX_PATH];
    char messageText[3 * kRefusalMessageChars];
    WideCharToMultiByte(CP_UTF8, 0, path, -1, pathText, sizeof pathText, nullptr, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, message, -1, messageText, sizeof messageText, nullptr, nullptr);
    std::fprintf(stderr, "crossword: %s: %s\n", pathText, messageText);
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

HandOver HandFilesToRunningCopy(HINSTANCE instance, LPCWSTR commandLine)
{
    if (!commandLine || !*commandLine)
        return kNoRunningCopy;
    WCHAR className[kNameChars];
    LoadStringW(instance, IDS_CLASS_NAME, className, kNameChars);
    // By class alone: the running copy's title changes while it plays (its clock).
    HWND running = FindWindowW(className, nullptr);
    if (!running)
        return kNoRunningCopy;
    COPYDATASTRUCT data = {kFilesToOpen, DWORD((lstrlenW(commandLine) + 1) * sizeof(WCHAR)),
                           const_cast<LPWSTR>(commandLine)};
    const LRESULT answer = SendMessageW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    if (answer == 0) {
        if (!IsWindow(running))
            return kNoRunningCopy;  // it ended meanwhile
        std::fprintf(stderr, "crossword: the running game does not answer\n");
        return kRunningCopySilent;
    }
    SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
    if ((answer & 0xFF) == kHandOverOpens)
        return kHandedOver;
    TellRefusal(commandLine, PuzzleRefusal(answer >> kRefusedReasonShift));
    return kRefusedByRunningCopy;
}

void OpenFilesOfCommandLine(HWND window, LPCWSTR commandLine)
{
    WCHAR path[MAX_PATH];
    bool fresh = false;
    bool opened = false;
    int at = 0;
    while (commandLine && !opened && NextPath(commandLine, &at, path, &fresh)) {
        const PuzzleOpening opening = OpenPuzzleAt(window, path);
        opened = opening != kNotOpened;
        if (opened)
            ShowOpenedPuzzle(window, opening);
        else
            RemoveRefusedCopy(path, fresh);
    }
    // Files after the one that opened wait for Open File.
    if (commandLine)
        LeaveForOpenFile(commandLine, &at);
}

LRESULT OnCopyData(HWND window, const COPYDATASTRUCT* data)
{
    const DWORD chars = data ? data->cbData / sizeof(WCHAR) : 0;
    if (!data || data->dwData != kFilesToOpen || chars == 0 || chars > 4 * MAX_PATH)
        return FALSE;
    const auto* line = static_cast<const WCHAR*>(data->lpData);
    if (line[chars - 1] != 0)
        return FALSE;
    // Judged now, so the sender can tell its user; opened (or refused on the screen) later,
    // once no dialog is open. A later start's line takes the place of one still waiting,
    // whose files are then left as if another file of the line had opened.
    int at = 0;
    LeaveForOpenFile(gWaiting, &at);
    lstrcpynW(gWaiting, line, 4 * MAX_PATH);
    SetTimer(window, kHandOverTimer, kFirstTryMs, OpenWaitingFiles);
    return JudgeLine(line);
}
