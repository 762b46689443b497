// Device paths and the host folder they live in. Platform-internal: the file functions,
// the file dialogs and drag and drop use it; programs see only device paths.
#pragma once

#include <string>

#include "windef.h"

// Where a device path leads on the host.
struct HostPath {
    std::string host;  // absolute host path (UTF-8)
    bool exists;       // the last component exists (any kind)
    bool isFolder;     // ... and is a folder
};

// The host folder holding the device, created and seeded on first use.
std::string DeviceRootHostPath();

// Forgets the files registered with DeviceSeedFile, so that a new root starts as the next
// program registers it (AutomationResetDevice).
void DeviceForgetSeedFiles();

// Maps a device path ("\My Documents\x.puz", backslashes or slashes, names matched
// case-insensitively) to the host. Every folder on the way must exist; the last component
// need not (it then keeps the case given). With `patternLast` the last component may hold
// "*" and "?" and is not looked up. On failure sets the last error (ERROR_PATH_NOT_FOUND,
// ERROR_INVALID_NAME for ".." or characters a device name cannot hold, ERROR_ACCESS_DENIED
// for a path that would lead out of the root) and returns false.
bool ResolveDevicePath(LPCWSTR devicePath, HostPath* out, bool patternLast = false);

// The host path of a device path, for callers that only need the location (file dialogs,
// drag and drop). False when the path cannot be mapped.
bool DevicePathToHostPath(LPCWSTR devicePath, std::string* hostPath);

// Splits off the last component: "\A\b.puz" gives folder "\A" and name "b.puz".
void SplitDevicePath(const std::u16string& devicePath, std::u16string* folder,
                     std::u16string* name);
