// .jpz: the XML of the crossword construction program, its applet or its puzzle element at
// the root, with or without namespaces. The parser is told nothing of document types, so no
// DTD is loaded, no external entity fetched and no entity of the file's own expanded.
#include <map>

#include <pugixml.hpp>

#include "clue_markup.h"
#include "formats_internal.h"

namespace {

constexpr int kMaxMarkupDepth = 16;

std::string_view LocalName(const pugi::xml_node& node)
{
    const std::string_view name = node.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view name)
{
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == name)
            return child;
    }
    return {};
}

// An element's content as markup again: its text and its child elements as bare tags, for
// the clue markup to turn into plain text. Deeper nesting than any clue has is dropped.
void AppendMarkup(const pugi::xml_node& node, int depth, std::string* out)
{
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            *out += child.value();
        } else if (child.type() == pugi::node_element && depth < kMaxMarkupDepth) {
            const std::string name(LocalName(child));
            *out += "<" + name + ">";
            AppendMarkup(child, depth + 1, out);
            *out += "</" + name + ">";
        }
    }
}

std::string PlainText(const pugi::xml_node& node)
{
    std::string markup;
    AppendMarkup(node, 0, &markup);
    return HtmlToText(markup);
}

bool IsTrue(const pugi::xml_attribute& a)
{
    const std::string_view v = a.value();
    return v == "true" || v == "1";
}

// "3" or "3-5", counted from 1; false when it is neither or runs past `limit`.
bool ReadRange(std::string_view text, int limit, int* first, int* last)
{
    const size_t dash = text.find('-');
    *first = LabelNumber(text.substr(0, dash));
    *last = dash == std::string_view::npos ? *first : LabelNumber(text.substr(dash + 1));
    return *first >= 1 && *last >= *first && *last <= limit;
}

// Adds the squares of one "cells" (or word) element's x and y ranges to `cells`.
bool AddCells(const pugi::xml_node& node, const PuzzleDocument& d, std::vector<int>* cells)
{
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    if (!ReadRange(node.attribute("x").value(), d.width, &x0, &x1) ||
        !ReadRange(node.attribute("y").value(), d.height, &y0, &y1))
        return false;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (cells->size() > size_t(kDocumentMaxSide))
                return false;
            cells->push_back((y - 1) * d.width + (x - 1));
        }
    }
    return true;
}

bool Coloured(std::string_view colour)
{
    std::string c;
    for (char ch : colour)
        c += char(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
    return !c.empty() && c != "#ffffff" && c != "#fff" && c != "white" && c != "none";
}

struct JpzGrid {
    std::vector<int> numbers;  // the file's number per square, 0 none
    bool barred = false;
};

void ReadCell(const pugi::xml_node& node, DocumentCell* cell, int* number, JpzGrid* grid)
{
    const std::string_view type = node.attribute("type").value();
    cell->block = type == "block" || type == "void";
    cell->isVoid = type == "void";
    if (cell->block)
        return;
    cell->solution = Trimmed(node.attribute("solution").value());
    const std::string state = Trimmed(node.attribute("solve-state").value());
    if (type == "clue" || IsTrue(node.attribute("hint")))
        cell->given = cell->solution.empty() ? state : cell->solution;
    else
        cell->saved = state;
    const int n = LabelNumber(node.attribute("number").value());
    *number = n > 0 ? n : 0;
    cell->circled = std::string_view(node.attribute("background-shape").value()) == "circle";
    cell->shaded = Coloured(node.attribute("background-color").value());
    for (const char* bar : {"top-bar", "bottom-bar", "left-bar", "right-bar"}) {
        if (IsTrue(node.attribute(bar)))
            grid->barred = true;
    }
}

ReadResult ReadGrid(const pugi::xml_node& puzzle, PuzzleDocument* out, JpzGrid* grid)
{
    const pugi::xml_node g = Child(puzzle, "grid");
    const int w = LabelNumber(g.attribute("width").value());
    const int h = LabelNumber(g.attribute("height").value());
    if (!g || w < 1 || h < 1)
        return Damaged("its grid has no size");
    if (w > kDocumentMaxSide || h > kDocumentMaxSide || w * h > kDocumentMaxCells)
        return Refuse(kDocumentBeyondCapacity,
                      "The grid is " + std::to_string(w) + " x " + std::to_string(h) +
                          " squares; the game holds at most 99 a side and 1600 in all.");
    out->width = w;
    out->height = h;
    out->cells.assign(size_t(w * h), DocumentCell{});
    grid->numbers.assign(size_t(w * h), 0);
    std::vector<bool> seen(size_t(w * h), false);
    for (pugi::xml_node node : g.children()) {
        if (node.type() != pugi::node_element || LocalName(node) != "cell")
            continue;
        const int x = LabelNumber(node.attribute("x").value());
        const int y = LabelNumber(node.attribute("y").value());
        if (x < 1 || y < 1 || x > w || y > h)
            return Damaged("a square lies outside its grid");
        const size_t i = size_t((y - 1) * w + (x - 1));
        seen[i] = true;
        ReadCell(node, &out->cells[i], &grid->numbers[i], grid);
    }
    // A square the file never describes is no part of the puzzle.
    for (size_t i = 0; i < seen.size(); ++i) {
        if (!seen[i])
            out->cells[i].block = out->cells[i].isVoid = true;
    }
    return {};
}

ReadResult ReadWords(const pugi::xml_node& puzzle, const PuzzleDocument& d,
                     std::map<std::string, std::vector<int>>* words)
{
    for (pugi::xml_node node : puzzle.children()) {
        if (node.type() != pugi::node_element || LocalName(node) != "word")
            continue;
        if (words->size() > size_t(kMaxClueLines))
            return Refuse(kDocumentTooLarge, "The file lists more words than a grid can have.");
        std::vector<int>& cells = (*words)[node.attribute("id").value()];
        cells.clear();
        bool good = !node.attribute("x") || AddCells(node, d, &cells);
        for (pugi::xml_node part : node.children()) {
            if (part.type() == pugi::node_element && LocalName(part) == "cells")
                good = good && AddCells(part, d, &cells);
        }
        if (!good)
            cells.assign(1, -1);  // names no square of the grid, so no word either
    }
    return {};
}

ReadResult ReadClues(const pugi::xml_node& puzzle,
                     const std::map<std::string, std::vector<int>>& words,
                     std::vector<FileClue>* across, std::vector<FileClue>* down)
{
    int list = 0;
    for (pugi::xml_node node : puzzle.children()) {
        if (node.type() != pugi::node_element || LocalName(node) != "clues")
            continue;
        std::string title = PlainText(Child(node, "title"));
        for (char& c : title)
            c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (title.empty())
            title = list == 0 ? "across" : list == 1 ? "down" : "";
        ++list;
        std::vector<FileClue>* target = title == "across" ? across
                                        : title == "down" ? down
                                                          : nullptr;
        if (!target)
            return OtherClueLists(PlainText(Child(node, "title")));
        if (IsTrue(node.attribute("fake")))
            return Refuse(kDocumentUnmatchedClue, kUnplacedCluesText);
        for (pugi::xml_node c : node.children()) {
            if (c.type() != pugi::node_element || LocalName(c) != "clue")
                continue;
            if (target->size() >= size_t(kMaxClueLines))
                return Refuse(kDocumentTooLarge, "The file lists more clues than a grid can have.");
            FileClue clue;
            clue.label = Trimmed(c.attribute("number").value());
            clue.number = LabelNumber(clue.label);
            const auto word = words.find(c.attribute("word").value());
            if (word != words.end())
                clue.cells = word->second;
            clue.text = PlainText(c);
            target->push_back(std::move(clue));
        }
    }
    return {};
}

}  // namespace

ReadResult ReadJpz(std::string_view bytes, PuzzleDocument* out)
{
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed =
        xml.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed)
        return Damaged(std::string("its XML is broken (") + parsed.description() + ")");
    pugi::xml_node root = xml.document_element();
    const std::string_view rootName = LocalName(root);
    if (rootName != "crossword-compiler-applet" && rootName != "crossword-compiler" &&
        rootName != "rectangular-puzzle")
        return Refuse(kDocumentUnknownFormat, "This XML file is not a crossword the game knows.");
    const pugi::xml_node rect =
        rootName == "rectangular-puzzle" ? root : Child(root, "rectangular-puzzle");
    if (!rect)
        return Damaged("it holds no puzzle");
    if (Child(rect, "acrostic"))
        return Refuse(kDocumentAcrostic, kAcrosticText);
    if (Child(rect, "coded"))
        return Refuse(kDocumentCoded, kCodedText);
    const pugi::xml_node puzzle = Child(rect, "crossword");
    if (!puzzle)
        return Refuse(kDocumentUnknownFormat, "This puzzle is not a crossword.");
    JpzGrid grid;
    ReadResult result = ReadGrid(puzzle, out, &grid);
    if (result.refusal != kDocumentAccepted)
        return result;
    if (grid.barred)
        return Refuse(kDocumentBarred, kBarredText);
    std::map<std::string, std::vector<int>> words;
    std::vector<FileClue> across;
    std::vector<FileClue> down;
    result = ReadWords(puzzle, *out, &words);
    if (result.refusal == kDocumentAccepted)
        result = ReadClues(puzzle, words, &across, &down);
    if (result.refusal != kDocumentAccepted)
        return result;
    const pugi::xml_node meta = Child(rect, "metadata");
    out->title = PlainText(Child(meta, "title"));
    out->author = PlainText(Child(meta, "creator"));
    out->copyright = PlainText(Child(meta, "copyright"));
    out->notes = PlainText(Child(meta, "description"));
    if (out->notes.empty())
        out->notes = PlainText(Child(meta, "instructions"));
    return AttachClues(out, across, down, grid.numbers);
}
