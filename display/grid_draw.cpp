// Squares, letters and numbers of the grid image.
#include "grid_draw.h"

#include <algorithm>
#include <cstring>

#include "cross_references.h"
#include "diagramless.h"
#include "display_state.h"
#include "game_state.h"
#include "layout.h"
#include "play_cursor.h"
#include "rebus_entry.h"
#include "square_text.h"

namespace {

constexpr int kSmallestCircle = 6;  // squares narrower than this get a dot

bool NumbersShown()
{
    return gGame.settings.showNumbers && Magnified();
}

// The window's own font fills the fields a grid font does not name.
LOGFONTW WindowLogFont(HWND window)
{
    LOGFONTW font = {};
    HFONT own = window ? reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) : nullptr;
    if (own)
        GetObjectW(own, sizeof font, &font);
    return font;
}

void SetFace(LOGFONTW* font, LPCWSTR face)
{
    lstrcpynW(font->lfFaceName, face, LF_FACESIZE);
}

// With Marks on, a square given by View or Fill shows a blue corner, one Check found wrong a
// red one, top right inside its border.
void DrawCornerMark(HDC dc, int row, int col)
{
    const uint8_t marks = gGame.playerMarks[row * gGame.width + col];
    if (!gGame.settings.marks || !(marks & (kMarkGiven | kMarkWasWrong)))
        return;
    const int s = gGame.cellSize;
    const int size = std::max(2, s / 4);
    const int right = CellLeft(col) + s;
    const int top = CellTop(row) + 1;
    const RECT corner = {right - size, top, right, top + size};
    HBRUSH brush = CreateSolidBrush((marks & kMarkGiven) ? kGivenMarkBlue : kWrongMarkRed);
    FillRect(dc, &corner, brush);
    DeleteObject(brush);
}

// The squares of the entries the current clue names ("see 17-Across"), tinted under the
// current word's highlight; the next full paint, when the word changes, takes the tint away.
void DrawCrossReferences(HDC dc)
{
    uint8_t marked[kMaxCells];
    if (CrossReferencedSquares(marked) == 0)
        return;
    HBRUSH tint = CreateSolidBrush(kReferenceTint);
    HGDIOBJ oldBrush = SelectObject(dc, tint);
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        if (!marked[i])
            continue;
        DrawSquare(dc, i / gGame.width, i % gGame.width);
        char text[kRebusTextSize];
        SquareTextShown(i, text);
        DrawEntryText(dc, i, text);
        DrawNumber(dc, i / gGame.width, i % gGame.width, kNumberSingleLine);
    }
    SelectObject(dc, oldBrush);
    DeleteObject(tint);
}

// The background colour over cell (row, col) from `inset` pixels inside its border lines
// (0: the lines too).
void FillBackground(HDC dc, int row, int col, int inset)
{
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    const int s = gGame.cellSize;
    const RECT box = {x0 + inset, y0 + inset, x0 + s + 1 - inset, y0 + s + 1 - inset};
    HBRUSH brush = CreateSolidBrush(gGame.settings.backgroundColour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

}  // namespace

int CellLeft(int col)
{
    return col * gGame.cellSize + gGame.gridLeft;
}

int CellTop(int row)
{
    return row * gGame.cellSize;
}

void DrawSquare(HDC dc, int row, int col)
{
    const int i = row * gGame.width + col;
    if (SquareVoid(i)) {
        // Its lines belong to the squares around it, or to nobody (ClearVoidSquares).
        FillBackground(dc, row, col, 1);
        return;
    }
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    const int s = gGame.cellSize;
    Rectangle(dc, x0, y0, x0 + s + 1, y0 + s + 1);
    if (SquareBlock(i)) {
        // A block the player placed carries its marks as a letter would.
        if (gGame.diagramless)
            DrawCornerMark(dc, row, col);
        return;
    }
    DrawCornerMark(dc, row, col);
    if (!SquareCircled(i))
        return;
    if (s < kSmallestCircle) {
        // Too small for a ring: a dot at the centre still tells the square apart.
        SetPixel(dc, x0 + s / 2, y0 + s / 2, kCircleGrey);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, kCircleGrey);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, x0 + 1, y0 + 1, x0 + s, y0 + s);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
}

SquareBrushes CreateSquareBrushes()
{
    return {CreateSolidBrush(gGame.settings.backgroundColour), CreateSolidBrush(kShadedGrey),
            CreateSolidBrush(gGame.settings.squareColour)};
}

void DeleteSquareBrushes(const SquareBrushes& brushes)
{
    DeleteObject(brushes.open);
    DeleteObject(brushes.shaded);
    DeleteObject(brushes.black);
}

void SelectPlainBrush(HDC dc, const SquareBrushes& brushes, int i, bool solution)
{
    const bool black = solution ? gGame.solution[i] == '.' : SquareBlock(i);
    SelectObject(dc, black ? brushes.black : SquareShaded(i) ? brushes.shaded : brushes.open);
}

void DrawSolutionBlock(HDC dc, int row, int col)
{
    HBRUSH black = CreateSolidBrush(gGame.settings.squareColour);
    HGDIOBJ previous = SelectObject(dc, black);
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    Rectangle(dc, x0, y0, x0 + gGame.cellSize + 1, y0 + gGame.cellSize + 1);
    SelectObject(dc, previous);
    DeleteObject(black);
}

namespace {

// The current square of a diagramless puzzle holding a placed block: the block inside the
// cursor's colour, so the player sees both where the cursor is and what the square holds.
void DrawBlockUnderCursor(HDC dc)
{
    const int s = gGame.cellSize;
    const int inset = std::max(1, s / 5);
    const int x0 = CellLeft(gGame.cursorCol);
    const int y0 = CellTop(gGame.cursorRow);
    const RECT inside = {x0 + inset, y0 + inset, x0 + s + 1 - inset, y0 + s + 1 - inset};
    HBRUSH black = CreateSolidBrush(gGame.settings.squareColour);
    FillRect(dc, &inside, black);
    DeleteObject(black);
}

}  // namespace

void ClearVoidSquares(HDC dc)
{
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        if (SquareVoid(i))
            FillBackground(dc, i / gGame.width, i % gGame.width, 0);
    }
}

void DrawInnerEdge(HDC dc, int row, int col, HPEN grey)
{
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    const int s = gGame.cellSize;
    HGDIOBJ previous = SelectObject(dc, grey);
    // Two-point polylines: the end point is left out, so each edge stops short of the border.
    const POINT top[2] = {{x0 + 1, y0 + 1}, {x0 + s, y0 + 1}};
    const POINT left[2] = {{x0 + 1, y0 + 1}, {x0 + 1, y0 + s}};
    Polyline(dc, top, 2);
    Polyline(dc, left, 2);
    SelectObject(dc, previous);
}

void DrawLetter(HDC dc, int row, int col, char ch)
{
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    RECT box = {x0, y0, x0 + gGame.cellSize + 1, y0 + gGame.cellSize + 1};
    WCHAR text[4];
    wsprintfW(text, u"%C", ch);
    HGDIOBJ previous = SelectObject(dc, gDisplay.letterFont);
    DrawTextW(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
}

void DrawSquareText(HDC dc, int row, int col, const char* text)
{
    if (!text[0] || !text[1]) {
        if (text[0])
            DrawLetter(dc, row, col, text[0]);
        return;
    }
    WCHAR wide[kRebusTextSize];
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, kRebusTextSize) - 1;
    const int room = std::max(1, gGame.cellSize - 2);
    LOGFONTW shrunk = {};
    GetObjectW(gDisplay.letterFont, sizeof shrunk, &shrunk);
    HGDIOBJ previous = SelectObject(dc, gDisplay.letterFont);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, wide, length, &extent);
    HFONT font = nullptr;
    if (extent.cx > room) {
        shrunk.lfHeight = std::max(1, int(shrunk.lfHeight * room / extent.cx));
        font = CreateFontIndirectW(&shrunk);
        SelectObject(dc, font);
    }
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    RECT box = {x0, y0, x0 + gGame.cellSize + 1, y0 + gGame.cellSize + 1};
    DrawTextW(dc, wide, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    if (font)
        DeleteObject(font);
}

void DrawEntryText(HDC dc, int i, const char* text)
{
    const bool pencil = (gGame.playerMarks[i] & kMarkPencil) != 0;
    const COLORREF old = pencil ? SetTextColor(dc, kPencilGrey) : 0;
    DrawSquareText(dc, i / gGame.width, i % gGame.width, text);
    if (pencil)
        SetTextColor(dc, old);
}

void DrawNumber(HDC dc, int row, int col, NumberBox box)
{
    const int number = gGame.cells[row * gGame.width + col].number;
    if (!NumbersShown() || number == 0 || number == -1)
        return;
    const int s = gGame.cellSize;
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    RECT rect = {x0 + 1, y0, x0 + s, y0 + s};
    UINT format = DT_LEFT | DT_TOP;
    if (box != kNumberInSquare) {
        // The box reaches half a square into the neighbours, so the number is never cut.
        rect.right = int((col + 1) * s + gGame.gridLeft + 0.5 * s);
        rect.bottom = int((row + 1) * s + 0.5 * s);
        if (box == kNumberSingleLine)
            format |= DT_SINGLELINE;
    }
    WCHAR text[16];
    wsprintfW(text, u"%d", number);
    HGDIOBJ previous = SelectObject(dc, gDisplay.numberFont);
    DrawTextW(dc, text, -1, &rect, format);
    SelectObject(dc, previous);
}

void CreateGridFonts(HWND window)
{
    LOGFONTW letter = WindowLogFont(window);
    // Positive: the cell height of the font. Never below one pixel: a height of 0 would ask
    // for the device's default size, far taller than a square of two or three pixels.
    letter.lfHeight = std::max(1, gGame.cellSize - 2);
    letter.lfWeight = FW_BOLD;
    SetFace(&letter, u"System");

    LOGFONTW number = WindowLogFont(window);
    number.lfHeight = GetDeviceCaps(gDisplay.backBuffer, LOGPIXELSY) / -13;
    number.lfWeight = 0;
    SetFace(&number, u"Arial");

    HFONT oldLetter = gDisplay.letterFont;
    HFONT oldNumber = gDisplay.numberFont;
    gDisplay.letterFont = CreateFontIndirectW(&letter);
    gDisplay.numberFont = CreateFontIndirectW(&number);
    if (oldLetter)
        DeleteObject(oldLetter);
    if (oldNumber)
        DeleteObject(oldNumber);
}

void EnsureGridFonts(HWND window)
{
    if (!gDisplay.letterFont || !gDisplay.numberFont)
        CreateGridFonts(window);
}

void DestroyGridFonts()
{
    if (gDisplay.letterFont)
        DeleteObject(gDisplay.letterFont);
    if (gDisplay.numberFont)
        DeleteObject(gDisplay.numberFont);
    gDisplay.letterFont = nullptr;
    gDisplay.numberFont = nullptr;
}

void DrawCurrentWord(HDC dc, bool solution)
{
    int first = 0;
    int last = 0;
    int step = 1;
    if (!CurrentWordSquares(&first, &last, &step))
        return;

    HPEN pen = CreatePen(PS_SOLID, 1, kLineBlack);
    HBRUSH yellow = CreateSolidBrush(kWordYellow);
    HBRUSH orange = CreateSolidBrush(kCursorOrange);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    if (!solution)
        DrawCrossReferences(dc);
    for (int i = first; i <= last; i += step)
        DrawSquare(dc, i / gGame.width, i % gGame.width);
    SelectObject(dc, orange);
    DrawSquare(dc, gGame.cursorRow, gGame.cursorCol);
    if (gGame.diagramless && SquareBlock(CurrentSquare()))
        DrawBlockUnderCursor(dc);

    if (solution) {
        // The view of a word: every solution letter in red first, then the numbers in black.
        const COLORREF oldColour = SetTextColor(dc, kRevealRed);
        for (int i = first; i <= last; i += step) {
            char text[kRebusTextSize];
            SquareSolutionText(i, text);
            if (gGame.solution[i] != '.')
                DrawSquareText(dc, i / gGame.width, i % gGame.width, text);
            else if (gGame.diagramless)
                DrawSolutionBlock(dc, i / gGame.width, i % gGame.width);
        }
        SetTextColor(dc, kLineBlack);
        for (int i = first; i <= last; i += step)
            DrawNumber(dc, i / gGame.width, i % gGame.width, kNumberSingleLine);
        SetTextColor(dc, oldColour);
    } else {
        for (int i = first; i <= last; i += step) {
            // A black current square shows the cursor colour but never a "." as a letter.
            char text[kRebusTextSize];
            SquareTextShown(i, text);
            DrawEntryText(dc, i, text);
            DrawNumber(dc, i / gGame.width, i % gGame.width, kNumberSingleLine);
        }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(yellow);
    DeleteObject(orange);
}
