// The emulated handheld as a whole: what a program declares about itself at start, what a
// build registers to be present on a new device, and the blocking hook of the inet calls.
// Not part of the handheld's own API.
#pragma once

#include <cstddef>

#include "windef.h"

// The device path GetModuleFileNameW reports for the running program; the default is
// "\Program Files\Crossword\Crossword.exe". The folder is created when it does not exist.
void DeviceSetModuleFileName(const char16_t* devicePath);

// Registers a file that a newly created device root starts with (a starter puzzle, help
// pages). On the first file operation against a root, the standard folders it lacks are made,
// and each registered file is written into a top folder ("\My Documents", "\Windows") that
// the root lacked, so a root a user began by copying in one file is still set up; a file
// registered later, while the same root is in use, is written at once by the same rule. An
// existing file is never overwritten.
void DeviceSeedFile(const char16_t* devicePath, const void* bytes, size_t size);

// The blocking hook of this thread, in the manner of Winsock 1.1's WSASetBlockingHook: while
// InternetOpenUrlW or InternetReadFile waits for the network, the device calls `hook` again
// and again as long as it returns TRUE, then waits at most 20 ms for the network, takes the
// input that arrived, and calls it again. A hook that dispatches one pending message per call
// (PeekMessageW with PM_REMOVE, TranslateMessage, DispatchMessageW; FALSE when there was
// none) keeps a single-threaded program painting and answering taps, timers and close
// requests during a transfer, and can stop it with InternetCloseHandle. A blocking call made
// from inside the hook waits without it. nullptr removes the hook; the result is the hook
// it replaces. On the headless device the script is consumed only while the network has been
// quiet for a whole slice, so data from a server comes before scripted input and time.
typedef BOOL(CALLBACK* DEVICEBLOCKINGHOOK)(void);
DEVICEBLOCKINGHOOK DeviceSetBlockingHook(DEVICEBLOCKINGHOOK hook);
