// The button class: push and default push buttons, check boxes, radio buttons and group
// boxes in the handheld's light 3-D look. A push button without text is a colour swatch:
// its face is filled with the brush its parent returns for WM_CTLCOLORBTN.
#include <vector>

#include "controls_internal.h"

namespace {

struct ButtonData {
    UINT check = BST_UNCHECKED;  // BST_CHECKED / BST_INDETERMINATE
    bool pushed = false;         // drawn pressed (stylus down inside, or BM_SETSTATE)
    bool focused = false;        // has the keyboard focus
    bool tracking = false;       // the stylus went down on it and is still down
    HFONT font = nullptr;        // WM_SETFONT
};

constexpr int kBoxSize = 13;  // check box square and radio circle

UINT TypeOf(HWND hwnd)
{
    return static_cast<UINT>(GetWindowLongW(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsPush(UINT type)
{
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}
bool IsRadio(UINT type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// The buttons of the same group as `hwnd` among its siblings: from the nearest WS_GROUP
// sibling at or before it up to the next WS_GROUP sibling.
std::vector<HWND> GroupOf(HWND hwnd)
{
    std::vector<HWND> siblings;
    HWND parent = GetParent(hwnd);
    for (HWND c = parent ? GetWindow(parent, GW_CHILD) : nullptr; c;
         c = GetWindow(c, GW_HWNDNEXT)) {
        siblings.push_back(c);
    }
    size_t self = 0;
    while (self < siblings.size() && siblings[self] != hwnd) {
        ++self;
    }
    size_t first = self;
    while (first > 0 && !(GetWindowLongW(siblings[first], GWL_STYLE) & WS_GROUP)) {
        --first;
    }
    std::vector<HWND> group;
    for (size_t i = first; i < siblings.size(); ++i) {
        if (i > first && (GetWindowLongW(siblings[i], GWL_STYLE) & WS_GROUP)) {
            break;
        }
        group.push_back(siblings[i]);
    }
    return group;
}

void Click(HWND hwnd, ButtonData* b)
{
    switch (TypeOf(hwnd)) {
    case BS_AUTOCHECKBOX: b->check = b->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: b->check = (b->check + 1) % 3; break;
    case BS_AUTORADIOBUTTON:
        b->check = BST_CHECKED;
        for (HWND other : GroupOf(hwnd)) {
            if (other != hwnd && TypeOf(other) == BS_AUTORADIOBUTTON) {
                SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        break;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, BN_CLICKED);
}

void PaintPush(HWND hwnd, HDC dc, const RECT& r, const ButtonData* b, HBRUSH brush,
               const std::u16string& text)
{
    const bool isDefault = TypeOf(hwnd) == BS_DEFPUSHBUTTON;
    RECT face = r;
    DrawOutline(dc, face, kFrameColour);
    InflateRect(&face, -1, -1);
    if (isDefault) {
        DrawOutline(dc, face, kFrameColour);
        InflateRect(&face, -1, -1);
    }
    if (text.empty()) {
        // A swatch: the owner's colour fills the face inside a thin white ring.
        FillSolid(dc, face, kPageColour);
        RECT inner = face;
        InflateRect(&inner, -1, -1);
        FillRect(dc, &inner, brush);
        if (b->pushed) {
            DrawOutline(dc, face, kShadowColour);
        }
        return;
    }
    FillSolid(dc, face, b->pushed ? kShadowColour : kFaceColour);
    DrawEdge3D(dc, face, !b->pushed);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? (b->pushed ? kLightColour : kTextColour)
                                           : kDisabledTextColour);
    RECT textRect = face;
    if (b->pushed) {
        OffsetRect(&textRect, 1, 1);
    }
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// A disabled box or circle is drawn in greys throughout (frame, mark and label), so a ticked
// box that cannot be changed does not look like one that can.
void PaintCheck(HWND hwnd, HDC dc, const RECT& r, const ButtonData* b, HBRUSH brush,
                const std::u16string& text)
{
    FillRect(dc, &r, brush);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const COLORREF frame = enabled ? kFrameColour : kShadowColour;
    const COLORREF page = enabled ? kPageColour : kFaceColour;
    const int top = r.top + (r.bottom - r.top - kBoxSize) / 2;
    const RECT box{r.left, top, r.left + kBoxSize, top + kBoxSize};
    if (IsRadio(TypeOf(hwnd))) {
        HPEN pen = CreatePen(PS_SOLID, 1, frame);
        HBRUSH face = CreateSolidBrush(page);
        HBRUSH dot = CreateSolidBrush(enabled ? kTextColour : kShadowColour);
        HGDIOBJ oldBrush = SelectObject(dc, face);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (b->check == BST_CHECKED) {
            SelectObject(dc, dot);
            Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
        }
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(dot);
        DeleteObject(face);
        DeleteObject(pen);
    } else {
        FillSolid(dc, box, b->check == BST_INDETERMINATE ? kFaceColour : page);
        DrawOutline(dc, box, frame);
        if (b->check != BST_UNCHECKED) {
            // A tick: down-right from the left, then up to the top right.
            const COLORREF ink = b->check == BST_CHECKED && enabled ? kTextColour : kShadowColour;
            for (int i = 0; i < 3; ++i) {
                FillSolid(
                    dc, RECT{box.left + 3 + i, box.top + 5 + i, box.left + 4 + i, box.top + 8 + i},
                    ink);
            }
            for (int i = 0; i < 4; ++i) {
                FillSolid(
                    dc, RECT{box.left + 6 + i, box.top + 6 - i, box.left + 7 + i, box.top + 9 - i},
                    ink);
            }
        }
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? GetTextColor(dc) : kDisabledTextColour);
    RECT textRect{box.right + 4, r.top, r.right, r.bottom};
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (b->focused) {
        DrawOutline(dc, RECT{textRect.left - 1, r.top, r.right, r.bottom}, kShadowColour);
    }
}

void PaintGroup(HWND, HDC dc, const RECT& r, HFONT font, HBRUSH brush, const std::u16string& text)
{
    const int half = LineHeightOf(font) / 2;
    DrawOutline(dc, RECT{r.left, r.top + half, r.right, r.bottom}, kShadowColour);
    if (text.empty()) {
        return;
    }
    const int width = MeasureWith(dc)(text);
    RECT label{r.left + 6, r.top, r.left + 6 + width + 4, r.top + 2 * half + 1};
    FillRect(dc, &label, brush);
    SetBkMode(dc, TRANSPARENT);
    RECT textRect = label;
    textRect.left += 2;
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void Paint(HWND hwnd, ButtonData* b)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(b->font));
    HBRUSH brush = ParentColourBrush(hwnd, WM_CTLCOLORBTN, dc);
    const std::u16string text = WindowText(hwnd);
    const UINT type = TypeOf(hwnd);
    if (IsPush(type) || type == BS_OWNERDRAW) {
        PaintPush(hwnd, dc, r, b, brush, text);
    } else if (type == BS_GROUPBOX) {
        PaintGroup(hwnd, dc, r, b->font, brush, text);
    } else {
        PaintCheck(hwnd, dc, r, b, brush, text);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

bool Inside(HWND hwnd, LPARAM lParam)
{
    RECT r;
    GetClientRect(hwnd, &r);
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&r, pt) != FALSE;
}

LRESULT DialogCode(HWND hwnd)
{
    switch (TypeOf(hwnd)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

void SetPushed(HWND hwnd, ButtonData* b, bool pushed)
{
    if (b->pushed != pushed) {
        b->pushed = pushed;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

}  // namespace

LRESULT CALLBACK ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ButtonData* b = ControlData<ButtonData>(hwnd);
    if (!b && msg != WM_NCCREATE) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCCREATE: AttachControlData<ButtonData>(hwnd); return TRUE;
    case WM_NCDESTROY: FreeControlData<ButtonData>(hwnd); return 0;
    case WM_GETDLGCODE: return DialogCode(hwnd);
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_PAINT: Paint(hwnd, b); return 0;
    case WM_SETFONT:
        b->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(b->font);
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_SETFOCUS:
        b->focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        if (GetWindowLongW(hwnd, GWL_STYLE) & BS_NOTIFY) {
            NotifyParent(hwnd, BN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        b->focused = false;
        b->tracking = false;
        SetPushed(hwnd, b, false);
        if (GetWindowLongW(hwnd, GWL_STYLE) & BS_NOTIFY) {
            NotifyParent(hwnd, BN_KILLFOCUS);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (TypeOf(hwnd) == BS_GROUPBOX) {
            return ForwardStylusToParent(hwnd, msg, wParam, lParam);
        }
        SetFocus(hwnd);
        SetCapture(hwnd);
        b->tracking = true;
        SetPushed(hwnd, b, true);
        return 0;
    case WM_MOUSEMOVE:
        if (TypeOf(hwnd) == BS_GROUPBOX) {
            return ForwardStylusToParent(hwnd, msg, wParam, lParam);
        }
        if (b->tracking) {
            SetPushed(hwnd, b, Inside(hwnd, lParam));
        }
        return 0;
    case WM_LBUTTONUP:
        if (TypeOf(hwnd) == BS_GROUPBOX) {
            return ForwardStylusToParent(hwnd, msg, wParam, lParam);
        }
        if (b->tracking) {
            b->tracking = false;
            ReleaseCapture();
            const bool inside = Inside(hwnd, lParam);
            SetPushed(hwnd, b, false);
            if (inside) {
                Click(hwnd, b);
            }
        }
        return 0;
    case WM_CHAR:
        if (wParam == u' ' && TypeOf(hwnd) != BS_GROUPBOX) {
            Click(hwnd, b);
        }
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(hwnd) && TypeOf(hwnd) != BS_GROUPBOX) {
            Click(hwnd, b);
        }
        return 0;
    case BM_GETCHECK: return b->check;
    case BM_SETCHECK:
        if (b->check != (wParam & 3)) {
            b->check = static_cast<UINT>(wParam & 3);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case BM_GETSTATE: return b->check | (b->pushed ? BST_PUSHED : 0) | (b->focused ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(hwnd, b, wParam != 0); return 0;
    case BM_SETSTYLE: {
        const LONG_PTR style = GetWindowLongW(hwnd, GWL_STYLE);
        SetWindowLongW(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK));
        if (LOWORD(lParam)) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
