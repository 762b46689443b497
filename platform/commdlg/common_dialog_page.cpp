// The full-screen page the common dialogs share.
#include "common_dialog_internal.h"
#include "controls/controls_internal.h"

void MakeFullScreen(HWND dialog)
{
    // A shell dialog: the navigation bar shows its title and an "ok" that sends IDOK.
    SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&info);
}

HFONT CreateDialogFont(int weight)
{
    return CreateFontW(-11, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, u"MS Sans Serif");
}

void PaintTitleLine(HDC dc, int width, HFONT bold, std::u16string_view title)
{
    HGDIOBJ old = SelectObject(dc, bold);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0x00800000);
    RECT r{6, 0, width - 6, kTitleLineHeight - 2};
    const std::u16string text(title);
    DrawTextW(dc, text.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    FillSolid(dc, RECT{0, kTitleLineHeight - 2, width, kTitleLineHeight - 1}, kFrameColour);
    SelectObject(dc, old);
}
