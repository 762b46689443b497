// Case folding for the device's case-insensitive names and lstrcmpiW. Platform-internal.
#pragma once

// The lower-case form of a UTF-16 code unit for the scripts the device's names use: ASCII,
// Latin-1, Latin Extended-A, basic Greek and Cyrillic. Other units are returned unchanged.
char16_t FoldCase(char16_t c);
