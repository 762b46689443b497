// Drawing the page plan on cairo's PDF surface, into memory, and writing it to a host file.
// The grid is drawn in layers (fills, circles, lines, the outline, then numbers and letters)
// so that no later square's edge cuts an earlier square's text.
#include "puzzle_pdf.h"

#include <cairo-pdf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "page_layout_internal.h"

namespace {

constexpr double kOutline = 1.5;      // points: the grid's outer edge
constexpr double kPencilGrey = 0.55;  // pencilled letters
constexpr double kShadeGrey = 0.82;   // shaded squares

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void SetGrey(cairo_t* cr, double grey)
{
    cairo_set_source_rgb(cr, grey, grey, grey);
}

void DrawText(cairo_t* cr, const TextBox& box)
{
    LayoutPtr layout = NewTextLayout(box.face, box.width, box.align, box.text);
    SetGrey(cr, box.face.grey);
    cairo_move_to(cr, box.x, box.y);
    pango_cairo_show_layout(cr, layout.get());
}

// The text split after its middle character, for a rebus too wide for one line.
std::string InTwoLines(const std::string& text)
{
    std::vector<size_t> starts;  // byte offsets of the UTF-8 characters
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    if (starts.size() < 2)
        return text;
    const size_t cut = starts[(starts.size() + 1) / 2];
    return text.substr(0, cut) + "\n" + text.substr(cut);
}

// The letters of a square, centred below its number, as large as a single letter is drawn
// or smaller, on one line or two, whichever lets the whole text stand largest.
void DrawSquareText(cairo_t* cr, const PrintSquare& square, double x, double y, double s)
{
    const double room = 0.84 * s;        // width and height the text may take
    const double letterSize = 0.58 * s;  // an ordinary letter
    const TextFace face = {letterSize, false, false, square.pencil ? kPencilGrey : 0};
    LayoutPtr layout = NewTextLayout(face, -1, kAlignCentre, square.text);
    PangoRectangle ink;
    pango_layout_get_extents(layout.get(), &ink, nullptr);
    double width = double(ink.width) / PANGO_SCALE;
    double scale = std::min(1.0, room / std::max(width, 1e-3));
    const std::string twoLines = InTwoLines(square.text);
    if (scale < 0.75 && twoLines != square.text) {
        LayoutPtr split = NewTextLayout(face, -1, kAlignCentre, twoLines);
        pango_layout_get_extents(split.get(), &ink, nullptr);
        const double splitScale =
            std::min({1.0, room / std::max(double(ink.width) / PANGO_SCALE, 1e-3),
                      0.6 * s / std::max(double(ink.height) / PANGO_SCALE, 1e-3)});
        if (splitScale > scale) {
            scale = splitScale;
            layout = std::move(split);
        }
    }
    // Measured once at the letter size; drawn scaled, which is exact with unhinted metrics.
    const TextFace drawn = {letterSize * scale, false, false, face.grey};
    SetTextLayout(layout.get(), drawn, -1, kAlignCentre, pango_layout_get_text(layout.get()));
    pango_layout_get_extents(layout.get(), &ink, nullptr);
    const double inkX = double(ink.x) / PANGO_SCALE;
    double top = y + 0.6 * s - double(ink.y + ink.height / 2) / PANGO_SCALE;
    if (pango_layout_get_line_count(layout.get()) == 1) {
        // One line sits on its baseline with capitals centred, so a Q's tail or a J does not
        // lift the letter out of line with its neighbours.
        LayoutPtr capital = NewTextLayout(drawn, -1, kAlignLeft, "H");
        PangoRectangle cap;
        pango_layout_get_extents(capital.get(), &cap, nullptr);
        const double capHeight = double(cap.height) / PANGO_SCALE;
        top = y + 0.6 * s + capHeight / 2 -
              double(pango_layout_get_baseline(layout.get())) / PANGO_SCALE;
    }
    SetGrey(cr, face.grey);
    cairo_move_to(cr, x + (s - double(ink.width) / PANGO_SCALE) / 2 - inkX, top);
    pango_cairo_show_layout(cr, layout.get());
}

bool IsVoid(const PrintSheet& sheet, int r, int c)
{
    if (r < 0 || c < 0 || r >= sheet.height || c >= sheet.width)
        return true;
    return sheet.squares[size_t(r) * size_t(sheet.width) + size_t(c)].voidSquare;
}

const PrintSquare& SquareAt(const PrintSheet& sheet, int r, int c)
{
    return sheet.squares[size_t(r) * size_t(sheet.width) + size_t(c)];
}

// Black and shaded squares filled, then the circles.
void DrawFillsAndCircles(cairo_t* cr, const PrintSheet& sheet, const PrintLayout& layout)
{
    const double s = layout.squareSize;
    for (int r = 0; r < sheet.height; ++r) {
        for (int c = 0; c < sheet.width; ++c) {
            const PrintSquare& q = SquareAt(sheet, r, c);
            if (q.voidSquare || !(q.block || q.shaded))
                continue;
            SetGrey(cr, q.block ? 0 : kShadeGrey);
            cairo_rectangle(cr, layout.grid.x + c * s, layout.grid.y + r * s, s, s);
            cairo_fill(cr);
        }
    }
    SetGrey(cr, 0);
    cairo_set_line_width(cr, std::max(0.5, 0.025 * s));
    for (int r = 0; r < sheet.height; ++r) {
        for (int c = 0; c < sheet.width; ++c) {
            const PrintSquare& q = SquareAt(sheet, r, c);
            if (q.voidSquare || q.block || !q.circled)
                continue;
            cairo_new_sub_path(cr);
            cairo_arc(cr, layout.grid.x + (c + 0.5) * s, layout.grid.y + (r + 0.5) * s, 0.46 * s, 0,
                      2 * M_PI);
            cairo_stroke(cr);
        }
    }
}

// The thin lines of every square, and the outline that follows the puzzle's shape: every edge
// between a square and a void or the outside, with square caps so the corners close.
void DrawLines(cairo_t* cr, const PrintSheet& sheet, const PrintLayout& layout)
{
    const double s = layout.squareSize;
    cairo_set_line_width(cr, std::max(0.4, 0.02 * s));
    for (int r = 0; r < sheet.height; ++r)
        for (int c = 0; c < sheet.width; ++c)
            if (!SquareAt(sheet, r, c).voidSquare)
                cairo_rectangle(cr, layout.grid.x + c * s, layout.grid.y + r * s, s, s);
    cairo_stroke(cr);
    cairo_set_line_width(cr, kOutline);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (int r = 0; r < sheet.height; ++r) {
        for (int c = 0; c < sheet.width; ++c) {
            if (IsVoid(sheet, r, c))
                continue;
            const double x = layout.grid.x + c * s;
            const double y = layout.grid.y + r * s;
            const struct {
                int dr, dc;
                double x0, y0, x1, y1;
            } sides[] = {{-1, 0, x, y, x + s, y},
                         {1, 0, x, y + s, x + s, y + s},
                         {0, -1, x, y, x, y + s},
                         {0, 1, x + s, y, x + s, y + s}};
            for (const auto& side : sides) {
                if (!IsVoid(sheet, r + side.dr, c + side.dc))
                    continue;
                cairo_move_to(cr, side.x0, side.y0);
                cairo_line_to(cr, side.x1, side.y1);
            }
        }
    }
    cairo_stroke(cr);
}

void DrawGrid(cairo_t* cr, const PrintSheet& sheet, const PrintLayout& layout)
{
    DrawFillsAndCircles(cr, sheet, layout);
    DrawLines(cr, sheet, layout);
    const double s = layout.squareSize;
    const TextFace numberFace = {std::min(0.3 * s, 9.0)};
    for (int r = 0; r < sheet.height; ++r) {
        for (int c = 0; c < sheet.width; ++c) {
            const PrintSquare& q = SquareAt(sheet, r, c);
            if (q.voidSquare || q.block)
                continue;
            const double x = layout.grid.x + c * s;
            const double y = layout.grid.y + r * s;
            if (q.number > 0)
                DrawText(cr, {1, x + 0.07 * s, y + 0.03 * s, -1, numberFace, kAlignLeft,
                              std::to_string(q.number)});
            if (!q.text.empty())
                DrawSquareText(cr, q, x, y, s);
        }
    }
}

// The reason cairo gives, as a sentence.
std::string CairoFailure(cairo_status_t status)
{
    return std::string("The PDF could not be made: ") + cairo_status_to_string(status) + ".";
}

std::string WriteFailure(const std::string& path, int error)
{
    return "The PDF could not be written to " + path + ": " + std::strerror(error) + ".";
}

}  // namespace

PrintLayout LayOutPuzzlePdf(const PrintSheet& sheet, PaperSize paper)
{
    return PlanPages(sheet, paper).summary;
}

bool PuzzlePdf(const PrintSheet& sheet, PaperSize paper, std::string* pdf, std::string* error)
{
    const PagePlan plan = PlanPages(sheet, paper);
    pdf->clear();
    if (plan.summary.pages == 0) {
        *error = "The puzzle has no squares to print.";
        return false;
    }
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
        AppendBytes, pdf, plan.summary.pageWidth, plan.summary.pageHeight);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, sheet.title.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, sheet.author.c_str());
    cairo_t* cr = cairo_create(surface);
    for (int page = 1; page <= plan.summary.pages; ++page) {
        if (page == 1)
            DrawGrid(cr, sheet, plan.summary);
        SetGrey(cr, 0);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        for (const RuleLine& rule : plan.rules) {
            if (rule.page != page)
                continue;
            cairo_set_line_width(cr, rule.width);
            cairo_move_to(cr, rule.x0, rule.y);
            cairo_line_to(cr, rule.x1, rule.y);
            cairo_stroke(cr);
        }
        for (const TextBox& box : plan.texts)
            if (box.page == page)
                DrawText(cr, box);
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        pdf->clear();
        *error = CairoFailure(status);
        return false;
    }
    return true;
}

bool WritePuzzlePdf(const PrintSheet& sheet, PaperSize paper, const char* hostPath,
                    std::string* error)
{
    std::string pdf;
    if (!PuzzlePdf(sheet, paper, &pdf, error))
        return false;
    const std::string path = hostPath ? hostPath : "";
    if (path.empty()) {
        *error = "No file was named for the PDF.";
        return false;
    }
    // The temporary file sits beside the target, so the rename never crosses a file system.
    const size_t slash = path.rfind('/');
    std::string temporary =
        (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".print-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        *error = WriteFailure(path, errno);
        return false;
    }
    // mkstemp makes the file private; a printed page is as readable as any file the user makes.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    size_t done = 0;
    int failure = 0;
    while (done < pdf.size() && !failure) {
        const ssize_t n = write(fd, pdf.data() + done, pdf.size() - done);
        if (n < 0 && errno != EINTR)
            failure = errno;
        else if (n > 0)
            done += size_t(n);
    }
    if (!failure && fsync(fd) != 0)
        failure = errno;
    if (close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && std::rename(temporary.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure) {
        unlink(temporary.c_str());
        *error = WriteFailure(path, failure);
        return false;
    }
    return true;
}
