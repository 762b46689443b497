// Colour chooser start state, custom slots and hit testing.
#include <gtest/gtest.h>

#include "commdlg/color_chooser_model.h"

TEST(ColorChooserModel, StartsFromTheRequestOnlyWithRgbInit)
{
    COLORREF custom[16] = {0x00323232, 0x00FFFFFF, 0};
    ColorChooserData cc = ColorChooserStart(0x00123456, true, custom);
    EXPECT_EQ(cc.current, 0x00123456u);
    EXPECT_EQ(SwatchColour(&cc, kCustomSwatchBase), 0x00323232u);
    EXPECT_EQ(SwatchColour(&cc, kCustomSwatchBase + 1), 0x00FFFFFFu);
    cc = ColorChooserStart(0x00123456, false, nullptr);
    EXPECT_EQ(cc.current, 0u);
    EXPECT_EQ(SwatchColour(&cc, kCustomSwatchBase + 15), 0x00FFFFFFu);
    // The palette holds black and white, the game's start colours.
    EXPECT_EQ(SwatchColour(&cc, 40), 0x00000000u);
    EXPECT_EQ(SwatchColour(&cc, 47), 0x00FFFFFFu);
}

TEST(ColorChooserModel, AddCustomFillsSlotsInTurnAndWraps)
{
    ColorChooserData cc = ColorChooserStart(0, false, nullptr);
    cc.current = 0x000000FF;
    EXPECT_EQ(ColorChooserAddCustom(&cc), 0);
    cc.current = 0x0000FF00;
    EXPECT_EQ(ColorChooserAddCustom(&cc), 1);
    EXPECT_EQ(cc.custom[0], 0x000000FFu);
    EXPECT_EQ(cc.custom[1], 0x0000FF00u);
    cc.nextCustom = 15;
    ColorChooserAddCustom(&cc);
    EXPECT_EQ(cc.nextCustom, 0);
}

TEST(ColorChooserModel, LayoutFitsTheScreenAndSwatchesDoNotOverlap)
{
    const ColorChooserLayout l = LayoutColorChooser(240, 24);
    for (int i = 0; i < kSwatchCount; ++i) {
        const RECT& r = l.swatches[i];
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, 240);
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        EXPECT_EQ(SwatchAt(&l, centre), i);
    }
    EXPECT_LT(l.swatches[47].bottom, l.swatches[kCustomSwatchBase].top);
    EXPECT_LE(l.okButton.bottom, 294);  // above the bottom of the full-screen page
    EXPECT_EQ(SwatchAt(&l, POINT{0, 0}), -1);
}
