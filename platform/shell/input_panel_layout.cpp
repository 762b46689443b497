// The keyboard's layout: four rows of 16-pixel keys plus a space row, 240 pixels wide,
// filling the 80-pixel panel. Every row's widths add up to 240.
#include "input_panel_layout.h"

namespace {

struct KeySpec {
    const char16_t* label;
    int width;  // device pixels
    PanelKeyKind kind;
    UINT vk;
    char16_t ch;
    char16_t shiftCh;
};

constexpr PanelKeyKind T = PanelKeyKind::Typing;

// Virtual keys of the punctuation keys are the standard OEM codes of a US layout.
const KeySpec kRow0[] = {
    {u"1", 16, T, '1', u'1', u'!'},  {u"2", 16, T, '2', u'2', u'@'},
    {u"3", 16, T, '3', u'3', u'#'},  {u"4", 16, T, '4', u'4', u'$'},
    {u"5", 16, T, '5', u'5', u'%'},  {u"6", 16, T, '6', u'6', u'^'},
    {u"7", 16, T, '7', u'7', u'&'},  {u"8", 16, T, '8', u'8', u'*'},
    {u"9", 16, T, '9', u'9', u'('},  {u"0", 16, T, '0', u'0', u')'},
    {u"-", 16, T, 0xBD, u'-', u'_'}, {u"=", 16, T, 0xBB, u'=', u'+'},
    {u"\u2190", 48, T, 0x08, 8, 8},  // Backspace
};
const KeySpec kRow1[] = {
    {u"Tab", 24, T, 0x09, 9, 9},     {u"q", 16, T, 'Q', u'q', u'Q'},
    {u"w", 16, T, 'W', u'w', u'W'},  {u"e", 16, T, 'E', u'e', u'E'},
    {u"r", 16, T, 'R', u'r', u'R'},  {u"t", 16, T, 'T', u't', u'T'},
    {u"y", 16, T, 'Y', u'y', u'Y'},  {u"u", 16, T, 'U', u'u', u'U'},
    {u"i", 16, T, 'I', u'i', u'I'},  {u"o", 16, T, 'O', u'o', u'O'},
    {u"p", 16, T, 'P', u'p', u'P'},  {u"[", 16, T, 0xDB, u'[', u'{'},
    {u"]", 16, T, 0xDD, u']', u'}'}, {u"\\", 24, T, 0xDC, u'\\', u'|'},
};
const KeySpec kRow2[] = {
    {u"CAP", 28, PanelKeyKind::Caps, 0x14, 0, 0},
    {u"a", 16, T, 'A', u'a', u'A'},
    {u"s", 16, T, 'S', u's', u'S'},
    {u"d", 16, T, 'D', u'd', u'D'},
    {u"f", 16, T, 'F', u'f', u'F'},
    {u"g", 16, T, 'G', u'g', u'G'},
    {u"h", 16, T, 'H', u'h', u'H'},
    {u"j", 16, T, 'J', u'j', u'J'},
    {u"k", 16, T, 'K', u'k', u'K'},
    {u"l", 16, T, 'L', u'l', u'L'},
    {u";", 16, T, 0xBA, u';', u':'},
    {u"'", 16, T, 0xDE, u'\'', u'"'},
    {u"Enter", 36, T, 0x0D, 13, 13},
};
const KeySpec kRow3[] = {
    {u"Shift", 36, PanelKeyKind::Shift, 0x10, 0, 0},
    {u"z", 16, T, 'Z', u'z', u'Z'},
    {u"x", 16, T, 'X', u'x', u'X'},
    {u"c", 16, T, 'C', u'c', u'C'},
    {u"v", 16, T, 'V', u'v', u'V'},
    {u"b", 16, T, 'B', u'b', u'B'},
    {u"n", 16, T, 'N', u'n', u'N'},
    {u"m", 16, T, 'M', u'm', u'M'},
    {u",", 16, T, 0xBC, u',', u'<'},
    {u".", 16, T, 0xBE, u'.', u'>'},
    {u"/", 16, T, 0xBF, u'/', u'?'},
    {u"Shift", 44, PanelKeyKind::Shift, 0x10, 0, 0},
};
const KeySpec kRow4[] = {
    {u"Ctl", 32, PanelKeyKind::Control, 0x11, 0, 0},
    {u"`", 16, T, 0xC0, u'`', u'~'},
    {u"", 128, T, 0x20, u' ', u' '},  // space
    {u"\u2190", 16, T, 0x25, 0, 0},   // arrows: keys without characters
    {u"\u2191", 16, T, 0x26, 0, 0},
    {u"\u2193", 16, T, 0x28, 0, 0},
    {u"\u2192", 16, T, 0x27, 0, 0},
};

struct RowSpec {
    const KeySpec* keys;
    int count;
};

template <size_t N> constexpr RowSpec Row(const KeySpec (&keys)[N])
{
    return {keys, static_cast<int>(N)};
}

const RowSpec kRows[] = {Row(kRow0), Row(kRow1), Row(kRow2), Row(kRow3), Row(kRow4)};

std::vector<PanelKey> BuildKeys()
{
    std::vector<PanelKey> keys;
    int top = kInputPanelRect.top;
    for (const RowSpec& row : kRows) {
        int left = kInputPanelRect.left;
        for (int i = 0; i < row.count; ++i) {
            const KeySpec& k = row.keys[i];
            keys.push_back(PanelKey{{left, top, left + k.width, top + kInputPanelRowHeight},
                                    k.label,
                                    k.kind,
                                    k.vk,
                                    k.ch,
                                    k.shiftCh});
            left += k.width;
        }
        top += kInputPanelRowHeight;
    }
    return keys;
}

}  // namespace

const std::vector<PanelKey>& InputPanelKeys()
{
    static const std::vector<PanelKey> keys = BuildKeys();
    return keys;
}

const PanelKey* InputPanelKeyAt(POINT p)
{
    for (const PanelKey& key : InputPanelKeys()) {
        if (p.x >= key.rect.left && p.x < key.rect.right && p.y >= key.rect.top &&
            p.y < key.rect.bottom) {
            return &key;
        }
    }
    return nullptr;
}

char16_t PanelKeyCharacter(const PanelKey& key, bool shift, bool caps, bool control)
{
    const bool letter = key.ch >= u'a' && key.ch <= u'z';
    if (control) {
        return letter ? char16_t(key.ch - u'a' + 1) : 0;
    }
    const bool upper = letter ? (shift != caps) : shift;
    return upper ? key.shiftCh : key.ch;
}
