// Case folding for the device's case-insensitive names and lstrcmpiW. Platform-internal.
#pragma once

#include <string_view>

// The lower-case form of a UTF-16 code unit for the scripts the device's names use: ASCII,
// Latin-1, Latin Extended-A, basic Greek and Cyrillic. Other units are returned unchanged.
char16_t FoldCase(char16_t c);

// Compares two names unit by unit after FoldCase: <0, 0 or >0, a shorter name that is a prefix
// of the other first. The one case-insensitive order of the device: lstrcmpiW, file names,
// list boxes and the file dialog all sort and match by it.
int CompareFolded(std::u16string_view a, std::u16string_view b);
