// One pango context for every measure and every drawing of the printed page.
#include "print_text_internal.h"

namespace {

// The clue face first; fontconfig falls back per character to the next for what it lacks,
// so accented and typographic characters of any clue print.
constexpr char kFamilies[] = "Liberation Sans, DejaVu Sans";

PangoContext* TextContext()
{
    static PangoContext* context = [] {
        PangoFontMap* map = pango_cairo_font_map_new();
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 72);
        PangoContext* made = pango_font_map_create_context(map);
        g_object_unref(map);  // the context holds it
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(made, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(made, FALSE);
        return made;
    }();
    return context;
}

}  // namespace

LayoutPtr NewTextLayout(const TextFace& face, double width, TextAlign align,
                        const std::string& text)
{
    LayoutPtr layout(pango_layout_new(TextContext()));
    SetTextLayout(layout.get(), face, width, align, text);
    return layout;
}

void SetTextLayout(PangoLayout* layout, const TextFace& face, double width, TextAlign align,
                   const std::string& text)
{
    PangoFontDescription* font = pango_font_description_from_string(kFamilies);
    pango_font_description_set_absolute_size(font, face.size * PANGO_SCALE);
    pango_font_description_set_weight(font, face.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(font, face.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    // Words wrap whole: a hyphen pango would add inside a long word is not the clue's.
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_width(layout, width > 0 ? int(width * PANGO_SCALE) : -1);
    pango_layout_set_alignment(layout, align == kAlignRight    ? PANGO_ALIGN_RIGHT
                                       : align == kAlignCentre ? PANGO_ALIGN_CENTER
                                                               : PANGO_ALIGN_LEFT);
    pango_layout_set_text(layout, text.data(), int(text.size()));
}

double LayoutWidth(PangoLayout* layout)
{
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return double(logical.width) / PANGO_SCALE;
}

double LayoutHeight(PangoLayout* layout)
{
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return double(logical.height) / PANGO_SCALE;
}
