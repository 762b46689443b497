// Any bytes through the reader that chooses the format by content: a refusal always comes
// with a sentence and an empty document, and an accepted document becomes an image the
// game's reader takes and parses.
#include "formats_fuzz_check.h"
#include "read_puzzle_document.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitializeFormatsFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PuzzleDocument document;
    std::string reason;
    const DocumentRefusal refusal = ReadPuzzleDocument(data, size, &document, &reason);
    if (refusal != kDocumentAccepted)
        Require(document.cells.empty() && document.across.empty() && document.down.empty());
    CheckDocument(refusal, reason, document);
    return 0;
}
