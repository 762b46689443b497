// The temporary file sits in the target's own folder, so the rename never crosses a volume;
// its name is unique, so two writers, or a writer and the user's own file, never meet.
#include "whole_file.h"

#include <cstdint>

namespace {

constexpr int kNameTries = 1000;

WCHAR gStem[8] = u"~bs";  // the first characters of this program's temporary files

// Puts the folder's entries on storage, so that the rename itself survives a power loss: a
// flushed file under a name the folder has not yet recorded is lost with the old name.
bool FlushFolder(LPCWSTR folder)
{
    HANDLE handle = CreateFileW(folder[0] ? folder : u"\\", GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(handle);
    const DWORD error = GetLastError();
    CloseHandle(handle);
    SetLastError(error);
    return flushed;
}

WholeFileStep Fail(WholeFileStep step, DWORD error)
{
    SetLastError(error);
    return step;
}

}  // namespace

void FolderOf(LPCWSTR path, WCHAR* folder)
{
    int cut = 0;
    for (int i = 0; path[i]; ++i)
        if (path[i] == u'\\')
            cut = i + 1;
    lstrcpynW(folder, path, cut + 1);
}

HANDLE CreateUniqueFile(LPCWSTR folder, WCHAR* path)
{
    // The tick count spreads the first try so two programs rarely meet.
    const DWORD start = GetTickCount();
    for (int i = 0; i < kNameTries; ++i) {
        wsprintfW(path, u"%s%s%u.tmp", folder, gStem, unsigned((start + DWORD(i)) % 100000u));
        HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    path[0] = 0;
    return INVALID_HANDLE_VALUE;
}

void SetTemporaryStem(LPCWSTR stem)
{
    lstrcpynW(gStem, stem, int(sizeof gStem / sizeof gStem[0]));
}

int RemoveLeftTemporaryFiles(LPCWSTR folder, int minAgeSeconds, LPCWSTR stem)
{
    WCHAR pattern[MAX_PATH];
    wsprintfW(pattern, u"%s%s*.tmp", folder, stem);
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(pattern, &entry);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t nowTicks = (uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const uint64_t minAge = uint64_t(minAgeSeconds) * 10000000u;
    int removed = 0;
    do {
        const FILETIME& written = entry.ftLastWriteTime;
        const uint64_t ticks = (uint64_t(written.dwHighDateTime) << 32) | written.dwLowDateTime;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || ticks + minAge > nowTicks)
            continue;
        WCHAR path[MAX_PATH];
        wsprintfW(path, u"%s%s", folder, entry.cFileName);
        removed += DeleteFileW(path) ? 1 : 0;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return removed;
}

WholeFileStep WriteFileWhole(LPCWSTR path, const void* bytes, DWORD size)
{
    if (!path || !*path)
        return Fail(kWholeFileCreate, ERROR_INVALID_PARAMETER);
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Fail(kWholeFileCreate, ERROR_ACCESS_DENIED);
    WCHAR folder[MAX_PATH];
    WCHAR temporary[MAX_PATH];
    FolderOf(path, folder);
    HANDLE file = CreateUniqueFile(folder, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return Fail(kWholeFileCreate, GetLastError());
    DWORD written = 0;
    WholeFileStep step = kWholeFileDone;
    if (!WriteFile(file, bytes, size, &written, nullptr) || written != size)
        step = kWholeFileWrite;
    else if (!FlushFileBuffers(file))
        step = kWholeFileFlush;
    DWORD error = step ? GetLastError() : 0;
    CloseHandle(file);
    if (!step && !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING)) {
        step = kWholeFileMove;
        error = GetLastError();
    } else if (!step && !FlushFolder(folder)) {
        // The new file stands, but storage would not say it keeps it: told as a failed flush.
        return Fail(kWholeFileFlush, GetLastError());
    }
    if (step) {
        DeleteFileW(temporary);
        SetLastError(error);
    }
    return step;
}

int ReadFileStart(LPCWSTR path, void* bytes, DWORD capacity)
{
    HANDLE file =
        CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes, capacity, &read, nullptr);
    CloseHandle(file);
    return ok ? int(read) : -1;
}
