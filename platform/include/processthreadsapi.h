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

// "PegHelp.exe" with "page.htm#anchor" opens that page of "\Windows" in the host's browser;
// "iexplore.exe" with an address opens the address. Any other program fails with
// ERROR_FILE_NOT_FOUND. The headless backend records the call and starts nothing.
BOOL WINAPI CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine, LPVOID processAttributes,
                           LPVOID threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                           LPVOID environment, LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo,
                           LPPROCESS_INFORMATION processInformation);
