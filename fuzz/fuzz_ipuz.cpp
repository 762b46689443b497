// Any bytes as an .ipuz file, given straight to its reader: a refusal comes with a sentence,
// and an accepted document becomes an image the game's reader takes and parses.
#include "formats_fuzz_check.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitializeFormatsFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReader(ReadIpuz, data, size);
    return 0;
}
