// Drawing helpers shared by the controls: colours from the parent, frames, 3-D edges, text
// measuring and the in-control scroll bars.
#include <algorithm>

#include "controls_internal.h"

HFONT ControlFont(HFONT set)
{
    return set ? set : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HBRUSH ParentColourBrush(HWND control, UINT msg, HDC dc)
{
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kPageColour);
    HWND parent = GetParent(control);
    HBRUSH brush = nullptr;
    if (parent) {
        brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, msg, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control)));
    }
    return brush ? brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void NotifyParent(HWND control, WORD code)
{
    HWND parent = GetParent(control);
    if (parent) {
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                     reinterpret_cast<LPARAM>(control));
    }
}

LRESULT ForwardStylusToParent(HWND control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND parent = GetParent(control);
    if (!parent) {
        return 0;
    }
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(control, &screen);
    // The stylus goes to the window below: a later sibling under the point (the radio
    // buttons inside a group box), else the parent.
    HWND target = parent;
    for (HWND s = GetWindow(control, GW_HWNDNEXT); s; s = GetWindow(s, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(s, &r);
        if (IsWindowVisible(s) && IsWindowEnabled(s) && PtInRect(&r, screen)) {
            target = s;
            break;
        }
    }
    POINT pt = screen;
    ScreenToClient(target, &pt);
    return SendMessageW(target, msg, wParam, MAKELPARAM(pt.x, pt.y));
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void DrawOutline(HDC dc, const RECT& r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

void DrawEdge3D(HDC dc, const RECT& r, bool raised)
{
    if (r.right - r.left < 2 || r.bottom - r.top < 2) {
        return;
    }
    const COLORREF topLeft = raised ? kLightColour : kShadowColour;
    const COLORREF bottomRight = raised ? kShadowColour : kLightColour;
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

TextMeasure MeasureWith(HDC dc)
{
    return [dc](std::u16string_view s) {
        SIZE size{0, 0};
        if (!s.empty()) {
            GetTextExtentPoint32W(dc, s.data(), static_cast<int>(s.size()), &size);
        }
        return static_cast<int>(size.cx);
    };
}

int TextWidthIn(HFONT font, std::u16string_view text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, ControlFont(font));
    const int width = MeasureWith(dc)(text);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return width;
}

int LineHeightOf(HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, ControlFont(font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::max<int>(1, tm.tmHeight);
}

std::u16string WindowText(HWND hwnd)
{
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

ScrollBarGeometry ScrollBarLayout(RECT bar, bool vertical, int position, int page, int total)
{
    ScrollBarGeometry g{bar, bar, bar, {0, 0, 0, 0}, vertical};
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int arrow = std::min(kScrollBarSize, length / 2);
    if (vertical) {
        g.lessArrow.bottom = bar.top + arrow;
        g.moreArrow.top = bar.bottom - arrow;
    } else {
        g.lessArrow.right = bar.left + arrow;
        g.moreArrow.left = bar.right - arrow;
    }
    const int track = length - 2 * arrow;
    if (total <= page || track <= 4) {
        return g;
    }
    const int thumbLength = std::max(8, track * page / total);
    const int range = total - page;
    const int offset = (track - thumbLength) * std::clamp(position, 0, range) / range;
    if (vertical) {
        const int top = bar.top + arrow + offset;
        g.thumb = {bar.left, top, bar.right, top + thumbLength};
    } else {
        const int left = bar.left + arrow + offset;
        g.thumb = {left, bar.top, left + thumbLength, bar.bottom};
    }
    return g;
}

namespace {

// A small filled triangle pointing up, down, left or right, centred in `r`.
void DrawArrow(HDC dc, const RECT& r, int direction)
{
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 3; ++i) {
        RECT line;
        switch (direction) {
        case 0: line = {cx - i, cy - 1 + i, cx + i + 1, cy + i}; break;       // up
        case 1: line = {cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i}; break;   // down
        case 2: line = {cx - 1 + i, cy - i, cx + i, cy + i + 1}; break;       // left
        default: line = {cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1}; break;  // right
        }
        FillSolid(dc, line, kFrameColour);
    }
}

}  // namespace

void DrawScrollBar(HDC dc, const ScrollBarGeometry& g)
{
    FillSolid(dc, g.bar, 0x00F0F0F0);
    DrawOutline(dc, g.bar, kShadowColour);
    for (const RECT* r : {&g.lessArrow, &g.moreArrow}) {
        FillSolid(dc, *r, kFaceColour);
        DrawOutline(dc, *r, kShadowColour);
    }
    DrawArrow(dc, g.lessArrow, g.vertical ? 0 : 2);
    DrawArrow(dc, g.moreArrow, g.vertical ? 1 : 3);
    if (g.thumb.right > g.thumb.left) {
        FillSolid(dc, g.thumb, kFaceColour);
        DrawOutline(dc, g.thumb, kShadowColour);
    }
}

ScrollHit ScrollBarHit(const ScrollBarGeometry& g, POINT pt)
{
    auto inside = [pt](const RECT& r) {
        return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
    };
    if (!inside(g.bar)) {
        return ScrollHit::None;
    }
    if (inside(g.lessArrow)) {
        return ScrollHit::Less;
    }
    if (inside(g.moreArrow)) {
        return ScrollHit::More;
    }
    if (g.thumb.right <= g.thumb.left) {
        return ScrollHit::None;
    }
    if (inside(g.thumb)) {
        return ScrollHit::Thumb;
    }
    const bool before = g.vertical ? pt.y < g.thumb.top : pt.x < g.thumb.left;
    return before ? ScrollHit::PageLess : ScrollHit::PageMore;
}
