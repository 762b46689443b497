// Whole-file and folder operations: delete, rename, create and remove folders, attributes.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/device_path.h"
#include "files/file_sharing.h"
#include "files/host_errors.h"
#include "strings/unicode.h"
#include "winbase.h"
#include "winerror.h"

namespace {

BOOL Fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

bool IsRoot(const HostPath& path)
{
    return path.host == DeviceRootHostPath();
}

bool OpenWithoutDeleteSharing(const std::string& host)
{
    struct stat st;
    return stat(host.c_str(), &st) == 0 && DeleteConflicts(st.st_dev, st.st_ino);
}

}  // namespace

BOOL WINAPI DeleteFileW(LPCWSTR path)
{
    HostPath target;
    if (!ResolveDevicePath(path, &target))
        return FALSE;
    if (!target.exists)
        return Fail(ERROR_FILE_NOT_FOUND);
    if (target.isFolder)
        return Fail(ERROR_ACCESS_DENIED);
    if (OpenWithoutDeleteSharing(target.host))
        return Fail(ERROR_SHARING_VIOLATION);
    if (unlink(target.host.c_str()) != 0)
        return Fail(DeviceErrorFromErrno(errno, ERROR_FILE_NOT_FOUND));
    return TRUE;
}

BOOL WINAPI MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    HostPath source;
    HostPath target;
    if (!ResolveDevicePath(from, &source))
        return FALSE;
    if (!source.exists)
        return Fail(ERROR_FILE_NOT_FOUND);
    if (IsRoot(source))
        return Fail(ERROR_ACCESS_DENIED);
    if (!ResolveDevicePath(to, &target))
        return FALSE;
    if (OpenWithoutDeleteSharing(source.host))
        return Fail(ERROR_SHARING_VIOLATION);
    if (FileStepFails(kFileStepMove))
        return Fail(ERROR_ACCESS_DENIED);

    struct stat a;
    struct stat b;
    const bool sameFile = target.exists && stat(source.host.c_str(), &a) == 0 &&
                          stat(target.host.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
                          a.st_ino == b.st_ino;
    std::string destination = target.host;
    if (sameFile) {
        // A rename that only changes the case of the name: the new spelling is kept.
        std::u16string folder;
        std::u16string name;
        SplitDevicePath(to, &folder, &name);
        destination = target.host.substr(0, target.host.rfind('/') + 1) + Utf16ToUtf8(name);
    } else if (target.exists) {
        if (!(flags & MOVEFILE_REPLACE_EXISTING))
            return Fail(ERROR_ALREADY_EXISTS);
        if (target.isFolder || source.isFolder)
            return Fail(ERROR_ACCESS_DENIED);
        if (OpenWithoutDeleteSharing(target.host))
            return Fail(ERROR_ACCESS_DENIED);
    }
    // rename() replaces the destination atomically: readers see the old or the new file.
    if (std::rename(source.host.c_str(), destination.c_str()) != 0)
        return Fail(DeviceErrorFromErrno(errno, ERROR_PATH_NOT_FOUND));
    return TRUE;
}

BOOL WINAPI MoveFileW(LPCWSTR from, LPCWSTR to)
{
    return MoveFileExW(from, to, 0);
}

BOOL WINAPI CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES /*security*/)
{
    HostPath target;
    if (!ResolveDevicePath(path, &target))
        return FALSE;
    if (target.exists)
        return Fail(ERROR_ALREADY_EXISTS);
    if (mkdir(target.host.c_str(), 0755) != 0)
        return Fail(DeviceErrorFromErrno(errno, ERROR_PATH_NOT_FOUND));
    return TRUE;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR path)
{
    HostPath target;
    if (!ResolveDevicePath(path, &target))
        return FALSE;
    if (!target.exists)
        return Fail(ERROR_FILE_NOT_FOUND);
    if (!target.isFolder)
        return Fail(ERROR_DIRECTORY);
    if (IsRoot(target))
        return Fail(ERROR_ACCESS_DENIED);
    if (rmdir(target.host.c_str()) != 0)
        return Fail(
            DeviceErrorFromErrno(errno == EEXIST ? ENOTEMPTY : errno, ERROR_FILE_NOT_FOUND));
    return TRUE;
}

DWORD WINAPI GetFileAttributesW(LPCWSTR path)
{
    HostPath target;
    if (!ResolveDevicePath(path, &target))
        return INVALID_FILE_ATTRIBUTES;
    struct stat st;
    if (!target.exists || stat(target.host.c_str(), &st) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(st.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    return (st.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}
