// What every formats fuzz target checks of a document a reader accepted: it becomes an image,
// or is refused with a sentence, and an image is taken by the game's own reader and parses into
// a grid that keeps every invariant, with the size and word count the document said.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "automation.h"
#include "formats_internal.h"
#include "grid_invariants.h"
#include "puz_image.h"
#include "puzzle_reader.h"
#include "require.h"

inline void CheckDocument(DocumentRefusal refusal, const std::string& reason,
                          const PuzzleDocument& document)
{
    if (refusal != kDocumentAccepted) {
        Require(!reason.empty());
        return;
    }
    Require(document.width > 0 && document.height > 0 &&
            document.cells.size() == size_t(document.width * document.height));
    std::string image;
    std::string why;
    if (WritePuzImage(document, &image, &why) != kDocumentAccepted) {
        Require(!why.empty() && image.empty());
        return;
    }
    Require(LoadPuzzleImage(image.data(), int(image.size())));
    ParsePuzzle(nullptr);
    CheckGridInvariants();
    Require(gGame.width == document.width && gGame.height == document.height);
    Require(gGame.clueCount == int(document.across.size() + document.down.size()));
    AutomationReset();
}

inline void InitializeFormatsFuzzing()
{
    setenv("CROSSWORD_BACKEND", "headless", 1);
    ResetGameState();
}

// One input given straight to one reader, then checked as above.
inline void FuzzReader(ReadResult (*read)(std::string_view, PuzzleDocument*), const uint8_t* data,
                       size_t size)
{
    if (size > size_t(kDocumentMaxInput))
        return;
    PuzzleDocument document;
    const ReadResult result =
        read(std::string_view(reinterpret_cast<const char*>(data), size), &document);
    CheckDocument(result.refusal, result.reason, document);
}
