// PaintClueBar and the composition of its text.
#include "clue_bar.h"

#include "game_state.h"
#include "layout.h"
#include "play_cursor.h"
#include "play_time.h"
#include "puzzle_text.h"
#include "rebus_entry.h"
#include "square_marks.h"

int ComposeClueBarText(WCHAR* out)
{
    out[0] = 0;
    if (gGame.solved) {
        // The puzzle's own sign that it is done, in place of a clue: the clock has stopped.
        WCHAR time[16];
        FormatPlayTime(ClockSeconds(), time);
        const int given = MarkedSquares();
        if (given > 0)
            return wsprintfW(out, u"Solved in %s with %d given", time, given);
        return wsprintfW(out, u"Solved in %s", time);
    }
    const ClueEntry* row = CurrentClueRow();
    if (!row || row->clueIndex < 0 || row->clueIndex >= kMaxClues)
        return 0;
    const char* clue = gGame.clueTexts[row->clueIndex];
    WCHAR text[kClueBarChars];
    WidenPuzzleText(clue ? clue : "", text, kClueBarChars);
    // wsprintfW writes at most 1024 characters; the bar keeps the first 259.
    // A word with several letters in a square is spelled out after its clue, as the squares
    // may be too small to read them; while they are typed the bar shows only the word.
    WCHAR spelled[kClueBarChars];
    SpellCurrentWord(spelled, kClueBarChars);
    WCHAR composed[1024];
    if (RebusEntryOpen())
        wsprintfW(composed, u"Rebus %d%s%s", row->number,
                  gGame.direction == kAcross ? u" a: " : u" d: ", spelled);
    else if (spelled[0])
        wsprintfW(composed, u"%d%s%s (%d) %s", row->number,
                  gGame.direction == kAcross ? u" a: " : u" d: ", text, row->length, spelled);
    else
        wsprintfW(composed, u"%d%s%s (%d)", row->number,
                  gGame.direction == kAcross ? u" a: " : u" d: ", text, row->length);
    lstrcpynW(out, composed, kClueBarChars);
    return lstrlenW(out);
}

int ClueBarTop(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client.bottom - (!InputPanelUp() && gGame.keyboardShown ? kKeyboardBand : kClueBarBand);
}

void PaintClueBar(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    HDC dc = GetDC(window);
    LOGFONTW logFont = {};
    logFont.lfHeight = GetDeviceCaps(dc, LOGPIXELSY) / -9;
    lstrcpynW(logFont.lfFaceName, u"System", LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&logFont);
    HPEN pen = CreatePen(PS_SOLID, 1, 0x00FFFFFF);
    HGDIOBJ oldFont = SelectObject(dc, font);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));

    RECT client = {};
    GetClientRect(window, &client);
    const int top = ClueBarTop(window);
    // With the keyboard hidden the bar runs two pixels past the client area's bottom edge.
    Rectangle(dc, client.left, top, client.right, top + kClueBarHeight);
    RECT textBox;
    SetRect(&textBox, client.left + 1, top, client.right - 1, top + kClueBarHeight);
    SetBkColor(dc, 0x00FFFFFF);
    WCHAR text[kClueBarChars];
    if (ComposeClueBarText(text) > 0)
        DrawTextW(dc, text, -1, &textBox, DT_WORDBREAK);

    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(font);
    DeleteObject(pen);
    EndPaint(window, &paint);
    ReleaseDC(window, dc);
}
