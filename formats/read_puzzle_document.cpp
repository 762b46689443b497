// Choosing the reader by what the bytes are: the .puz magic, a ZIP signature, JSON, XML, or
// the lines of an .xd; then the sentences of the refusals every reader shares.
#include "read_puzzle_document.h"

#include <cstring>

#include "formats_internal.h"
#include "puz_layout.h"

const char kAcrosticText[] = "This is an acrostic, which the game cannot play.";
const char kBarredText[] = "Barred grids are not supported.";
const char kCodedText[] = "This is a coded puzzle, which the game cannot play.";
const char kUnplacedCluesText[] =
    "Its clues are not tied to the words of the grid, which the game cannot play.";

ReadResult OtherClueLists(const std::string& name)
{
    return Refuse(kDocumentOtherClueLists,
                  "Clue lists other than Across and Down are not supported (" + name + ").");
}

namespace {

bool HasPuzMagic(std::string_view bytes)
{
    return bytes.find(std::string_view(puz::kMagic, sizeof puz::kMagic)) != std::string_view::npos;
}

// The text after a byte-order mark and white space.
std::string_view Start(std::string_view bytes)
{
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.remove_prefix(3);
    const size_t first = bytes.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : bytes.substr(first);
}

ReadResult Choose(std::string_view bytes, bool inArchive, PuzzleDocument* out)
{
    if (bytes.size() > size_t(kDocumentMaxInput))
        return Refuse(kDocumentTooLarge, "The file is larger than 4 MB.");
    if (IsArchive(bytes)) {
        if (inArchive)
            return Refuse(kDocumentUnknownFormat, "The archive holds another archive.");
        std::string inner;
        const ReadResult result = ExtractArchivePuzzle(bytes, &inner);
        return result.refusal != kDocumentAccepted ? result : Choose(inner, true, out);
    }
    if (HasPuzMagic(bytes))
        return ReadPuz(bytes, out);
    const std::string_view start = Start(bytes);
    if (!start.empty() && (start[0] == '{' || start.compare(0, 5, "ipuz(") == 0))
        return ReadIpuz(start, out);
    if (!start.empty() && start[0] == '<')
        return ReadJpz(bytes, out);
    if (LooksLikeXd(bytes))
        return ReadXd(bytes, out);
    return Refuse(kDocumentUnknownFormat,
                  "The file is not a crossword the game reads (.puz, .ipuz, .jpz or .xd).");
}

}  // namespace

DocumentRefusal ReadPuzzleDocument(const void* bytes, size_t size, PuzzleDocument* out,
                                   std::string* reason)
{
    *out = PuzzleDocument{};
    ReadResult result =
        bytes || size == 0
            ? Choose(std::string_view(static_cast<const char*>(bytes), size), false, out)
            : Refuse(kDocumentUnknownFormat, "There is no file.");
    if (result.refusal != kDocumentAccepted)
        *out = PuzzleDocument{};
    if (reason)
        *reason = result.reason;
    return result.refusal;
}
