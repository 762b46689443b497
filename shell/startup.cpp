// Start-up and shut-down of the main window.
#include "startup.h"

#include "auto_save.h"
#include "display_state.h"
#include "game_state.h"
#include "kept_progress.h"
#include "layout.h"
#include "main_window.h"
#include "play_scroll.h"
#include "progress_file.h"
#include "puzzle_clock.h"
#include "puzzle_files.h"
#include "puzzle_reader.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "whole_file.h"

namespace {

constexpr const char16_t* kProgramFileName = u"Crossword.exe";
constexpr const char16_t* kStateFileName = u"crossword.dat";
constexpr const char16_t* kPuzzleFolder = u"\\My Documents\\Fennimoor";
constexpr const char16_t* kDocuments = u"\\My Documents\\";
constexpr int kToolbarPicturesShown = kToolbarPictures;

// The start values of a first run, before the state file is read.
void SetStartValues(HWND window)
{
    ResetGameState();
    RECT client;
    GetClientRect(window, &client);
    CreateBackBuffer(window, client.right - client.left, client.bottom - client.top);
    gShell.refreshOnActivate = 0;
    gShell.clueListTab = 0;
    ResetClockTick();
    ResetAutoSave();
    gShell.activateInfo = {};
    gShell.activateInfo.cbSize = sizeof gShell.activateInfo;
    ResetSipInfo(&gShell.sipInfo);
}

// A write cut short by the program's death leaves its temporary file beside the target.
// The game names its own after itself, and only the one running game writes under that
// name, so they go however young; a file of the shared name in the puzzles' folders may be
// the installer's at work, and is taken for left behind only when nobody has written to it
// for a while. The game's own folder only it writes in.
constexpr const char16_t* kGameStem = u"~cw";
constexpr int kIdleWriterSeconds = 5;

void RemoveTemporaryFilesIn(LPCWSTR folder, int sharedAgeSeconds)
{
    RemoveLeftTemporaryFiles(folder, 0, kGameStem);
    RemoveLeftTemporaryFiles(folder, sharedAgeSeconds);
}

void RemoveTemporaryFilesOfDeadWriters()
{
    SetTemporaryStem(kGameStem);
    RemoveTemporaryFilesIn(gGame.programFolder, 0);
    RemoveTemporaryFilesIn(kDocuments, kIdleWriterSeconds);
}

// The last puzzle's folder too: the game died there while writing its progress file,
// wherever the puzzle is (a pack's folder, the downloads').
void RemoveTemporaryFilesBeside(LPCWSTR puzzle)
{
    WCHAR folder[MAX_PATH];
    FolderOf(puzzle, folder);
    if (folder[0] && lstrcmpiW(folder, kDocuments) != 0)
        RemoveTemporaryFilesIn(folder, kIdleWriterSeconds);
}

// The program's folder with its trailing backslash: the module path up to the program's
// file name, or up to its last backslash when the program was given another name.
void FindProgramFolder()
{
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const int length = lstrlenW(path);
    const int nameLength = lstrlenW(kProgramFileName);
    int cut = -1;
    for (int i = 0; i + nameLength <= length && cut < 0; ++i) {
        bool match = true;
        for (int k = 0; k < nameLength && match; ++k)
            match = path[i + k] == kProgramFileName[k];
        if (match)
            cut = i;
    }
    for (int i = length - 1; cut < 0 && i >= 0; --i) {
        if (path[i] == u'\\')
            cut = i + 1;
    }
    path[cut < 0 ? 0 : cut] = 0;
    SetProgramFolder(path);
}

// The play of the puzzle the start opens, read from the state file or the puzzle's own record.
RestoredPlay gStartPlay;  // too large for the stack

// No puzzle from the last run: the first puzzle file (of any format the game reads, by its
// name, as Open File lists them) directly in "\My Documents" that can be
// read, with its own progress when it has some (into gStartPlay). One that cannot be read (a
// file copied in by hand, a damaged one) is passed over, so it never keeps the others from
// opening. kNotOpened when there is none.
PuzzleOpening ReadFirstDocumentsPuzzle()
{
    WCHAR pattern[MAX_PATH];
    lstrcpynW(pattern, kDocuments, MAX_PATH);
    lstrcatW(pattern, u"*");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    WCHAR candidate[MAX_PATH];
    bool named = false;  // a file with a puzzle's name was there, readable or not
    bool read = false;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
                !HasPuzzleExtension(found.cFileName))
                continue;
            named = true;
            lstrcpynW(candidate, kDocuments, MAX_PATH);
            lstrcatW(candidate, found.cFileName);
            read = ReadPuzzleFile(candidate);
        } while (!read && FindNextFileW(search, &found));
        FindClose(search);
    }
    if (!named) {
        MessageBoxW(nullptr, u"Please choose a puzzle file from the Available Puzzles option.",
                    u"Choose File", MB_OK);
        return kNotOpened;
    }
    if (!read)
        return kNotOpened;
    // The play restored from the state file belongs to the puzzle that could not be read; the
    // candidate brings its own progress, as when it is opened with Open File, so the next
    // hand-over cannot save an empty grid over it.
    const bool again = ReadPuzzleProgress(nullptr, candidate, &gStartPlay);
    SetPuzzlePath(candidate);
    return again ? kOpenedAgain : kOpenedFirst;
}

// The puzzle of the last run with its play, or the first one in "\My Documents".
PuzzleOpening ReadStartPuzzle()
{
    WCHAR stateFile[MAX_PATH];
    StateFilePath(stateFile);
    const bool restored = ReadProgressFile(stateFile, &gStartPlay);
    if (restored)
        RemoveTemporaryFilesBeside(gGame.puzzlePath);
    if (ReadPuzzleFile(gGame.puzzlePath))
        return restored ? kOpenedAgain : kOpenedFirst;
    // The exit will rewrite the state file for another puzzle, or none: the letters of the one
    // that could not be read go where its next opening finds them.
    if (restored)
        KeepUnopenedProgress(nullptr, stateFile, gGame.puzzlePath);
    const PuzzleOpening opening = ReadFirstDocumentsPuzzle();
    // Nothing is shown, and the exit writes back the record as it came, its time included.
    if (opening == kNotOpened && restored)
        HoldUnopenedPlay(gStartPlay);
    return opening;
}

}  // namespace

void StateFilePath(WCHAR* path)
{
    lstrcpynW(path, gGame.programFolder, MAX_PATH);
    lstrcatW(path, kStateFileName);
}

HWND CreateMenuBar(HWND window)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof info;
    info.hwndParent = window;
    info.dwFlags = 0;
    info.nToolBarId = IDT_MENU_BAR;
    info.hInstRes = gShell.instance;
    info.nBmpId = IDB_TOOLBAR;
    info.cBmpImages = kToolbarPicturesShown;
    return SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
}

LRESULT StartUp(HWND window)
{
    gShell.menuBar = CreateMenuBar(window);
    SetStartValues(window);
    FindProgramFolder();
    CreateDirectoryW(kPuzzleFolder, nullptr);  // usually there already
    RemoveTemporaryFilesOfDeadWriters();
    SetPuzzlePath(u"");

    const PuzzleOpening opening = ReadStartPuzzle();
    if (opening == kNotOpened)
        return 0;
    ParsePuzzle(opening == kOpenedAgain ? &gStartPlay : nullptr);
    UpdateMenuChecks();
    ComputeLayout(window);
    // The cursor a restart brings back may lie outside the magnified view's first corner.
    if (Magnified())
        ScrollOffsetsToCurrentWord();
    ShowNotesOfANewPuzzle(window, opening);
    ShowClock(window);
    return 1;
}

void ShutDown(HWND)
{
    DestroyBackBuffer();
    DestroyGridFonts();
    WCHAR stateFile[MAX_PATH];
    StateFilePath(stateFile);
    WriteProgressFile(stateFile);
    DestroyWindow(gShell.menuBar);
    gShell.menuBar = nullptr;
    PostQuitMessage(0);
}
