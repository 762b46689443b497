// The temporary file is the target's name with ".tmp" added, in the same folder, so the
// rename never crosses a volume.
#include "file_replace.h"

bool ReplaceFileWhole(LPCWSTR path, const void* bytes, DWORD size)
{
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    WCHAR temporary[MAX_PATH + 8];
    lstrcpynW(temporary, path, MAX_PATH);
    lstrcatW(temporary, u".tmp");
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size &&
              FlushFileBuffers(file);
    DWORD error = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (ok && !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary);
        SetLastError(error);
    }
    return ok;
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
