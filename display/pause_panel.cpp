// PaintPausePanel and where the panel lies.
#include "pause_panel.h"

#include <algorithm>

#include "clue_bar.h"
#include "game_state.h"

RECT PausePanelRect(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    const int barBottom = ClueBarTop(window) + kClueBarHeight + gGame.clueBarGrowth;
    return {client.left, client.top, client.right, std::min(client.bottom, barBottom)};
}

bool OnPausePanel(HWND window, POINT p)
{
    const RECT panel = PausePanelRect(window);
    return PtInRect(&panel, p) != 0;
}

void PaintPausePanel(HWND window)
{
    const RECT panel = PausePanelRect(window);
    HDC dc = GetDC(window);
    HBRUSH fill = CreateSolidBrush(gGame.settings.squareColour);
    FillRect(dc, &panel, fill);
    DeleteObject(fill);

    LOGFONTW logFont = {};
    logFont.lfHeight = GetDeviceCaps(dc, LOGPIXELSY) / -7;
    logFont.lfWeight = FW_BOLD;
    lstrcpynW(logFont.lfFaceName, u"System", LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, gGame.settings.backgroundColour);
    SetBkColor(dc, gGame.settings.squareColour);
    // Centred in the grid's own area; the bar's part of the panel stays plain.
    RECT text = {panel.left, panel.top, panel.right, std::max(panel.top, ClueBarTop(window))};
    DrawTextW(dc, kPausePanelText, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    ReleaseDC(window, dc);
}
