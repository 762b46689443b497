// The page plan: a header across the top, then the grid in the top right corner spanning some
// of the clue columns, the columns beside it running the page's height and those under it
// starting below it. Every column count and grid size is tried at falling clue sizes; the
// plan kept is the one that balances the largest squares against the largest clue text that
// still puts every clue on page 1.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>

#include "page_layout_internal.h"

namespace {

constexpr double kMargin = 36;       // half an inch on every side
constexpr double kGutter = 14;       // between clue columns, and beside the grid
constexpr double kGridGap = 12;      // between the grid and the clues under it
constexpr double kMinColumn = 88;    // narrower clue columns wrap nearly every clue
constexpr double kSquareCap = 42;    // 15 mm: a small grid is not blown up further
constexpr double kSquareStep = 0.5;  // between the grid sizes tried
constexpr double kReadableClue = 8;  // clue sizes below this are a last resort
constexpr double kClueSizes[] = {10.5, 10, 9.5, 9, 8.5, 8, 7.5, 7, 6.5, 6, 5.5};
constexpr int kNotesLinesUnderHeader = 3;  // longer notes get a page of their own
constexpr int kMostColumns = 5;
constexpr int kContinuedColumns = 4;  // clues that fill more than a page: a newspaper's column

const TextFace kTitleFace = {15, true};
constexpr double kSmallestTitle = 11;
const TextFace kAuthorFace = {10.5};
const TextFace kCopyrightFace = {8.5, false, false, 0.3};
const TextFace kNotesFace = {9.5, false, true};
const TextFace kNotesPageFace = {10.5};
const TextFace kPageHeadFace = {13, true};
const TextFace kPageTitleFace = {9.5, false, false, 0.3};

struct Paper {
    double width;
    double height;
};

Paper PaperPoints(PaperSize paper)
{
    return paper == kPaperLetter ? Paper{612, 792} : Paper{595.276, 841.89};
}

// One entry of the clue flow: a list's heading or a clue.
struct FlowItem {
    bool heading;
    std::string number;       // "" for a heading
    const std::string* text;  // the heading's word or the clue's text
};

const std::string kAcrossWord = "Across";
const std::string kDownWord = "Down";

std::vector<FlowItem> FlowItems(const PrintSheet& sheet)
{
    std::vector<FlowItem> items;
    for (int list = 0; list < 2; ++list) {
        const std::vector<PrintClue>& clues = list == 0 ? sheet.across : sheet.down;
        if (clues.empty())
            continue;
        items.push_back({true, "", list == 0 ? &kAcrossWord : &kDownWord});
        for (const PrintClue& clue : clues)
            items.push_back({false, std::to_string(clue.number), &clue.text});
    }
    return items;
}

TextFace ClueFace(double size, bool bold = false)
{
    return {size, bold};
}

TextFace HeadingFace(double size)
{
    return {size * 1.25, true};
}

// The clue lists at size 1, each on one line. Metrics are unhinted, so every length grows in
// proportion to the size: from these a plan bounds the wrapped heights at any size without
// wrapping anything.
struct UnitMeasure {
    double hang;                 // the widest number and the gap after it
    double numberHeight;         // a line of bold number
    double headingHeight;        //
    double lineHeight;           // a line of clue text
    double space;                // a space's width
    std::vector<double> widths;  // each clue's text on one line; 0 for a heading
};

UnitMeasure MeasureUnit(const std::vector<FlowItem>& items, PangoLayout* scratch)
{
    constexpr double kAt = 10;  // measured at a real size, for the precision
    UnitMeasure u{};
    size_t digits = 1;
    for (const FlowItem& item : items)
        digits = std::max(digits, item.number.size());
    SetTextLayout(scratch, ClueFace(kAt, true), -1, kAlignLeft, std::string(digits, '8'));
    u.hang = LayoutWidth(scratch) / kAt + 0.45;
    u.numberHeight = LayoutHeight(scratch) / kAt;
    SetTextLayout(scratch, HeadingFace(kAt), -1, kAlignLeft, kAcrossWord);
    u.headingHeight = LayoutHeight(scratch) / kAt;
    SetTextLayout(scratch, ClueFace(kAt), -1, kAlignLeft, "x x");
    const double spaced = LayoutWidth(scratch);
    SetTextLayout(scratch, ClueFace(kAt), -1, kAlignLeft, "xx");
    u.space = (spaced - LayoutWidth(scratch)) / kAt;
    u.lineHeight = LayoutHeight(scratch) / kAt;
    for (const FlowItem& item : items) {
        double width = 0;
        if (!item.heading) {
            SetTextLayout(scratch, ClueFace(kAt), -1, kAlignLeft, *item.text);
            width = LayoutWidth(scratch) / kAt;
        }
        u.widths.push_back(width);
    }
    return u;
}

// The clue lists measured for one column width and clue size.
struct Measure {
    double size;                  // clue text size
    double hang;                  // the widest number's room: the clue text starts here
    std::vector<double> heights;  // per flow item
};

// Heights no smaller than the wrapped ones: a line holds at most the column's width, and each
// break drops at most a space.
Measure BoundItems(const std::vector<FlowItem>& items, const UnitMeasure& u, double columnWidth,
                   double size)
{
    Measure m{size, u.hang * size, {}};
    const double room = columnWidth - m.hang + u.space * size;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].heading) {
            m.heights.push_back(u.headingHeight * size);
            continue;
        }
        const double lines = std::max(1.0, std::ceil((u.widths[i] + u.space) * size / room - 1e-6));
        m.heights.push_back(size * std::max(u.numberHeight, lines * u.lineHeight) * (1 - 1e-6));
    }
    return m;
}

// The heights wrapped as they will be drawn.
Measure MeasureItems(const std::vector<FlowItem>& items, const UnitMeasure& u, double columnWidth,
                     double size, PangoLayout* scratch)
{
    Measure m{size, u.hang * size, {}};
    for (const FlowItem& item : items) {
        if (item.heading) {
            m.heights.push_back(u.headingHeight * size);
            continue;
        }
        SetTextLayout(scratch, ClueFace(size), columnWidth - m.hang, kAlignLeft, *item.text);
        m.heights.push_back(std::max(u.numberHeight * size, LayoutHeight(scratch)));
    }
    return m;
}

struct Column {
    int page;
    double x;
    double top;
    double bottom;
};

// Space above item `i` when it does not open a column.
double SpaceBefore(const std::vector<FlowItem>& items, size_t i, double size)
{
    if (items[i].heading)
        return 0.8 * size;
    return i > 0 && items[i - 1].heading ? 0.3 * size : 0.22 * size;
}

struct Placed {
    size_t column;
    double y;
};

// Pours the items into `columns` in order; a heading stays with its first clue and no clue
// is split. False when they do not all fit; with `overflow` an item taller than a whole
// column is placed anyway, so that continuation pages always end.
bool Flow(const std::vector<FlowItem>& items, const Measure& m, const std::vector<Column>& columns,
          bool overflow, std::vector<Placed>* placed)
{
    size_t c = 0;
    while (c < columns.size() && columns[c].top >= columns[c].bottom)
        ++c;
    if (c == columns.size())
        return items.empty();
    double y = columns[c].top;
    bool atTop = true;
    for (size_t i = 0; i < items.size(); ++i) {
        for (;;) {
            const double before = atTop ? 0 : SpaceBefore(items, i, m.size);
            double need = before + m.heights[i];
            if (items[i].heading && i + 1 < items.size())
                need += SpaceBefore(items, i + 1, m.size) + m.heights[i + 1];
            const bool fits = y + need <= columns[c].bottom;
            if (fits || (atTop && overflow)) {
                if (placed)
                    placed->push_back({c, y + before});
                y += before + m.heights[i];
                atTop = false;
                break;
            }
            do {
                if (++c == columns.size())
                    return false;
            } while (columns[c].top >= columns[c].bottom);
            y = columns[c].top;
            atTop = true;
        }
    }
    return true;
}

// A grid size and the page-1 columns it leaves.
struct Arrangement {
    int columnCount;
    double columnWidth;
    double square;
    PrintRect grid;
    std::vector<Column> columns;
};

Arrangement Arrange(const PrintSheet& sheet, int n, double square, double bodyTop,
                    double bodyBottom, double contentWidth)
{
    const double columnWidth = (contentWidth - (n - 1) * kGutter) / n;
    Arrangement a{n, columnWidth, square, {}, {}};
    const double gridWidth = square * sheet.width;
    const double gridHeight = square * sheet.height;
    double gridX = kMargin + contentWidth - gridWidth;
    bool allUnder = true;
    for (int j = 0; j < n; ++j) {
        const double x = kMargin + j * (columnWidth + kGutter);
        const bool under = x + columnWidth > gridX - kGutter / 2;
        allUnder = allUnder && under;
        a.columns.push_back({1, x, under ? bodyTop + gridHeight + kGridGap : bodyTop, bodyBottom});
    }
    if (allUnder)
        gridX = kMargin + (contentWidth - gridWidth) / 2;
    a.grid = {gridX, bodyTop, gridWidth, gridHeight};
    return a;
}

// The grid sizes worth trying with `n` columns, smallest first: the grid filling one column
// and up, in small steps, so that the clues can trade a little of the grid for a larger size.
std::vector<Arrangement> Arrangements(const PrintSheet& sheet, int n, double bodyTop,
                                      double bodyBottom, double contentWidth)
{
    const double columnWidth = (contentWidth - (n - 1) * kGutter) / n;
    const double largest =
        std::min({contentWidth / sheet.width, (bodyBottom - bodyTop) / sheet.height, kSquareCap});
    std::vector<Arrangement> out;
    for (double square = std::min(columnWidth / sheet.width, largest); square < largest;
         square += kSquareStep)
        out.push_back(Arrange(sheet, n, square, bodyTop, bodyBottom, contentWidth));
    out.push_back(Arrange(sheet, n, largest, bodyTop, bodyBottom, contentWidth));
    return out;
}

// How good a page is: squares (written in) and clue text (read at arm's length) count alike
// by their ratios, and readable clue text before everything else.
double Score(double square, double clueSize)
{
    return (clueSize >= kReadableClue ? 100 : 0) + std::log(square) + std::log(clueSize);
}

struct Choice {
    Arrangement arrangement;
    Measure measure;
    bool fits;
};

// The best arrangement whose clues fit on page 1; when none does, the largest grid over four
// columns at the readable size, its clues continued on further pages.
Choice Choose(const PrintSheet& sheet, const std::vector<FlowItem>& items, double bodyTop,
              double bodyBottom, double contentWidth)
{
    LayoutPtr scratch = NewTextLayout(ClueFace(10), -1, kAlignLeft, "");
    const UnitMeasure unit = MeasureUnit(items, scratch.get());
    std::optional<Choice> best;
    double bestScore = -std::numeric_limits<double>::infinity();
    std::optional<Arrangement> largest;
    for (int n = 2; n <= kMostColumns; ++n) {
        std::vector<Arrangement> arrangements =
            Arrangements(sheet, n, bodyTop, bodyBottom, contentWidth);
        if (arrangements.front().columnWidth < kMinColumn)
            break;
        if (n == kContinuedColumns)
            largest = arrangements.back();
        std::vector<bool> settled(arrangements.size(), false);
        for (double size : kClueSizes) {
            // Sizes only fall from here: an arrangement that cannot beat the best now never will.
            bool open = false;
            for (size_t a = 0; a < arrangements.size(); ++a) {
                if (!settled[a] && Score(arrangements[a].square, size) <= bestScore)
                    settled[a] = true;
                open = open || !settled[a];
            }
            if (!open)
                break;
            const double width = arrangements.front().columnWidth;
            // Wrapping is the costly part: only where a bound says the clues might fit.
            const Measure bound = BoundItems(items, unit, width, size);
            bool possible = false;
            for (size_t a = 0; a < arrangements.size() && !possible; ++a)
                possible =
                    !settled[a] && Flow(items, bound, arrangements[a].columns, false, nullptr);
            if (!possible)
                continue;
            const Measure m = MeasureItems(items, unit, width, size, scratch.get());
            for (size_t a = 0; a < arrangements.size(); ++a) {
                if (settled[a] || !Flow(items, m, arrangements[a].columns, false, nullptr))
                    continue;
                settled[a] = true;
                if (Score(arrangements[a].square, size) > bestScore) {
                    bestScore = Score(arrangements[a].square, size);
                    best = Choice{arrangements[a], m, true};
                }
            }
        }
    }
    if (best)
        return *best;
    Measure m = MeasureItems(items, unit, largest->columnWidth, kReadableClue, scratch.get());
    return Choice{*largest, m, false};
}

double TextHeight(const TextFace& face, double width, const std::string& text)
{
    LayoutPtr layout = NewTextLayout(face, width, kAlignLeft, text);
    return LayoutHeight(layout.get());
}

double TextWidth(const TextFace& face, const std::string& text)
{
    LayoutPtr layout = NewTextLayout(face, -1, kAlignLeft, text);
    return LayoutWidth(layout.get());
}

// Title, then author and copyright on one line when they fit side by side, then a rule.
// Returns the height below which the page goes on.
double PlanHeader(const PrintSheet& sheet, double contentWidth, PagePlan* plan)
{
    double y = kMargin;
    if (!sheet.title.empty()) {
        // Some titles carry a whole instruction: smaller, so it stays a title of two lines.
        TextFace face = kTitleFace;
        LayoutPtr layout = NewTextLayout(face, contentWidth, kAlignLeft, sheet.title);
        while (pango_layout_get_line_count(layout.get()) > 2 && face.size > kSmallestTitle) {
            face.size -= 2;
            SetTextLayout(layout.get(), face, contentWidth, kAlignLeft, sheet.title);
        }
        plan->texts.push_back({1, kMargin, y, contentWidth, face, kAlignLeft, sheet.title});
        y += LayoutHeight(layout.get()) + 2;
    }
    const double authorWidth = sheet.author.empty() ? 0 : TextWidth(kAuthorFace, sheet.author);
    const double copyrightWidth =
        sheet.copyright.empty() ? 0 : TextWidth(kCopyrightFace, sheet.copyright);
    const bool sideBySide = authorWidth + copyrightWidth + 2 * kGutter <= contentWidth;
    double rowHeight = 0;
    if (!sheet.author.empty()) {
        plan->texts.push_back({1, kMargin, y, contentWidth, kAuthorFace, kAlignLeft, sheet.author});
        rowHeight = TextHeight(kAuthorFace, contentWidth, sheet.author);
        if (!sideBySide) {
            y += rowHeight;
            rowHeight = 0;
        }
    }
    if (!sheet.copyright.empty()) {
        // Side by side, the copyright sits on the author's baseline.
        const double h = TextHeight(kCopyrightFace, contentWidth, sheet.copyright);
        const double drop = sideBySide && rowHeight > 0 ? rowHeight - h : 0;
        plan->texts.push_back({1, kMargin, y + drop, contentWidth, kCopyrightFace,
                               sideBySide ? kAlignRight : kAlignLeft, sheet.copyright});
        rowHeight = std::max(rowHeight, h);
    }
    y += rowHeight + 4;
    plan->rules.push_back({1, kMargin, kMargin + contentWidth, y, 0.75});
    return y + 8;
}

// The notes with their line ends made one kind, and no blank end.
std::string NotesText(const std::string& notes)
{
    std::string out;
    for (size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == '\r') {
            out += '\n';
            if (i + 1 < notes.size() && notes[i + 1] == '\n')
                ++i;
        } else {
            out += notes[i];
        }
    }
    while (!out.empty() && std::isspace(static_cast<unsigned char>(out.back())))
        out.pop_back();
    return out;
}

// The byte where the first line of `layout` that would cross `height` starts; the text's
// length when every line fits.
size_t SplitAt(PangoLayout* layout, double height, size_t length)
{
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    size_t split = length;
    bool first = true;
    do {
        PangoRectangle line;
        pango_layout_iter_get_line_extents(iter, nullptr, &line);
        if (!first && double(line.y + line.height) / PANGO_SCALE > height) {
            split = size_t(pango_layout_iter_get_index(iter));
            break;
        }
        first = false;
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return split;
}

// Pages from `page` on that carry the notes at reading size; returns the last one.
int PlanNotesPages(const PrintSheet& sheet, std::string notes, int page, double pageHeight,
                   double contentWidth, PagePlan* plan)
{
    for (;; ++page) {
        double y = kMargin;
        plan->texts.push_back({page, kMargin, y, contentWidth, kPageHeadFace, kAlignLeft, "Notes"});
        y += TextHeight(kPageHeadFace, contentWidth, "Notes");
        if (!sheet.title.empty()) {
            plan->texts.push_back(
                {page, kMargin, y, contentWidth, kPageTitleFace, kAlignLeft, sheet.title});
            y += TextHeight(kPageTitleFace, contentWidth, sheet.title);
        }
        plan->rules.push_back({page, kMargin, kMargin + contentWidth, y + 4, 0.75});
        y += 12;
        LayoutPtr layout = NewTextLayout(kNotesPageFace, contentWidth, kAlignLeft, notes);
        const size_t split = SplitAt(layout.get(), pageHeight - kMargin - y, notes.size());
        plan->texts.push_back(
            {page, kMargin, y, contentWidth, kNotesPageFace, kAlignLeft, notes.substr(0, split)});
        if (split >= notes.size())
            return page;
        notes.erase(0, split);
    }
}

// The clue flow placed: on page 1's columns, and when they do not hold it, on further pages
// of full-height columns. Returns the last page used.
int PlaceClues(const PrintSheet& sheet, const std::vector<FlowItem>& items, const Choice& choice,
               double pageHeight, double contentWidth, PagePlan* plan)
{
    std::vector<Column> columns = choice.arrangement.columns;
    const Measure& m = choice.measure;
    std::vector<Placed> placed;
    int pages = 1;
    const std::string continued =
        sheet.title.empty() ? "Clues, continued" : sheet.title + " (clues, continued)";
    while (!Flow(items, m, columns, true, &placed)) {
        placed.clear();
        ++pages;
        plan->texts.push_back(
            {pages, kMargin, kMargin, contentWidth, kPageTitleFace, kAlignLeft, continued});
        const double top = kMargin + TextHeight(kPageTitleFace, contentWidth, continued) + 8;
        for (int j = 0; j < choice.arrangement.columnCount; ++j) {
            const double x = kMargin + j * (choice.arrangement.columnWidth + kGutter);
            columns.push_back({pages, x, top, pageHeight - kMargin});
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const Column& column = columns[placed[i].column];
        const double y = placed[i].y;
        if (items[i].heading) {
            plan->texts.push_back({column.page, column.x, y, choice.arrangement.columnWidth,
                                   HeadingFace(m.size), kAlignLeft, *items[i].text});
            continue;
        }
        plan->texts.push_back({column.page, column.x, y, m.hang - 0.3 * m.size,
                               ClueFace(m.size, true), kAlignRight, items[i].number});
        plan->texts.push_back({column.page, column.x + m.hang, y,
                               choice.arrangement.columnWidth - m.hang, ClueFace(m.size),
                               kAlignLeft, *items[i].text});
    }
    return pages;
}

}  // namespace

PagePlan PlanPages(const PrintSheet& sheet, PaperSize paper)
{
    PagePlan plan{};
    const Paper size = PaperPoints(paper);
    plan.summary.pageWidth = size.width;
    plan.summary.pageHeight = size.height;
    if (sheet.width <= 0 || sheet.height <= 0 ||
        sheet.squares.size() != size_t(sheet.width) * size_t(sheet.height))
        return plan;
    const double contentWidth = size.width - 2 * kMargin;
    double y = PlanHeader(sheet, contentWidth, &plan);

    const std::string notes = NotesText(sheet.notes);
    const size_t notesLine = plan.texts.size();  // long notes: the line that says where
    if (!notes.empty()) {
        LayoutPtr layout = NewTextLayout(kNotesFace, contentWidth, kAlignLeft, notes);
        const bool underHeader =
            pango_layout_get_line_count(layout.get()) <= kNotesLinesUnderHeader;
        // The page number of long notes is known once the clues are placed; one line either way.
        plan.texts.push_back({1, kMargin, y, contentWidth, kNotesFace, kAlignLeft,
                              underHeader ? notes : "The notes are on page 2."});
        y += TextHeight(kNotesFace, contentWidth, plan.texts.back().text) + 10;
        plan.summary.notesPage = underHeader ? 1 : -1;
    }

    const std::vector<FlowItem> items = FlowItems(sheet);
    const Choice choice = Choose(sheet, items, y, size.height - kMargin, contentWidth);
    int pages = PlaceClues(sheet, items, choice, size.height, contentWidth, &plan);
    if (plan.summary.notesPage == -1) {
        plan.summary.notesPage = pages + 1;
        plan.texts[notesLine].text = "The notes are on page " + std::to_string(pages + 1) + ".";
        pages = PlanNotesPages(sheet, notes, pages + 1, size.height, contentWidth, &plan);
    }
    plan.summary.grid = choice.arrangement.grid;
    plan.summary.squareSize = choice.arrangement.square;
    plan.summary.clueSize = choice.measure.size;
    plan.summary.columns = choice.arrangement.columnCount;
    plan.summary.pages = pages;
    plan.summary.cluesContinued = !choice.fits;
    return plan;
}
