// The l-string helpers and _wtoi. Null pointers are treated as empty strings, as the
// device's versions do instead of faulting.
#include "strings/case_fold.h"
#include "winbase.h"

int WINAPI lstrlenW(LPCWSTR s)
{
    if (!s)
        return 0;
    int n = 0;
    while (s[n])
        ++n;
    return n;
}

LPWSTR WINAPI lstrcpyW(LPWSTR dst, LPCWSTR src)
{
    if (!dst)
        return nullptr;
    int i = 0;
    for (; src && src[i]; ++i)
        dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

LPWSTR WINAPI lstrcpynW(LPWSTR dst, LPCWSTR src, int max)
{
    if (!dst || max <= 0)
        return dst;
    int i = 0;
    for (; i < max - 1 && src && src[i]; ++i)
        dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

LPWSTR WINAPI lstrcatW(LPWSTR dst, LPCWSTR src)
{
    if (!dst)
        return nullptr;
    lstrcpyW(dst + lstrlenW(dst), src);
    return dst;
}

namespace {

template <typename Map> int Compare(LPCWSTR a, LPCWSTR b, Map map)
{
    static const WCHAR kEmpty[] = {0};
    a = a ? a : kEmpty;
    b = b ? b : kEmpty;
    for (;; ++a, ++b) {
        const int ca = map(*a);
        const int cb = map(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

}  // namespace

int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b)
{
    return Compare(a, b, [](WCHAR c) { return int(c); });
}

int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b)
{
    return CompareFolded(a ? a : u"", b ? b : u"");
}

int _wtoi(const WCHAR* s)
{
    if (!s)
        return 0;
    while (*s == u' ' || (*s >= u'\t' && *s <= u'\r'))
        ++s;
    bool negative = false;
    if (*s == u'+' || *s == u'-')
        negative = *s++ == u'-';
    // Accumulate negatively so INT_MIN parses; overflow saturates instead of being undefined.
    long long value = 0;
    for (; *s >= u'0' && *s <= u'9'; ++s) {
        value = value * 10 - (*s - u'0');
        if (value < -2147483648LL)
            value = -2147483648LL - 1;
    }
    if (negative)
        return value < -2147483648LL ? int(-2147483647 - 1) : int(value);
    return value < -2147483647LL ? 2147483647 : int(-value);
}
