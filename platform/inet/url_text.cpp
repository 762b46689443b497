// Address checking and escaping for InternetOpenUrlW.
#include "url_text.h"

#include <curl/curl.h>

#include "wininet.h"

namespace {

void AppendUtf8(std::string* out, char32_t c)
{
    if (c < 0x80) {
        out->push_back(char(c));
    } else if (c < 0x800) {
        out->push_back(char(0xC0 | (c >> 6)));
        out->push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->push_back(char(0xE0 | (c >> 12)));
        out->push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(char(0x80 | (c & 0x3F)));
    } else {
        out->push_back(char(0xF0 | (c >> 18)));
        out->push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out->push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(char(0x80 | (c & 0x3F)));
    }
}

bool IsSchemeChar(char c, bool first)
{
    const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (first)
        return alpha;
    return alpha || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool EqualsNoCase(const std::string& text, const char* lower)
{
    size_t i = 0;
    for (; lower[i]; ++i) {
        if (i >= text.size())
            return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lower[i])
            return false;
    }
    return i == text.size();
}

}  // namespace

std::string Utf8FromWide(const WCHAR* text, size_t length)
{
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(&out, c);
    }
    return out;
}

DWORD UrlFromWide(const WCHAR* address, std::string* url)
{
    size_t length = 0;
    while (address[length])
        ++length;
    const std::string text = Utf8FromWide(address, length);

    size_t colon = 0;
    while (colon < text.size() && IsSchemeChar(text[colon], colon == 0))
        ++colon;
    if (colon == 0 || colon >= text.size() || text[colon] != ':')
        return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    const std::string scheme = text.substr(0, colon);
    if (!EqualsNoCase(scheme, "http") && !EqualsNoCase(scheme, "https"))
        return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    if (text.compare(colon + 1, 2, "//") != 0)
        return ERROR_INTERNET_INVALID_URL;
    const size_t hostStart = colon + 3;
    const size_t hostEnd = text.find_first_of("/?#", hostStart);
    const std::string authority = text.substr(hostStart, hostEnd - hostStart);
    const size_t at = authority.rfind('@');
    const std::string hostPort = at == std::string::npos ? authority : authority.substr(at + 1);
    if (hostPort.empty() || hostPort[0] == ':')
        return ERROR_INTERNET_INVALID_URL;

    std::string escaped;
    escaped.reserve(text.size());
    static const char kHex[] = "0123456789ABCDEF";
    for (unsigned char c : text) {
        if (c <= 0x20 || c >= 0x7F) {
            escaped.push_back('%');
            escaped.push_back(kHex[c >> 4]);
            escaped.push_back(kHex[c & 0xF]);
        } else {
            escaped.push_back(char(c));
        }
    }

    // Let curl's own parser have the last word, so nothing it would refuse later gets a
    // handle: bad ports, broken IPv6 literals and the like.
    CURLU* parsed = curl_url();
    if (!parsed)
        return ERROR_NOT_ENOUGH_MEMORY;
    const CURLUcode result = curl_url_set(parsed, CURLUPART_URL, escaped.c_str(), 0);
    curl_url_cleanup(parsed);
    if (result == CURLUE_OUT_OF_MEMORY)
        return ERROR_NOT_ENOUGH_MEMORY;
    if (result != CURLUE_OK)
        return ERROR_INTERNET_INVALID_URL;
    *url = std::move(escaped);
    return 0;
}
