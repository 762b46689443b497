// The tab control class: a row of labelled tabs (along the top, or the bottom with
// TCS_BOTTOM). A tap on another tab asks the parent with TCN_SELCHANGING, selects it and
// reports TCN_SELCHANGE, both through WM_NOTIFY. The bookkeeping is tab_model.cpp.
#include <algorithm>

#include "commctrl.h"
#include "controls_internal.h"
#include "tab_model.h"

namespace {

struct TabWindowData {
    TabData model;         // tabs and selection
    HFONT font = nullptr;  // WM_SETFONT
};

int StripHeight(const TabWindowData* t)
{
    return LineHeightOf(t->font) + 6;
}

// Where the strip starts: the control's top, or its bottom edge less the strip.
int StripTop(HWND hwnd, const TabWindowData* t)
{
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & TCS_BOTTOM)) {
        return 0;
    }
    RECT r;
    GetClientRect(hwnd, &r);
    return std::max<int>(0, r.bottom - StripHeight(t));
}

struct MeasureFont {
    HDC dc;
    HGDIOBJ old;
    explicit MeasureFont(HFONT font) : dc(GetDC(nullptr)), old(SelectObject(dc, ControlFont(font)))
    {
    }
    ~MeasureFont()
    {
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    }
    MeasureFont(const MeasureFont&) = delete;
    MeasureFont& operator=(const MeasureFont&) = delete;
};

LRESULT Notify(HWND hwnd, UINT code)
{
    NMHDR header{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
    HWND parent = GetParent(hwnd);
    return parent
               ? SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header))
               : 0;
}

// A user's choice: the parent may refuse it on TCN_SELCHANGING.
void ChooseTab(HWND hwnd, TabWindowData* t, int index)
{
    if (index < 0 || index == t->model.selected) {
        return;
    }
    if (Notify(hwnd, TCN_SELCHANGING)) {
        return;
    }
    TabSetCurSel(&t->model, index);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, TCN_SELCHANGE);
}

void Paint(HWND hwnd, TabWindowData* t)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillSolid(dc, r, kPageColour);
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(t->font));
    const int height = StripHeight(t);
    const int top = StripTop(hwnd, t);
    const bool bottom = (GetWindowLongW(hwnd, GWL_STYLE) & TCS_BOTTOM) != 0;
    // The line the tabs stand on; the selected tab breaks through it to join the page.
    const int baseline = bottom ? top : top + height - 1;
    FillSolid(dc, RECT{0, baseline, r.right, baseline + 1}, kFrameColour);
    const auto rects = TabRects(&t->model, height, MeasureWith(dc));
    SetBkMode(dc, TRANSPARENT);
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT tab = rects[i];
        OffsetRect(&tab, 0, top);
        const bool selected = static_cast<int>(i) == t->model.selected;
        if (!selected) {
            InflateRect(&tab, 0, -2);
            OffsetRect(&tab, 0, bottom ? -2 : 2);
        }
        FillSolid(dc, tab, selected ? kPageColour : kFaceColour);
        DrawOutline(dc, tab, kFrameColour);
        if (selected) {
            const int joint = bottom ? tab.top : tab.bottom - 1;
            FillSolid(dc, RECT{tab.left + 1, joint, tab.right - 1, joint + 1}, kPageColour);
        }
        SetTextColor(dc, IsWindowEnabled(hwnd) ? kTextColour : kDisabledTextColour);
        const std::u16string& text = t->model.items[i].text;
        DrawTextW(dc, text.c_str(), -1, &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT InsertItem(HWND hwnd, TabWindowData* t, WPARAM index, LPARAM lParam)
{
    const auto* item = reinterpret_cast<const TCITEMW*>(lParam);
    if (!item) {
        return -1;
    }
    const LPCWSTR text = (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : u"";
    const LPARAM param = (item->mask & TCIF_PARAM) ? item->lParam : 0;
    const int at =
        TabInsert(&t->model, static_cast<int>(std::min<WPARAM>(index, 0x7FFFFFFF)), text, param);
    InvalidateRect(hwnd, nullptr, TRUE);
    return at;
}

LRESULT GetItem(const TabWindowData* t, WPARAM index, LPARAM lParam)
{
    auto* item = reinterpret_cast<TCITEMW*>(lParam);
    if (!item || index >= t->model.items.size()) {
        return FALSE;
    }
    const TabItem& tab = t->model.items[index];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        const size_t n = std::min(tab.text.size(), static_cast<size_t>(item->cchTextMax - 1));
        std::copy_n(tab.text.data(), n, item->pszText);
        item->pszText[n] = 0;
    }
    if (item->mask & TCIF_PARAM) {
        item->lParam = tab.param;
    }
    return TRUE;
}

LRESULT SetItem(HWND hwnd, TabWindowData* t, WPARAM index, LPARAM lParam)
{
    const auto* item = reinterpret_cast<const TCITEMW*>(lParam);
    if (!item || index >= t->model.items.size()) {
        return FALSE;
    }
    TabItem& tab = t->model.items[index];
    if ((item->mask & TCIF_TEXT) && item->pszText) {
        tab.text = item->pszText;
    }
    if (item->mask & TCIF_PARAM) {
        tab.param = item->lParam;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

}  // namespace

LRESULT CALLBACK TabControlWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TabWindowData* t = ControlData<TabWindowData>(hwnd);
    if (!t && msg != WM_NCCREATE) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCCREATE: AttachControlData<TabWindowData>(hwnd); return TRUE;
    case WM_NCDESTROY: FreeControlData<TabWindowData>(hwnd); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, t); return 0;
    case WM_SETFONT:
        t->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(t->font);
    case WM_LBUTTONDOWN: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) - StripTop(hwnd, t)};
        MeasureFont m(t->font);
        const int index = TabAt(&t->model, pt, StripHeight(t), MeasureWith(m.dc));
        ChooseTab(hwnd, t, index);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_LEFT && t->model.selected > 0) {
            ChooseTab(hwnd, t, t->model.selected - 1);
        } else if (wParam == VK_RIGHT &&
                   t->model.selected + 1 < static_cast<int>(t->model.items.size())) {
            ChooseTab(hwnd, t, t->model.selected + 1);
        }
        return 0;
    case TCM_INSERTITEMW: return InsertItem(hwnd, t, wParam, lParam);
    case TCM_GETITEMW: return GetItem(t, wParam, lParam);
    case TCM_SETITEMW: return SetItem(hwnd, t, wParam, lParam);
    case TCM_GETITEMCOUNT: return static_cast<LRESULT>(t->model.items.size());
    case TCM_GETCURSEL: return t->model.selected;
    case TCM_SETCURSEL: {
        const int previous =
            TabSetCurSel(&t->model, static_cast<int>(static_cast<INT_PTR>(wParam)));
        InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case TCM_DELETEITEM: {
        const bool done = TabDelete(&t->model, static_cast<int>(static_cast<INT_PTR>(wParam)));
        InvalidateRect(hwnd, nullptr, TRUE);
        return done ? TRUE : FALSE;
    }
    case TCM_DELETEALLITEMS:
        t->model.items.clear();
        t->model.selected = -1;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
