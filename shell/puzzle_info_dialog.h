// Puzzle Information for a puzzle with notes: title, author and copyright, and the notes
// below them, in one list that scrolls when they are long. A puzzle without notes keeps its
// message box.
#pragma once

#include "windows.h"

INT_PTR CALLBACK PuzzleInfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Breaks `text` into lines no wider than `width` pixels in the font selected into `dc`, at
// spaces where it can and inside a word that is wider than a line, and at every line break of
// the text (LF, CR LF or a lone CR, as files of every system end their lines); calls
// `line(text, length)` for each.
template <typename Line> void WrapText(HDC dc, LPCWSTR text, int width, Line line);

template <typename Line> void WrapText(HDC dc, LPCWSTR text, int width, Line line)
{
    auto fits = [&](LPCWSTR start, int length) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, start, length, &size);
        return size.cx <= width;
    };
    LPCWSTR start = text;
    while (*start) {
        int length = 0;
        int lastBreak = -1;
        auto breaks = [&](int at) { return start[at] == u'\n' || start[at] == u'\r'; };
        while (start[length] && !breaks(length) && fits(start, length + 1)) {
            if (start[length] == u' ')
                lastBreak = length;
            ++length;
        }
        int next = length;
        if (start[length] && !breaks(length) && lastBreak > 0) {
            length = lastBreak;  // the word that does not fit goes to the next line
            next = lastBreak + 1;
        } else if (breaks(length)) {
            next = length + (start[length] == u'\r' && start[length + 1] == u'\n' ? 2 : 1);
        } else if (length == 0) {
            length = next = 1;  // a character wider than the line still takes one
        }
        line(start, length);
        start += next;
    }
}
