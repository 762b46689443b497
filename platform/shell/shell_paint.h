// Colours and small drawing helpers of the handheld look, shared by the navigation bar, the
// menu bar, the input panel and the pop-up menus. Every helper deletes what it creates.
#pragma once

#include "windows.h"

constexpr COLORREF kNavigationBlue = RGB(0, 0, 128);    // navigation bar
constexpr COLORREF kNavigationBand = RGB(40, 72, 168);  // its lighter band
constexpr COLORREF kBarGrey = RGB(192, 192, 192);       // menu bar, input panel
constexpr COLORREF kShadowGrey = RGB(128, 128, 128);    // rules and key outlines
constexpr COLORREF kKeyFace = RGB(236, 236, 236);       // input panel keys
constexpr COLORREF kMenuHighlight = RGB(0, 0, 128);     // the item under the stylus
constexpr COLORREF kDisabledText = RGB(128, 128, 128);

void ShellFill(HDC dc, const RECT& r, COLORREF colour);
// A rectangle outline 1 px wide inside `r`.
void ShellFrame(HDC dc, const RECT& r, COLORREF colour);
void ShellLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour);

// The shell's sans face at `pixelHeight` (character height), bold or regular.
HFONT CreateShellFont(int pixelHeight, bool bold);

// One line of text in `r` with DrawTextW's `format`, transparent background.
void ShellLabel(HDC dc, LPCWSTR text, RECT r, COLORREF colour, HFONT font, UINT format);

// Width in pixels of one line of text, "&" prefixes not counted.
int ShellLabelWidth(HDC dc, LPCWSTR text, HFONT font);
