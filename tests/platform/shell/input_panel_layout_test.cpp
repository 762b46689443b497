// The input panel's keyboard layout: rows that tile the panel, hit tests, and what the
// modifier keys do to the character a key types.
#include <string>

#include <gtest/gtest.h>

#include "shell/input_panel_layout.h"
#include "shell_test_windows.h"
#include "windows.h"

namespace {

TEST(InputPanelLayout, RowsTileThePanelWithKeysAtLeast15Wide)
{
    int rows = 0;
    int lastTop = -1;
    LONG right = 0;
    for (const PanelKey& key : InputPanelKeys()) {
        EXPECT_GE(key.rect.right - key.rect.left - 1, 15) << std::string(key.label, key.label + 1);
        if (key.rect.top != lastTop) {
            if (lastTop >= 0) {
                EXPECT_EQ(right, 240);
            }
            ++rows;
            lastTop = key.rect.top;
            right = 0;
        }
        EXPECT_EQ(key.rect.left, right);
        right = key.rect.right;
        EXPECT_EQ(key.rect.bottom - key.rect.top, 16);
    }
    EXPECT_EQ(right, 240);
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(InputPanelKeyAt({0, 214})->label, std::u16string(u"1"));
    EXPECT_EQ(InputPanelKeyAt({239, 293})->vk, 0x27u);  // Right arrow
    EXPECT_EQ(InputPanelKeyAt({100, 213}), nullptr);
    EXPECT_EQ(InputPanelKeyAt({100, 294}), nullptr);
}

TEST(InputPanelLayout, ModifiersChangeTheCharacter)
{
    const PanelKey& a = *InputPanelKeyAt({KeyCentre(u"a")});
    const PanelKey& one = *InputPanelKeyAt({KeyCentre(u"1")});
    EXPECT_EQ(PanelKeyCharacter(a, false, false, false), u'a');
    EXPECT_EQ(PanelKeyCharacter(a, true, false, false), u'A');
    EXPECT_EQ(PanelKeyCharacter(a, false, true, false), u'A');
    EXPECT_EQ(PanelKeyCharacter(a, true, true, false), u'a');
    EXPECT_EQ(PanelKeyCharacter(a, false, false, true), 1);
    EXPECT_EQ(PanelKeyCharacter(one, false, true, false), u'1');  // Caps leaves digits
    EXPECT_EQ(PanelKeyCharacter(one, true, false, false), u'!');
}

}  // namespace
