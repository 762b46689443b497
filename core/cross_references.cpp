// FindCrossReferences: one pass over the clue's bytes. A number followed by a hyphen and a
// list separator waits for the direction a later number of the same list carries
// ("5-, 9- and 14-Across"); anything else between them ends the list.
#include "cross_references.h"

#include <cstring>
#include <initializer_list>

#include "play_cursor.h"

namespace {

constexpr int kMaxDigits = 3;  // four digits are a year, never a clue number

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAlphanumeric(char c)
{
    return IsDigit(c) || IsLetter(c);
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Bytes of the hyphen at `p`: '-', or an en dash in Windows-1252 or in UTF-8; 0 when none.
int DashLength(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    if (u[0] == '-' || u[0] == 0x96)
        return 1;
    if (u[0] == 0xE2 && u[1] == 0x80 && u[2] == 0x93)
        return 3;
    return 0;
}

// The direction word at `p` and its bytes in *length, or -1. A plural counts ("units in
// 71-downs"); a word that goes on does not ("Downtown", "Down-and-out").
int DirectionAt(const char* p, bool capital, int* length)
{
    static const struct {
        const char* word;
        int direction;
    } kWords[] = {{"across", kAcross}, {"down", kDown}};
    if (capital && !(p[0] >= 'A' && p[0] <= 'Z'))
        return -1;
    for (const auto& w : kWords) {
        int n = 0;
        while (w.word[n] && Lower(p[n]) == w.word[n])
            ++n;
        if (w.word[n])
            continue;
        if (Lower(p[n]) == 's')
            ++n;
        const int dash = DashLength(p + n);
        if (IsAlphanumeric(p[n]) || (dash && IsLetter(p[n + dash])))
            continue;
        *length = n;
        return w.direction;
    }
    return -1;
}

void SkipSpaces(const char** p)
{
    while (**p == ' ')
        ++*p;
}

// Bytes of the list separator at `p` (", ", " and ", ", and ", " & ", " or ", "/"), when a
// number follows it; 0 otherwise.
int ListSeparatorLength(const char* p)
{
    const char* q = p;
    SkipSpaces(&q);
    bool joined = false;
    if (*q == ',' || *q == '/' || *q == '&') {
        ++q;
        joined = true;
        SkipSpaces(&q);
    }
    if (q > p) {
        for (const char* word : {"and ", "or ", "& "}) {
            int n = 0;
            while (word[n] && Lower(q[n]) == word[n])
                ++n;
            if (!word[n]) {
                q += n;
                joined = true;
                SkipSpaces(&q);
                break;
            }
        }
    }
    return joined && IsDigit(*q) ? int(q - p) : 0;
}

void Add(CrossReference found, CrossReference* out, int* count, int capacity)
{
    for (int i = 0; i < *count; ++i) {
        if (out[i].number == found.number && out[i].direction == found.direction)
            return;
    }
    if (*count < capacity)
        out[(*count)++] = found;
}

}  // namespace

int FindCrossReferences(const char* clue, CrossReference* out, int capacity)
{
    int count = 0;
    int waiting[kMaxCrossReferences];
    int waitingCount = 0;
    const char* p = clue;
    while (p && *p) {
        if (!IsDigit(*p)) {
            ++p;
            continue;
        }
        const bool glued = p > clue && IsLetter(p[-1]);  // "B52", "MP3"
        int digits = 0;
        int number = 0;
        for (; IsDigit(p[digits]); ++digits) {
            if (digits <= kMaxDigits)
                number = number * 10 + (p[digits] - '0');
        }
        const char* after = p + digits;
        p = after;
        if (glued || digits > kMaxDigits || number == 0) {
            waitingCount = 0;
            continue;
        }
        int gap = DashLength(after);
        int length = 0;
        int direction = -1;
        if (gap) {
            direction = DirectionAt(after + gap, false, &length);
            if (direction < 0) {
                const int separator = ListSeparatorLength(after + gap);
                if (separator) {
                    if (waitingCount < kMaxCrossReferences)  // a longer list keeps its first
                        waiting[waitingCount++] = number;
                    p = after + gap + separator;
                } else {
                    waitingCount = 0;
                }
                continue;
            }
        } else if (*after == ' ') {
            gap = 1;
            direction = DirectionAt(after + gap, true, &length);
        }
        if (direction < 0) {
            waitingCount = 0;
            continue;
        }
        for (int i = 0; i < waitingCount; ++i)
            Add({waiting[i], direction}, out, &count, capacity);
        Add({number, direction}, out, &count, capacity);
        waitingCount = 0;
        p = after + gap + length;
    }
    return count;
}

namespace {

// The square where the word numbered `number` in `direction` starts, or -1.
int WordStart(int number, int direction)
{
    const int n = gGame.width * gGame.height;
    const int step = direction == kAcross ? 1 : gGame.width;
    for (int s = 0; s < n && s < kMaxCells; ++s) {
        if (gGame.cells[s].number != number)
            continue;
        const int clue = WordOfSquare(s, direction);
        const bool first = direction == kAcross ? s % gGame.width == 0 : s < gGame.width;
        if (clue != -1 && (first || WordOfSquare(s - step, direction) != clue))
            return s;
    }
    return -1;
}

}  // namespace

int CrossReferencedSquares(uint8_t* marked)
{
    std::memset(marked, 0, kMaxCells);
    const ClueEntry* row = CurrentClueRow();
    if (!row || row->clueIndex < 0 || row->clueIndex >= kMaxClues ||
        !gGame.clueTexts[row->clueIndex])
        return 0;
    CrossReference refs[kMaxCrossReferences];
    const int count =
        FindCrossReferences(gGame.clueTexts[row->clueIndex], refs, kMaxCrossReferences);
    int squares = 0;
    for (int k = 0; k < count; ++k) {
        const int start = WordStart(refs[k].number, refs[k].direction);
        if (start < 0)
            continue;
        const int clue = WordOfSquare(start, refs[k].direction);
        const int step = refs[k].direction == kAcross ? 1 : gGame.width;
        const int n = gGame.width * gGame.height;
        for (int s = start; s < n && WordOfSquare(s, refs[k].direction) == clue; s += step) {
            squares += !marked[s];
            marked[s] = 1;
            if (refs[k].direction == kAcross && (s + 1) % gGame.width == 0)
                break;  // the row ends
        }
    }
    return squares;
}
