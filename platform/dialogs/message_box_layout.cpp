// Message box geometry for the narrow portrait screen: the box is as wide as its widest line
// needs, never wider than the screen less a margin, and centred in the visible desktop.
#include "message_box_layout.h"

#include <algorithm>

#include "winuser.h"

namespace {

constexpr int kScreenMargin = 6;    // between the box and the screen edges
constexpr int kPadding = 8;         // inside the box, around icon, text and buttons
constexpr int kCaptionHeight = 20;  // the caption line
constexpr int kIconSize = 32;       // the information / question picture
constexpr int kButtonHeight = 21;
constexpr int kButtonMinWidth = 52;
constexpr int kButtonGap = 6;

struct ButtonText {
    int id;
    const char16_t* text;  // null past the last button
};
struct ButtonSet {
    UINT type;  // MB_OK, MB_OKCANCEL ...
    ButtonText buttons[3];
};
constexpr ButtonSet kButtonSets[] = {
    {MB_OK, {{IDOK, u"OK"}}},
    {MB_OKCANCEL, {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}}},
    {MB_ABORTRETRYIGNORE, {{IDABORT, u"Abort"}, {IDRETRY, u"Retry"}, {IDIGNORE, u"Ignore"}}},
    {MB_YESNOCANCEL, {{IDYES, u"Yes"}, {IDNO, u"No"}, {IDCANCEL, u"Cancel"}}},
    {MB_YESNO, {{IDYES, u"Yes"}, {IDNO, u"No"}}},
    {MB_RETRYCANCEL, {{IDRETRY, u"Retry"}, {IDCANCEL, u"Cancel"}}},
};

int Width(const RECT& r)
{
    return r.right - r.left;
}
int Height(const RECT& r)
{
    return r.bottom - r.top;
}

}  // namespace

std::vector<MessageBoxButton> MessageBoxButtonsFor(UINT type, int* defaultIndex)
{
    std::vector<MessageBoxButton> buttons;
    const ButtonSet* set = &kButtonSets[0];  // MB_OK, and any type it does not know
    for (const ButtonSet& candidate : kButtonSets) {
        if (candidate.type == (type & MB_TYPEMASK))
            set = &candidate;
    }
    for (const ButtonText& button : set->buttons) {
        if (button.text)
            buttons.push_back({button.id, button.text, {}});
    }
    int index = static_cast<int>((type & MB_DEFMASK) >> 8);
    *defaultIndex = index < static_cast<int>(buttons.size()) ? index : 0;
    return buttons;
}

MessageBoxLayout LayoutMessageBox(std::u16string_view text, std::u16string_view caption, UINT type,
                                  RECT work, const TextMeasure& measure, int lineHeight)
{
    MessageBoxLayout out{};
    out.lineHeight = lineHeight;
    out.buttons = MessageBoxButtonsFor(type, &out.defaultButton);

    const bool hasIcon = (type & MB_ICONMASK) != 0;
    const int maxBoxWidth = Width(work) - 2 * kScreenMargin;
    const int iconSpace = hasIcon ? kIconSize + kPadding : 0;
    const int maxTextWidth = maxBoxWidth - 2 * kPadding - iconSpace;
    out.lines = WrapText(text, maxTextWidth, measure);

    int textWidth = 0;
    for (const auto& line : out.lines) {
        textWidth = std::max(textWidth, measure(line));
    }
    int buttonsWidth = -kButtonGap;
    for (auto& b : out.buttons) {
        buttonsWidth += std::max(kButtonMinWidth, measure(b.text) + 16) + kButtonGap;
    }
    int boxWidth = std::max({2 * kPadding + iconSpace + textWidth, 2 * kPadding + buttonsWidth,
                             measure(caption) + 2 * kPadding, 140});
    boxWidth = std::min(boxWidth, maxBoxWidth);

    const int textHeight = static_cast<int>(out.lines.size()) * lineHeight;
    const int bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
    const int boxHeight =
        kCaptionHeight + kPadding + bodyHeight + kPadding + kButtonHeight + kPadding;

    const int left = work.left + (Width(work) - boxWidth) / 2;
    const int top = work.top + std::max(0, (Height(work) - boxHeight) / 2);
    out.box = {left, top, left + boxWidth, top + boxHeight};
    out.caption = {0, 0, boxWidth, kCaptionHeight};

    const int bodyTop = kCaptionHeight + kPadding;
    out.icon = hasIcon ? RECT{kPadding, bodyTop, kPadding + kIconSize, bodyTop + kIconSize}
                       : RECT{0, 0, 0, 0};
    // A short text sits level with the middle of the icon.
    const int textTop = bodyTop + (bodyHeight - textHeight) / 2;
    out.text = {kPadding + iconSpace, textTop, boxWidth - kPadding, textTop + textHeight};

    const int buttonTop = bodyTop + bodyHeight + kPadding;
    int x = (boxWidth - buttonsWidth) / 2;
    for (auto& b : out.buttons) {
        const int w = std::max(kButtonMinWidth, measure(b.text) + 16);
        b.rect = {x, buttonTop, x + w, buttonTop + kButtonHeight};
        x += w + kButtonGap;
    }
    return out;
}
