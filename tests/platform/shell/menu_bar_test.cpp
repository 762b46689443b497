// Menu bars built from a toolbar record: pictures, plain buttons, drop-downs opening their
// pop-up upwards, commands from pop-ups and sub-menus, SHCMBM_GETSUBMENU, disabled buttons.
#include <cstring>

#include "menus/popup_menu.h"
#include "resources.h"
#include "shell_test_windows.h"

namespace {

const MenuTemplateItem kMenuItems[] = {
    {0, u"Main", 0, 0},
    {1, u"Puzzles", 0, 0},
    {2, u"Available", 40088, 0},
    {2, u"Download", 40089, 0},
    {1, u"Toggle", 0, 0},
    {2, u"Auto Skip", 40092, 0},
    {1, nullptr, 0, MF_SEPARATOR},
    {1, u"E&xit", 40006, 0},
    {0, u"Size", 0, 0},
    {1, u"Small", 40066, 0},
    {1, u"Large", 40068, 0},
};
const MenuTemplate kMenu = {kMenuItems, 11};

const MenuBarButton kButtons[] = {
    {0, 40056, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, 0},
    {1, 40062, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE, NOMENU},
    {2, 40052, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, 1},
    {2, 40099, 0, TBSTYLE_BUTTON, NOMENU},  // not enabled: taps do nothing
};
const MenuBarTemplate kToolbar = {102, kButtons, 4};

// A 48 × 16 strip of three pictures: red, green, blue.
std::vector<unsigned char> MakeStrip()
{
    const int w = 48, h = 16, row = w * 3;
    std::vector<unsigned char> bmp(54 + size_t(row * h), 0);
    auto put32 = [&bmp](size_t at, uint32_t v) { std::memcpy(&bmp[at], &v, 4); };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    bmp[26] = 1;
    bmp[28] = 24;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            unsigned char* p = &bmp[54 + size_t(y * row + x * 3)];  // blue, green, red
            p[2 - x / 16] = 255;
        }
    }
    return bmp;
}

const std::vector<unsigned char>& Strip()
{
    static const std::vector<unsigned char> strip = MakeStrip();
    return strip;
}

HINSTANCE Module()
{
    static const ResourceEntry entries[] = {
        {RT_MENU, 102, &kMenu, 0},
        {RT_TOOLBAR, 102, &kToolbar, 0},
        {RT_BITMAP, 120, Strip().data(), static_cast<DWORD>(Strip().size())},
    };
    static const ResourceModule module = {u"\\Program Files\\BarTest\\BarTest.exe", entries, 3};
    return RegisterResourceModule(&module);
}

class MenuBar : public ShellTest {
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        window = MakeRecordingWindow(nullptr, u"Bar test");
        SHMENUBARINFO mb = {};
        mb.cbSize = sizeof(mb);
        mb.hwndParent = window;
        mb.nToolBarId = 102;
        mb.hInstRes = Module();
        mb.nBmpId = 120;
        mb.cBmpImages = 3;
        ASSERT_TRUE(SHCreateMenuBar(&mb));
        bar = mb.hwndMB;
    }

    std::vector<UINT> Commands()
    {
        std::vector<UINT> ids;
        for (const SeenMessage& m : Seen(WM_COMMAND)) {
            ids.push_back(LOWORD(m.wParam));
        }
        return ids;
    }

    HWND window = nullptr;
    HWND bar = nullptr;
};

// Geometry of the main pop-up opened upwards from the bar's top (y 294): a 1 px border,
// items of 18 px and a separator of 7 px.
constexpr int kMainTop = 294 - (2 + 18 * 3 + 7);
constexpr int kPuzzlesY = kMainTop + 1 + 9;
constexpr int kExitY = kMainTop + 1 + 18 * 2 + 7 + 9;

TEST_F(MenuBar, ShowsPicturesAndGivesDropDownMenus)
{
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(10, 305), RGB(255, 0, 0));  // drop-down, picture 0
    EXPECT_EQ(AutomationScreenPixel(40, 305), RGB(0, 255, 0));  // plain button, picture 1
    EXPECT_EQ(AutomationScreenPixel(60, 305), RGB(0, 0, 255));  // drop-down, picture 2
    EXPECT_EQ(AutomationScreenPixel(150, 305), RGB(192, 192, 192));

    HMENU main = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, 40056));
    HMENU size = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, 40052));
    ASSERT_NE(main, nullptr);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(GetMenuItemCount(main), 4);
    EXPECT_EQ(GetMenuItemCount(size), 2);
    EXPECT_EQ(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, 40062), 0);
    // The same menu every time: check marks set through one handle stay.
    CheckMenuItem(main, 40092, MF_BYCOMMAND | MF_CHECKED);
    HMENU again = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, 40056));
    EXPECT_EQ(CheckMenuItem(again, 40092, MF_BYCOMMAND | MF_CHECKED), MF_CHECKED);
}

TEST_F(MenuBar, PlainButtonSendsItsCommandToTheParent)
{
    AutomationTap(40, 305);
    AutomationTap(100, 305);  // the disabled button
    ASSERT_TRUE(AutomationRunUntilIdle());
    std::vector<SeenMessage> commands = Seen(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].hwnd, window);
    EXPECT_EQ(LOWORD(commands[0].wParam), 40062u);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(GetActiveWindow(), window);
}

TEST_F(MenuBar, ADisabledButtonIsWashedOutAndIgnoresTaps)
{
    EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, 40062, MAKELONG(FALSE, 0)));
    EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, 40056, MAKELONG(FALSE, 0)));
    EXPECT_FALSE(SendMessageW(bar, TB_ENABLEBUTTON, 40123, MAKELONG(FALSE, 0)));  // no such
    EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, 40062, 0));
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONENABLED, 40052, 0));
    ASSERT_TRUE(AutomationRunUntilIdle());
    // Green and red two thirds of the way to the bar's grey.
    EXPECT_EQ(AutomationScreenPixel(40, 305), RGB(128, 213, 128));
    EXPECT_EQ(AutomationScreenPixel(10, 305), RGB(213, 128, 128));
    EXPECT_EQ(AutomationScreenPixel(60, 305), RGB(0, 0, 255));
    AutomationTap(40, 305);
    AutomationTap(10, 305);  // the drop-down opens nothing either
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(PopupMenuLevels().empty());

    EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, 40062, MAKELONG(TRUE, 0)));
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONENABLED, 40062, 0));
    AutomationTap(40, 305);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(40, 305), RGB(0, 255, 0));
    EXPECT_EQ(Commands(), (std::vector<UINT>{40062}));
}

TEST_F(MenuBar, DropDownSendsItsCommandThenDeliversTheChosenItem)
{
    AutomationTap(10, 305);
    AutomationTap(20, kExitY);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(Commands(), (std::vector<UINT>{40056, 40006}));
    EXPECT_TRUE(PopupMenuLevels().empty());
}

TEST_F(MenuBar, SubMenuItemIsDeliveredAndTheMenusOpenBesideEachOther)
{
    std::vector<PopupLevel> open;
    COLORREF inside = 0;
    SetExtraHandler([&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
        if (msg != WM_TIMER || wParam != 7) {
            return false;
        }
        KillTimer(hwnd, 7);
        open = PopupMenuLevels();
        if (open.size() == 2) {
            const RECT& item = open[1].itemRects[1];  // "Download"
            inside = AutomationScreenPixel(item.right - 3, item.bottom - 3);
            AutomationTap((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        }
        return true;
    });
    SetTimer(window, 7, 10, nullptr);
    AutomationTap(10, 305);
    AutomationTap(20, kPuzzlesY);  // opens the sub-menu; chooses nothing
    AutomationAdvance(20);         // the timer looks at the open menus and taps
    ASSERT_TRUE(AutomationRunUntilIdle());

    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].rect.bottom, 294);
    EXPECT_EQ(open[0].rect.top, kMainTop);
    EXPECT_EQ(open[0].rect.left, 0);
    EXPECT_GE(open[1].rect.left, open[0].rect.right - 2);
    EXPECT_LE(open[1].rect.right, 240);
    EXPECT_EQ(inside, RGB(255, 255, 255));
    EXPECT_EQ(Commands(), (std::vector<UINT>{40056, 40089}));
}

TEST_F(MenuBar, TapOutsideClosesThePopUpWithNothingSent)
{
    AutomationTap(60, 305);
    AutomationTap(200, 100);
    AutomationTap(40, 305);  // the bar works again afterwards
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(Commands(), (std::vector<UINT>{40052, 40062}));
    EXPECT_TRUE(Seen(WM_LBUTTONDOWN).empty());  // the closing tap is the menu's
}

TEST_F(MenuBar, HidingAndDestroyingTheBar)
{
    ShowWindow(bar, SW_HIDE);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(10, 305), RGB(192, 192, 192));
    ShowWindow(bar, SW_SHOW);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(10, 305), RGB(255, 0, 0));
    EXPECT_EQ(GetActiveWindow(), window);  // showing the bar does not take activation

    EXPECT_TRUE(DestroyWindow(bar));
    EXPECT_FALSE(IsWindow(bar));
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(10, 305), RGB(192, 192, 192));
    AutomationTap(40, 305);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_TRUE(Seen(WM_COMMAND).empty());
}

TEST_F(MenuBar, MissingResourcesFail)
{
    SHMENUBARINFO mb = {};
    mb.cbSize = sizeof(mb);
    mb.hwndParent = window;
    mb.nToolBarId = 555;
    mb.hInstRes = Module();
    EXPECT_FALSE(SHCreateMenuBar(&mb));
    mb.nToolBarId = 102;
    mb.nBmpId = 556;
    EXPECT_FALSE(SHCreateMenuBar(&mb));
    mb.nBmpId = 0;
    mb.cbSize = 20;
    EXPECT_FALSE(SHCreateMenuBar(&mb));
}

}  // namespace
