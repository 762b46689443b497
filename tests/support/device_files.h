// Whole device files through the device's own file API, for tests and benchmarks: what a
// program would read or write at a device path.
#pragma once

#include <string>

#include "windows.h"

// Replaces `path` with `bytes`; false when it cannot be written completely.
inline bool WriteDeviceFile(LPCWSTR path, const std::string& bytes)
{
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// The bytes of `path`, or "<missing>" when it cannot be opened.
inline std::string ReadDeviceFile(LPCWSTR path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char block[4096];
    for (DWORD read = 0; ReadFile(file, block, sizeof block, &read, nullptr) && read > 0;)
        bytes.append(block, read);
    CloseHandle(file);
    return bytes;
}
