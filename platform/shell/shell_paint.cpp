// Drawing helpers of the shell's look.
#include "shell/shell_paint.h"

#include <string>

void ShellFill(HDC dc, const RECT& r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void ShellFrame(HDC dc, const RECT& r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

void ShellLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

HFONT CreateShellFont(int pixelHeight, bool bold)
{
    LOGFONTW lf = {};
    lf.lfHeight = -pixelHeight;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    const char16_t face[] = u"MS Sans Serif";
    std::char_traits<char16_t>::copy(lf.lfFaceName, face, sizeof(face) / sizeof(face[0]));
    return CreateFontIndirectW(&lf);
}

void ShellLabel(HDC dc, LPCWSTR text, RECT r, COLORREF colour, HFONT font, UINT format)
{
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text, -1, &r, format);
    SelectObject(dc, old);
}

int ShellLabelWidth(HDC dc, LPCWSTR text, HFONT font)
{
    std::u16string visible;
    for (const char16_t* p = text; *p; ++p) {
        if (*p == u'&') {
            if (p[1] == u'&') {
                visible += u'&';
                ++p;
            }
            continue;
        }
        visible += *p;
    }
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, visible.c_str(), static_cast<int>(visible.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}
