// Starting other programs: the device knows its help viewer and its browser, which open
// on the host's desktop.
#pragma once

#include "windef.h"

typedef struct _STARTUPINFOW {
    DWORD cb;  // the device ignores the start-up information
} STARTUPINFOW, *LPSTARTUPINFOW;

typedef struct _PROCESS_INFORMATION {
    HANDLE hProcess;    // always nullptr: programs cannot wait for or stop the viewer
    HANDLE hThread;     // always nullptr
    DWORD dwProcessId;  // host process id of the opener, 0 when nothing was started
    DWORD dwThreadId;   // 0
} PROCESS_INFORMATION, *LPPROCESS_INFORMATION;

// Opening a document with the program the desktop has for its kind.
typedef struct _SHELLEXECUTEINFOW {
    DWORD cbSize;          // sizeof the record
    ULONG fMask;           // ignored: the device waits for nothing
    HWND hwnd;             // owner of any message the opener shows
    LPCWSTR lpVerb;        // null or "open": the only verb
    LPCWSTR lpFile;        // the document's device path
    LPCWSTR lpParameters;  // ignored for documents
    LPCWSTR lpDirectory;   // ignored
    int nShow;             // ignored
    HINSTANCE hInstApp;    // set above 32 when the document was handed to its opener
} SHELLEXECUTEINFOW, *LPSHELLEXECUTEINFOW;

// Opens the document at `info->lpFile` on the host's desktop with the program the desktop has
// for it (its PDF viewer, say). Fails with ERROR_FILE_NOT_FOUND when there is no such file and
// ERROR_NO_ASSOCIATION when the host has no opener. The headless backend records the call (as
// CreateProcessW's) and starts nothing.
BOOL WINAPI ShellExecuteExW(LPSHELLEXECUTEINFOW info);

// "PegHelp.exe" with "page.htm#anchor" opens that page of "\Windows" in the host's browser;
// "iexplore.exe" with an address opens the address. Any other program fails with
// ERROR_FILE_NOT_FOUND. The headless backend records the call and starts nothing.
BOOL WINAPI CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine, LPVOID processAttributes,
                           LPVOID threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                           LPVOID environment, LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo,
                           LPPROCESS_INFORMATION processInformation);
