// Text of the printed page through pango: the faces, and layouts measured and drawn with one
// context. Private to print/.
#pragma once

#include <memory>
#include <string>

#include <pango/pangocairo.h>

enum TextAlign { kAlignLeft, kAlignRight, kAlignCentre };

struct TextFace {
    double size;          // points
    bool bold = false;    //
    bool italic = false;  //
    double grey = 0;      // 0 black, 1 white
};

struct GObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectUnref>;

// A layout of `text` wrapped at `width` points (no wrapping when width <= 0), in the print
// face. Layouts come from one context of 72 units an inch whose metrics are neither hinted nor
// rounded, so a measure taken for the page plan holds on the PDF surface too.
LayoutPtr NewTextLayout(const TextFace& face, double width, TextAlign align,
                        const std::string& text);

// The same settings on a layout made before, which is cheaper than a new one when a plan
// measures many texts.
void SetTextLayout(PangoLayout* layout, const TextFace& face, double width, TextAlign align,
                   const std::string& text);

// The logical extent of a layout, in points.
double LayoutWidth(PangoLayout* layout);
double LayoutHeight(PangoLayout* layout);
