// Date fields in a kept download address: a publisher's daily puzzle is one address with the
// day in it ("https://example.com/puzzles/cw{yy}{mm}{dd}.puz"), filled in when it is fetched.
#pragma once

#include "windows.h"

// `written` with {yyyy}, {yy}, {mm}, {dd} (two digits, zero first) and {m}, {d} (no zero)
// replaced by the year, month and day of `day`, into `out` (`outChars` WCHARs, `outChars`
// > 0); a field may be written in capitals; other braces stay as they are. False, with
// `out` cut, when the result does not fit.
bool FillDateFields(LPCWSTR written, const SYSTEMTIME& day, LPWSTR out, int outChars);
