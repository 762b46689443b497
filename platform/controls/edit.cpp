// The single-line edit class: typing through WM_CHAR, a caret and a selection, sideways
// scrolling that follows the caret (ES_AUTOHSCROLL), and the EN_* notifications. The editing
// rules live in edit_model.cpp; this file routes messages and paints.
#include <algorithm>

#include "controls_internal.h"
#include "edit_model.h"

namespace {

constexpr int kInset = 3;  // pixels between the frame and the text

struct EditWindowData {
    EditData model;          // text, caret, selection, scroll
    HFONT font = nullptr;    // WM_SETFONT
    bool focused = false;    // draws the caret and the selection
    bool selecting = false;  // the stylus is down and drags a selection
};

// A DC of the control with its font selected, for measuring text.
struct MeasureDC {
    HWND hwnd;
    HDC dc;
    HGDIOBJ old;
    MeasureDC(HWND h, HFONT font) : hwnd(h), dc(GetDC(h)), old(SelectObject(dc, ControlFont(font)))
    {
    }
    ~MeasureDC()
    {
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
    }
    MeasureDC(const MeasureDC&) = delete;
    MeasureDC& operator=(const MeasureDC&) = delete;
};

void UpdateWidth(HWND hwnd, EditWindowData* e)
{
    RECT r;
    GetClientRect(hwnd, &r);
    e->model.visibleWidth = std::max<int>(1, r.right - 2 * kInset);
}

void AfterMove(HWND hwnd, EditWindowData* e)
{
    MeasureDC m(hwnd, e->font);
    EditScrollToCaret(&e->model, MeasureWith(m.dc));
    InvalidateRect(hwnd, nullptr, TRUE);
}

void AfterChange(HWND hwnd, EditWindowData* e)
{
    AfterMove(hwnd, e);
    NotifyParent(hwnd, EN_UPDATE);
    NotifyParent(hwnd, EN_CHANGE);
}

void TypeChar(HWND hwnd, EditWindowData* e, char16_t ch)
{
    const size_t before = e->model.text.size();
    const bool atLimit = ch >= 0x20 && e->model.anchor == e->model.caret &&
                         static_cast<int>(before) >= e->model.limit;
    bool changed;
    {
        MeasureDC m(hwnd, e->font);
        changed = EditChar(&e->model, ch, MeasureWith(m.dc));
    }
    if (changed) {
        AfterChange(hwnd, e);
    } else if (atLimit) {
        NotifyParent(hwnd, EN_MAXTEXT);
    }
}

void Key(HWND hwnd, EditWindowData* e, WPARAM vk)
{
    EditMove move;
    switch (vk) {
    case VK_LEFT: move = EditMove::Left; break;
    case VK_RIGHT: move = EditMove::Right; break;
    case VK_HOME: move = EditMove::Home; break;
    case VK_END: move = EditMove::End; break;
    case VK_DELETE: move = EditMove::Delete; break;
    default: return;
    }
    if (EditKey(&e->model, move, GetKeyState(VK_SHIFT) < 0)) {
        AfterChange(hwnd, e);
    } else {
        AfterMove(hwnd, e);
    }
}

int PositionAt(HWND hwnd, EditWindowData* e, LPARAM lParam)
{
    MeasureDC m(hwnd, e->font);
    return EditPositionAt(&e->model, GET_X_LPARAM(lParam) - kInset, MeasureWith(m.dc));
}

void Paint(HWND hwnd, EditWindowData* e)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const LONG_PTR style = GetWindowLongW(hwnd, GWL_STYLE);
    const bool grey = !IsWindowEnabled(hwnd) || e->model.readOnly;
    HBRUSH brush = ParentColourBrush(hwnd, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, dc);
    FillRect(dc, &r, brush);
    if (style & WS_BORDER || GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
        DrawOutline(dc, r, kFrameColour);
    }
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(e->font));
    const TextMeasure measure = MeasureWith(dc);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int textTop = std::max<int>(kInset - 1, (r.bottom - tm.tmHeight) / 2);
    RECT textArea{kInset, 1, r.right - kInset, r.bottom - 1};
    const std::u16string& text = e->model.text;
    const int x0 = kInset - e->model.scrollX;
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(hwnd)) {
        SetTextColor(dc, kDisabledTextColour);
    }
    ExtTextOutW(dc, x0, textTop, ETO_CLIPPED, &textArea, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    const int selStart = EditSelStart(&e->model);
    const int selEnd = EditSelEnd(&e->model);
    if (e->focused && selStart != selEnd) {
        const int left = x0 + measure(std::u16string_view(text).substr(0, selStart));
        const int right = x0 + measure(std::u16string_view(text).substr(0, selEnd));
        RECT sel{left, textTop, right, textTop + tm.tmHeight};
        IntersectRect(&sel, &sel, &textArea);
        FillSolid(dc, sel, kSelectionColour);
        SetTextColor(dc, kSelectionTextColour);
        ExtTextOutW(dc, x0, textTop, ETO_CLIPPED, &sel, text.c_str(),
                    static_cast<UINT>(text.size()), nullptr);
    }
    if (e->focused) {
        const int caretX = x0 + measure(std::u16string_view(text).substr(0, e->model.caret));
        if (caretX >= textArea.left - 1 && caretX <= textArea.right) {
            FillSolid(dc, RECT{caretX, textTop, caretX + 1, textTop + tm.tmHeight}, kTextColour);
        }
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT GetSel(const EditWindowData* e, WPARAM wParam, LPARAM lParam)
{
    const DWORD start = static_cast<DWORD>(EditSelStart(&e->model));
    const DWORD end = static_cast<DWORD>(EditSelEnd(&e->model));
    if (wParam) {
        *reinterpret_cast<DWORD*>(wParam) = start;
    }
    if (lParam) {
        *reinterpret_cast<DWORD*>(lParam) = end;
    }
    return (start > 0xFFFF || end > 0xFFFF) ? -1 : MAKELONG(start, end);
}

LRESULT GetText(const EditWindowData* e, WPARAM capacity, LPARAM buffer)
{
    auto* out = reinterpret_cast<LPWSTR>(buffer);
    if (!out || capacity == 0) {
        return 0;
    }
    const size_t n = std::min(e->model.text.size(), static_cast<size_t>(capacity) - 1);
    std::copy_n(e->model.text.data(), n, out);
    out[n] = 0;
    return static_cast<LRESULT>(n);
}

}  // namespace

LRESULT CALLBACK EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    EditWindowData* e = ControlData<EditWindowData>(hwnd);
    if (!e && msg != WM_NCCREATE) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCCREATE: {
        EditWindowData* data = AttachControlData<EditWindowData>(hwnd);
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        data->model.autoHScroll = (cs->style & ES_AUTOHSCROLL) != 0;
        data->model.readOnly = (cs->style & ES_READONLY) != 0;
        data->model.limit = 0x7FFFFFFE;
        EditSetText(&data->model, cs->lpszName ? cs->lpszName : u"");
        return TRUE;
    }
    case WM_NCDESTROY: FreeControlData<EditWindowData>(hwnd); return 0;
    case WM_SIZE: UpdateWidth(hwnd, e); return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, e); return 0;
    case WM_SETFONT:
        e->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(e->font);
    case WM_SETTEXT:
        EditSetText(&e->model, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"");
        AfterChange(hwnd, e);
        return TRUE;
    case WM_GETTEXT: return GetText(e, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(e->model.text.size());
    case WM_CHAR: TypeChar(hwnd, e, static_cast<char16_t>(wParam)); return 0;
    case WM_KEYDOWN: Key(hwnd, e, wParam); return 0;
    case WM_SETFOCUS:
        e->focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        e->focused = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd) {
            SetFocus(hwnd);
        }
        const int pos = PositionAt(hwnd, e, lParam);
        EditSetSel(&e->model, pos, pos);
        e->selecting = true;
        SetCapture(hwnd);
        AfterMove(hwnd, e);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (e->selecting) {
            EditSetSel(&e->model, e->model.anchor, PositionAt(hwnd, e, lParam));
            AfterMove(hwnd, e);
        }
        return 0;
    case WM_LBUTTONUP:
        if (e->selecting) {
            e->selecting = false;
            ReleaseCapture();
        }
        return 0;
    case EM_GETSEL: return GetSel(e, wParam, lParam);
    case EM_SETSEL:
        EditSetSel(&e->model, static_cast<int>(wParam), static_cast<int>(lParam));
        AfterMove(hwnd, e);
        return 0;
    case EM_REPLACESEL: {
        bool changed;
        {
            MeasureDC m(hwnd, e->font);
            changed = EditReplaceSel(&e->model, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"",
                                     MeasureWith(m.dc));
        }
        if (changed) {
            AfterChange(hwnd, e);
        }
        return 0;
    }
    case EM_LIMITTEXT:
        e->model.limit =
            wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE));
        return 0;
    case EM_GETLIMITTEXT: return e->model.limit;
    case EM_GETMODIFY: return e->model.modified ? TRUE : FALSE;
    case EM_SETMODIFY: e->model.modified = wParam != 0; return 0;
    case EM_SETREADONLY:
        e->model.readOnly = wParam != 0;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
