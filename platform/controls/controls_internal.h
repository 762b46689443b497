// What the controls share with the dialog manager and the common dialogs: class
// registration, the handheld look (colours, frames, the default font) and small helpers.
// Programs never include this.
#pragma once

#include <string>
#include <string_view>

#include "dialogs/text_wrap.h"
#include "windows.h"

// Registers the button, static, edit, list box and tab control classes (and nothing twice).
// The window manager forgets classes between tests, so every entry point calls this.
void EnsureControlClasses();

// The look: a white page, black text, light grey faces, a dark blue selection.
constexpr COLORREF kPageColour = 0x00FFFFFF;
constexpr COLORREF kTextColour = 0x00000000;
constexpr COLORREF kFaceColour = 0x00E0E0E0;
constexpr COLORREF kLightColour = 0x00FFFFFF;
constexpr COLORREF kShadowColour = 0x00808080;
constexpr COLORREF kFrameColour = 0x00000000;
constexpr COLORREF kDisabledTextColour = 0x00808080;
constexpr COLORREF kSelectionColour = 0x00800000;
constexpr COLORREF kSelectionTextColour = 0x00FFFFFF;
constexpr int kScrollBarSize = 11;

// Per-window state of a control, kept in the first extra bytes of the window.
template <typename T> T* ControlData(HWND hwnd)
{
    return reinterpret_cast<T*>(GetWindowLongW(hwnd, 0));
}
template <typename T> T* AttachControlData(HWND hwnd)
{
    T* data = new T();
    SetWindowLongW(hwnd, 0, reinterpret_cast<LONG_PTR>(data));
    return data;
}
template <typename T> void FreeControlData(HWND hwnd)
{
    delete ControlData<T>(hwnd);
    SetWindowLongW(hwnd, 0, 0);
}

// The font a control draws with: the one given by WM_SETFONT, or the device's default.
HFONT ControlFont(HFONT set);

// Asks the parent for the brush of a WM_CTLCOLOR* message and prepares `dc` with the text and
// background colours the parent chose (black on white unless it set others). Never null.
HBRUSH ParentColourBrush(HWND control, UINT msg, HDC dc);

// A control that is transparent to the stylus (a static without SS_NOTIFY, a group box)
// passes the stylus message on to its parent, in the parent's coordinates.
LRESULT ForwardStylusToParent(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

// WM_COMMAND to the parent: MAKEWPARAM(id, code), lParam = the control.
void NotifyParent(HWND control, WORD code);

// Frames: a one-pixel rectangle outline, a raised or sunken 3-D edge.
void DrawOutline(HDC dc, const RECT& r, COLORREF colour);
void DrawEdge3D(HDC dc, const RECT& r, bool raised);
void FillSolid(HDC dc, const RECT& r, COLORREF colour);

// A text measure over `dc` with its current font.
TextMeasure MeasureWith(HDC dc);
// Width of `text` in `font`, measured on a screen DC.
int TextWidthIn(HFONT font, std::u16string_view text);
// Line height of `font` in pixels.
int LineHeightOf(HFONT font);
// The window's text.
std::u16string WindowText(HWND hwnd);

// A vertical or horizontal scroll bar drawn inside a control: arrows at both ends and a
// thumb sized by page / total. Returns nothing; hit testing is ScrollBarHit.
struct ScrollBarGeometry {
    RECT bar;        // the whole bar
    RECT lessArrow;  // up / left arrow button
    RECT moreArrow;  // down / right arrow button
    RECT thumb;      // empty when everything is visible
    bool vertical;   // direction
};
ScrollBarGeometry ScrollBarLayout(RECT bar, bool vertical, int position, int page, int total);
void DrawScrollBar(HDC dc, const ScrollBarGeometry& g);
// Which part of a bar a point is in.
enum class ScrollHit { None, Less, More, PageLess, PageMore, Thumb };
ScrollHit ScrollBarHit(const ScrollBarGeometry& g, POINT pt);

// Pixels a list box is scrolled sideways (its scroll bar's position), for tests and the
// common dialogs; -1 for a window that is not a list box.
int ListBoxScrollX(HWND list);

// Window procedures of the classes (for tests that subclass or inspect them).
LRESULT CALLBACK ButtonWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK EditWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ListBoxWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK TabControlWndProc(HWND, UINT, WPARAM, LPARAM);
