// The navigation bar, the empty menu bar and the input panel on the screen, and what taps on
// them do.
#include <utility>
#include <vector>

#include "shell_test_windows.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 128);
constexpr COLORREF kBand = RGB(40, 72, 168);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kKeyFace = RGB(236, 236, 236);

int CountPixels(const RECT& r, COLORREF colour)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            n += AutomationScreenPixel(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

void Tap(POINT p)
{
    AutomationTap(p.x, p.y);
}

HWND MakeBarWindow()
{
    HWND hwnd = MakeRecordingWindow(nullptr, u"Bars");
    SHMENUBARINFO mb = {};
    mb.cbSize = sizeof(mb);
    mb.hwndParent = hwnd;
    EXPECT_TRUE(SHCreateMenuBar(&mb));  // empty: no toolbar
    EXPECT_TRUE(IsWindow(mb.hwndMB));
    return hwnd;
}

using Bars = ShellTest;

TEST_F(Bars, NavigationBarShowsBandTitleAndOkButtonOfDoneDialogs)
{
    HWND hwnd = MakeBarWindow();
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(180, 20), kBlue);
    EXPECT_EQ(AutomationScreenPixel(180, 5), kBand);
    EXPECT_EQ(AutomationScreenPixel(212, 13), kBlue);  // no "ok" yet
    // The title is white text after the start symbol.
    EXPECT_GT(CountPixels({26, 0, 120, 26}, RGB(255, 255, 255)), 20);

    SHINITDLGINFO init = {SHIDIM_FLAGS, hwnd,
                          SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    ASSERT_TRUE(SHInitDialog(&init));
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(212, 13), RGB(255, 255, 255));

    Tap({222, 13});
    ASSERT_TRUE(AutomationRunUntilIdle());
    std::vector<SeenMessage> commands = Seen(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].hwnd, hwnd);
    EXPECT_EQ(LOWORD(commands[0].wParam), IDOK);
    // Taps on the bar never reach the window under it.
    EXPECT_TRUE(Seen(WM_LBUTTONDOWN).empty());
}

TEST_F(Bars, FullScreenFlagsFollowTheActiveWindow)
{
    HWND main = MakeBarWindow();
    const RECT start = {4, 5, 20, 21};
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_GT(CountPixels(start, RGB(255, 255, 255)), 50);

    // A dialog hides the start symbol and the input-panel button while it is active (9 and
    // 21 as the programs pass them); the main window gets its own settings back.
    RECT small = {0, 26, 240, 294};
    HWND dialog = MakeRecordingWindow(&small, u"Dialog");
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(CountPixels(start, RGB(255, 255, 255)), 0);
    EXPECT_EQ(CountPixels({219, 294, 240, 320}, RGB(0, 0, 0)), 0);

    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), main);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_GT(CountPixels(start, RGB(255, 255, 255)), 50);
    EXPECT_GT(CountPixels({219, 294, 240, 320}, RGB(0, 0, 0)), 20);
}

TEST_F(Bars, MenuBarStripAndInputPanelButton)
{
    HWND hwnd = MakeBarWindow();
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(100, 310), kGrey);
    const RECT sipButton = {219, 294, 240, 320};
    EXPECT_GT(CountPixels(sipButton, RGB(0, 0, 0)), 20);

    SHFullScreen(hwnd, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(CountPixels(sipButton, RGB(0, 0, 0)), 0);
    Tap({229, 307});  // nothing there now
    ASSERT_TRUE(AutomationRunUntilIdle());
    SIPINFO si = {sizeof(si)};
    SHSipInfo(SPI_GETSIPINFO, 0, &si, 0);
    EXPECT_EQ(si.fdwFlags & SIPF_ON, 0u);

    SHFullScreen(hwnd, SHFS_SHOWSIPBUTTON);
    Tap({229, 307});
    ASSERT_TRUE(AutomationRunUntilIdle());
    SHSipInfo(SPI_GETSIPINFO, 0, &si, 0);
    EXPECT_EQ(si.fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
    // Grey panel, light rounded keys with a pixel of panel between neighbours.
    EXPECT_EQ(AutomationScreenPixel(15, 220), kGrey);
    EXPECT_EQ(AutomationScreenPixel(3, 224), kKeyFace);
    EXPECT_EQ(AutomationScreenPixel(0, 214), kGrey);  // rounded corner
    EXPECT_EQ(Seen(WM_SETTINGCHANGE).size(), 1u);

    Tap({229, 307});
    ASSERT_TRUE(AutomationRunUntilIdle());
    SHSipInfo(SPI_GETSIPINFO, 0, &si, 0);
    EXPECT_EQ(si.fdwFlags & SIPF_ON, 0u);
    // The window's own background shows again where the panel was.
    EXPECT_EQ(AutomationScreenPixel(15, 220), RGB(255, 255, 255));
}

TEST_F(Bars, InputPanelKeysTypeIntoTheFocusWindow)
{
    HWND hwnd = MakeBarWindow();
    SHSipPreference(hwnd, SIP_UP);
    Tap(KeyCentre(u"q"));
    Tap(KeyCentre(u"Shift"));
    Tap(KeyCentre(u"a"));
    Tap(KeyCentre(u"\u2190"));     // Backspace, the first arrow on the keyboard
    Tap(KeyCentre(u"\u2190", 1));  // Left arrow: no character
    ASSERT_TRUE(AutomationRunUntilIdle());

    std::vector<SeenMessage> keys;
    for (const SeenMessage& m : SeenMessages()) {
        if (m.msg == WM_KEYDOWN || m.msg == WM_CHAR || m.msg == WM_KEYUP) {
            EXPECT_EQ(m.hwnd, hwnd);
            if (m.wParam != VK_SHIFT) {
                keys.push_back(m);
            }
        }
    }
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_KEYDOWN, 'Q'}, {WM_CHAR, u'q'},       {WM_KEYUP, 'Q'},     {WM_KEYDOWN, 'A'},
        {WM_CHAR, u'A'},   {WM_KEYUP, 'A'},       {WM_KEYDOWN, 8},     {WM_CHAR, 8},
        {WM_KEYUP, 8},     {WM_KEYDOWN, VK_LEFT}, {WM_KEYUP, VK_LEFT},
    };
    ASSERT_EQ(keys.size(), expected.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].msg, expected[i].first) << i;
        EXPECT_EQ(keys[i].wParam, expected[i].second) << i;
    }
    EXPECT_TRUE(Seen(WM_LBUTTONDOWN).empty());
}

}  // namespace
