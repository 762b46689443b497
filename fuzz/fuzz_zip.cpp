// Any bytes as a ZIP archive holding one puzzle file: the archive is refused with a sentence
// or gives an entry no larger than the readers' bound, and that entry goes on through the
// reader that chooses the format, whose document must become an image the game takes.
#include "formats_fuzz_check.h"
#include "formats_internal.h"
#include "read_puzzle_document.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitializeFormatsFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string puzzle;
    const ReadResult result =
        ExtractArchivePuzzle(std::string_view(reinterpret_cast<const char*>(data), size), &puzzle);
    if (result.refusal != kDocumentAccepted) {
        Require(!result.reason.empty());
        return 0;
    }
    Require(puzzle.size() <= size_t(kDocumentMaxInput));
    PuzzleDocument document;
    std::string reason;
    const DocumentRefusal refusal =
        ReadPuzzleDocument(puzzle.data(), puzzle.size(), &document, &reason);
    CheckDocument(refusal, reason, document);
    return 0;
}
