// Files written whole or not at all, the way both programs must write every file they keep:
// the bytes go to a temporary file of a unique name beside the target, are flushed, and the
// temporary file is renamed over the target. A crash or a full disk leaves the old file or
// the new one, never a torn one and never none. Knows nothing of what the bytes are.
#pragma once

#include "windows.h"

// The step of WriteFileWhole that failed.
enum WholeFileStep {
    kWholeFileDone = 0,
    kWholeFileCreate,  // the target is read-only, or no temporary file could be made
    kWholeFileWrite,
    kWholeFileFlush,
    kWholeFileMove,  // the rename over the target
};

// Replaces `path` with `size` bytes; after the rename the folder is flushed too, so the new
// name is on storage when this returns. A read-only file at `path` is refused
// (ERROR_ACCESS_DENIED): creating it anew would be refused too, and a rename would slip past
// that. On failure no temporary file is left and GetLastError tells why; the old file is
// untouched, except after a failed flush of the folder (kWholeFileFlush), where the new one
// stands but is not known to be kept.
WholeFileStep WriteFileWhole(LPCWSTR path, const void* bytes, DWORD size);

// The folder part of `path` with its trailing backslash into `folder` (MAX_PATH): where
// WriteFileWhole puts its temporary file. Empty when the path has no backslash.
void FolderOf(LPCWSTR path, WCHAR* folder);

// Creates a new, empty file of a name no other file in `folder` (with its trailing backslash)
// has, for writing; its path goes to `path` (MAX_PATH). CREATE_NEW: an existing file, the
// user's or another program's, is never taken over. INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateUniqueFile(LPCWSTR folder, WCHAR* path);

// The first characters of the temporary files this program makes from now on ("~bs" unless
// told, at most 7). A program that alone writes under a stem of its own may take every file
// of that stem for one a death left, however young, where a shared stem must wait for age.
void SetTemporaryStem(LPCWSTR stem);

// Removes the temporary files of stem `stem` WriteFileWhole leaves in `folder` (with its
// trailing backslash) when its writer died mid-write, those not written to for
// `minAgeSeconds` (a younger one may belong to a writer still at work). The count removed.
int RemoveLeftTemporaryFiles(LPCWSTR folder, int minAgeSeconds, LPCWSTR stem = u"~bs");

// Reads up to `capacity` bytes of `path` into `bytes`; the count read, or -1 when the file
// cannot be opened or read.
int ReadFileStart(LPCWSTR path, void* bytes, DWORD capacity);
