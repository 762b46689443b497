// Text output: ExtTextOutW, TextOutW, DrawTextW and the measuring calls. Layout happens in
// device pixels with whole-pixel advances, so a line breaks and centres the same at every
// scale; only the glyph images are finer. Glyph coverage is blended into the surface with
// the DC's text colour, clipped to the DC and to the caller's rectangle.
#include <string>
#include <vector>

#include "fonts.h"
#include "raster.h"

namespace {

// The font's instance at the target's scale, remembered in the font so that a paint full of
// DrawTextW calls looks it up once.
FontInstance* FontOf(const DeviceContext& dc)
{
    GdiObject& font = *dc.font;
    if (!font.instance || font.instanceScale != dc.target->scale) {
        font.instance = GdiFontInstance(font.logFont, dc.target->scale);
        font.instanceScale = dc.target->scale;
    }
    return font.instance;
}

std::u32string Decode(const WCHAR* text, size_t count)
{
    std::u32string out;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            out += 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

size_t Length(const WCHAR* text, int count)
{
    if (count >= 0)
        return size_t(count);
    size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

int Width(FontInstance* font, const char32_t* s, size_t n)
{
    int width = 0;
    for (size_t i = 0; i < n; ++i)
        width += GdiFontGlyph(font, s[i]).advance;
    return width;
}

// Visible parts of `clip` (DC coordinates, nullptr for none) in stored target pixels, in
// `out` (reused between calls to spare the allocation in the middle of a paint).
void StoredClips(const DeviceContext& dc, const RECT* clip, std::vector<RECT>* clips)
{
    std::vector<RECT>& out = *clips;
    out.clear();
    const int s = dc.target->scale;
    for (const RECT& c : dc.clip) {
        RECT part = c;
        if (clip) {
            const RECT moved{clip->left + dc.origin.x, clip->top + dc.origin.y,
                             clip->right + dc.origin.x, clip->bottom + dc.origin.y};
            if (!IntersectInto(&part, c, moved))
                continue;
        }
        out.push_back(RECT{part.left * s, part.top * s, part.right * s, part.bottom * s});
    }
}

void FillClipped(const DeviceContext& dc, const RECT& rect, const RECT* clip, uint32_t pixel)
{
    RECT part = rect;
    if (clip && !IntersectInto(&part, rect, *clip))
        return;
    FillDeviceRect(dc, part, pixel);
}

inline uint32_t Blend(uint32_t dst, uint32_t src, uint32_t a)
{
    const uint32_t rb = ((src & 0xFF00FF) * a + (dst & 0xFF00FF) * (255 - a) + 0x800080);
    const uint32_t g = ((src & 0x00FF00) * a + (dst & 0x00FF00) * (255 - a) + 0x008000);
    // Dividing by 255 through (v + (v >> 8)) >> 8 per channel.
    const uint32_t r1 = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    const uint32_t g1 = ((g + ((g >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
    return r1 | g1;
}

void BlendGlyph(Framebuffer& fb, const GlyphImage& glyph, int left, int top,
                const std::vector<RECT>& clips, uint32_t color)
{
    const RECT box{left, top, left + glyph.width, top + glyph.rows};
    for (const RECT& c : clips) {
        RECT part;
        if (!IntersectInto(&part, box, c))
            continue;
        for (int y = part.top; y < part.bottom; ++y) {
            const uint8_t* cov = glyph.coverage.data() + size_t(y - top) * glyph.width - left;
            uint32_t* out = fb.pixels + size_t(y) * fb.stride;
            for (int x = part.left; x < part.right; ++x) {
                const uint32_t a = cov[x];
                if (a == 255)
                    out[x] = color;
                else if (a != 0)
                    out[x] = Blend(out[x], color, a);
            }
        }
    }
}

// Draws a line of text with its top-left at (x, y), DC coordinates: the background box
// first when `opaque`, then the glyphs, then an underline under character `underline`
// (-1 for none). `dx` overrides the advances when given. Returns the line's width.
int PaintLine(const DeviceContext& dc, FontInstance* font, int x, int y, const char32_t* s,
              size_t n, const INT* dx, const RECT* clip, bool opaque, int underline = -1)
{
    const FontMetrics& m = GdiFontMetrics(font);
    int width = 0;
    for (size_t i = 0; i < n; ++i)
        width += dx ? dx[i] : GdiFontGlyph(font, s[i]).advance;
    if (opaque)
        FillClipped(dc, RECT{x, y, x + width, y + m.height}, clip, PixelOf(dc.bkColor));

    static std::vector<RECT> clips;  // single-threaded GDI: one paint at a time
    StoredClips(dc, clip, &clips);
    if (clips.empty())
        return width;
    Framebuffer& fb = *dc.target;
    const int scale = fb.scale;
    const uint32_t color = PixelOf(dc.textColor);
    const int baseline = (y + dc.origin.y + m.ascent) * scale;
    int pen = x + dc.origin.x;
    for (size_t i = 0; i < n; ++i) {
        const GlyphImage& glyph = GdiFontGlyph(font, s[i]);
        if (!glyph.coverage.empty())
            BlendGlyph(fb, glyph, pen * scale + glyph.left, baseline - glyph.top, clips, color);
        if (int(i) == underline) {
            const int ux = pen - dc.origin.x;
            const int uy = y + m.ascent + 1;
            FillClipped(dc, RECT{ux, uy, ux + glyph.advance, uy + 1}, clip, color);
        }
        pen += dx ? dx[i] : glyph.advance;
    }
    // Underlined and struck-out fonts rule the whole line, one device pixel thick.
    const LOGFONTW& lf = dc.font->logFont;
    if (lf.lfUnderline)
        FillClipped(dc, RECT{x, y + m.ascent + 1, x + width, y + m.ascent + 2}, clip, color);
    if (lf.lfStrikeOut) {
        const int strike = y + m.ascent - m.ascent / 3;
        FillClipped(dc, RECT{x, strike, x + width, strike + 1}, clip, color);
    }
    return width;
}

struct Line {
    size_t begin;  // index into the prefix-free text
    size_t end;    // exclusive
    int width;     // device pixels
};

// Removes "&" prefixes: "&x" becomes x, underlined; "&&" becomes "&".
std::u32string StripPrefixes(const std::u32string& text, std::vector<size_t>* underlined)
{
    std::u32string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != U'&')
                underlined->push_back(out.size());
        } else if (text[i] == U'&') {
            continue;  // a lone "&" at the end shows nothing
        }
        out += text[i];
    }
    return out;
}

bool IsSpace(char32_t c)
{
    return c == U' ' || c == U'\t';
}

// Splits `s` into lines: at line feeds unless single-line, and with `wordBreak` between words
// so that no line is wider than `maxWidth` unless one word alone is.
void BreakLines(FontInstance* font, const std::u32string& s, bool singleLine, bool wordBreak,
                int maxWidth, std::vector<Line>* out)
{
    std::vector<Line>& lines = *out;
    lines.clear();
    size_t pos = 0;
    do {
        size_t end = s.size();
        size_t next = s.size();
        if (!singleLine) {
            for (size_t i = pos; i < s.size(); ++i) {
                if (s[i] == U'\n' || s[i] == U'\r') {
                    end = i;
                    next = i + 1;
                    if (s[i] == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n')
                        ++next;
                    break;
                }
            }
        }
        if (wordBreak && !singleLine) {
            int width = 0;
            size_t breakAt = std::u32string::npos;  // start of the last run of spaces
            for (size_t i = pos; i < end; ++i) {
                if (IsSpace(s[i]) && (i == pos || !IsSpace(s[i - 1])))
                    breakAt = i;
                width += GdiFontGlyph(font, s[i]).advance;
                if (width > maxWidth && !IsSpace(s[i]) && breakAt != std::u32string::npos &&
                    breakAt > pos) {
                    end = breakAt;
                    next = breakAt;
                    while (next < s.size() && IsSpace(s[next]))
                        ++next;
                    break;
                }
            }
        }
        size_t visibleEnd = end;
        while (wordBreak && visibleEnd > pos && IsSpace(s[visibleEnd - 1]))
            --visibleEnd;  // spaces before a break take no room
        lines.push_back(Line{pos, visibleEnd, Width(font, s.data() + pos, visibleEnd - pos)});
        pos = next;
    } while (pos < s.size());
}

// Shortens a line that is too wide to its longest start that fits with "..." after it.
void EndEllipsis(FontInstance* font, std::u32string* text, Line* line, int maxWidth,
                 std::vector<size_t>* underlined)
{
    if (line->width <= maxWidth)
        return;
    const std::u32string dots = U"...";
    const int dotsWidth = Width(font, dots.data(), dots.size());
    size_t keep = line->end - line->begin;
    while (keep > 0 && Width(font, text->data() + line->begin, keep) + dotsWidth > maxWidth)
        --keep;
    text->replace(line->begin + keep, line->end - line->begin - keep, dots);
    line->end = line->begin + keep + dots.size();
    line->width = Width(font, text->data() + line->begin, line->end - line->begin);
    std::erase_if(*underlined, [&](size_t i) { return i >= line->begin + keep; });
}

}  // namespace

BOOL WINAPI GetTextMetricsW(HDC handle, LPTEXTMETRICW tm)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !tm)
        return FALSE;
    const FontMetrics& m = GdiFontMetrics(FontOf(*dc));
    *tm = TEXTMETRICW{};
    tm->tmHeight = m.height;
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = m.internalLeading;
    tm->tmExternalLeading = m.externalLeading;
    tm->tmAveCharWidth = m.aveCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    tm->tmWeight = m.weight;
    tm->tmDigitizedAspectX = 96;
    tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFFFC;
    tm->tmDefaultChar = 0x1F;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = dc->font->logFont.lfItalic;
    tm->tmPitchAndFamily = 0x06;  // variable pitch, TrueType
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC handle, LPCWSTR text, int count, LPSIZE size)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !size || count < 0 || (!text && count > 0))
        return FALSE;
    FontInstance* font = FontOf(*dc);
    const std::u32string s = Decode(text, size_t(count));
    *size = SIZE{Width(font, s.data(), s.size()), GdiFontMetrics(font).height};
    return TRUE;
}

BOOL WINAPI ExtTextOutW(HDC handle, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                        UINT count, const INT* dx)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || (!text && count > 0))
        return FALSE;
    if ((options & ETO_OPAQUE) && rect)
        FillDeviceRect(*dc, *rect, PixelOf(dc->bkColor));
    const RECT* clip = (options & ETO_CLIPPED) && rect ? rect : nullptr;
    const std::u32string s = Decode(text, count);
    // Advances given per UTF-16 unit apply per character here; the device's text has no
    // surrogate pairs.
    const INT* advances = dx && s.size() == count ? dx : nullptr;
    const bool opaque = dc->bkMode == OPAQUE && !(options & ETO_OPAQUE && rect);
    PaintLine(*dc, FontOf(*dc), x, y, s.data(), s.size(), advances, clip, opaque);
    return TRUE;
}

BOOL WINAPI TextOutW(HDC dc, int x, int y, LPCWSTR text, int count)
{
    if (count < 0)
        return FALSE;
    return ExtTextOutW(dc, x, y, 0, nullptr, text, UINT(count), nullptr);
}

int WINAPI DrawTextW(HDC handle, LPCWSTR text, int count, LPRECT rect, UINT format)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !rect || (!text && count != 0))
        return 0;
    FontInstance* font = FontOf(*dc);
    const FontMetrics& m = GdiFontMetrics(font);
    const int lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
    const bool singleLine = format & DT_SINGLELINE;

    std::u32string s = text ? Decode(text, Length(text, count)) : std::u32string();
    if (s.empty()) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = rect->top + (singleLine ? lineHeight : 0);
        }
        return lineHeight;
    }
    if (singleLine)
        std::erase_if(s, [](char32_t c) { return c == U'\r' || c == U'\n'; });
    std::vector<size_t> underlined;
    if (!(format & DT_NOPREFIX))
        s = StripPrefixes(s, &underlined);
    const int maxWidth = rect->right - rect->left;
    static std::vector<Line> lines;  // single-threaded GDI: one paint at a time
    BreakLines(font, s, singleLine, (format & DT_WORDBREAK) != 0, maxWidth, &lines);
    if (format & DT_END_ELLIPSIS) {
        for (size_t i = lines.size(); i-- > 0;) {
            const int before = int(s.size());
            EndEllipsis(font, &s, &lines[i], maxWidth, &underlined);
            const int shift = int(s.size()) - before;
            for (size_t j = i + 1; j < lines.size(); ++j) {
                lines[j].begin += shift;
                lines[j].end += shift;
            }
        }
    }

    int y = rect->top;
    if (singleLine) {
        if (format & DT_VCENTER)
            y = rect->top + (rect->bottom - rect->top) / 2 - lineHeight / 2;
        else if (format & DT_BOTTOM)
            y = rect->bottom - lineHeight;
    }
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : rect;
    int widest = 0;
    for (const Line& line : lines) {
        int x = rect->left;
        if (format & DT_CENTER)
            x = (rect->left + rect->right - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - line.width;
        widest = std::max(widest, line.width);
        if (!(format & DT_CALCRECT)) {
            int underline = -1;
            for (size_t u : underlined) {
                if (u >= line.begin && u < line.end)
                    underline = int(u - line.begin);
            }
            PaintLine(*dc, font, x, y, s.data() + line.begin, line.end - line.begin, nullptr, clip,
                      dc->bkMode == OPAQUE, underline);
        }
        y += lineHeight;
    }
    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = y;
    }
    return (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) ? y - rect->top
                                                               : int(lines.size()) * lineHeight;
}
