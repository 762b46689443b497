// Markup to plain text. Each pass walks its input once, so a hostile clue costs time in
// proportion to its length (times at most kMaxNesting for the .xd marks).
#include "clue_markup.h"

#include "formats_internal.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kMaxNesting = 16;

struct NamedReference {
    const char* name;
    uint32_t code;
};

// The named references met in puzzle files: the markup's own, Latin-1's letters and signs,
// typographic quotes and dashes, a few symbols.
constexpr NamedReference kNamed[] = {
    {"amp", '&'},      {"lt", '<'},        {"gt", '>'},        {"quot", '"'},
    {"apos", '\''},    {"nbsp", 0xA0},     {"iexcl", 0xA1},    {"cent", 0xA2},
    {"pound", 0xA3},   {"curren", 0xA4},   {"yen", 0xA5},      {"brvbar", 0xA6},
    {"sect", 0xA7},    {"uml", 0xA8},      {"copy", 0xA9},     {"ordf", 0xAA},
    {"laquo", 0xAB},   {"not", 0xAC},      {"shy", 0xAD},      {"reg", 0xAE},
    {"macr", 0xAF},    {"deg", 0xB0},      {"plusmn", 0xB1},   {"sup2", 0xB2},
    {"sup3", 0xB3},    {"acute", 0xB4},    {"micro", 0xB5},    {"para", 0xB6},
    {"middot", 0xB7},  {"cedil", 0xB8},    {"sup1", 0xB9},     {"ordm", 0xBA},
    {"raquo", 0xBB},   {"frac14", 0xBC},   {"frac12", 0xBD},   {"frac34", 0xBE},
    {"iquest", 0xBF},  {"Agrave", 0xC0},   {"Aacute", 0xC1},   {"Acirc", 0xC2},
    {"Atilde", 0xC3},  {"Auml", 0xC4},     {"Aring", 0xC5},    {"AElig", 0xC6},
    {"Ccedil", 0xC7},  {"Egrave", 0xC8},   {"Eacute", 0xC9},   {"Ecirc", 0xCA},
    {"Euml", 0xCB},    {"Igrave", 0xCC},   {"Iacute", 0xCD},   {"Icirc", 0xCE},
    {"Iuml", 0xCF},    {"ETH", 0xD0},      {"Ntilde", 0xD1},   {"Ograve", 0xD2},
    {"Oacute", 0xD3},  {"Ocirc", 0xD4},    {"Otilde", 0xD5},   {"Ouml", 0xD6},
    {"times", 0xD7},   {"Oslash", 0xD8},   {"Ugrave", 0xD9},   {"Uacute", 0xDA},
    {"Ucirc", 0xDB},   {"Uuml", 0xDC},     {"Yacute", 0xDD},   {"THORN", 0xDE},
    {"szlig", 0xDF},   {"agrave", 0xE0},   {"aacute", 0xE1},   {"acirc", 0xE2},
    {"atilde", 0xE3},  {"auml", 0xE4},     {"aring", 0xE5},    {"aelig", 0xE6},
    {"ccedil", 0xE7},  {"egrave", 0xE8},   {"eacute", 0xE9},   {"ecirc", 0xEA},
    {"euml", 0xEB},    {"igrave", 0xEC},   {"iacute", 0xED},   {"icirc", 0xEE},
    {"iuml", 0xEF},    {"eth", 0xF0},      {"ntilde", 0xF1},   {"ograve", 0xF2},
    {"oacute", 0xF3},  {"ocirc", 0xF4},    {"otilde", 0xF5},   {"ouml", 0xF6},
    {"divide", 0xF7},  {"oslash", 0xF8},   {"ugrave", 0xF9},   {"uacute", 0xFA},
    {"ucirc", 0xFB},   {"uuml", 0xFC},     {"yacute", 0xFD},   {"thorn", 0xFE},
    {"yuml", 0xFF},    {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
    {"scaron", 0x161}, {"Yuml", 0x178},    {"fnof", 0x192},    {"circ", 0x2C6},
    {"tilde", 0x2DC},  {"alpha", 0x3B1},   {"beta", 0x3B2},    {"gamma", 0x3B3},
    {"delta", 0x3B4},  {"epsilon", 0x3B5}, {"pi", 0x3C0},      {"sigma", 0x3C3},
    {"omega", 0x3C9},  {"Delta", 0x394},   {"Omega", 0x3A9},   {"ensp", 0x2002},
    {"emsp", 0x2003},  {"thinsp", 0x2009}, {"ndash", 0x2013},  {"mdash", 0x2014},
    {"lsquo", 0x2018}, {"rsquo", 0x2019},  {"sbquo", 0x201A},  {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bdquo", 0x201E},  {"dagger", 0x2020}, {"Dagger", 0x2021},
    {"bull", 0x2022},  {"hellip", 0x2026}, {"permil", 0x2030}, {"prime", 0x2032},
    {"Prime", 0x2033}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},
    {"trade", 0x2122}, {"larr", 0x2190},   {"uarr", 0x2191},   {"rarr", 0x2192},
    {"darr", 0x2193},  {"harr", 0x2194},   {"minus", 0x2212},  {"infin", 0x221E},
    {"ne", 0x2260},    {"le", 0x2264},     {"ge", 0x2265},     {"spades", 0x2660},
    {"clubs", 0x2663}, {"hearts", 0x2665}, {"diams", 0x2666},  {"check", 0x2713},
};

bool IsAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The code of the reference at text[at] ("&...;"), and its length in *length; 0 when there
// is none there. A code point that is no character (a surrogate, 0, past U+10FFFF) is none.
uint32_t ReferenceAt(std::string_view text, size_t at, size_t* length)
{
    constexpr size_t kLongest = 12;
    const size_t semicolon = text.find(';', at);
    if (semicolon == std::string_view::npos || semicolon - at < 2 || semicolon - at > kLongest)
        return 0;
    const std::string_view body = text.substr(at + 1, semicolon - at - 1);
    *length = semicolon - at + 1;
    if (body[0] == '#') {
        const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
        const size_t start = hex ? 2 : 1;
        if (start >= body.size())
            return 0;
        uint32_t code = 0;
        for (size_t i = start; i < body.size(); ++i) {
            const char c = body[i];
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                return 0;
            code = code * (hex ? 16 : 10) + uint32_t(digit);
            if (code > 0x10FFFF)
                return 0;
        }
        return (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) ? 0 : code;
    }
    for (char c : body) {
        if (!IsAsciiAlnum(c))
            return 0;
    }
    for (const NamedReference& named : kNamed) {
        if (body == named.name)
            return named.code;
    }
    return 0;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// A run of white space that breaks a line or holds a tab (the layout of the file, not of the
// text) as one space; runs of spaces alone stay as the file gives them. The ends trimmed.
std::string Collapsed(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (!IsSpace(text[i])) {
            out += text[i++];
            continue;
        }
        size_t end = i;
        bool layout = false;
        for (; end < text.size() && IsSpace(text[end]); ++end)
            layout = layout || text[end] != ' ';
        if (!out.empty() && end < text.size())
            out.append(layout ? 1 : end - i, ' ');
        i = end;
    }
    return out;
}

// Where the tag that starts at html[at] ends (the index after its ">"), or 0 when the "<"
// there opens no tag: it must be followed by a letter, "/" or "!" and closed before the next
// "<".
size_t TagEnd(std::string_view html, size_t at)
{
    if (at + 1 >= html.size())
        return 0;
    const char next = html[at + 1];
    const bool letter = (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
    if (!letter && next != '/' && next != '!')
        return 0;
    for (size_t i = at + 1; i < html.size(); ++i) {
        if (html[i] == '>')
            return i + 1;
        if (html[i] == '<')
            return 0;
    }
    return 0;
}

// Whether the tag text ("<br/>", "</p>") breaks a line.
bool BreaksLine(std::string_view tag)
{
    std::string name;
    for (size_t i = 1; i < tag.size() && name.size() < 4; ++i) {
        const char c = tag[i];
        if (c == '/' && name.empty())
            continue;
        if (!IsAsciiAlnum(c))
            break;
        name += char(c | 0x20);
    }
    return name == "br" || name == "p" || name == "div" || name == "li";
}

bool IsXdMark(char c)
{
    return c != 0 && std::strchr("/*_-~^@!#", c) != nullptr;
}

// The part of a "a | b | c" mark body that is shown: links and colours show their first part,
// pictures their second (the first is the picture's address); style marks show all of it.
std::string ShownPart(std::string_view body, char mark)
{
    if (mark != '@' && mark != '#' && mark != '!')
        return std::string(body);
    const int wanted = mark == '!' ? 1 : 0;
    int part = 0;
    size_t start = 0;
    for (size_t i = 0; i <= body.size(); ++i) {
        if (i == body.size() || body[i] == '|') {
            if (part == wanted)
                return Collapsed(body.substr(start, i - start));
            ++part;
            start = i + 1;
        }
    }
    return Collapsed(body);
}

// One pass with a stack of the marks still open: a mark's body is replaced by what it shows
// when its close is met, an unclosed or mismatched mark stays as written.
std::string XdMarks(std::string_view text)
{
    struct Open {
        char mark;    // the mark's character
        size_t at;    // where its "{" went in the output
        size_t body;  // where its body starts in the output
    };
    std::vector<Open> open;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool hasNext = i + 1 < text.size();
        if (c == '{' && hasNext && IsXdMark(text[i + 1]) && open.size() < kMaxNesting) {
            const char mark = text[i + 1];
            size_t skip = 1;
            if (mark == '!' && i + 2 < text.size() && text[i + 2] == '!')
                skip = 2;  // "{!!" is a picture too
            open.push_back({mark, out.size(), out.size() + 1 + skip});
            out.append(text.substr(i, 1 + skip));
            i += skip;
            continue;
        }
        if (hasNext && text[i + 1] == '}' && !open.empty() && open.back().mark == c) {
            const Open o = open.back();
            open.pop_back();
            const std::string shown = ShownPart(std::string_view(out).substr(o.body), c);
            out.resize(o.at);
            out += shown;
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

std::string DecodeCharacterReferences(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        size_t length = 0;
        const uint32_t code = text[i] == '&' ? ReferenceAt(text, i, &length) : 0;
        if (code == 0) {
            out += text[i];
            continue;
        }
        AppendUtf8(&out, code);
        i += length - 1;
    }
    return out;
}

std::string HtmlToText(std::string_view html)
{
    std::string plain;
    plain.reserve(html.size());
    for (size_t i = 0; i < html.size(); ++i) {
        const size_t end = html[i] == '<' ? TagEnd(html, i) : 0;
        if (end == 0) {
            plain += html[i];
            continue;
        }
        if (BreaksLine(html.substr(i, end - i)))
            plain += ' ';
        i = end - 1;
    }
    return Collapsed(DecodeCharacterReferences(plain));
}

std::string XdMarkupToText(std::string_view text)
{
    return Collapsed(XdMarks(text));
}
