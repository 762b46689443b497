#include "oracle_json.h"

#include <cstdlib>

#include "windows.h"

namespace {

struct Parser {
    const std::string& s;
    size_t at = 0;

    void Blank()
    {
        while (at < s.size() && (s[at] == ' ' || s[at] == '\n' || s[at] == '\r' || s[at] == '\t'))
            ++at;
    }
    bool Take(char c)
    {
        Blank();
        if (at < s.size() && s[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool Word(const char* w)
    {
        const std::string word = w;
        if (s.compare(at, word.size(), word) != 0)
            return false;
        at += word.size();
        return true;
    }
    bool Hex4(unsigned* value)
    {
        if (at + 4 > s.size())
            return false;
        char* end;
        const std::string digits = s.substr(at, 4);
        *value = unsigned(std::strtoul(digits.c_str(), &end, 16));
        at += 4;
        return end == digits.c_str() + 4;
    }
    bool String(std::u16string* out)
    {
        if (!Take('"'))
            return false;
        std::string raw;  // UTF-8 run between escapes
        auto flush = [&] {
            if (raw.empty())
                return;
            std::u16string wide(raw.size() + 1, u'\0');
            const int n = MultiByteToWideChar(CP_UTF8, 0, raw.data(), int(raw.size()), wide.data(),
                                              int(wide.size()));
            *out += wide.substr(0, size_t(n));
            raw.clear();
        };
        while (at < s.size() && s[at] != '"') {
            if (s[at] != '\\') {
                raw += s[at++];
                continue;
            }
            flush();
            if (++at >= s.size())
                return false;
            const char e = s[at++];
            unsigned u = 0;
            switch (e) {
            case 'n': *out += u'\n'; break;
            case 't': *out += u'\t'; break;
            case 'r': *out += u'\r'; break;
            case 'b': *out += u'\b'; break;
            case 'f': *out += u'\f'; break;
            case 'u':
                if (!Hex4(&u))
                    return false;
                *out += char16_t(u);
                break;
            default: *out += char16_t(e); break;
            }
        }
        flush();
        return Take('"');
    }
    bool Value(Json* v)
    {
        Blank();
        if (at >= s.size())
            return false;
        const char c = s[at];
        if (c == '{') {
            v->kind = Json::kObject;
            ++at;
            if (Take('}'))
                return true;
            do {
                std::u16string key;
                if (!String(&key) || !Take(':'))
                    return false;
                std::string narrow(key.begin(), key.end());
                if (!Value(&v->fields[narrow]))
                    return false;
            } while (Take(','));
            return Take('}');
        }
        if (c == '[') {
            v->kind = Json::kArray;
            ++at;
            if (Take(']'))
                return true;
            do {
                v->items.emplace_back();
                if (!Value(&v->items.back()))
                    return false;
            } while (Take(','));
            return Take(']');
        }
        if (c == '"') {
            v->kind = Json::kString;
            return String(&v->text);
        }
        if (Word("true") || Word("false")) {
            v->kind = Json::kBool;
            v->boolean = s[at - 1] == 'e' && s[at - 2] == 'u';
            return true;
        }
        if (Word("null"))
            return true;
        char* end;
        v->kind = Json::kNumber;
        v->number = std::strtod(s.c_str() + at, &end);
        if (end == s.c_str() + at)
            return false;
        at = size_t(end - s.c_str());
        return true;
    }
};

}  // namespace

const Json& Json::operator[](const std::string& key) const
{
    static const Json kMissing;
    auto it = fields.find(key);
    return it == fields.end() ? kMissing : it->second;
}

bool ParseJson(const std::string& source, Json* out)
{
    Parser p{source};
    if (!p.Value(out))
        return false;
    p.Blank();
    return p.at == source.size();
}
