// Writing one embedded puzzle to a file, and the temporary names that writing needs.
#pragma once

#include "windows.h"

// Writes the PUZZLETYPE resource `resourceName` ("#256") of the build to `path` (at most
// 259 characters). The bytes go to a temporary file in the same folder first and are renamed
// over `path`, so a failure leaves the old file or the new one, never a torn one. False when
// the resource is missing, `path` is read-only or its folder cannot be written.
bool ExtractPuzzle(const WCHAR* resourceName, const WCHAR* path);

// Creates a new empty file "<folder>~bs<number>.tmp" whose name no existing file has, and
// returns its handle (write access) with the name in `path` (MAX_PATH characters).
// `folder` ends with a backslash. INVALID_HANDLE_VALUE when the folder cannot be written.
HANDLE CreateUniqueFile(const WCHAR* folder, WCHAR* path);
