// Editing rules of the single-line edit.
#include "edit_model.h"

#include <algorithm>

namespace {

int Length(const EditData* e)
{
    return static_cast<int>(e->text.size());
}

}  // namespace

int EditSelStart(const EditData* e)
{
    return std::min(e->anchor, e->caret);
}
int EditSelEnd(const EditData* e)
{
    return std::max(e->anchor, e->caret);
}

void EditSetSel(EditData* e, int start, int end)
{
    if (start == -1) {
        e->anchor = e->caret;
        return;
    }
    const int len = Length(e);
    if (end == -1 || end > len) {
        end = len;
    }
    start = std::clamp(start, 0, len);
    end = std::clamp(end, 0, len);
    e->anchor = start;
    e->caret = end;
}

bool EditReplaceSel(EditData* e, std::u16string_view text, const TextMeasure& measure)
{
    const int start = EditSelStart(e);
    const int end = EditSelEnd(e);
    const int room = std::max(0, e->limit - (Length(e) - (end - start)));
    std::u16string insert(text.substr(0, std::min<size_t>(text.size(), room)));
    if (!e->autoHScroll && measure) {
        // Without sideways scrolling the text must fit the box: keep what still fits.
        while (!insert.empty()) {
            std::u16string candidate = e->text;
            candidate.replace(start, end - start, insert);
            if (measure(candidate) <= e->visibleWidth) {
                break;
            }
            insert.pop_back();
        }
    }
    if (insert.empty() && start == end) {
        return false;
    }
    e->text.replace(start, end - start, insert);
    e->caret = e->anchor = start + static_cast<int>(insert.size());
    e->modified = true;
    return true;
}

void EditSetText(EditData* e, std::u16string_view text)
{
    e->text.assign(text.substr(0, std::min<size_t>(text.size(), 0x7FFFFFFE)));
    e->caret = e->anchor = 0;
    e->scrollX = 0;
    e->modified = false;
}

bool EditChar(EditData* e, char16_t ch, const TextMeasure& measure)
{
    if (e->readOnly) {
        return false;
    }
    if (ch == u'\b') {
        if (EditSelStart(e) == EditSelEnd(e)) {
            if (e->caret == 0) {
                return false;
            }
            e->anchor = e->caret - 1;
        }
        return EditReplaceSel(e, u"", measure);
    }
    if (ch < 0x20 || ch == 0x7F) {
        return false;  // Enter, Escape, Tab and control characters are not text here
    }
    return EditReplaceSel(e, std::u16string_view(&ch, 1), measure);
}

bool EditKey(EditData* e, EditMove key, bool shift)
{
    const int len = Length(e);
    int caret = e->caret;
    switch (key) {
    case EditMove::Left:
        if (!shift && e->anchor != e->caret) {
            caret = EditSelStart(e);
        } else {
            caret = std::max(0, caret - 1);
        }
        break;
    case EditMove::Right:
        if (!shift && e->anchor != e->caret) {
            caret = EditSelEnd(e);
        } else {
            caret = std::min(len, caret + 1);
        }
        break;
    case EditMove::Home: caret = 0; break;
    case EditMove::End: caret = len; break;
    case EditMove::Delete:
        if (e->readOnly) {
            return false;
        }
        if (e->anchor == e->caret) {
            if (e->caret >= len) {
                return false;
            }
            e->anchor = e->caret + 1;
        }
        return EditReplaceSel(e, u"", nullptr);
    }
    e->caret = caret;
    if (!shift) {
        e->anchor = caret;
    }
    return false;
}

int EditPositionAt(const EditData* e, int x, const TextMeasure& measure)
{
    const int target = x + e->scrollX;
    int previous = 0;
    for (int i = 1; i <= Length(e); ++i) {
        const int w = measure(std::u16string_view(e->text).substr(0, i));
        if (w >= target) {
            // Nearer to the left or the right edge of character i - 1.
            return (target - previous < w - target) ? i - 1 : i;
        }
        previous = w;
    }
    return Length(e);
}

void EditScrollToCaret(EditData* e, const TextMeasure& measure)
{
    if (!e->autoHScroll) {
        e->scrollX = 0;
        return;
    }
    const int caretX = measure(std::u16string_view(e->text).substr(0, e->caret));
    if (caretX < e->scrollX) {
        // Going left the view jumps a quarter of its width, so a few characters show.
        e->scrollX = std::max(0, caretX - e->visibleWidth / 4);
    } else if (caretX >= e->scrollX + e->visibleWidth) {
        e->scrollX = caretX - e->visibleWidth + 1;
    }
    const int textWidth = measure(e->text);
    // Never leave blank space at the right when the text could fill the view.
    e->scrollX = std::max(0, std::min(e->scrollX, std::max(0, textWidth - e->visibleWidth + 1)));
}
