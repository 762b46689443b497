// Any bytes as a downloaded puzzle: the title scan stays inside the answer and its buffer,
// and the file name proposed from the title is at most ten letters and digits.
#include <cstddef>
#include <cstdint>

#include "puzzle_title.h"
#include "title_scan_checks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckTitleScan(data, size, ScanPuzzleTitle);
    char title[256];
    ScanPuzzleTitle(data, int(size), title, sizeof title);
    WCHAR name[MAX_PATH];
    ProposedNameOf(title, name);
    int length = 0;
    for (; name[length]; ++length) {
        const WCHAR c = name[length];
        Require((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'));
    }
    Require(length <= 10);
    return 0;
}
