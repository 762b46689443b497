// wsprintfW: the device's small formatter. Unlike the C library it has no floating point,
// %s is always wide and %S always narrow (converted with the ANSI code page), and the
// output is capped at 1024 characters.
#include <cstdint>

#include "winbase.h"
#include "winnls.h"

namespace {

constexpr int kMaxOutput = 1024;  // characters, the NUL included

struct Output {
    LPWSTR buffer;
    int length;
    void Put(WCHAR c)
    {
        if (length < kMaxOutput - 1)
            buffer[length++] = c;
    }
};

struct Spec {
    bool left = false;    // '-': pad on the right
    bool zero = false;    // '0': pad numbers with zeros
    bool prefix = false;  // '#': 0x before hexadecimal
    int width = 0;
    int precision = -1;
};

void PutPadded(Output& out, const WCHAR* text, int length, const Spec& spec, WCHAR pad)
{
    const int fill = spec.width > length ? spec.width - length : 0;
    if (!spec.left)
        for (int i = 0; i < fill; ++i)
            out.Put(pad);
    for (int i = 0; i < length; ++i)
        out.Put(text[i]);
    if (spec.left)
        for (int i = 0; i < fill; ++i)
            out.Put(u' ');
}

void PutNumber(Output& out, uint32_t magnitude, bool negative, unsigned base, bool upper,
               const Spec& spec)
{
    WCHAR digits[16];
    int n = 0;
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
        digits[n++] = WCHAR(set[magnitude % base]);
        magnitude /= base;
    } while (magnitude);
    while (n < spec.precision && n < 12)
        digits[n++] = u'0';

    WCHAR text[24];
    int length = 0;
    const WCHAR sign = negative ? u'-' : 0;
    const bool hexPrefix = spec.prefix && base == 16;
    // Zero padding goes between the sign (or 0x) and the digits.
    const bool zeroPad = spec.zero && !spec.left && spec.precision < 0;
    const int lead = (sign ? 1 : 0) + (hexPrefix ? 2 : 0);
    if (sign)
        text[length++] = sign;
    if (hexPrefix) {
        text[length++] = u'0';
        text[length++] = upper ? u'X' : u'x';
    }
    if (zeroPad)
        for (int i = lead + n; i < spec.width && length < 23 - n; ++i)
            text[length++] = u'0';
    while (n > 0)
        text[length++] = digits[--n];
    PutPadded(out, text, length, spec, u' ');
}

}  // namespace

int WINAPI wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args)
{
    if (!buffer)
        return 0;
    Output out{buffer, 0};
    for (const WCHAR* f = format; f && *f; ++f) {
        if (*f != u'%') {
            out.Put(*f);
            continue;
        }
        ++f;
        Spec spec;
        for (;; ++f) {
            if (*f == u'-')
                spec.left = true;
            else if (*f == u'0')
                spec.zero = true;
            else if (*f == u'#')
                spec.prefix = true;
            else
                break;
        }
        while (*f >= u'0' && *f <= u'9')
            spec.width = spec.width * 10 + (*f++ - u'0');
        if (*f == u'.') {
            spec.precision = 0;
            for (++f; *f >= u'0' && *f <= u'9'; ++f)
                spec.precision = spec.precision * 10 + (*f - u'0');
        }
        spec.width = spec.width > kMaxOutput ? kMaxOutput : spec.width;
        bool narrow = false;
        bool wide = false;
        if (*f == u'l') {
            wide = true;
            ++f;
        } else if (*f == u'h') {
            narrow = true;
            ++f;
        }
        switch (*f) {
        case u'%': out.Put(u'%'); break;
        case u'c':
        case u'C': {
            const int value = va_arg(args, int);
            WCHAR c = WCHAR(value);
            if ((*f == u'C' && !wide) || narrow) {
                char b = char(value);
                MultiByteToWideChar(CP_ACP, 0, &b, 1, &c, 1);
            }
            PutPadded(out, &c, 1, spec, u' ');
            break;
        }
        case u's':
        case u'S': {
            if ((*f == u'S' && !wide) || narrow) {
                const char* s = va_arg(args, const char*);
                s = s ? s : "(null)";
                int length = 0;
                while (s[length] && (spec.precision < 0 || length < spec.precision) &&
                       length < kMaxOutput)
                    ++length;
                WCHAR converted[kMaxOutput];
                if (length > 0)
                    MultiByteToWideChar(CP_ACP, 0, s, length, converted, kMaxOutput);
                PutPadded(out, converted, length, spec, u' ');
            } else {
                const WCHAR* s = va_arg(args, const WCHAR*);
                s = s ? s : u"(null)";
                int length = 0;
                while (s[length] && (spec.precision < 0 || length < spec.precision))
                    ++length;
                PutPadded(out, s, length, spec, u' ');
            }
            break;
        }
        case u'd':
        case u'i': {
            const long value = wide ? va_arg(args, long) : va_arg(args, int);
            // LONG is 32 bits on the device; take the low 32 bits of a host long.
            const int32_t v = int32_t(value);
            const uint32_t magnitude = v < 0 ? uint32_t(0) - uint32_t(v) : uint32_t(v);
            PutNumber(out, magnitude, v < 0, 10, false, spec);
            break;
        }
        case u'u':
        case u'x':
        case u'X': {
            const uint32_t v =
                wide ? uint32_t(va_arg(args, unsigned long)) : uint32_t(va_arg(args, unsigned int));
            PutNumber(out, v, false, *f == u'u' ? 10 : 16, *f == u'X', spec);
            break;
        }
        case 0: --f; break;  // a lone '%' at the end prints nothing
        default: out.Put(*f); break;
        }
    }
    buffer[out.length] = 0;
    return out.length;
}

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    const int n = wvsprintfW(buffer, format, args);
    va_end(args);
    return n;
}
