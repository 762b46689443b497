// The artwork's drawing shorthands, all through the device's own GDI.
#include "canvas.h"

#include <algorithm>
#include <cmath>

Canvas OpenCanvas(int width, int height, COLORREF background)
{
    Canvas c = {};
    c.dc = CreateCompatibleDC(nullptr);
    c.bitmap = CreateCompatibleBitmap(c.dc, width, height);
    c.previous = SelectObject(c.dc, c.bitmap);
    c.width = width;
    c.height = height;
    Box(c.dc, 0, 0, width, height, background, background);
    return c;
}

Picture CloseCanvas(Canvas* c)
{
    Picture p = ReadPicture(c->dc, c->width, c->height);
    SelectObject(c->dc, c->previous);
    DeleteObject(c->bitmap);
    DeleteDC(c->dc);
    *c = {};
    return p;
}

namespace {

// Selects a pen and brush for one shape and puts the old ones back afterwards.
template <typename Draw> void WithPenAndBrush(HDC dc, COLORREF pen, COLORREF fill, Draw draw)
{
    HPEN p = CreatePen(PS_SOLID, 1, pen);
    HBRUSH b = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(dc, p);
    HGDIOBJ oldBrush = SelectObject(dc, b);
    draw();
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(b);
    DeleteObject(p);
}

}  // namespace

void Box(HDC dc, int left, int top, int right, int bottom, COLORREF pen, COLORREF fill)
{
    WithPenAndBrush(dc, pen, fill, [&] { Rectangle(dc, left, top, right, bottom); });
}

void RoundBox(HDC dc, int left, int top, int right, int bottom, int corner, COLORREF pen,
              COLORREF fill)
{
    WithPenAndBrush(dc, pen, fill,
                    [&] { RoundRect(dc, left, top, right, bottom, corner, corner); });
}

void Oval(HDC dc, int left, int top, int right, int bottom, COLORREF pen, COLORREF fill)
{
    WithPenAndBrush(dc, pen, fill, [&] { Ellipse(dc, left, top, right, bottom); });
}

void Lines(HDC dc, const POINT* points, int count, COLORREF colour, int width)
{
    HPEN p = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ old = SelectObject(dc, p);
    Polyline(dc, points, count);
    SelectObject(dc, old);
    DeleteObject(p);
}

void FillTriangle(HDC dc, POINT a, POINT b, POINT c, COLORREF colour)
{
    const int top = std::min({a.y, b.y, c.y});
    const int bottom = std::max({a.y, b.y, c.y});
    const POINT corners[3] = {a, b, c};
    for (int y = top; y <= bottom; ++y) {
        // The span of the triangle on this row, from its edges' crossings at the row's centre.
        double lo = 1e9, hi = -1e9;
        const double cy = y + 0.5;
        for (int i = 0; i < 3; ++i) {
            const POINT p = corners[i];
            const POINT q = corners[(i + 1) % 3];
            if ((cy < std::min(p.y, q.y)) || (cy > std::max(p.y, q.y)) || p.y == q.y)
                continue;
            const double x = p.x + (cy - p.y) * double(q.x - p.x) / double(q.y - p.y);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        for (int x = int(std::lround(lo)); x < int(std::lround(hi)); ++x)
            SetPixel(dc, x, y, colour);
    }
}

void CentredText(HDC dc, const RECT& box, const char16_t* text, const char16_t* face, int height,
                 int weight, COLORREF colour)
{
    LOGFONTW lf = {};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT r = box;
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}
