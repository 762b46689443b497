// Open File and the save location of downloads, over the platform's file dialogs.
#include "puzzle_files.h"

#include "failed_write.h"
#include "game_state.h"
#include "kept_progress.h"
#include "progress_file.h"
#include "puzzle_reader.h"

namespace {

// One type for every format the game reads, so a list never hides a puzzle.
constexpr const char16_t kPuzzleFilter[] = u"Puzzle files\0*.puz;*.ipuz;*.jpz;*.xd\0";
constexpr const char16_t* kPuzzleExtensions[] = {u".puz", u".ipuz", u".jpz", u".xd"};
constexpr const char16_t* kDownloadFolder = u"\\My Documents\\Fennimoor\\";

void PrepareRequest(OPENFILENAMEW* request, HWND owner, WCHAR* file, WCHAR* title,
                    LPCWSTR dialogTitle, LPCWSTR extension = nullptr)
{
    *request = {};
    request->lStructSize = sizeof *request;
    request->hwndOwner = owner;
    request->lpstrFilter = kPuzzleFilter;
    request->lpstrFile = file;
    request->nMaxFile = MAX_PATH;
    request->lpstrFileTitle = title;
    request->nMaxFileTitle = MAX_PATH;
    request->lpstrTitle = dialogTitle;
    request->lpstrDefExt = extension;
    request->Flags = OFN_EXPLORER;
}

// Asks `question` with Yes and No and no icon; true on Yes.
bool Confirmed(HWND owner, LPCWSTR question)
{
    return MessageBoxW(owner, question, u"Confirm", MB_YESNO) == IDYES;
}

// The name part of a path: "b.puz" of "\\My Documents\\b.puz".
LPCWSTR NameOf(LPCWSTR path)
{
    LPCWSTR name = path;
    for (LPCWSTR p = path; *p; ++p)
        if (*p == u'\\')
            name = p + 1;
    return name;
}

// The save progress of the puzzle being left goes to its own progress file; a first use
// (no current puzzle) has nothing to save. When storage refuses it the player chooses: stay
// with the letters, or open `file` and lose them. True when the opening may go on.
bool HandOverProgress(HWND owner, LPCWSTR file)
{
    if (!gGame.puzzlePath[0])
        return true;
    WCHAR progressPath[MAX_PATH];
    ProgressPathOf(gGame.puzzlePath, progressPath);
    if (WriteProgressFile(progressPath) == kWholeFileDone)
        return true;
    const DWORD error = GetLastError();
    WCHAR question[2 * MAX_PATH + 160];
    wsprintfW(question,
              u"The letters of %s could not be saved: %s (error %u). They will be lost. Open %s "
              u"anyway?",
              NameOf(gGame.puzzlePath), FailedWriteReason(error), unsigned(error), NameOf(file));
    return MessageBoxW(owner, question, u"Confirm", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

// The main window a dialog belongs to: the top of its owner chain.
HWND MainWindowOf(HWND window)
{
    HWND top = window;
    for (HWND owner = GetWindow(top, GW_OWNER); owner; owner = GetWindow(top, GW_OWNER))
        top = owner;
    return top;
}

}  // namespace

bool HasPuzzleExtension(LPCWSTR name)
{
    const int length = lstrlenW(name);
    for (const char16_t* extension : kPuzzleExtensions) {
        const int size = lstrlenW(extension);
        if (length > size && lstrcmpiW(name + length - size, extension) == 0)
            return true;
    }
    return false;
}

void ProgressPathOf(LPCWSTR puzzlePath, WCHAR* progressPath)
{
    lstrcpynW(progressPath, puzzlePath, MAX_PATH);
    int length = lstrlenW(progressPath);
    // A .puz record's path is the one every earlier version wrote; another format's must not
    // end in ".dat", or "x.jpz" would share one with a "x.jpz.puz".
    const bool puz = length >= 4 && lstrcmpiW(progressPath + length - 4, u".puz") == 0;
    const char16_t* suffix = puz ? u".dat" : u".progress";
    if (puz)
        length -= 4;
    const int room = MAX_PATH - 1 - lstrlenW(suffix);
    length = length < room ? length : room;
    progressPath[length] = 0;
    lstrcatW(progressPath, suffix);
}

PuzzleOpening OpenPuzzleFile(HWND owner)
{
    WCHAR file[MAX_PATH] = {};
    WCHAR title[MAX_PATH] = {};
    OPENFILENAMEW request;
    PrepareRequest(&request, owner, file, title, u"Open File");
    if (!GetOpenFileNameW(&request))
        return kNotOpened;

    WCHAR question[MAX_PATH + 64];
    wsprintfW(question, u"Do you want to load the puzzle %s ?", title);
    if (!Confirmed(owner, question))
        return kNotOpened;
    return OpenPuzzleAt(owner, file);
}

PuzzleOpening OpenPuzzleAt(HWND owner, LPCWSTR file)
{
    // The chosen file is read and checked before any progress moves: a refused file leaves
    // the current puzzle, its entries, settings and path exactly as they were. Reading it
    // replaces only fileBuffer; the grid, entries and settings written below are the old
    // puzzle's until ParsePuzzle runs.
    if (!ReadPuzzleFile(file)) {
        WCHAR text[kRefusalMessageChars];
        PuzzleRefusalMessage(LastPuzzleRefusal(), text, kRefusalMessageChars);
        MessageBoxW(owner, text, u"Open File", MB_OK | MB_ICONINFORMATION);
        return kNotOpened;
    }
    if (!HandOverProgress(owner, file))
        return kNotOpened;
    static RestoredPlay play;  // too large for the stack
    const bool again = ReadPuzzleProgress(owner, file, &play);
    SetPuzzlePath(file);
    ParsePuzzle(again ? &play : nullptr);
    return again ? kOpenedAgain : kOpenedFirst;
}

void PuzzleRefusalMessage(PuzzleRefusal reason, WCHAR* text, int chars)
{
    WCHAR why[kRefusalMessageChars];
    if (!MultiByteToWideChar(CP_UTF8, 0, PuzzleRefusalText(reason), -1, why, kRefusalMessageChars))
        why[kRefusalMessageChars - 1] = 0;
    // The readers of the other formats say in a whole sentence what the file is and why the
    // game cannot play it ("This is an acrostic, which the game cannot play.").
    if (RefusedByFormatReader(reason)) {
        lstrcpynW(text, why, chars);
        return;
    }
    WCHAR whole[kRefusalMessageChars + 64];
    wsprintfW(whole, u"This file could not be opened as a puzzle: %s.", why);
    lstrcpynW(text, whole, chars);
}

int ChooseSaveLocation(HWND caller, WCHAR* name, LPCWSTR extension, WCHAR* path)
{
    WCHAR file[MAX_PATH];
    lstrcpynW(file, kDownloadFolder, MAX_PATH);
    lstrcpynW(file + lstrlenW(file), name, MAX_PATH - lstrlenW(file));
    OPENFILENAMEW request;
    PrepareRequest(&request, MainWindowOf(caller), file, name, u"Save File", extension);
    if (!GetSaveFileNameW(&request))
        return 0;

    WCHAR question[MAX_PATH + 64];
    wsprintfW(question, u"Save file at this location: %s", file);
    if (!Confirmed(caller, question))
        return 0;
    lstrcpynW(path, file, MAX_PATH);
    return 1;
}
