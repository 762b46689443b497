// The kept-records file holds whole progress records one after another, newest first, one
// per puzzle and a few at most: a record is only there while its puzzle's folder is missing.
#include "kept_progress.h"

#include <cstring>

#include "failed_write.h"
#include "game_state.h"
#include "progress_file.h"
#include "puzzle_files.h"
#include "whole_file.h"

namespace {

constexpr const char16_t* kKeptFileName = u"crosswordkept.dat";
constexpr int kMostKept = 8;

struct KeptRecords {
    unsigned char bytes[kMostKept][kProgressRecordSize];
    int count;
};

KeptRecords gKept;  // too large for the stack; used by one call at a time

void KeptFilePath(WCHAR* path)
{
    lstrcpynW(path, gGame.programFolder, MAX_PATH);
    lstrcatW(path, kKeptFileName);
}

void ReadKept()
{
    WCHAR path[MAX_PATH];
    KeptFilePath(path);
    const int read = ReadFileStart(path, gKept.bytes, sizeof gKept.bytes);
    gKept.count = read > 0 ? read / kProgressRecordSize : 0;
}

// Tells `owner` that the letters of `puzzle` could not be written, at `step`.
void TellNotKept(HWND owner, LPCWSTR puzzle, WholeFileStep step)
{
    const DWORD error = GetLastError();
    WCHAR what[MAX_PATH + 32];
    wsprintfW(what, u"The letters of %s", puzzle);
    TellFailedWrite(owner, what, step, error);
}

void WriteKept(HWND owner, LPCWSTR puzzle)
{
    WCHAR path[MAX_PATH];
    KeptFilePath(path);
    if (gKept.count == 0) {
        DeleteFileW(path);
        return;
    }
    const WholeFileStep step =
        WriteFileWhole(path, gKept.bytes, DWORD(gKept.count) * kProgressRecordSize);
    if (step != kWholeFileDone)
        TellNotKept(owner, puzzle, step);
}

// The kept record for `puzzle`, or -1.
int FindKept(LPCWSTR puzzle)
{
    for (int i = 0; i < gKept.count; ++i) {
        WCHAR named[MAX_PATH];
        if (ProgressRecordPath(gKept.bytes[i], named) && named[0] && lstrcmpiW(named, puzzle) == 0)
            return i;
    }
    return -1;
}

void DropKept(int index)
{
    std::memmove(gKept.bytes[index], gKept.bytes[index + 1],
                 size_t(gKept.count - index - 1) * kProgressRecordSize);
    --gKept.count;
}

bool FolderOfExists(LPCWSTR file)
{
    WCHAR folder[MAX_PATH];
    FolderOf(file, folder);
    if (lstrlenW(folder) <= 1)
        return true;  // the root
    const DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void KeepUnopenedProgress(HWND owner, LPCWSTR stateFile, LPCWSTR lastPuzzle)
{
    if (!lastPuzzle || !*lastPuzzle)
        return;
    unsigned char record[kProgressRecordSize] = {};
    if (ReadFileStart(stateFile, record, kProgressRecordSize) <= 0)
        return;
    if (FolderOfExists(lastPuzzle)) {
        WCHAR progressPath[MAX_PATH];
        ProgressPathOf(lastPuzzle, progressPath);
        const WholeFileStep step = WriteFileWhole(progressPath, record, kProgressRecordSize);
        if (step != kWholeFileDone)
            TellNotKept(owner, lastPuzzle, step);
        return;
    }
    ReadKept();
    const int same = FindKept(lastPuzzle);
    if (same >= 0)
        DropKept(same);
    if (gKept.count == kMostKept)
        --gKept.count;  // the oldest goes
    std::memmove(gKept.bytes[1], gKept.bytes[0], size_t(gKept.count) * kProgressRecordSize);
    std::memcpy(gKept.bytes[0], record, kProgressRecordSize);
    ++gKept.count;
    WriteKept(owner, lastPuzzle);
}

bool ReadPuzzleProgress(HWND owner, LPCWSTR puzzle, RestoredPlay* play)
{
    WCHAR progressPath[MAX_PATH];
    ProgressPathOf(puzzle, progressPath);
    if (ReadProgressFile(progressPath, play))
        return true;
    ReadKept();
    const int kept = FindKept(puzzle);
    if (kept < 0 || !ApplyProgressRecord(gKept.bytes[kept], kProgressRecordSize, play))
        return false;
    DropKept(kept);
    WriteKept(owner, puzzle);
    return true;
}
