// The plan of the printed pages: every text box and rule with its place, and the grid's
// place and square size. Measured with the same pango layouts that draw it, so the plan and
// the PDF agree. Private to print/.
#pragma once

#include <string>
#include <vector>

#include "print_sheet.h"
#include "print_text_internal.h"
#include "puzzle_pdf.h"

struct TextBox {
    int page;          // from 1
    double x;          // top left corner, points
    double y;          //
    double width;      // wrapping width, and the box an alignment refers to
    TextFace face;     //
    TextAlign align;   //
    std::string text;  // UTF-8
};

struct RuleLine {
    int page;      // from 1
    double x0;     // points
    double x1;     //
    double y;      //
    double width;  // line width
};

struct PagePlan {
    PrintLayout summary;          // what LayOutPuzzlePdf reports
    std::vector<TextBox> texts;   // in drawing order
    std::vector<RuleLine> rules;  //
};

PagePlan PlanPages(const PrintSheet& sheet, PaperSize paper);
