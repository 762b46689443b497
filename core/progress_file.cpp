// The progress record's layout: fields follow one another, their offsets moving with the
// length L of the stored path and the N squares of the grid. Height comes before width.
#include "progress_file.h"

#include <cstring>

#include "play_time.h"
#include "progress_extras.h"
#include "progress_tail.h"
#include "whole_file.h"

namespace {

constexpr int kPathBytes = MAX_PATH;  // path text and its NUL
constexpr int kSizeField = 3;
constexpr int kFlagField = 2;
constexpr int kColourField = 4;

// The layout at its longest (the longest path, the largest grid) must end before the tail,
// which a reader of the layout alone takes for unused bytes.
constexpr int kLongestLayout =
    kPathBytes + 2 * kSizeField + kMaxCells + 1 + 3 * kFlagField + 6 * kColourField;
static_assert(kLongestLayout <= kProgressTailOffset, "the tail would overlap the layout");

// Writes `value` as decimal digits; the field's remaining bytes stay zero, so the digits
// are NUL-terminated.
void PutNumber(unsigned char* at, int value)
{
    char digits[12];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = 0; i < n; ++i)
        at[i] = static_cast<unsigned char>(digits[n - 1 - i]);
}

// The usual decimal conversion, confined to its field: digits up to the first other byte.
int GetNumber(const unsigned char* at, int field)
{
    int value = 0;
    for (int i = 0; i < field && at[i] >= '0' && at[i] <= '9'; ++i)
        value = value * 10 + (at[i] - '0');
    return value;
}

// A size field the reader trusts: one or two digits, then NUL, giving 1 to 99.
bool GetSize(const unsigned char* at, int* value)
{
    int digits = 0;
    while (digits < 2 && at[digits] >= '0' && at[digits] <= '9')
        ++digits;
    if (digits == 0 || at[digits] != 0)
        return false;
    *value = GetNumber(at, kSizeField);
    return *value >= 1 && *value <= kMaxSide;
}

void PutColour(unsigned char* at, COLORREF colour)
{
    PutNumber(at, GetRValue(colour));
    PutNumber(at + kColourField, GetGValue(colour));
    PutNumber(at + 2 * kColourField, GetBValue(colour));
}

COLORREF GetColour(const unsigned char* at)
{
    return RGB(GetNumber(at, kColourField) % 256, GetNumber(at + kColourField, kColourField) % 256,
               GetNumber(at + 2 * kColourField, kColourField) % 256);
}

// A name outside the ANSI code page (a file dropped from the desktop keeps its host name)
// would come back with "?" in it; such a path also goes into the tail in UTF-8.
void PutUnicodePath(ProgressTailWriter* tail, int chars, BOOL lossy)
{
    if (!lossy)
        return;
    char utf8[3 * MAX_PATH];
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, gGame.puzzlePath, chars, utf8, sizeof utf8,
                                          nullptr, nullptr);
    if (bytes > 0)
        PutProgressTailItem(tail, kTailUnicodePath, utf8, bytes);
}

// The path of a record: the ANSI field, or the tail's UTF-8 form of that same path. A tail
// path that no longer narrows to the field belongs to an older record and is ignored.
void GetRecordPath(const unsigned char* record, int length, WCHAR* path)
{
    path[0] = 0;
    if (length == 0)
        return;
    int size = 0;
    const unsigned char* utf8 = FindProgressTailItem(record, kTailUnicodePath, &size);
    if (utf8 && size > 0) {
        WCHAR wide[MAX_PATH];
        const int chars = MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(utf8), size,
                                              wide, MAX_PATH - 1);
        char narrow[kPathBytes];
        const int narrowed = chars > 0 ? WideCharToMultiByte(CP_ACP, 0, wide, chars, narrow,
                                                             kPathBytes - 1, nullptr, nullptr)
                                       : 0;
        if (narrowed == length && std::memcmp(narrow, record, size_t(length)) == 0) {
            std::memcpy(path, wide, sizeof(WCHAR) * size_t(chars));
            path[chars] = 0;
            return;
        }
    }
    const int chars = MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(record), length,
                                          path, MAX_PATH - 1);
    path[chars] = 0;
}

}  // namespace

void BuildProgressRecord(unsigned char* record)
{
    std::memset(record, 0, kProgressRecordSize);
    // The path in the device's ANSI code page, at most 259 bytes and its NUL.
    int chars = lstrlenW(gGame.puzzlePath);
    chars = chars < kPathBytes - 1 ? chars : kPathBytes - 1;
    int length = 0;
    BOOL lossy = FALSE;
    if (chars > 0)
        length =
            WideCharToMultiByte(CP_ACP, 0, gGame.puzzlePath, chars, reinterpret_cast<char*>(record),
                                kPathBytes - 1, nullptr, &lossy);
    ProgressTailWriter tail;
    BeginProgressTail(&tail, record);
    PutUnicodePath(&tail, chars, lossy);
    PutProgressExtras(&tail);
    unsigned char* at = record + length + 1;
    // The size of the open puzzle, or, when none could be opened, that of the record whose
    // play is held, so such a record survives whole.
    const int width = gGame.width > 0 && gGame.width <= kMaxSide ? gGame.width : 0;
    const int height = gGame.height > 0 && gGame.height <= kMaxSide ? gGame.height : 0;
    const int n = width * height <= kMaxCells ? width * height : 0;
    PutNumber(at, height);
    PutNumber(at + kSizeField, width);
    at += 2 * kSizeField;
    std::memcpy(at, gGame.entries, size_t(n));
    at += n + 1;  // one unused byte after the entries
    PutNumber(at, MagnificationIndex(gGame.settings));
    PutNumber(at + kFlagField, gGame.settings.autoSkip == 1 ? 1 : 0);
    PutNumber(at + 2 * kFlagField, gGame.settings.showNumbers == 1 ? 1 : 0);
    at += 3 * kFlagField;
    PutColour(at, gGame.settings.backgroundColour);
    PutColour(at + 3 * kColourField, gGame.settings.squareColour);
}

bool ApplyProgressRecord(const unsigned char* bytes, int size, RestoredPlay* play)
{
    unsigned char record[kProgressRecordSize] = {};
    std::memcpy(record, bytes,
                size_t(size < kProgressRecordSize ? (size > 0 ? size : 0) : kProgressRecordSize));
    const void* nul = std::memchr(record, 0, kPathBytes);
    if (!nul)
        return false;
    const int length = int(static_cast<const unsigned char*>(nul) - record);
    const unsigned char* at = record + length + 1;
    int height;
    int width;
    if (!GetSize(at, &height) || !GetSize(at + kSizeField, &width) || width * height > kMaxCells)
        return false;

    GetRecordPath(record, length, gGame.puzzlePath);
    GetProgressExtras(record, play);
    at += 2 * kSizeField;
    const int n = width * height;
    std::memcpy(play->entries, at, size_t(n));
    play->width = width;
    play->height = height;
    at += n + 1;

    const int magnification = GetNumber(at, kFlagField);
    if (magnification >= kSmall && magnification <= kLarge)
        SetMagnification(&gGame.settings, magnification);
    const int autoSkip = GetNumber(at + kFlagField, kFlagField);
    if (autoSkip == 0 || autoSkip == 1)
        gGame.settings.autoSkip = autoSkip;
    const int showNumbers = GetNumber(at + 2 * kFlagField, kFlagField);
    if (showNumbers == 0 || showNumbers == 1)
        gGame.settings.showNumbers = showNumbers;
    at += 3 * kFlagField;
    gGame.settings.backgroundColour = GetColour(at);
    gGame.settings.squareColour = GetColour(at + 3 * kColourField);
    return true;
}

void HoldUnopenedPlay(const RestoredPlay& play)
{
    const int n = play.width * play.height;
    gGame.width = play.width;
    gGame.height = play.height;
    std::memcpy(gGame.entries, play.entries, size_t(n));
    std::memcpy(gGame.playerRebus, play.playerRebus, sizeof gGame.playerRebus);
    std::memcpy(gGame.playerMarks, play.playerMarks, sizeof gGame.playerMarks);
    StartClock(play.timerSeconds, false);
    RestoreClockPause(play.paused != 0);
    gGame.unlockKey = play.unlockKey;
    if (play.cursorRow >= 0) {
        gGame.cursorRow = play.cursorRow;
        gGame.cursorCol = play.cursorCol;
        gGame.direction = play.cursorDirection;
    }
}

bool ProgressRecordPath(const unsigned char* record, WCHAR* path)
{
    const void* nul = std::memchr(record, 0, kPathBytes);
    path[0] = 0;
    if (!nul)
        return false;
    GetRecordPath(record, int(static_cast<const unsigned char*>(nul) - record), path);
    return true;
}

WholeFileStep WriteProgressFile(LPCWSTR path)
{
    if (!path || !*path)
        return kWholeFileDone;
    unsigned char record[kProgressRecordSize];
    BuildProgressRecord(record);
    return WriteFileWhole(path, record, kProgressRecordSize);
}

bool ReadProgressFile(LPCWSTR path, RestoredPlay* play)
{
    unsigned char record[kProgressRecordSize];
    const int read = ReadFileStart(path, record, kProgressRecordSize);
    return read >= 0 && ApplyProgressRecord(record, read, play);
}
