// Writing one embedded puzzle to a file.
#pragma once

#include "windows.h"

// Writes the PUZZLETYPE resource `resourceName` ("#256") of the build to `path` (at most
// 259 characters). The bytes go to a temporary file in the same folder first and are renamed
// over `path`, so a failure leaves the old file or the new one, never a torn one. False when
// the resource is missing, `path` is read-only or its folder cannot be written.
bool ExtractPuzzle(const WCHAR* resourceName, const WCHAR* path);
