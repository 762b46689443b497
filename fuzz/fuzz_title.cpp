// Any bytes as a puzzle image: the title scan (of the download and the installer's preview)
// stays inside the image and its buffer, says it found a title only when it did, and the
// file name a download proposes from the title is at most ten letters and digits.
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
    CheckTitleScan(data, size, [](const uint8_t* bytes, int n, char* title, int titleSize) {
        if (!ScanPuzzleTitle(bytes, n, title, titleSize))
            Require(title[0] == 0);
    });
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
