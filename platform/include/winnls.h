// Code-page conversions between 8-bit text and UTF-16. CP_ACP, the device's ANSI code page,
// is Windows-1252 (0x80-0x9F hold the curly quotes, dashes, euro sign, ...); CP_UTF8 is
// also available. WCHAR is char16_t, so wide text is UTF-16.
#pragma once

#include "windef.h"

#define CP_ACP   0
#define CP_OEMCP 1
#define CP_1252  1252  // the same table as CP_ACP on this device
#define CP_UTF8  65001

#define MB_PRECOMPOSED       0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400

// Returns the number of WCHARs written (or needed when `wideChars` is 0), counting the NUL
// when `byteCount` is -1; 0 on failure with GetLastError ERROR_INSUFFICIENT_BUFFER,
// ERROR_INVALID_PARAMETER or (with MB_ERR_INVALID_CHARS) ERROR_NO_UNICODE_TRANSLATION.
// Invalid UTF-8 otherwise decodes to U+FFFD.
int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int byteCount, LPWSTR wide,
                               int wideChars);

// The reverse. Characters the code page cannot hold become `defaultChar` ('?' when null) and
// set *usedDefault; for CP_UTF8 both must be null. Unpaired surrogates become U+FFFD in UTF-8.
int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideChars, LPSTR text,
                               int byteCount, LPCSTR defaultChar, LPBOOL usedDefault);
