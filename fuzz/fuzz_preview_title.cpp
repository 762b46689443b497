// Any bytes as an installer's puzzle: the preview's title scan stays inside the image and its
// buffer, and says it found a title only when it did.
#include <cstddef>
#include <cstdint>

#include "preview_list.h"
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
    return 0;
}
