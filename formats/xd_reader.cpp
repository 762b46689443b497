// .xd: plain UTF-8 text. Older files are sections parted by two blank lines (metadata, grid,
// clues, notes); newer ones name theirs with "## " headers and may add a design (circles,
// colours, bars) and a start grid (given letters). Clues are "A1. text ~ ANSWER"; the grid is
// numbered the standard way, so a clue's number is the game's.
#include <map>

#include "clue_markup.h"
#include "formats_internal.h"

namespace {

constexpr size_t kMaxLines = 8000;

struct XdSections {
    std::vector<std::string> metadata;
    std::vector<std::string> grid;
    std::vector<std::string> clues;
    std::vector<std::string> notes;
    std::vector<std::string> design;
    std::vector<std::string> start;
};

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return out;
}

// The text without its HTML comments; an unclosed one runs to the end.
std::string WithoutComments(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find("<!--", at);
        out.append(text.substr(at, open == std::string_view::npos ? open : open - at));
        if (open == std::string_view::npos)
            break;
        const size_t close = text.find("-->", open + 4);
        at = close == std::string_view::npos ? text.size() : close + 3;
    }
    return out;
}

bool SplitLines(std::string_view text, std::vector<std::string>* lines)
{
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(at, end - at));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        lines->push_back(std::move(line));
        if (lines->size() > kMaxLines)
            return false;
        at = end + 1;
    }
    return true;
}

bool IsHeader(const std::string& line)
{
    return line.compare(0, 3, "## ") == 0;
}

std::vector<std::string>* NamedSection(XdSections* s, const std::string& header)
{
    const std::string name = Lower(Trimmed(std::string_view(header).substr(3)));
    if (name == "metadata")
        return &s->metadata;
    if (name == "grid")
        return &s->grid;
    if (name == "clues")
        return &s->clues;
    if (name == "notes")
        return &s->notes;
    if (name == "design")
        return &s->design;
    if (name == "start")
        return &s->start;
    return nullptr;  // a section the game has no use for
}

void Split(const std::vector<std::string>& lines, XdSections* s)
{
    bool headed = false;
    for (const std::string& line : lines)
        headed = headed || IsHeader(line);
    if (headed) {
        std::vector<std::string>* current = nullptr;
        for (const std::string& line : lines) {
            if (IsHeader(line))
                current = NamedSection(s, line);
            else if (current)
                current->push_back(line);
        }
        return;
    }
    // Older files: sections parted by two or more blank lines.
    std::vector<std::string>* order[] = {&s->metadata, &s->grid, &s->clues, &s->notes};
    size_t section = 0;
    int blanks = 0;
    bool started = false;
    for (const std::string& line : lines) {
        if (line.empty()) {
            ++blanks;
            continue;
        }
        if (started && blanks >= 2 && section + 1 < std::size(order))
            ++section;
        for (int k = 0; started && blanks > 0 && blanks < 2 && k < blanks; ++k)
            order[section]->push_back("");
        blanks = 0;
        started = true;
        order[section]->push_back(line);
    }
}

// Splits a line into UTF-8 characters.
std::vector<std::string> Characters(const std::string& line)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < line.size();) {
        size_t n = 1;
        while (i + n < line.size() && (uint8_t(line[i + n]) & 0xC0) == 0x80)
            ++n;
        out.push_back(line.substr(i, n));
        i += n;
    }
    return out;
}

std::vector<std::string> NonBlank(const std::vector<std::string>& lines)
{
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        const std::string t = Trimmed(line);
        if (!t.empty())
            out.push_back(t);
    }
    return out;
}

struct XdMetadata {
    std::map<std::string, std::string> fields;  // lower-case key -> value
    std::map<std::string, std::string> rebus;   // grid character -> letters
};

void ReadMetadata(const std::vector<std::string>& lines, XdMetadata* meta)
{
    for (const std::string& line : lines) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos || colon == 0)
            continue;
        const std::string key = Lower(Trimmed(std::string_view(line).substr(0, colon)));
        if (!meta->fields.count(key))
            meta->fields[key] = Trimmed(std::string_view(line).substr(colon + 1));
    }
    // "rebus: 1=ONE 2=TWO"
    const std::string& rebus = meta->fields["rebus"];
    size_t at = 0;
    while (at < rebus.size()) {
        size_t end = rebus.find(' ', at);
        if (end == std::string::npos)
            end = rebus.size();
        const std::string pair = rebus.substr(at, end - at);
        const size_t eq = pair.find('=');
        if (eq != std::string::npos && eq > 0)
            meta->rebus[pair.substr(0, eq)] = pair.substr(eq + 1);
        at = end + 1;
    }
}

ReadResult ReadGrid(const std::vector<std::string>& rows, const XdMetadata& meta,
                    PuzzleDocument* out)
{
    const std::vector<std::string> lines = NonBlank(rows);
    if (lines.empty())
        return Damaged("it has no grid");
    std::vector<std::vector<std::string>> grid;
    for (const std::string& line : lines) {
        grid.push_back(Characters(line));
        if (grid.back().size() != grid.front().size())
            return Damaged("the rows of its grid differ in length");
    }
    const size_t w = grid.front().size();
    const size_t h = grid.size();
    if (w > size_t(kDocumentMaxSide) || h > size_t(kDocumentMaxSide) ||
        w * h > size_t(kDocumentMaxCells))
        return Refuse(kDocumentBeyondCapacity,
                      "The grid is " + std::to_string(w) + " x " + std::to_string(h) +
                          " squares; the game holds at most 99 a side and 1600 in all.");
    out->width = int(w);
    out->height = int(h);
    out->cells.assign(w * h, DocumentCell{});
    for (size_t r = 0; r < h; ++r) {
        for (size_t c = 0; c < w; ++c) {
            DocumentCell& cell = out->cells[r * w + c];
            const std::string& ch = grid[r][c];
            if (ch == "#" || ch == ".") {
                cell.block = true;
                continue;
            }
            const auto rebus = meta.rebus.find(ch);
            std::string letters = rebus != meta.rebus.end() ? rebus->second : ch == "_" ? "" : ch;
            for (char& l : letters)
                l = char(l >= 'a' && l <= 'z' ? l - 32 : l);
            cell.solution = letters;
        }
    }
    return {};
}

// A clue line: "A1. text ~ ANSWER". Lines of other shapes ("A1 ^Hint: ...") are no clue.
bool ReadClueLine(const std::string& line, bool* down, FileClue* clue)
{
    if (line.size() < 3 || (line[0] != 'A' && line[0] != 'D'))
        return false;
    size_t at = 1;
    while (at < line.size() && at < 8 && line[at] >= '0' && line[at] <= '9')
        ++at;
    if (at == 1 || at >= line.size() || line[at] != '.')
        return false;
    *down = line[0] == 'D';
    clue->label = line.substr(1, at - 1);
    clue->number = LabelNumber(clue->label);
    std::string_view text = std::string_view(line).substr(at + 1);
    const size_t answer = text.rfind(" ~ ");
    if (answer != std::string_view::npos)
        text = text.substr(0, answer);
    else if (text.size() >= 2 && text.substr(text.size() - 2) == " ~")
        text = text.substr(0, text.size() - 2);
    clue->text = XdMarkupToText(text);
    return true;
}

ReadResult ReadClues(const std::vector<std::string>& lines, std::vector<FileClue>* across,
                     std::vector<FileClue>* down)
{
    for (const std::string& raw : lines) {
        const std::string line = Trimmed(raw);
        bool isDown = false;
        FileClue clue;
        if (!ReadClueLine(line, &isDown, &clue))
            continue;
        std::vector<FileClue>* target = isDown ? down : across;
        if (target->size() >= size_t(kMaxClueLines))
            return Refuse(kDocumentTooLarge, "The file lists more clues than a grid can have.");
        target->push_back(std::move(clue));
    }
    return {};
}

// The design: a <style> block naming what each letter means, then a grid of those letters.
bool ReadDesign(const std::vector<std::string>& lines, PuzzleDocument* out, bool* barred)
{
    std::map<std::string, std::string> styles;  // letter -> its properties, lower case
    std::vector<std::string> rows;
    bool inStyle = false;
    for (const std::string& raw : lines) {
        const std::string line = Trimmed(raw);
        if (line.find("<style>") != std::string::npos)
            inStyle = true;
        if (inStyle) {
            const size_t open = line.find('{');
            const size_t close = line.find('}');
            if (open != std::string::npos && close != std::string::npos && close > open) {
                std::string names = line.substr(0, open);
                const size_t tag = names.find("<style>");
                if (tag != std::string::npos)
                    names = names.substr(tag + 7);
                for (const std::string& name : Characters(Trimmed(names))) {
                    if (name != " ")
                        styles[name] = Lower(line.substr(open + 1, close - open - 1));
                }
            }
            if (line.find("</style>") != std::string::npos)
                inStyle = false;
            continue;
        }
        if (!line.empty())
            rows.push_back(line);
    }
    for (size_t r = 0; r < rows.size() && r < size_t(out->height); ++r) {
        const std::vector<std::string> chars = Characters(rows[r]);
        for (size_t c = 0; c < chars.size() && c < size_t(out->width); ++c) {
            const auto style = styles.find(chars[c]);
            if (style == styles.end())
                continue;
            DocumentCell& cell = out->cells[r * size_t(out->width) + c];
            const std::string& p = style->second;
            if (p.find("bar-") != std::string::npos)
                *barred = true;
            if (p.find("circle") != std::string::npos)
                cell.circled = true;
            else if (p.find("background") != std::string::npos && !cell.block)
                cell.shaded = true;
        }
    }
    return true;
}

void ReadStart(const std::vector<std::string>& lines, const XdMetadata& meta, PuzzleDocument* out)
{
    const std::vector<std::string> rows = NonBlank(lines);
    for (size_t r = 0; r < rows.size() && r < size_t(out->height); ++r) {
        const std::vector<std::string> chars = Characters(rows[r]);
        for (size_t c = 0; c < chars.size() && c < size_t(out->width); ++c) {
            DocumentCell& cell = out->cells[r * size_t(out->width) + c];
            const std::string& ch = chars[c];
            if (cell.block || ch == "." || ch == "#" || ch == "_" || ch == " ")
                continue;
            const auto rebus = meta.rebus.find(ch);
            cell.given = rebus != meta.rebus.end() ? rebus->second : ch;
        }
    }
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += (out.empty() ? "" : "\n") + line;
    return Trimmed(out);
}

}  // namespace

bool LooksLikeXd(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos || !IsUtf8(bytes))
        return false;
    bool header = false;
    bool clue = false;
    size_t at = 0;
    while (at < bytes.size() && !header && !clue) {
        size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string line = Trimmed(bytes.substr(at, end - at));
        const std::string lower = Lower(line);
        header = header || lower == "## grid" || lower == "## clues";
        bool down = false;
        FileClue c;
        clue = clue || ReadClueLine(line, &down, &c);
        at = end + 1;
    }
    return header || clue;
}

ReadResult ReadXd(std::string_view bytes, PuzzleDocument* out)
{
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.remove_prefix(3);
    if (!IsUtf8(bytes))
        return Damaged("its text is not UTF-8");
    std::vector<std::string> lines;
    if (!SplitLines(WithoutComments(bytes), &lines))
        return Refuse(kDocumentTooLarge, "The file has more lines than any crossword needs.");
    XdSections sections;
    Split(lines, &sections);
    XdMetadata meta;
    ReadMetadata(sections.metadata, &meta);
    ReadResult result = ReadGrid(sections.grid, meta, out);
    if (result.refusal != kDocumentAccepted)
        return result;
    bool barred = false;
    ReadDesign(sections.design, out, &barred);
    if (barred)
        return Refuse(kDocumentBarred, kBarredText);
    ReadStart(sections.start, meta, out);
    std::vector<FileClue> across;
    std::vector<FileClue> down;
    result = ReadClues(sections.clues, &across, &down);
    if (result.refusal != kDocumentAccepted)
        return result;
    out->title = meta.fields["title"];
    out->author = meta.fields["author"];
    out->copyright = meta.fields["copyright"];
    out->notes = Joined(sections.notes);
    if (out->notes.empty())
        out->notes = meta.fields.count("notes") ? meta.fields["notes"] : meta.fields["description"];
    out->hasSolution = true;
    return AttachClues(out, across, down, {});
}
