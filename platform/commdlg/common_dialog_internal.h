// What the open, save and colour dialogs share: their full-screen page (a bold title line
// with a rule under it), the automation's queued answers, and the last error.
#pragma once

#include <optional>
#include <string>

#include "windows.h"

// The page's title line: this high, drawn by PaintTitleLine.
inline constexpr int kTitleLineHeight = 22;

// Makes `dialog` a full-screen shell dialog over the visible desktop (these dialogs have no
// menu bar), with the navigation bar's "ok".
void MakeFullScreen(HWND dialog);
// The bold title and the thin rule under it, at the top of the client area.
void PaintTitleLine(HDC dc, int width, HFONT bold, std::u16string_view title);
// An 8-point sans font of the given weight; the caller deletes it.
HFONT CreateDialogFont(int weight);

// A queued answer for a file dialog: a path, or nothing for Cancel.
struct FileDialogAnswer {
    bool cancel;          // the user cancels
    std::u16string path;  // else the path chosen
};
std::optional<FileDialogAnswer> TakeFileDialogAnswer();
void RecordFileDialog(bool save, std::u16string title, std::u16string proposal,
                      std::u16string folder, std::u16string result);

// A queued answer for a colour chooser: a colour, or nothing for Cancel.
struct ColourAnswer {
    bool cancel;      // the user cancels
    COLORREF colour;  // else the colour picked
};
std::optional<ColourAnswer> TakeColourAnswer();
void RecordColourChooser(COLORREF initial, bool confirmed, COLORREF result);

// CommDlgExtendedError's value.
void SetCommonDialogError(DWORD error);
