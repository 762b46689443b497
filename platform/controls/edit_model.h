// The single-line edit's state and editing rules, apart from any window: text, caret,
// selection, length limit and the horizontal scroll that keeps the caret in view.
// edit.cpp routes WM_CHAR, keys, taps and EM_* messages here and paints the result.
#pragma once

#include <string>

#include "dialogs/text_wrap.h"
#include "windef.h"

struct EditData {
    std::u16string text;       // the contents
    int anchor = 0;            // where the selection started (fixed end)
    int caret = 0;             // the moving end of the selection, where the caret is drawn
    int limit = 30000;         // EM_LIMITTEXT; 0 given to EM_LIMITTEXT means the maximum
    int scrollX = 0;           // pixels of text scrolled out at the left
    int visibleWidth = 0;      // width of the text area, pixels
    bool autoHScroll = false;  // ES_AUTOHSCROLL: text may grow beyond the visible width
    bool readOnly = false;     // ES_READONLY
    bool modified = false;     // EM_GETMODIFY
};

int EditSelStart(const EditData* e);
int EditSelEnd(const EditData* e);

// EM_SETSEL: start -1 removes the selection (caret stays); end -1 means the end of the text.
void EditSetSel(EditData* e, int start, int end);
// Replaces the selection with `text`, cut to the limit (and, without ES_AUTOHSCROLL, to what
// fits the visible width). Returns whether the contents changed.
bool EditReplaceSel(EditData* e, std::u16string_view text, const TextMeasure& measure);
// Sets the whole text (WM_SETTEXT): caret to the start, no selection, scroll reset.
void EditSetText(EditData* e, std::u16string_view text);
// A typed character (WM_CHAR): printable ones replace the selection, Backspace deletes the
// selection or the character before the caret. Returns whether the contents changed.
bool EditChar(EditData* e, char16_t ch, const TextMeasure& measure);
// The editing keys the window procedure maps from VK_LEFT, VK_RIGHT, VK_HOME, VK_END and
// VK_DELETE.
enum class EditMove { Left, Right, Home, End, Delete };
// `shift` extends the selection. Returns whether the contents changed (only Delete does).
bool EditKey(EditData* e, EditMove key, bool shift);
// The caret position closest to pixel `x` of the text area.
int EditPositionAt(const EditData* e, int x, const TextMeasure& measure);
// Scrolls sideways so that the caret lies inside the visible width.
void EditScrollToCaret(EditData* e, const TextMeasure& measure);
