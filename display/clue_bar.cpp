// PaintClueBar, the composition of its text and the number of lines it may take.
#include "clue_bar.h"

#include <algorithm>

#include "display_state.h"
#include "game_state.h"
#include "layout.h"
#include "pause_panel.h"
#include "play_cursor.h"
#include "play_scroll.h"
#include "play_time.h"
#include "puzzle_text.h"
#include "rebus_entry.h"
#include "square_marks.h"

namespace {

constexpr UINT kClueBarFormat = DT_WORDBREAK | DT_NOPREFIX;
// While Pencil is on the bar keeps a column at its right end for the pencil sign, so the sign
// never lies over the clue's text; the grid is above the bar and the keyboard below it.
constexpr int kPencilSignWidth = 11;

// The bar's text in three pieces, so that a long clue can be cut while its number and length
// stay: "12 a: " + clue + " (5)" and the spelled-out word. A solved puzzle and an open rebus
// entry have their whole text in `head`.
struct ClueBarParts {
    WCHAR head[64];
    WCHAR clue[kWholeClueChars];
    WCHAR tail[kClueBarChars];
};

// False when the current square has no word in the current direction.
bool ComposeParts(ClueBarParts* parts)
{
    parts->head[0] = 0;
    parts->clue[0] = 0;
    parts->tail[0] = 0;
    if (gGame.solved) {
        // The puzzle's own sign that it is done, in place of a clue: the clock has stopped.
        WCHAR time[16];
        FormatPlayTime(ClockSeconds(), time);
        const int given = MarkedSquares();
        if (given > 0)
            wsprintfW(parts->head, u"Solved in %s with %d given", time, given);
        else
            wsprintfW(parts->head, u"Solved in %s", time);
        return true;
    }
    const ClueEntry* row = CurrentClueRow();
    if (!row || row->clueIndex < 0 || row->clueIndex >= kMaxClues)
        return false;
    const WCHAR* way = gGame.direction == kAcross ? u" a: " : u" d: ";
    // A word with several letters in a square is spelled out after its clue, as the squares
    // may be too small to read them; while they are typed the bar shows only the word.
    WCHAR spelled[kClueBarChars];
    SpellCurrentWord(spelled, kClueBarChars);
    if (RebusEntryOpen()) {
        wsprintfW(parts->head, u"Rebus %d%s", row->number, way);
        lstrcpynW(parts->tail, spelled, kClueBarChars);
        return true;
    }
    wsprintfW(parts->head, u"%d%s", row->number, way);
    const char* clue = gGame.clueTexts[row->clueIndex];
    // A word of a diagramless player's layout may have a number the file's clues do not.
    if (!clue && gGame.diagramless)
        lstrcpynW(parts->clue, u"no clue has this number", kWholeClueChars);
    else
        WidenPuzzleText(clue ? clue : "", parts->clue, kWholeClueChars);
    if (spelled[0])
        wsprintfW(parts->tail, u" (%d) %s", row->length, spelled);
    else
        wsprintfW(parts->tail, u" (%d)", row->length);
    return true;
}

// head + the first `clueChars` characters of the clue (and `mark` after them) + tail, cut to
// `size` characters with the terminator by shortening the clue.
int JoinParts(const ClueBarParts& parts, int clueChars, const WCHAR* mark, WCHAR* out, int size)
{
    const int fixed = lstrlenW(parts.head) + lstrlenW(mark) + lstrlenW(parts.tail);
    const int room = std::max(0, size - 1 - fixed);
    clueChars = std::min({clueChars, room, lstrlenW(parts.clue)});
    lstrcpynW(out, parts.head, size);
    int n = lstrlenW(out);
    for (int i = 0; i < clueChars && n < size - 1; ++i)
        out[n++] = parts.clue[i];
    out[n] = 0;
    lstrcpynW(out + n, mark, size - n);
    n = lstrlenW(out);
    lstrcpynW(out + n, parts.tail, size - n);
    return lstrlenW(out);
}

HFONT CreateClueBarFont(HDC dc)
{
    LOGFONTW logFont = {};
    logFont.lfHeight = GetDeviceCaps(dc, LOGPIXELSY) / -9;
    lstrcpynW(logFont.lfFaceName, u"System", LF_FACESIZE);
    return CreateFontIndirectW(&logFont);
}

int BandHeight()
{
    return !InputPanelUp() && gGame.keyboardShown ? kKeyboardBand : kClueBarBand;
}

// The bar's height the screen shows before it grows: with the keyboard hidden the bar runs
// two pixels past the client area's bottom edge.
int ShownBarHeight()
{
    return BandHeight() == kKeyboardBand ? kClueBarHeight : kClueBarBand;
}

// How far a bar of `lines` lines of `line` pixels reaches above its band's top: two lines
// keep the bar as it always was.
int GrowthFor(int lines, int line)
{
    return lines <= 2 ? 0 : std::max(0, lines * line - ShownBarHeight());
}

int TextWidth(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client.right - client.left - 2 - (gGame.settings.pencil ? kPencilSignWidth : 0);
}

// The pencil sign in the column at the bar's top right corner from (left, top): a grey
// pencil leaning left, its point dark.
void DrawPencilSign(HDC dc, int left, int top)
{
    HPEN body = CreatePen(PS_SOLID, 3, kPencilGrey);
    HGDIOBJ oldPen = SelectObject(dc, body);
    MoveToEx(dc, left + 8, top + 2, nullptr);
    LineTo(dc, left + 3, top + 7);
    SelectObject(dc, oldPen);
    DeleteObject(body);
    HPEN point = CreatePen(PS_SOLID, 1, kLineBlack);
    oldPen = SelectObject(dc, point);
    MoveToEx(dc, left + 2, top + 8, nullptr);
    LineTo(dc, left, top + 10);
    SelectObject(dc, oldPen);
    DeleteObject(point);
}

// Height of `text` wrapped at `width` in the DC's font.
int TextHeight(HDC dc, const WCHAR* text, int width)
{
    RECT box = {0, 0, width, 0};
    return DrawTextW(dc, text, -1, &box, kClueBarFormat | DT_CALCRECT);
}

int LineHeight(HDC dc)
{
    return std::max(1, TextHeight(dc, u"X", 1000));
}

// The bar's text in at most `lines` lines of `width` pixels into `out` (kClueBarChars): the
// whole text when it fits, else as much of the clue as fits, cut after a word, with an
// ellipsis before the length. The lines it takes.
int FitText(HDC dc, const ClueBarParts& parts, int width, int lines, WCHAR* out)
{
    const int line = LineHeight(dc);
    const int clueLength = lstrlenW(parts.clue);
    const int fixed = lstrlenW(parts.head) + lstrlenW(parts.tail);
    if (fixed + clueLength < kClueBarChars) {
        JoinParts(parts, clueLength, u"", out, kClueBarChars);
        const int whole = TextHeight(dc, out, width);
        if (whole <= lines * line)
            return std::max(1, whole / line);
    }
    // The longest beginning of the clue that fits with the ellipsis: the search halves the
    // range, so a clue of a few hundred characters takes nine measurements.
    int low = 0;
    int high = std::max(0, std::min(clueLength, kClueBarChars - 2 - fixed));
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        JoinParts(parts, mid, u"\u2026", out, kClueBarChars);
        if (TextHeight(dc, out, width) <= lines * line)
            low = mid;
        else
            high = mid - 1;
    }
    int cut = low;
    while (cut > 0 && cut < clueLength && parts.clue[cut] != u' ')
        --cut;  // after a whole word, unless the first word alone is too long
    if (cut == 0)
        cut = low;
    while (cut > 0 && parts.clue[cut - 1] == u' ')
        --cut;
    JoinParts(parts, cut, u"\u2026", out, kClueBarChars);
    return lines;
}

// The most pixels the bar may grow by with the current word still in view: in a view that
// scrolls vertically what the word needs of it (the word across, or a down word from the
// cursor on when all of it does not fit) must stay above the bar; in a view that does not,
// the bar stops at the word's bottom edge as it stands.
int RoomAboveWord()
{
    const int cell = gGame.cellSize;
    const int width = std::max(gGame.width, 1);
    const int view = gGame.viewHeight + gGame.clueBarGrowth;
    int first = 0;
    int last = 0;
    CurrentWord(&first, &last);
    int top = gGame.cursorRow;
    int bottom = gGame.cursorRow;
    if (gGame.direction == kDown) {
        top = first / width;
        bottom = last / width;
    }
    if (Magnified() && gGame.height * cell > view) {
        if ((bottom - top + 1) * cell > view)
            top = gGame.cursorRow;
        return std::max(0, view - (bottom - top + 1) * cell - 1);
    }
    return std::max(0, view - ((bottom + 1) * cell + 1 - gGame.scrollY));
}

// The lines the bar takes for the current text: as many as the text wants up to the bound,
// never fewer than two.
int LinesAllowed(HDC dc, HWND window, const ClueBarParts& parts)
{
    const int line = LineHeight(dc);
    WCHAR whole[kClueBarChars];
    JoinParts(parts, lstrlenW(parts.clue), u"", whole, kClueBarChars);
    const int wanted = (TextHeight(dc, whole, TextWidth(window)) + line - 1) / line;
    const int room = RoomAboveWord();
    int lines = 2;
    while (lines < std::min(wanted, kClueBarMaxLines) && GrowthFor(lines + 1, line) <= room)
        ++lines;
    return lines;
}

// The whole text into `out` of `size` characters, the clue cut to fit.
int ComposeText(WCHAR* out, int size)
{
    out[0] = 0;
    ClueBarParts parts;
    if (!ComposeParts(&parts))
        return 0;
    return JoinParts(parts, kWholeClueChars, u"", out, size);
}

}  // namespace

int ComposeClueBarText(WCHAR* out)
{
    return ComposeText(out, kClueBarChars);
}

int ComposeWholeClueText(WCHAR* out)
{
    return ComposeText(out, kWholeClueChars);
}

int ClueBarTop(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client.bottom - BandHeight() - gGame.clueBarGrowth;
}

bool OnClueBar(HWND window, POINT p)
{
    RECT client = {};
    GetClientRect(window, &client);
    const int top = ClueBarTop(window);
    const RECT bar = {client.left, top, client.right,
                      std::min(client.bottom, top + kClueBarHeight + gGame.clueBarGrowth)};
    return PtInRect(&bar, p) != 0;
}

int ClueBarShownText(HWND window, WCHAR* out)
{
    out[0] = 0;
    ClueBarParts parts;
    if (!ComposeParts(&parts))
        return 0;
    HDC dc = GetDC(window);
    HFONT font = CreateClueBarFont(dc);
    HGDIOBJ oldFont = SelectObject(dc, font);
    const int lines = std::max(2, (gGame.clueBarGrowth + ShownBarHeight()) / LineHeight(dc));
    FitText(dc, parts, TextWidth(window), lines, out);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    ReleaseDC(window, dc);
    return lstrlenW(out);
}

void PaintClueBar(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (PauseHidesGrid()) {
        // The bar would give the clue away: the panel covers it as it covers the grid.
        PaintPausePanel(window);
        EndPaint(window, &paint);
        return;
    }
    HDC dc = GetDC(window);
    HFONT font = CreateClueBarFont(dc);
    HPEN pen = CreatePen(PS_SOLID, 1, 0x00FFFFFF);
    HGDIOBJ oldFont = SelectObject(dc, font);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));

    ClueBarParts parts;
    const bool any = ComposeParts(&parts);
    const int line = LineHeight(dc);
    const int lines = any ? LinesAllowed(dc, window, parts) : 2;
    const int growth = GrowthFor(lines, line);
    if (growth != gGame.clueBarGrowth) {
        // The view ends at the bar's new top: the word is brought into what is left of it,
        // and the rows the bar gives back are shown again.
        SetClueBarGrowth(growth);
        ScrollOffsetsToCurrentWord();
        PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
    }

    RECT client = {};
    GetClientRect(window, &client);
    const int top = ClueBarTop(window);
    // With the keyboard hidden the bar runs two pixels past the client area's bottom edge.
    const int height = kClueBarHeight + growth;
    Rectangle(dc, client.left, top, client.right, top + height);
    RECT textBox;
    SetRect(&textBox, client.left + 1, top, client.left + 1 + TextWidth(window), top + height);
    SetBkColor(dc, 0x00FFFFFF);
    WCHAR text[kClueBarChars];
    if (any && FitText(dc, parts, TextWidth(window), lines, text) > 0)
        DrawTextW(dc, text, -1, &textBox, kClueBarFormat);
    if (gGame.settings.pencil)
        DrawPencilSign(dc, client.right - kPencilSignWidth, top);

    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(font);
    DeleteObject(pen);
    EndPaint(window, &paint);
    ReleaseDC(window, dc);
}
