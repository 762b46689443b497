// Addresses given to InternetOpenUrlW: checked the way WinInet cracks them, then turned into
// the UTF-8 text curl takes. Also the UTF-16 -> UTF-8 conversion the inet calls share.
#pragma once

#include <string>

#include "windef.h"

// UTF-8 of the first length characters of text (an unpaired surrogate becomes U+FFFD).
std::string Utf8FromWide(const WCHAR* text, size_t length);

// Returns 0 and sets *url for an http:// or https:// address with a host;
// ERROR_INTERNET_UNRECOGNIZED_SCHEME for any other scheme or none,
// ERROR_INTERNET_INVALID_URL for an address that cannot be taken apart. Blanks, control
// characters and non-ASCII characters are sent %-escaped (UTF-8).
DWORD UrlFromWide(const WCHAR* address, std::string* url);
