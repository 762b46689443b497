// .ipuz: a JSON document (some files wrap it in "ipuz(...)") whose "version" names the format
// and whose "kind" says which puzzle it is. Only crosswords are read: an acrostic, a coded
// puzzle, bars and clue lists beside Across and Down are refused with their reason.
#include <nlohmann/json.hpp>

#include "clue_markup.h"
#include "formats_internal.h"

namespace {

using Json = nlohmann::json;

// The JSON text inside an "ipuz(...)" wrapper, or the whole text.
std::string_view Unwrapped(std::string_view text)
{
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || text.compare(start, 5, "ipuz(") != 0)
        return text;
    const size_t close = text.find_last_of(')');
    if (close == std::string_view::npos || close < start + 5)
        return text;
    return text.substr(start + 5, close - start - 5);
}

// One bounded pass outside strings: refuses nesting deeper than kMaxJsonDepth and drops the
// commas right before "]" or "}", which some writers leave and the JSON parser would not take.
bool Prepare(std::string_view in, std::string* out)
{
    out->clear();
    out->reserve(in.size());
    int depth = 0;
    bool inString = false;
    size_t pendingComma = std::string::npos;  // where the last comma outside a string went
    for (size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (inString) {
            *out += c;
            if (c == '\\' && i + 1 < in.size())
                *out += in[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == ']' || c == '}') {
            if (pendingComma != std::string::npos)
                out->erase(pendingComma, 1);
            --depth;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxJsonDepth)
                return false;
        }
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            pendingComma = std::string::npos;
        if (c == ',')
            pendingComma = out->size();
        if (c == '"')
            inString = true;
        *out += c;
    }
    return true;
}

std::string Text(const Json& j)
{
    if (j.is_string())
        return j.get_ref<const std::string&>();
    if (j.is_number_integer())
        return std::to_string(j.get<int64_t>());
    return "";
}

std::string Field(const Json& root, const char* key)
{
    const auto it = root.find(key);
    return it == root.end() ? "" : HtmlToText(Text(*it));
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

// The kinds of puzzle the file names, each checked against what the game plays.
ReadResult CheckKind(const Json& root, PuzzleDocument* out)
{
    const auto kinds = root.find("kind");
    bool crossword = false;
    if (kinds != root.end() && kinds->is_array()) {
        for (const Json& k : *kinds) {
            const std::string kind = Text(k);
            if (Contains(kind, "acrostic"))
                return Refuse(kDocumentAcrostic, kAcrosticText);
            if (Contains(kind, "coded"))
                return Refuse(kDocumentCoded, kCodedText);
            if (Contains(kind, "diagramless"))
                out->diagramless = true;
            crossword = crossword || Contains(kind, "ipuz.org/crossword");
        }
    }
    if (!crossword)
        return Refuse(kDocumentUnknownFormat, "This puzzle is not a crossword.");
    return {};
}

struct IpuzGrid {
    std::vector<int> numbers;  // the file's number per square, 0 none
    bool barred = false;       // a square has a bar on an edge
};

void ReadStyle(const Json& style, DocumentCell* cell, IpuzGrid* grid)
{
    if (!style.is_object())
        return;
    const auto shape = style.find("shapebg");
    if (shape != style.end() && Text(*shape) == "circle")
        cell->circled = true;
    const auto barred = style.find("barred");
    if (barred != style.end() && !Text(*barred).empty())
        grid->barred = true;
    for (const char* colour : {"color", "colour", "highlight"}) {
        const auto it = style.find(colour);
        if (it != style.end() && !(it->is_boolean() && !it->get<bool>()) && !it->is_null())
            cell->shaded = true;
    }
}

// One square of "puzzle": null is outside the puzzle, the block mark a block, a number the
// file's number, the empty mark an open square; an object adds a style and a given letter.
void ReadPuzzleCell(const Json& j, const std::string& block, const std::string& empty,
                    DocumentCell* cell, int* number, IpuzGrid* grid)
{
    const Json* value = &j;
    if (j.is_object()) {
        const auto style = j.find("style");
        if (style != j.end())
            ReadStyle(*style, cell, grid);
        const auto given = j.find("value");
        if (given != j.end())
            cell->given = Trimmed(Text(*given));
        const auto inner = j.find("cell");
        static const Json kOpen = 0;
        value = inner == j.end() ? &kOpen : &*inner;
    }
    if (value->is_null()) {
        cell->block = cell->isVoid = true;
        return;
    }
    const std::string text = Text(*value);
    if (text == block) {
        cell->block = true;
        return;
    }
    const int n = text == empty ? -1 : LabelNumber(text);
    *number = n > 0 ? n : 0;
}

ReadResult ReadPuzzleGrid(const Json& root, PuzzleDocument* out, IpuzGrid* grid)
{
    const auto dims = root.find("dimensions");
    if (dims == root.end() || !dims->is_object())
        return Damaged("it gives no dimensions");
    const auto w = dims->find("width");
    const auto h = dims->find("height");
    if (w == dims->end() || h == dims->end() || !w->is_number_integer() ||
        !h->is_number_integer() || w->get<int64_t>() < 1 || h->get<int64_t>() < 1)
        return Damaged("its dimensions are not two positive numbers");
    if (w->get<int64_t>() > kDocumentMaxSide || h->get<int64_t>() > kDocumentMaxSide ||
        w->get<int64_t>() * h->get<int64_t>() > kDocumentMaxCells)
        return Refuse(kDocumentBeyondCapacity,
                      "The grid is " + std::to_string(w->get<int64_t>()) + " x " +
                          std::to_string(h->get<int64_t>()) +
                          " squares; the game holds at most 99 a side and 1600 in all.");
    out->width = int(w->get<int64_t>());
    out->height = int(h->get<int64_t>());
    const size_t n = size_t(out->width) * size_t(out->height);
    out->cells.assign(n, DocumentCell{});
    grid->numbers.assign(n, 0);
    const std::string block = root.contains("block") ? Text(root["block"]) : "#";
    const std::string empty = root.contains("empty") ? Text(root["empty"]) : "0";
    const auto puzzle = root.find("puzzle");
    if (puzzle == root.end() || !puzzle->is_array() || puzzle->size() != size_t(out->height))
        return Damaged("its puzzle grid does not have the rows its dimensions say");
    for (int r = 0; r < out->height; ++r) {
        const Json& row = (*puzzle)[size_t(r)];
        if (!row.is_array() || row.size() != size_t(out->width))
            return Damaged("a row of its puzzle grid is not as wide as its dimensions say");
        for (int c = 0; c < out->width; ++c) {
            const size_t i = size_t(r * out->width + c);
            ReadPuzzleCell(row[size_t(c)], block, empty, &out->cells[i], &grid->numbers[i], grid);
        }
    }
    return {};
}

// The letters of a solution or saved grid square: a string or an object's "value"; "" for a
// block, null or a square left open.
std::string Letters(const Json& j, const std::string& block, const std::string& empty)
{
    const Json& value = j.is_object() && j.contains("value") ? j["value"] : j;
    const std::string text = Trimmed(Text(value));
    return text == block || text == empty ? "" : text;
}

void ReadLetterGrid(const Json& root, const char* key, PuzzleDocument* out, bool solution)
{
    const auto grid = root.find(key);
    const std::string block = root.contains("block") ? Text(root["block"]) : "#";
    const std::string empty = root.contains("empty") ? Text(root["empty"]) : "0";
    const bool usable = grid != root.end() && grid->is_array();
    for (int r = 0; r < out->height; ++r) {
        const Json* row = usable && size_t(r) < grid->size() ? &(*grid)[size_t(r)] : nullptr;
        for (int c = 0; c < out->width; ++c) {
            DocumentCell& cell = out->cells[size_t(r * out->width + c)];
            const std::string letters = row && row->is_array() && size_t(c) < row->size()
                                            ? Letters((*row)[size_t(c)], block, empty)
                                            : "";
            (solution ? cell.solution : cell.saved) = cell.block ? "" : letters;
        }
    }
}

// Clue squares are [column, row] from 1; some writers count from 0, which a 0 anywhere shows.
bool CountsFromZero(const Json& lists)
{
    for (const auto& [name, list] : lists.items()) {
        if (!list.is_array())
            continue;
        for (const Json& clue : list) {
            if (!clue.is_object() || !clue.contains("cells") || !clue["cells"].is_array())
                continue;
            for (const Json& xy : clue["cells"]) {
                if (xy.is_array() && xy.size() == 2 &&
                    ((xy[0].is_number_integer() && xy[0] == 0) ||
                     (xy[1].is_number_integer() && xy[1] == 0)))
                    return true;
            }
        }
    }
    return false;
}

FileClue ReadClue(const Json& j, const PuzzleDocument& d, int base)
{
    FileClue clue;
    if (j.is_string()) {
        clue.text = HtmlToText(j.get_ref<const std::string&>());
    } else if (j.is_array() && j.size() >= 2) {
        clue.label = Trimmed(Text(j[0]));
        clue.text = HtmlToText(Text(j[1]));
    } else if (j.is_object()) {
        clue.label = j.contains("number") ? Trimmed(Text(j["number"])) : "";
        clue.text = j.contains("clue") ? HtmlToText(Text(j["clue"])) : "";
        const auto cells = j.find("cells");
        if (cells != j.end() && cells->is_array()) {
            for (const Json& xy : *cells) {
                const bool pair = xy.is_array() && xy.size() == 2 && xy[0].is_number_integer() &&
                                  xy[1].is_number_integer();
                const int64_t x = pair ? xy[0].get<int64_t>() - base : -1;
                const int64_t y = pair ? xy[1].get<int64_t>() - base : -1;
                clue.cells.push_back(
                    x >= 0 && y >= 0 && x < d.width && y < d.height ? int(y * d.width + x) : -1);
            }
        }
    }
    clue.number = LabelNumber(clue.label);
    return clue;
}

// "Across", "Down" and "Across:Their title"; any other list that holds a clue refuses the
// puzzle.
ReadResult ReadClueLists(const Json& root, const PuzzleDocument& d, std::vector<FileClue>* across,
                         std::vector<FileClue>* down)
{
    const auto lists = root.find("clues");
    if (lists == root.end() || !lists->is_object())
        return {};
    const int base = CountsFromZero(*lists) ? 0 : 1;
    for (const auto& [name, list] : lists->items()) {
        std::string direction = name.substr(0, name.find(':'));
        for (char& c : direction)
            c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
        std::vector<FileClue>* target = direction == "across" ? across
                                        : direction == "down" ? down
                                                              : nullptr;
        if (!list.is_array())
            return Damaged("its clue list " + name + " is not a list");
        if (!target && !list.empty())
            return OtherClueLists(name);
        if (target && list.size() > size_t(kMaxClueLines))
            return Refuse(kDocumentTooLarge, "The file lists more clues than a grid can have.");
        for (const Json& clue : list)
            target->push_back(ReadClue(clue, d, base));
    }
    return {};
}

}  // namespace

ReadResult ReadIpuz(std::string_view bytes, PuzzleDocument* out)
{
    std::string text;
    if (!Prepare(Unwrapped(bytes), &text))
        return Damaged("its JSON nests deeper than a puzzle needs");
    const Json root = Json::parse(text, nullptr, false);
    if (root.is_discarded() || !root.is_object())
        return Damaged("it is not valid JSON");
    if (!Contains(Text(root.value("version", Json())), "ipuz.org"))
        return Refuse(kDocumentUnknownFormat, "This JSON file is not an ipuz puzzle.");
    ReadResult result = CheckKind(root, out);
    IpuzGrid grid;
    if (result.refusal == kDocumentAccepted)
        result = ReadPuzzleGrid(root, out, &grid);
    if (result.refusal != kDocumentAccepted)
        return result;
    if (grid.barred)
        return Refuse(kDocumentBarred, kBarredText);
    // Clues listed apart from their words (alphabetised, for the solver to place) belong to
    // no word the game could show them with.
    const auto fakeGroups = root.find("fakecluegroups");
    const auto fakeClues = root.find("fakeclues");
    if ((fakeClues != root.end() && fakeClues->is_boolean() && fakeClues->get<bool>()) ||
        (fakeGroups != root.end() && fakeGroups->is_array() && !fakeGroups->empty()))
        return Refuse(kDocumentUnmatchedClue, kUnplacedCluesText);
    out->hasSolution = root.contains("solution");
    ReadLetterGrid(root, "solution", out, true);
    ReadLetterGrid(root, "saved", out, false);
    std::vector<FileClue> across;
    std::vector<FileClue> down;
    result = ReadClueLists(root, *out, &across, &down);
    if (result.refusal != kDocumentAccepted)
        return result;
    out->title = Field(root, "title");
    out->author = Field(root, "author");
    out->copyright = Field(root, "copyright");
    out->notes = Field(root, "notes");
    return AttachClues(out, across, down, grid.numbers);
}
