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

// The reader the bytes call for, by their first bytes and marks alone.
enum class Kind { kArchive, kPuz, kIpuz, kJpz, kXd, kUnknown };

Kind KindOf(std::string_view bytes)
{
    if (IsArchive(bytes))
        return Kind::kArchive;
    if (HasPuzMagic(bytes))
        return Kind::kPuz;
    const std::string_view start = Start(bytes);
    if (!start.empty() && (start[0] == '{' || start.compare(0, 5, "ipuz(") == 0))
        return Kind::kIpuz;
    if (!start.empty() && start[0] == '<')
        return Kind::kJpz;
    return LooksLikeXd(bytes) ? Kind::kXd : Kind::kUnknown;
}

ReadResult Choose(std::string_view bytes, bool inArchive, PuzzleDocument* out)
{
    if (bytes.size() > size_t(kDocumentMaxInput))
        return Refuse(kDocumentTooLarge, "The file is larger than 4 MB.");
    switch (KindOf(bytes)) {
    case Kind::kArchive: {
        if (inArchive)
            return Refuse(kDocumentUnknownFormat, "The archive holds another archive.");
        std::string inner;
        const ReadResult result = ExtractArchivePuzzle(bytes, &inner);
        return result.refusal != kDocumentAccepted ? result : Choose(inner, true, out);
    }
    case Kind::kPuz: return ReadPuz(bytes, out);
    case Kind::kIpuz: return ReadIpuz(Start(bytes), out);
    case Kind::kJpz: return ReadJpz(bytes, out);
    case Kind::kXd: return ReadXd(bytes, out);
    case Kind::kUnknown: break;
    }
    return Refuse(kDocumentUnknownFormat,
                  "The file is not a crossword the game reads (.puz, .ipuz, .jpz or .xd).");
}

// The extension of the reader Choose would take; an archive is named by the file inside it.
const char* ExtensionOf(std::string_view bytes, bool inArchive)
{
    switch (KindOf(bytes)) {
    case Kind::kArchive: {
        std::string inner;
        if (inArchive || ExtractArchivePuzzle(bytes, &inner).refusal != kDocumentAccepted)
            return ".jpz";
        return ExtensionOf(inner, true);
    }
    case Kind::kIpuz: return ".ipuz";
    case Kind::kJpz: return ".jpz";
    case Kind::kXd: return ".xd";
    case Kind::kPuz:
    case Kind::kUnknown: break;
    }
    return ".puz";
}

}  // namespace

const char* DocumentExtension(const void* bytes, size_t size)
{
    return bytes ? ExtensionOf(std::string_view(static_cast<const char*>(bytes), size), false)
                 : ".puz";
}

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
