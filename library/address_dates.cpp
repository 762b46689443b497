// FillDateFields: one pass over the address, each brace either a known field or itself.
#include "address_dates.h"

namespace {

struct DateField {
    const char16_t* name;  // between the braces, lower case
    const char16_t* format;
    int part;  // 0 year, 1 month, 2 day
    int modulo;
};

constexpr DateField kFields[] = {
    {u"yyyy", u"%04d", 0, 10000}, {u"yy", u"%02d", 0, 100}, {u"mm", u"%02d", 1, 100},
    {u"dd", u"%02d", 2, 100},     {u"m", u"%d", 1, 100},    {u"d", u"%d", 2, 100},
};

// The field whose "{name}" starts at `p`, and its length in *length; nullptr when none.
const DateField* FieldAt(LPCWSTR p, int* length)
{
    for (const DateField& field : kFields) {
        int n = 0;
        while (field.name[n] && (p[1 + n] | 0x20) == field.name[n])
            ++n;
        if (!field.name[n] && p[1 + n] == u'}') {
            *length = n + 2;
            return &field;
        }
    }
    return nullptr;
}

}  // namespace

bool FillDateFields(LPCWSTR written, const SYSTEMTIME& day, LPWSTR out, int outChars)
{
    const int parts[3] = {day.wYear, day.wMonth, day.wDay};
    int at = 0;
    out[0] = 0;
    for (LPCWSTR p = written; *p;) {
        WCHAR piece[8] = {*p, 0};
        int length = 1;
        if (*p == u'{') {
            if (const DateField* field = FieldAt(p, &length))
                wsprintfW(piece, field->format, parts[field->part] % field->modulo);
        }
        const int pieceLength = lstrlenW(piece);
        if (at + pieceLength >= outChars)
            return false;
        lstrcpyW(out + at, piece);
        at += pieceLength;
        p += length;
    }
    return true;
}
