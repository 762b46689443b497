// The static class: text (SS_LEFT, SS_CENTER, SS_RIGHT, word-wrapped, or one line with
// SS_LEFTNOWORDWRAP) and pictures (SS_BITMAP, STM_SETIMAGE). Without SS_NOTIFY a static is
// transparent to the stylus, as on the device: taps go to the window below it.
#include "controls_internal.h"
#include "gdi/gdi_internal.h"

namespace {

struct StaticData {
    HFONT font = nullptr;     // WM_SETFONT
    HBITMAP image = nullptr;  // SS_BITMAP picture
    bool ownsImage = false;   // loaded from the template's resource id: deleted with the control
};

UINT TypeOf(HWND hwnd)
{
    return static_cast<UINT>(GetWindowLongW(hwnd, GWL_STYLE)) & SS_TYPEMASK;
}

// A template gives a picture's resource id in place of the text; it arrives as "#id".
void LoadTemplateImage(HWND hwnd, StaticData* s, const CREATESTRUCTW* cs)
{
    if (TypeOf(hwnd) != SS_BITMAP || !cs->lpszName) {
        return;
    }
    if (!IS_INTRESOURCE(cs->lpszName) && cs->lpszName[0] != u'#') {
        return;
    }
    // The bitmap resource's .bmp bytes become a bitmap the control owns.
    HRSRC found = FindResourceW(cs->hInstance, cs->lpszName, RT_BITMAP);
    HGLOBAL loaded = found ? LoadResource(cs->hInstance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    s->image =
        bytes ? GdiCreateBitmapFromBmp(bytes, SizeofResource(cs->hInstance, found)) : nullptr;
    s->ownsImage = s->image != nullptr;
    if (!IS_INTRESOURCE(cs->lpszName)) {
        SetWindowTextW(hwnd, u"");
    }
}

void PaintImage(HWND hwnd, HDC dc, const StaticData* s)
{
    if (!s->image) {
        return;
    }
    BITMAP bm{};
    GetObjectW(s->image, sizeof bm, &bm);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, s->image);
    int x = 0;
    int y = 0;
    if (GetWindowLongW(hwnd, GWL_STYLE) & SS_CENTERIMAGE) {
        RECT r;
        GetClientRect(hwnd, &r);
        x = (r.right - bm.bmWidth) / 2;
        y = (r.bottom - bm.bmHeight) / 2;
    }
    BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Paint(HWND hwnd, StaticData* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = ParentColourBrush(hwnd, WM_CTLCOLORSTATIC, dc);
    FillRect(dc, &r, brush);
    const UINT type = TypeOf(hwnd);
    if (type == SS_BITMAP) {
        PaintImage(hwnd, dc, s);
    } else if (type != SS_ICON) {
        HGDIOBJ oldFont = SelectObject(dc, ControlFont(s->font));
        SetBkMode(dc, TRANSPARENT);
        if (!IsWindowEnabled(hwnd)) {
            SetTextColor(dc, kDisabledTextColour);
        }
        UINT format = DT_TOP;
        switch (type) {
        case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
        case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
        case SS_LEFTNOWORDWRAP: format |= DT_LEFT | DT_SINGLELINE; break;
        default: format |= DT_LEFT | DT_WORDBREAK; break;
        }
        if (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOPREFIX) {
            format |= DT_NOPREFIX;
        }
        const std::u16string text = WindowText(hwnd);
        DrawTextW(dc, text.c_str(), -1, &r, format);
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    StaticData* s = ControlData<StaticData>(hwnd);
    if (!s && msg != WM_NCCREATE) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    const bool notify = (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
    switch (msg) {
    case WM_NCCREATE:
        AttachControlData<StaticData>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_CREATE: LoadTemplateImage(hwnd, s, reinterpret_cast<CREATESTRUCTW*>(lParam)); return 0;
    case WM_NCDESTROY:
        if (s->ownsImage) {
            DeleteObject(s->image);
        }
        FreeControlData<StaticData>(hwnd);
        return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, s); return 0;
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s->font);
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case STM_SETIMAGE: {
        if (wParam != IMAGE_BITMAP) {
            return 0;
        }
        HBITMAP previous = s->image;
        if (s->ownsImage) {
            // The picture the template loaded is ours to delete, not the caller's.
            DeleteObject(previous);
            previous = nullptr;
        }
        s->image = reinterpret_cast<HBITMAP>(lParam);
        s->ownsImage = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETIMAGE: return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(s->image) : 0;
    case WM_LBUTTONDOWN:
        if (notify) {
            NotifyParent(hwnd, STN_CLICKED);
            return 0;
        }
        return ForwardStylusToParent(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        if (notify) {
            NotifyParent(hwnd, STN_DBLCLK);
            return 0;
        }
        return ForwardStylusToParent(hwnd, msg, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: return notify ? 0 : ForwardStylusToParent(hwnd, msg, wParam, lParam);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
