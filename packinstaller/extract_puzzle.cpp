// One embedded puzzle written to a file through a temporary file renamed into place.
#include "extract_puzzle.h"

#include "installer_ids.h"
#include "installer_state.h"

namespace {

constexpr int kNameTries = 1000;

// The folder part of `path`, with its backslash; empty when there is none.
void FolderOf(const WCHAR* path, WCHAR* folder)
{
    int cut = 0;
    for (int i = 0; path[i]; ++i)
        if (path[i] == u'\\')
            cut = i + 1;
    lstrcpynW(folder, path, cut + 1);
}

bool WriteAll(HANDLE file, const void* bytes, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, bytes, size, &written, nullptr) && written == size &&
           FlushFileBuffers(file);
}

}  // namespace

HANDLE CreateUniqueFile(const WCHAR* folder, WCHAR* path)
{
    // The tick count spreads the first try so two installers rarely meet; CREATE_NEW makes
    // sure an existing file, the user's or another copy's, is never taken over.
    const DWORD start = GetTickCount();
    for (int i = 0; i < kNameTries; ++i) {
        wsprintfW(path, u"%s~bs%u.tmp", folder, unsigned((start + DWORD(i)) % 100000u));
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

bool ExtractPuzzle(const WCHAR* resourceName, const WCHAR* path)
{
    HRSRC found = FindResourceW(gInstaller.instance, resourceName, PUZZLE_TYPE);
    if (!found)
        return false;
    const void* bytes = LockResource(LoadResource(gInstaller.instance, found));
    const DWORD size = SizeofResource(gInstaller.instance, found);
    if (!bytes)
        return false;

    // Creating a read-only file anew is refused on the device; a rename would slip past that.
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;

    WCHAR folder[MAX_PATH];
    WCHAR temporary[MAX_PATH];
    FolderOf(path, folder);
    HANDLE file = CreateUniqueFile(folder, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = WriteAll(file, bytes, size);
    CloseHandle(file);
    if (written && MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileW(temporary);
    return false;
}
