// File handles: CreateFileW and the calls on an open file. Sharing follows the device:
// every open handle names the access it wants and the access it lets others have, and a
// new open (or a delete or rename, see file_ops.cpp) that conflicts fails with
// ERROR_SHARING_VIOLATION.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "automation.h"
#include "files/device_path.h"
#include "files/file_sharing.h"
#include "files/handle_table.h"
#include "files/host_errors.h"
#include "winbase.h"
#include "winerror.h"

namespace {

AutomationFileStep gFailedStep = kFileStepNone;  // a test's stand-in for failing storage

struct FileObject : KernelObject {
    FileObject() : KernelObject(HandleKind::kFile) {}
    ~FileObject() override
    {
        ForgetOpenFile(&identity);
        if (fd >= 0)
            close(fd);
    }
    int fd = -1;
    bool regular = false;  // a plain file: a short read means its end
    OpenFileIdentity identity{};
};

FileObject* GetFile(HANDLE handle)
{
    return static_cast<FileObject*>(HandleTableGet(handle, HandleKind::kFile));
}

HANDLE Fail(DWORD error)
{
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

// The record of an open host file or folder, known to the sharing checks from now on.
std::unique_ptr<FileObject> FileOn(int fd, DWORD access, DWORD shareMode)
{
    auto file = std::make_unique<FileObject>();
    file->fd = fd;
    struct stat st;
    fstat(fd, &st);
    file->identity = {st.st_dev, st.st_ino, access, shareMode};
    file->regular = S_ISREG(st.st_mode);
    RememberOpenFile(&file->identity);
    return file;
}

// A folder's handle, for FlushFileBuffers: the host opens folders read-only whatever the
// access asked, and a write on it fails as the device's would.
HANDLE OpenFolder(const HostPath& target, DWORD access, DWORD shareMode)
{
    const int fd = open(target.host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Fail(DeviceErrorFromErrno(errno, ERROR_PATH_NOT_FOUND));
    SetLastError(ERROR_SUCCESS);
    return HandleTableAdd(FileOn(fd, access, shareMode));
}

}  // namespace

void AutomationFailFileStep(AutomationFileStep step)
{
    gFailedStep = step;
}

void AutomationFailFlushes(bool fail)
{
    gFailedStep = fail ? kFileStepFlush : kFileStepNone;
}

bool FileStepFails(AutomationFileStep step)
{
    return gFailedStep == step;
}

HANDLE WINAPI CreateFileW(LPCWSTR path, DWORD access, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES /*security*/, DWORD disposition, DWORD flags,
                          HANDLE /*templateFile*/)
{
    if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING ||
        (disposition == TRUNCATE_EXISTING && !(access & GENERIC_WRITE)))
        return Fail(ERROR_INVALID_PARAMETER);
    HostPath target;
    if (!ResolveDevicePath(path, &target))
        return INVALID_HANDLE_VALUE;
    if (target.isFolder && (flags & FILE_FLAG_BACKUP_SEMANTICS) && disposition == OPEN_EXISTING)
        return OpenFolder(target, access, shareMode);
    if (target.isFolder)
        return Fail(ERROR_ACCESS_DENIED);
    if (target.exists && disposition == CREATE_NEW)
        return Fail(ERROR_FILE_EXISTS);
    if (!target.exists && (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING))
        return Fail(ERROR_FILE_NOT_FOUND);

    const bool truncate = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    if ((access & GENERIC_WRITE) && FileStepFails(kFileStepCreate))
        return Fail(ERROR_ACCESS_DENIED);
    if (target.exists && AnyOpenFiles()) {
        // The sharing check comes before anything is truncated.
        struct stat st;
        if (stat(target.host.c_str(), &st) == 0) {
            const DWORD wanted = access | (truncate ? GENERIC_WRITE : 0);
            if (SharingConflicts({st.st_dev, st.st_ino, wanted, shareMode}))
                return Fail(ERROR_SHARING_VIOLATION);
        }
    }

    int mode = O_CLOEXEC;
    if ((access & GENERIC_READ) && (access & GENERIC_WRITE))
        mode |= O_RDWR;
    else if (access & GENERIC_WRITE)
        mode |= O_WRONLY;
    else
        mode |= O_RDONLY;
    if (!target.exists)
        mode |= O_CREAT | O_EXCL;
    if (truncate && target.exists) {
        // A read-only handle may still truncate with CREATE_ALWAYS; do it separately.
        if (!(access & GENERIC_WRITE)) {
            if (::truncate(target.host.c_str(), 0) != 0)
                return Fail(DeviceErrorFromErrno(errno, ERROR_FILE_NOT_FOUND));
        } else {
            mode |= O_TRUNC;
        }
    }
    const int fd = open(target.host.c_str(), mode, 0644);
    if (fd < 0)
        return Fail(DeviceErrorFromErrno(errno, ERROR_PATH_NOT_FOUND));

    const bool existed = target.exists;
    HANDLE handle = HandleTableAdd(FileOn(fd, access, shareMode));
    SetLastError((existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS))
                     ? ERROR_ALREADY_EXISTS
                     : ERROR_SUCCESS);
    return handle;
}

BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD read,
                     LPOVERLAPPED /*overlapped*/)
{
    if (read)
        *read = 0;
    FileObject* file = GetFile(handle);
    if (!file)
        return FALSE;
    if (!(file->identity.access & GENERIC_READ)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    DWORD total = 0;
    while (total < toRead) {
        const DWORD asked = toRead - total;
        const ssize_t n = ::read(file->fd, static_cast<char*>(buffer) + total, asked);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            SetLastError(ERROR_READ_FAULT);
            return FALSE;
        }
        if (n == 0)
            break;  // end of file: success with fewer bytes
        total += DWORD(n);
        if (file->regular && DWORD(n) < asked)
            break;  // a plain file reads short only at its end
    }
    if (read)
        *read = total;
    return TRUE;
}

BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                      LPOVERLAPPED /*overlapped*/)
{
    if (written)
        *written = 0;
    FileObject* file = GetFile(handle);
    if (!file)
        return FALSE;
    if (!(file->identity.access & GENERIC_WRITE)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (FileStepFails(kFileStepWrite)) {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    DWORD total = 0;
    while (total < toWrite) {
        const ssize_t n =
            ::write(file->fd, static_cast<const char*>(buffer) + total, toWrite - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (written)
                *written = total;
            SetLastError(errno == ENOSPC ? ERROR_DISK_FULL : ERROR_WRITE_FAULT);
            return FALSE;
        }
        total += DWORD(n);
    }
    if (written)
        *written = total;
    return TRUE;
}

BOOL WINAPI FlushFileBuffers(HANDLE handle)
{
    FileObject* file = GetFile(handle);
    if (!file)
        return FALSE;
    if (FileStepFails(kFileStepFlush) || fsync(file->fd) != 0) {
        SetLastError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE handle)
{
    return HandleTableClose(handle, HandleKind::kFile) ? TRUE : FALSE;
}

DWORD WINAPI SetFilePointer(HANDLE handle, LONG distance, LPLONG distanceHigh, DWORD method)
{
    FileObject* file = GetFile(handle);
    if (!file)
        return INVALID_SET_FILE_POINTER;
    const int whence = method == FILE_BEGIN     ? SEEK_SET
                       : method == FILE_CURRENT ? SEEK_CUR
                       : method == FILE_END     ? SEEK_END
                                                : -1;
    if (whence < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    // Without a high part the distance is a signed 32-bit value; with one, 64 bits.
    const int64_t offset =
        distanceHigh ? int64_t((uint64_t(uint32_t(*distanceHigh)) << 32) | uint32_t(distance))
                     : int64_t(distance);
    const off_t current = lseek(file->fd, 0, SEEK_CUR);
    const off_t end = lseek(file->fd, 0, SEEK_END);
    const int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? current : end;
    if (base + offset < 0) {
        lseek(file->fd, current, SEEK_SET);
        SetLastError(ERROR_NEGATIVE_SEEK);
        return INVALID_SET_FILE_POINTER;
    }
    const off_t position = lseek(file->fd, off_t(base + offset), SEEK_SET);
    if (distanceHigh)
        *distanceHigh = LONG(uint64_t(position) >> 32);
    SetLastError(ERROR_SUCCESS);
    return DWORD(uint64_t(position) & 0xFFFFFFFFu);
}

DWORD WINAPI GetFileSize(HANDLE handle, LPDWORD sizeHigh)
{
    FileObject* file = GetFile(handle);
    if (!file)
        return INVALID_FILE_SIZE;
    struct stat st;
    if (fstat(file->fd, &st) != 0) {
        SetLastError(ERROR_READ_FAULT);
        return INVALID_FILE_SIZE;
    }
    if (sizeHigh)
        *sizeHigh = DWORD(uint64_t(st.st_size) >> 32);
    SetLastError(ERROR_SUCCESS);
    return DWORD(uint64_t(st.st_size) & 0xFFFFFFFFu);
}
