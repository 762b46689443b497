// The list box class: a single-selection list with item data, scrolled by dragging the
// stylus across it or with its own scroll bars. LBS_NOTIFY lists report a tap on an item
// with LBN_SELCHANGE and a second tap on the same item soon after with LBN_DBLCLK. The
// LB_* rules live in list_box_model.cpp.
#include <algorithm>
#include <cstdlib>

#include "controls_internal.h"
#include "list_box_model.h"
#include "strings/case_fold.h"

namespace {

constexpr int kDragThreshold = 5;    // pixels the stylus moves before a tap becomes a drag
constexpr DWORD kDoubleTapMs = 500;  // second tap on the same item within this is a double
constexpr int kTextIndent = 2;       // pixels before an item's text

enum class Tracking { None, Items, VerticalThumb, HorizontalThumb };

struct ListBoxWindowData {
    ListBoxData model;     // items, selection, scroll positions
    HFONT font = nullptr;  // WM_SETFONT
    Tracking tracking = Tracking::None;
    POINT down{0, 0};      // where the stylus went down
    int downTop = 0;       // topIndex when it went down
    int downScrollX = 0;   // scrollX when it went down
    bool dragged = false;  // the stylus moved beyond the threshold
    int lastTapItem = -1;  // for LBN_DBLCLK
    DWORD lastTapTime = 0;
};

struct Geometry {
    RECT items;       // where items are drawn
    bool vertical;    // a vertical bar is shown
    bool horizontal;  // a horizontal bar is shown
    RECT vBar;        // its rectangle
    RECT hBar;
};

bool Notifies(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_STYLE) & LBS_NOTIFY) != 0;
}

// Bars appear only when their direction has something to scroll, and each one taken away
// from the item area may make the other one necessary.
Geometry Layout(HWND hwnd, ListBoxWindowData* lb)
{
    RECT r;
    GetClientRect(hwnd, &r);
    const LONG_PTR style = GetWindowLongW(hwnd, GWL_STYLE);
    if (style & WS_BORDER) {
        InflateRect(&r, -1, -1);
    }
    Geometry g{r, false, false, {}, {}};
    const int count = static_cast<int>(lb->model.items.size());
    const int h = std::max(1, lb->model.itemHeight);
    for (int pass = 0; pass < 2; ++pass) {
        const int height = (r.bottom - r.top) - (g.horizontal ? kScrollBarSize : 0);
        const int width = (r.right - r.left) - (g.vertical ? kScrollBarSize : 0);
        g.vertical = (style & WS_VSCROLL) && count * h > height;
        g.horizontal = (style & WS_HSCROLL) && lb->model.horizontalExtent > width;
    }
    g.items = r;
    if (g.vertical) {
        g.items.right -= kScrollBarSize;
        g.vBar = {g.items.right, r.top, r.right, g.items.bottom};
    }
    if (g.horizontal) {
        g.items.bottom -= kScrollBarSize;
        g.hBar = {r.left, g.items.bottom, g.items.right, r.bottom};
        if (g.vertical) {
            g.vBar.bottom = g.items.bottom;
        }
    }
    lb->model.visibleWidth = g.items.right - g.items.left;
    lb->model.visibleHeight = g.items.bottom - g.items.top;
    return g;
}

ScrollBarGeometry VerticalBar(const Geometry& g, const ListBoxData& m)
{
    return ScrollBarLayout(g.vBar, true, m.topIndex, ListBoxPageSize(&m),
                           static_cast<int>(m.items.size()));
}

ScrollBarGeometry HorizontalBar(const Geometry& g, const ListBoxData& m)
{
    return ScrollBarLayout(g.hBar, false, m.scrollX, m.visibleWidth, m.horizontalExtent);
}

void Refresh(HWND hwnd, ListBoxWindowData* lb)
{
    Layout(hwnd, lb);
    ListBoxSetTopIndex(&lb->model, lb->model.topIndex);
    ListBoxSetScrollX(&lb->model, lb->model.scrollX);
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & LBS_NOREDRAW)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void Paint(HWND hwnd, ListBoxWindowData* lb)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const Geometry g = Layout(hwnd, lb);
    HBRUSH brush = ParentColourBrush(hwnd, WM_CTLCOLORLISTBOX, dc);
    const COLORREF textColour = GetTextColor(dc);
    FillRect(dc, &r, brush);
    if (GetWindowLongW(hwnd, GWL_STYLE) & WS_BORDER) {
        DrawOutline(dc, r, kFrameColour);
    }
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(lb->font));
    SetBkMode(dc, TRANSPARENT);
    const ListBoxData& m = lb->model;
    const int h = m.itemHeight;
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    for (int i = m.topIndex; i < static_cast<int>(m.items.size()); ++i) {
        const int top = g.items.top + (i - m.topIndex) * h;
        if (top >= g.items.bottom) {
            break;
        }
        RECT row{g.items.left, top, g.items.right, std::min<LONG>(top + h, g.items.bottom)};
        const bool selected = i == m.selected;
        if (selected) {
            FillSolid(dc, row, kSelectionColour);
        }
        SetTextColor(dc, selected ? kSelectionTextColour
                                  : (IsWindowEnabled(hwnd) ? textColour : kDisabledTextColour));
        const std::u16string& text = m.items[i].text;
        ExtTextOutW(dc, g.items.left + kTextIndent - m.scrollX, top + (h - tm.tmHeight) / 2,
                    ETO_CLIPPED, &row, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
    if (g.vertical) {
        DrawScrollBar(dc, VerticalBar(g, m));
    }
    if (g.horizontal) {
        DrawScrollBar(dc, HorizontalBar(g, m));
    }
    if (g.vertical && g.horizontal) {
        FillSolid(dc, RECT{g.vBar.left, g.hBar.top, g.vBar.right, g.hBar.bottom}, kFaceColour);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

void ScrollVertically(HWND hwnd, ListBoxWindowData* lb, int top)
{
    if (ListBoxSetTopIndex(&lb->model, top)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void ScrollSideways(HWND hwnd, ListBoxWindowData* lb, int x)
{
    if (ListBoxSetScrollX(&lb->model, x)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// WM_VSCROLL / WM_HSCROLL codes, also what a tap on a bar does.
void ScrollBy(HWND hwnd, ListBoxWindowData* lb, bool vertical, int code, int thumb)
{
    ListBoxData& m = lb->model;
    if (vertical) {
        const int page = ListBoxPageSize(&m);
        switch (code) {
        case SB_LINEUP: ScrollVertically(hwnd, lb, m.topIndex - 1); break;
        case SB_LINEDOWN: ScrollVertically(hwnd, lb, m.topIndex + 1); break;
        case SB_PAGEUP: ScrollVertically(hwnd, lb, m.topIndex - page); break;
        case SB_PAGEDOWN: ScrollVertically(hwnd, lb, m.topIndex + page); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: ScrollVertically(hwnd, lb, thumb); break;
        case SB_TOP: ScrollVertically(hwnd, lb, 0); break;
        case SB_BOTTOM: ScrollVertically(hwnd, lb, static_cast<int>(m.items.size())); break;
        }
        return;
    }
    const int line = std::max(1, m.itemHeight);
    switch (code) {
    case SB_LINELEFT: ScrollSideways(hwnd, lb, m.scrollX - line); break;
    case SB_LINERIGHT: ScrollSideways(hwnd, lb, m.scrollX + line); break;
    case SB_PAGELEFT: ScrollSideways(hwnd, lb, m.scrollX - m.visibleWidth); break;
    case SB_PAGERIGHT: ScrollSideways(hwnd, lb, m.scrollX + m.visibleWidth); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: ScrollSideways(hwnd, lb, thumb); break;
    case SB_LEFT: ScrollSideways(hwnd, lb, 0); break;
    case SB_RIGHT: ScrollSideways(hwnd, lb, ListBoxMaxScrollX(&m)); break;
    }
}

bool TapScrollBar(HWND hwnd, ListBoxWindowData* lb, const Geometry& g, POINT pt)
{
    for (bool vertical : {true, false}) {
        if (!(vertical ? g.vertical : g.horizontal)) {
            continue;
        }
        const ScrollBarGeometry bar =
            vertical ? VerticalBar(g, lb->model) : HorizontalBar(g, lb->model);
        switch (ScrollBarHit(bar, pt)) {
        case ScrollHit::None:
            if (!PtInRect(&bar.bar, pt)) {
                continue;
            }
            return true;
        case ScrollHit::Less: ScrollBy(hwnd, lb, vertical, SB_LINEUP, 0); return true;
        case ScrollHit::More: ScrollBy(hwnd, lb, vertical, SB_LINEDOWN, 0); return true;
        case ScrollHit::PageLess: ScrollBy(hwnd, lb, vertical, SB_PAGEUP, 0); return true;
        case ScrollHit::PageMore: ScrollBy(hwnd, lb, vertical, SB_PAGEDOWN, 0); return true;
        case ScrollHit::Thumb:
            lb->tracking = vertical ? Tracking::VerticalThumb : Tracking::HorizontalThumb;
            return true;
        }
    }
    return false;
}

void StylusDown(HWND hwnd, ListBoxWindowData* lb, LPARAM lParam)
{
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const Geometry g = Layout(hwnd, lb);
    lb->down = pt;
    lb->downTop = lb->model.topIndex;
    lb->downScrollX = lb->model.scrollX;
    lb->dragged = false;
    SetCapture(hwnd);
    if (TapScrollBar(hwnd, lb, g, pt)) {
        if (lb->tracking == Tracking::None) {
            ReleaseCapture();
        }
        return;
    }
    lb->tracking = PtInRect(&g.items, pt) ? Tracking::Items : Tracking::None;
    if (lb->tracking == Tracking::None) {
        ReleaseCapture();
    }
}

void StylusMove(HWND hwnd, ListBoxWindowData* lb, LPARAM lParam)
{
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int dx = pt.x - lb->down.x;
    const int dy = pt.y - lb->down.y;
    const ListBoxData& m = lb->model;
    switch (lb->tracking) {
    case Tracking::Items:
        if (!lb->dragged && std::abs(dx) <= kDragThreshold && std::abs(dy) <= kDragThreshold) {
            return;
        }
        lb->dragged = true;
        // The content follows the stylus, as a page under a finger would.
        ScrollVertically(hwnd, lb, lb->downTop - dy / std::max(1, m.itemHeight));
        ScrollSideways(hwnd, lb, lb->downScrollX - dx);
        return;
    case Tracking::VerticalThumb: {
        const Geometry g = Layout(hwnd, lb);
        const int track = (g.vBar.bottom - g.vBar.top) - 2 * kScrollBarSize;
        const int count = static_cast<int>(m.items.size());
        if (track > 0) {
            ScrollVertically(hwnd, lb, lb->downTop + dy * count / track);
        }
        return;
    }
    case Tracking::HorizontalThumb: {
        const Geometry g = Layout(hwnd, lb);
        const int track = (g.hBar.right - g.hBar.left) - 2 * kScrollBarSize;
        if (track > 0) {
            ScrollSideways(hwnd, lb, lb->downScrollX + dx * m.horizontalExtent / track);
        }
        return;
    }
    case Tracking::None: return;
    }
}

void Select(HWND hwnd, ListBoxWindowData* lb, int index, bool notify)
{
    ListBoxSetCurSel(&lb->model, index);
    InvalidateRect(hwnd, nullptr, TRUE);
    if (notify && Notifies(hwnd)) {
        NotifyParent(hwnd, LBN_SELCHANGE);
    }
}

void StylusUp(HWND hwnd, ListBoxWindowData* lb, LPARAM lParam)
{
    const Tracking was = lb->tracking;
    lb->tracking = Tracking::None;
    if (was == Tracking::None) {
        return;
    }
    ReleaseCapture();
    if (was != Tracking::Items || lb->dragged) {
        return;
    }
    const Geometry g = Layout(hwnd, lb);
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!PtInRect(&g.items, pt)) {
        return;
    }
    const int index = ListBoxItemAt(&lb->model, pt.y - g.items.top);
    if (index < 0) {
        return;
    }
    const DWORD now = static_cast<DWORD>(GetMessageTime());
    const bool twice = index == lb->lastTapItem && now - lb->lastTapTime <= kDoubleTapMs;
    lb->lastTapItem = twice ? -1 : index;
    lb->lastTapTime = now;
    Select(hwnd, lb, index, true);
    if (twice && Notifies(hwnd) && IsWindow(hwnd)) {
        NotifyParent(hwnd, LBN_DBLCLK);
    }
}

void Key(HWND hwnd, ListBoxWindowData* lb, WPARAM vk)
{
    const ListBoxData& m = lb->model;
    const int count = static_cast<int>(m.items.size());
    if (count == 0) {
        return;
    }
    Layout(hwnd, lb);
    const int page = ListBoxPageSize(&m);
    const int current = m.selected;
    int next = current;
    switch (vk) {
    case VK_UP: next = current < 0 ? 0 : current - 1; break;
    case VK_DOWN: next = current + 1; break;
    case VK_PRIOR: next = current - page; break;
    case VK_NEXT: next = current + page; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    case VK_LEFT: ScrollBy(hwnd, lb, false, SB_LINELEFT, 0); return;
    case VK_RIGHT: ScrollBy(hwnd, lb, false, SB_LINERIGHT, 0); return;
    default: return;
    }
    next = std::clamp(next, 0, count - 1);
    if (next != current) {
        Select(hwnd, lb, next, true);
    }
}

LRESULT GetText(const ListBoxData& m, WPARAM index, LPARAM buffer)
{
    if (index >= m.items.size()) {
        return LB_ERR;
    }
    const std::u16string& text = m.items[index].text;
    if (auto* out = reinterpret_cast<LPWSTR>(buffer)) {
        std::copy(text.begin(), text.end(), out);
        out[text.size()] = 0;
    }
    return static_cast<LRESULT>(text.size());
}

// LB_FINDSTRING: the first item after `start` (wrapping) that begins with `prefix`.
int FindPrefix(const ListBoxData& m, int start, std::u16string_view prefix)
{
    const int count = static_cast<int>(m.items.size());
    if (start < -1 || start >= count) {
        start = -1;
    }
    for (int n = 1; n <= count; ++n) {
        const int i = (start + n) % count;
        const std::u16string& t = m.items[i].text;
        if (t.size() >= prefix.size() &&
            CompareFolded(std::u16string_view(t).substr(0, prefix.size()), prefix) == 0) {
            return i;
        }
    }
    return LB_ERR;
}

LPCWSTR TextOf(LPARAM lParam)
{
    return lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
}

LRESULT ListMessage(HWND hwnd, ListBoxWindowData* lb, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ListBoxData& m = lb->model;
    const int count = static_cast<int>(m.items.size());
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case LB_ADDSTRING: {
        const int i = ListBoxAddString(&m, TextOf(lParam));
        Refresh(hwnd, lb);
        return i;
    }
    case LB_INSERTSTRING: {
        const int i = ListBoxInsertString(&m, index, TextOf(lParam));
        Refresh(hwnd, lb);
        return i;
    }
    case LB_DELETESTRING: {
        const int left = ListBoxDeleteString(&m, index);
        Refresh(hwnd, lb);
        return left;
    }
    case LB_RESETCONTENT:
        ListBoxResetContent(&m);
        m.scrollX = 0;
        Refresh(hwnd, lb);
        return 0;
    case LB_SETCURSEL: {
        Layout(hwnd, lb);
        const int r = ListBoxSetCurSel(&m, index);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case LB_GETCURSEL: return m.selected;
    case LB_GETTEXT: return GetText(m, wParam, lParam);
    case LB_GETTEXTLEN:
        return (index >= 0 && index < count) ? static_cast<LRESULT>(m.items[index].text.size())
                                             : LB_ERR;
    case LB_GETCOUNT: return count;
    case LB_FINDSTRINGEXACT: return ListBoxFindStringExact(&m, index, TextOf(lParam));
    case LB_FINDSTRING: return FindPrefix(m, index, TextOf(lParam));
    case LB_SELECTSTRING: {
        const int found = FindPrefix(m, index, TextOf(lParam));
        if (found >= 0) {
            Layout(hwnd, lb);
            ListBoxSetCurSel(&m, found);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return found;
    }
    case LB_INITSTORAGE:
        m.items.reserve(m.items.size() + wParam);
        return static_cast<LRESULT>(m.items.capacity());
    case LB_SETHORIZONTALEXTENT:
        m.horizontalExtent = static_cast<int>(wParam);
        Refresh(hwnd, lb);
        return 0;
    case LB_GETHORIZONTALEXTENT: return m.horizontalExtent;
    case LB_SETITEMDATA:
        if (index < 0 || index >= count) {
            return LB_ERR;
        }
        m.items[index].data = lParam;
        return LB_OKAY;
    case LB_GETITEMDATA: return (index >= 0 && index < count) ? m.items[index].data : LB_ERR;
    case LB_GETTOPINDEX: return m.topIndex;
    case LB_SETTOPINDEX:
        if (index < 0 || (index >= count && count > 0)) {
            return LB_ERR;
        }
        Layout(hwnd, lb);
        ScrollVertically(hwnd, lb, index);
        return LB_OKAY;
    case LB_GETITEMHEIGHT: return m.itemHeight;
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) {
            return LB_ERR;
        }
        m.itemHeight = LOWORD(lParam);
        Refresh(hwnd, lb);
        return LB_OKAY;
    case LB_GETITEMRECT: {
        if (index < 0 || index >= count || !lParam) {
            return LB_ERR;
        }
        const Geometry g = Layout(hwnd, lb);
        const int top = g.items.top + (index - m.topIndex) * m.itemHeight;
        *reinterpret_cast<RECT*>(lParam) = {g.items.left, top, g.items.right, top + m.itemHeight};
        return LB_OKAY;
    }
    case LB_ITEMFROMPOINT: {
        const Geometry g = Layout(hwnd, lb);
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const int i = ListBoxItemAt(&m, pt.y - g.items.top);
        const bool outside = !PtInRect(&g.items, pt) || i < 0;
        return MAKELONG(i < 0 ? std::max(0, count - 1) : i, outside ? 1 : 0);
    }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int ListBoxScrollX(HWND list)
{
    if (GetWindowLongW(list, GWL_WNDPROC) != reinterpret_cast<LONG_PTR>(ListBoxWndProc)) {
        return -1;
    }
    const ListBoxWindowData* lb = ControlData<ListBoxWindowData>(list);
    return lb ? lb->model.scrollX : -1;
}

LRESULT CALLBACK ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ListBoxWindowData* lb = ControlData<ListBoxWindowData>(hwnd);
    if (!lb && msg != WM_NCCREATE) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCCREATE: {
        ListBoxWindowData* data = AttachControlData<ListBoxWindowData>(hwnd);
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        data->model.sorted = (cs->style & LBS_SORT) != 0;
        data->model.itemHeight = LineHeightOf(nullptr) + 2;
        return TRUE;
    }
    case WM_NCDESTROY: FreeControlData<ListBoxWindowData>(hwnd); return 0;
    case WM_SIZE: Refresh(hwnd, lb); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, lb); return 0;
    case WM_SETFONT:
        lb->font = reinterpret_cast<HFONT>(wParam);
        lb->model.itemHeight = LineHeightOf(lb->font) + 2;
        if (LOWORD(lParam)) {
            Refresh(hwnd, lb);
        }
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(lb->font);
    case WM_SETFOCUS:
        if (Notifies(hwnd)) {
            NotifyParent(hwnd, LBN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        if (Notifies(hwnd)) {
            NotifyParent(hwnd, LBN_KILLFOCUS);
        }
        return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_LBUTTONDOWN: StylusDown(hwnd, lb, lParam); return 0;
    case WM_MOUSEMOVE: StylusMove(hwnd, lb, lParam); return 0;
    case WM_LBUTTONUP: StylusUp(hwnd, lb, lParam); return 0;
    case WM_KEYDOWN: Key(hwnd, lb, wParam); return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Layout(hwnd, lb);
        ScrollBy(hwnd, lb, msg == WM_VSCROLL, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
        return 0;
    }
    return ListMessage(hwnd, lb, msg, wParam, lParam);
}
