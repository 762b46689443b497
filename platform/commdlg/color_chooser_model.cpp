// Colour chooser palette, custom slots and page geometry.
#include "color_chooser_model.h"

const COLORREF kBasicColours[kBasicColourCount] = {
    0x008080FF, 0x0080FFFF, 0x0080FF80, 0x0080FF00, 0x00FFFF80, 0x00FF8000, 0x00C080FF, 0x00FF80FF,
    0x000000FF, 0x0000FFFF, 0x0000FF80, 0x0040FF00, 0x00FFFF00, 0x00C08000, 0x00C08080, 0x00FF00FF,
    0x00404080, 0x004080FF, 0x0000FF00, 0x00808000, 0x00804000, 0x00FF8080, 0x00400080, 0x008000FF,
    0x00000080, 0x000080FF, 0x00008000, 0x00408000, 0x00FF0000, 0x00A00000, 0x00800080, 0x00FF0080,
    0x00000040, 0x00004080, 0x00004000, 0x00404000, 0x00800000, 0x00400000, 0x00400040, 0x00800040,
    0x00000000, 0x00008080, 0x00408080, 0x00808080, 0x00808040, 0x00C0C0C0, 0x00400040, 0x00FFFFFF,
};

namespace {

constexpr int kSwatchSize = 18;  // a square swatch with its frame
constexpr int kSwatchGap = 4;
constexpr int kMargin = 6;
constexpr int kLabelHeight = 14;

RECT SwatchRect(int left, int top, int index)
{
    const int col = index % kSwatchColumns;
    const int row = index / kSwatchColumns;
    const int x = left + col * (kSwatchSize + kSwatchGap);
    const int y = top + row * (kSwatchSize + kSwatchGap);
    return {x, y, x + kSwatchSize, y + kSwatchSize};
}

}  // namespace

ColorChooserData ColorChooserStart(COLORREF initial, bool useInitial, const COLORREF* custom)
{
    ColorChooserData cc{};
    cc.current = useInitial ? (initial & 0x00FFFFFF) : 0;
    for (int i = 0; i < kCustomColourCount; ++i) {
        cc.custom[i] = custom ? custom[i] : 0x00FFFFFF;
    }
    cc.nextCustom = 0;
    return cc;
}

COLORREF SwatchColour(const ColorChooserData* cc, int swatch)
{
    if (swatch >= 0 && swatch < kBasicColourCount) {
        return kBasicColours[swatch];
    }
    if (swatch >= kCustomSwatchBase && swatch < kSwatchCount) {
        return cc->custom[swatch - kCustomSwatchBase];
    }
    return 0;
}

int ColorChooserAddCustom(ColorChooserData* cc)
{
    const int slot = cc->nextCustom;
    cc->custom[slot] = cc->current;
    cc->nextCustom = (slot + 1) % kCustomColourCount;
    return slot;
}

ColorChooserLayout LayoutColorChooser(int width, int top)
{
    ColorChooserLayout l{};
    const int gridWidth = kSwatchColumns * kSwatchSize + (kSwatchColumns - 1) * kSwatchGap;
    const int left = (width - gridWidth) / 2;
    int y = top + 4;
    l.basicLabel = {left, y, left + gridWidth, y + kLabelHeight};
    y += kLabelHeight;
    for (int i = 0; i < kBasicColourCount; ++i) {
        l.swatches[i] = SwatchRect(left, y, i);
    }
    y += 6 * (kSwatchSize + kSwatchGap);
    l.customLabel = {left, y, left + gridWidth, y + kLabelHeight};
    y += kLabelHeight;
    for (int i = 0; i < kCustomColourCount; ++i) {
        l.swatches[kCustomSwatchBase + i] = SwatchRect(left, y, i);
    }
    y += 2 * (kSwatchSize + kSwatchGap);
    l.preview = {left, y, left + 40, y + 22};
    l.addButton = {left + 48, y, left + gridWidth, y + 22};
    y += 22 + kMargin;
    const int buttonWidth = 64;
    l.okButton = {width / 2 - 4 - buttonWidth, y, width / 2 - 4, y + 22};
    l.cancelButton = {width / 2 + 4, y, width / 2 + 4 + buttonWidth, y + 22};
    return l;
}

int SwatchAt(const ColorChooserLayout* layout, POINT pt)
{
    for (int i = 0; i < kSwatchCount; ++i) {
        const RECT& r = layout->swatches[i];
        if (pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom) {
            return i;
        }
    }
    return -1;
}
