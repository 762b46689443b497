// The share modes of open file handles, platform-internal: which opens, deletes and renames
// an open handle forbids.
#pragma once

#include <sys/types.h>

#include "windef.h"

struct OpenFileIdentity {
    dev_t dev;     // host file identity, so two spellings of one name are one file
    ino_t ino;     //
    DWORD access;  // GENERIC_READ / GENERIC_WRITE of the handle
    DWORD share;   // FILE_SHARE_* the handle allows others
};

bool AnyOpenFiles();
void RememberOpenFile(const OpenFileIdentity* file);
void ForgetOpenFile(const OpenFileIdentity* file);

// True when an open with `wanted` (its access and share mode) conflicts with a handle
// already open on the same file.
bool SharingConflicts(const OpenFileIdentity& wanted);

// True when a handle open on the file does not allow deleting or renaming it.
bool DeleteConflicts(dev_t dev, ino_t ino);
