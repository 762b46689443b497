// Files and folders, module path, last error and the string helpers of the handheld API.
// Paths are device paths ("\My Documents\x.puz"): backslashes, case-insensitive names,
// rooted in the emulated device's folder. WCHAR is char16_t, so every wide string here is
// UTF-16 and literals are written u"...".
#pragma once

#include <cstdarg>

#include "windef.h"

// ---- Last error -------------------------------------------------------------------------------

DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

// ---- Date and time ----------------------------------------------------------------------------

typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;      // 1 January ... 12 December
    WORD wDayOfWeek;  // 0 Sunday ... 6 Saturday
    WORD wDay;        // 1 ... 31
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *LPSYSTEMTIME;

// The device's local date and time: the host's clock in its time zone.
void WINAPI GetLocalTime(LPSYSTEMTIME time);

// ---- Files ------------------------------------------------------------------------------------

typedef struct _FILETIME {
    DWORD dwLowDateTime;   // 100-ns intervals since 1601-01-01 UTC, low half
    DWORD dwHighDateTime;  // high half
} FILETIME, *LPFILETIME;

// Now, on the clock the files' times are given in.
void WINAPI GetSystemTimeAsFileTime(LPFILETIME time);

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;                // size of the record
    LPVOID lpSecurityDescriptor;  // ignored on the device
    BOOL bInheritHandle;          // ignored on the device
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;  // asynchronous I/O is not supported

typedef struct _WIN32_FIND_DATAW {
    DWORD dwFileAttributes;        // FILE_ATTRIBUTE_*
    FILETIME ftCreationTime;       // the host's change time
    FILETIME ftLastAccessTime;     // last access
    FILETIME ftLastWriteTime;      // last modification
    DWORD nFileSizeHigh;           // size, high 32 bits
    DWORD nFileSizeLow;            // size, low 32 bits
    DWORD dwReserved0;             // unused
    DWORD dwReserved1;             // unused
    WCHAR cFileName[MAX_PATH];     // the name as stored, without its folder
    WCHAR cAlternateFileName[14];  // always empty: the device has no short names
} WIN32_FIND_DATAW, *LPWIN32_FIND_DATAW;

#define GENERIC_READ  0x80000000UL
#define GENERIC_WRITE 0x40000000UL

#define FILE_SHARE_READ   0x00000001
#define FILE_SHARE_WRITE  0x00000002
#define FILE_SHARE_DELETE 0x00000004

#define CREATE_NEW        1
#define CREATE_ALWAYS     2
#define OPEN_EXISTING     3
#define OPEN_ALWAYS       4
#define TRUNCATE_EXISTING 5

#define FILE_ATTRIBUTE_READONLY  0x00000001
#define FILE_ATTRIBUTE_HIDDEN    0x00000002
#define FILE_ATTRIBUTE_SYSTEM    0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE   0x00000020
#define FILE_ATTRIBUTE_NORMAL    0x00000080
#define INVALID_FILE_ATTRIBUTES  ((DWORD)-1)
#define INVALID_FILE_SIZE        ((DWORD)0xFFFFFFFF)

#define FILE_BEGIN               0
#define FILE_CURRENT             1
#define FILE_END                 2
#define INVALID_SET_FILE_POINTER ((DWORD)-1)

#define MOVEFILE_REPLACE_EXISTING 0x00000001

// Opens a folder (OPEN_EXISTING only) instead of refusing it, so that FlushFileBuffers on the
// handle puts the folder's entries -- a rename into it -- on storage. Reads and writes fail.
#define FILE_FLAG_BACKUP_SEMANTICS 0x02000000

// Opens or creates a file. Returns INVALID_HANDLE_VALUE on failure with GetLastError set:
// ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND, ERROR_FILE_EXISTS (CREATE_NEW),
// ERROR_SHARING_VIOLATION (another open handle does not share the access asked for),
// ERROR_ACCESS_DENIED (a folder without FILE_FLAG_BACKUP_SEMANTICS, or the host refuses).
// CREATE_ALWAYS and OPEN_ALWAYS set ERROR_ALREADY_EXISTS when the file was there, 0 otherwise.
HANDLE WINAPI CreateFileW(LPCWSTR path, DWORD access, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                          HANDLE templateFile);
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read,
                     LPOVERLAPPED overlapped);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                      LPOVERLAPPED overlapped);
BOOL WINAPI FlushFileBuffers(HANDLE file);
BOOL WINAPI CloseHandle(HANDLE object);
DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, LPLONG distanceHigh, DWORD method);
DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh);

BOOL WINAPI DeleteFileW(LPCWSTR path);
BOOL WINAPI MoveFileW(LPCWSTR from, LPCWSTR to);
// MOVEFILE_REPLACE_EXISTING replaces an existing file in one step (a rename on the host),
// which is what makes "write a temporary file, then rename it over the old one" atomic.
BOOL WINAPI MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags);
BOOL WINAPI CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES security);
BOOL WINAPI RemoveDirectoryW(LPCWSTR path);
DWORD WINAPI GetFileAttributesW(LPCWSTR path);

// Lists a folder by a pattern with "*" and "?" ("\My Documents\*.puz"). Names come in
// case-insensitive sorted order; "." and ".." are never listed.
HANDLE WINAPI FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data);
BOOL WINAPI FindNextFileW(HANDLE find, LPWIN32_FIND_DATAW data);
BOOL WINAPI FindClose(HANDLE find);

// The running program's device path (see device.h). Returns the characters copied without
// the NUL; a buffer too small gets a truncated, terminated path, the result `size` and
// ERROR_INSUFFICIENT_BUFFER.
DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);

// ---- Strings ----------------------------------------------------------------------------------

int WINAPI lstrlenW(LPCWSTR s);
LPWSTR WINAPI lstrcpyW(LPWSTR dst, LPCWSTR src);
// Copies at most `max` - 1 characters and always terminates (when `max` > 0).
LPWSTR WINAPI lstrcpynW(LPWSTR dst, LPCWSTR src, int max);
LPWSTR WINAPI lstrcatW(LPWSTR dst, LPCWSTR src);
// Both compare by UTF-16 code unit; lstrcmpiW folds case first (ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic letters).
int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b);
int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b);

// Formats like the device: %s is a wide string, %S a narrow (8-bit, CP_ACP) one, %c a wide
// and %C a narrow character; %d %i %u %x %X with an optional l; flags '-' and '0', a width
// and a precision for strings. Writes at most 1024 characters including the NUL and returns
// the count without the NUL.
int wsprintfW(LPWSTR out, LPCWSTR format, ...);
int WINAPI wvsprintfW(LPWSTR out, LPCWSTR format, va_list args);

// Decimal text to int: leading blanks, an optional sign, then digits up to the first other
// character; 0 when there are none.
int _wtoi(const WCHAR* s);
