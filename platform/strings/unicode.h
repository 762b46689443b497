// UTF-8 <-> UTF-16 for the platform's own use (host file names, fonts, URLs).
// Platform-internal; programs convert with MultiByteToWideChar / WideCharToMultiByte.
#pragma once

#include <string>
#include <string_view>

// Decodes one code point from UTF-8 at `s` (at most `size` bytes). Sets `*length` to the
// bytes used (at least 1 when size > 0) and returns the code point, or -1 for a malformed
// sequence (overlong, surrogate, above U+10FFFF, truncated, stray continuation byte).
long DecodeUtf8(const unsigned char* s, size_t size, size_t* length);

// Invalid input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
