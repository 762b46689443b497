// The progress record's layout: fields follow one another, their offsets moving with the
// length L of the stored path and the N squares of the grid. Height comes before width.
#include "progress_file.h"

#include <cstring>

namespace {

constexpr int kPathBytes = MAX_PATH;  // path text and its NUL
constexpr int kSizeField = 3;
constexpr int kFlagField = 2;
constexpr int kColourField = 4;

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

}  // namespace

void BuildProgressRecord(unsigned char* record)
{
    std::memset(record, 0, kProgressRecordSize);
    // The path in the device's ANSI code page, at most 259 bytes and its NUL.
    int chars = lstrlenW(gGame.puzzlePath);
    chars = chars < kPathBytes - 1 ? chars : kPathBytes - 1;
    int length = 0;
    if (chars > 0)
        length =
            WideCharToMultiByte(CP_ACP, 0, gGame.puzzlePath, chars, reinterpret_cast<char*>(record),
                                kPathBytes - 1, nullptr, nullptr);
    unsigned char* at = record + length + 1;
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

bool ApplyProgressRecord(const unsigned char* bytes, int size)
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

    gGame.puzzlePath[0] = 0;
    if (length > 0) {
        const int chars = MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(record),
                                              length, gGame.puzzlePath, MAX_PATH - 1);
        gGame.puzzlePath[chars] = 0;
    }
    at += 2 * kSizeField;
    const int n = width * height;
    std::memcpy(gGame.entries, at, size_t(n));
    gGame.entriesWidth = width;
    gGame.entriesHeight = height;
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

void WriteProgressFile(LPCWSTR path)
{
    if (!path || !*path)
        return;
    unsigned char record[kProgressRecordSize];
    BuildProgressRecord(record);

    // Written beside the target, then renamed over it: a crash or a full disk leaves the old
    // record or the new one, never a torn one and never none.
    WCHAR temporary[MAX_PATH + 8];
    lstrcpynW(temporary, path, MAX_PATH);
    lstrcatW(temporary, u".tmp");
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    const bool ok = WriteFile(file, record, kProgressRecordSize, &written, nullptr) &&
                    written == kProgressRecordSize && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok || !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(temporary);
}

bool ReadProgressFile(LPCWSTR path)
{
    HANDLE file =
        CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    unsigned char record[kProgressRecordSize];
    DWORD read = 0;
    const BOOL ok = ReadFile(file, record, kProgressRecordSize, &read, nullptr);
    CloseHandle(file);
    return ok && ApplyProgressRecord(record, int(read));
}
