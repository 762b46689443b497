// The print tests read what they print back with poppler-utils, as a reader of the file
// would: its pages (pdfinfo), its text (pdftotext) and its pixels (pdftoppm, as PNG).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "puzzle_pdf.h"

// A path for a test's file in the test's own device root, which the test main removes.
std::string ScratchPath(const std::string& name);

// Pages of the PDF at `path`; -1 when pdfinfo cannot read it.
int PdfPages(const std::string& path);

// The text of page `page` (from 1), or of every page for 0.
std::string PdfText(const std::string& path, int page = 0);

// `text` without spaces, line ends, no-break spaces and hyphens, so that text wrapped on the
// page compares with the text it came from (pdftotext joins a word broken after a hyphen).
std::string Squeezed(const std::string& text);

// Part of a page in grey levels (0 black, 255 white), addressed in the page's points.
struct PageImage {
    double scale = 0;  // pixels per point
    int left = 0;      // the part's first pixel on the whole page
    int top = 0;       //
    int width = 0;     //
    int height = 0;    //
    std::vector<uint8_t> grey;

    // The darkest pixel of the rectangle in points (the page's white when it lies outside).
    int Darkest(double x0, double y0, double x1, double y1) const;
};

// Page `page` of the PDF rendered at `dpi`, only the part in `region`.
PageImage RenderRegion(const std::string& path, int page, int dpi, const PrintRect& region);
