// Greedy word wrapping, the way DrawText's DT_WORDBREAK lays out a paragraph.
#include "text_wrap.h"

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Appends the wrapped lines of one paragraph (no line feeds inside).
void WrapParagraph(std::u16string_view para, int maxWidth, const TextMeasure& measure,
                   std::vector<std::u16string>& lines)
{
    size_t pos = 0;
    if (para.empty()) {
        lines.emplace_back();
        return;
    }
    while (pos < para.size()) {
        // Longest prefix of whole words that fits.
        size_t end = pos;
        size_t fitEnd = std::u16string_view::npos;
        while (end < para.size()) {
            size_t wordEnd = end;
            while (wordEnd < para.size() && IsBlank(para[wordEnd])) {
                ++wordEnd;
            }
            while (wordEnd < para.size() && !IsBlank(para[wordEnd])) {
                ++wordEnd;
            }
            if (measure(para.substr(pos, wordEnd - pos)) > maxWidth) {
                break;
            }
            fitEnd = wordEnd;
            end = wordEnd;
        }
        if (fitEnd == std::u16string_view::npos) {
            // The first word alone is too wide: cut it, keeping at least one character.
            size_t cut = pos + 1;
            while (cut < para.size() && !IsBlank(para[cut]) &&
                   measure(para.substr(pos, cut + 1 - pos)) <= maxWidth) {
                ++cut;
            }
            fitEnd = cut;
        }
        lines.emplace_back(para.substr(pos, fitEnd - pos));
        pos = fitEnd;
        while (pos < para.size() && IsBlank(para[pos])) {
            ++pos;
        }
    }
}

}  // namespace

std::vector<std::u16string> WrapText(std::u16string_view text, int maxWidth,
                                     const TextMeasure& measure)
{
    std::vector<std::u16string> lines;
    size_t start = 0;
    while (true) {
        size_t lf = text.find(u'\n', start);
        std::u16string_view para = text.substr(
            start, lf == std::u16string_view::npos ? std::u16string_view::npos : lf - start);
        if (!para.empty() && para.back() == u'\r') {
            para.remove_suffix(1);
        }
        WrapParagraph(para, maxWidth, measure, lines);
        if (lf == std::u16string_view::npos) {
            break;
        }
        start = lf + 1;
    }
    return lines;
}
