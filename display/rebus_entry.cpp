// The entry lives in gDisplay until it ends; only then does the square's entry change, so
// Escape, or a puzzle switch that ends it, leaves the grid as it was.
#include "rebus_entry.h"

#include <cstring>

#include "diagramless.h"
#include "display_state.h"
#include "game_state.h"
#include "play_cursor.h"
#include "square_marks.h"
#include "square_text.h"

bool RebusEntryOpen()
{
    return gDisplay.rebusOpen != 0;
}

void OpenRebusEntry()
{
    const int square = CurrentSquare();
    if (square < 0 || square >= gGame.width * gGame.height || !SquareTakesEntry(square))
        return;
    gDisplay.rebusOpen = 1;
    gDisplay.rebusSquare = square;
    SquareEntryText(square, gDisplay.rebusText);
    gDisplay.rebusText[kRebusEntryChars] = 0;
}

void RebusEntryKey(int key)
{
    if (key != kKeyBackspace) {
        const char byte = char(key);
        RebusEntryType(&byte, 1);
        return;
    }
    char* text = gDisplay.rebusText;
    int length = int(std::strlen(text));
    // A character of a UTF-8 puzzle goes whole: its continuation bytes with it.
    while (length > 1 && gGame.textEncoding == kEncodingUtf8 &&
           (static_cast<unsigned char>(text[length - 1]) & 0xC0) == 0x80)
        --length;
    if (length > 0)
        text[length - 1] = 0;
}

void RebusEntryType(const char* bytes, int count)
{
    char* text = gDisplay.rebusText;
    const int length = int(std::strlen(text));
    // A single byte must be one a square may hold; a longer character is text of a UTF-8
    // puzzle, its bytes above every mark.
    const bool typeable = count > 1 || IsEntryByte(static_cast<unsigned char>(bytes[0]));
    if (count > 0 && typeable && length + count <= kRebusEntryChars) {
        std::memcpy(text + length, bytes, size_t(count));
        text[length + count] = 0;
    }
}

bool CloseRebusEntry(bool keep)
{
    if (!gDisplay.rebusOpen)
        return false;
    gDisplay.rebusOpen = 0;
    if (keep) {
        PutSquareEntry(gDisplay.rebusSquare, gDisplay.rebusText);
        FollowPlayerBlocks();  // letters in a placed block open it again
        if (gDisplay.rebusText[0])
            MarkTyped(gDisplay.rebusSquare);
        else
            MarkErased(gDisplay.rebusSquare);
        if (gDisplay.rebusSquare == CurrentSquare() && gDisplay.rebusText[0])
            StepCursorAfterLetter();
    }
    return true;
}

void SquareTextShown(int i, char* text)
{
    if (gDisplay.rebusOpen && i == gDisplay.rebusSquare)
        std::memcpy(text, gDisplay.rebusText, kRebusTextSize);  // still being typed
    else
        SquareEntryText(i, text);
}

void SpellCurrentWord(WCHAR* out, int chars)
{
    out[0] = 0;
    int first = 0;
    int last = 0;
    int step = 1;
    if (!CurrentWordSquares(&first, &last, &step))
        return;
    char spelled[kMaxSide * (kRebusTextSize + 3) + 1];
    int at = 0;
    bool several = false;
    for (int i = first; i <= last; i += step) {
        char text[kRebusTextSize];
        const bool open = gDisplay.rebusOpen && i == gDisplay.rebusSquare;
        SquareTextShown(i, text);
        const int length = int(std::strlen(text));
        const bool bracket = open || length > 1;
        several |= bracket;
        if (bracket)
            spelled[at++] = '[';
        for (int k = 0; k < length; ++k)
            spelled[at++] = text[k];
        if (length == 0 && !open)
            spelled[at++] = '-';
        if (open)
            spelled[at++] = '_';
        if (bracket)
            spelled[at++] = ']';
    }
    spelled[at] = 0;
    if (several)
        MultiByteToWideChar(CP_ACP, 0, spelled, -1, out, chars);
    out[chars - 1] = 0;
}
