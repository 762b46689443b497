// The input panel as programs see it: SHSipInfo rectangles, raising and lowering, the
// WM_SETTINGCHANGE broadcast and the resizing of full-screen windows.
#include "shell_test_windows.h"

namespace {

SIPINFO Query()
{
    SIPINFO si = {};
    si.cbSize = sizeof(si);
    EXPECT_TRUE(SHSipInfo(SPI_GETSIPINFO, 0, &si, 0));
    return si;
}

RECT ClientOf(HWND hwnd)
{
    RECT r = {};
    GetClientRect(hwnd, &r);
    return r;
}

int SettingChanges()
{
    int n = 0;
    for (const SeenMessage& m : Seen(WM_SETTINGCHANGE)) {
        n += m.wParam == SPI_SETSIPINFO ? 1 : 0;
    }
    return n;
}

using SipInfo = ShellTest;

TEST_F(SipInfo, ReportsRectanglesForBothStates)
{
    SIPINFO down = Query();
    EXPECT_EQ(down.fdwFlags & SIPF_ON, 0u);
    EXPECT_EQ(down.rcVisibleDesktop, (RECT{0, 26, 240, 320}));
    EXPECT_EQ(down.rcSipRect, (RECT{0, 214, 240, 294}));

    ASSERT_TRUE(SHSipPreference(nullptr, SIP_UP));
    SIPINFO up = Query();
    EXPECT_EQ(up.fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
    EXPECT_EQ(up.rcVisibleDesktop, (RECT{0, 26, 240, 214}));
    EXPECT_EQ(up.rcSipRect, (RECT{0, 214, 240, 294}));

    // The device's record size is accepted as well; other sizes are refused.
    SIPINFO device = {};
    device.cbSize = 48;
    EXPECT_TRUE(SHSipInfo(SPI_GETSIPINFO, 0, &device, 0));
    EXPECT_EQ(device.rcVisibleDesktop, (RECT{0, 26, 240, 214}));
    SIPINFO wrong = {};
    wrong.cbSize = 12;
    EXPECT_FALSE(SHSipInfo(SPI_GETSIPINFO, 0, &wrong, 0));
    EXPECT_FALSE(SHSipInfo(SPI_GETSIPINFO + 7, 0, &device, 0));
}

TEST_F(SipInfo, EveryChangeIsBroadcastOnce)
{
    HWND a = MakeRecordingWindow();
    RECT small = {20, 60, 120, 160};
    HWND b = MakeRecordingWindow(&small, u"Other");

    SIPINFO si = Query();
    si.fdwFlags |= SIPF_ON;
    ASSERT_TRUE(SHSipInfo(SPI_SETSIPINFO, 0, &si, 0));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
    // Sent, not posted: both top-level windows have it when the call returns.
    std::vector<SeenMessage> changes = Seen(WM_SETTINGCHANGE);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE((changes[0].hwnd == a && changes[1].hwnd == b) ||
                (changes[0].hwnd == b && changes[1].hwnd == a));

    // Asking for the state it is already in changes nothing and tells nobody.
    ASSERT_TRUE(SHSipPreference(a, SIP_UP));
    ASSERT_TRUE(SHSipPreference(a, SIP_UNCHANGED));
    EXPECT_EQ(SettingChanges(), 2);

    si.fdwFlags &= ~SIPF_ON;
    ASSERT_TRUE(SHSipInfo(SPI_SETSIPINFO, 0, &si, 0));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, 0u);
    EXPECT_EQ(SettingChanges(), 4);

    ASSERT_TRUE(SHSipPreference(a, SIP_UP));
    ASSERT_TRUE(SHSipPreference(a, SIP_FORCEDOWN));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, 0u);
    ASSERT_TRUE(SHSipPreference(a, SIP_UP));
    ASSERT_TRUE(SHSipPreference(a, SIP_DOWN));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, 0u);
    EXPECT_EQ(SettingChanges(), 12);
    EXPECT_FALSE(SHSipPreference(a, static_cast<SIPSTATE>(9)));
}

TEST_F(SipInfo, SettingChangeHandlerFitsFullScreenWindowsToTheVisibleDesktop)
{
    SHACTIVATEINFO sai = {};
    SetExtraHandler([&sai](HWND hwnd, UINT msg, WPARAM, LPARAM) {
        if (msg == WM_SETTINGCHANGE) {
            // As programs forward it: without the message's parameters.
            SHHandleWMSettingChange(hwnd, static_cast<WPARAM>(-1), 0, &sai);
        }
        return false;
    });
    HWND full = MakeRecordingWindow();
    RECT small = {20, 60, 120, 160};
    HWND other = MakeRecordingWindow(&small, u"Other");
    ASSERT_EQ(ClientOf(full), (RECT{0, 0, 240, 268}));

    SHSipPreference(full, SIP_UP);
    EXPECT_EQ(ClientOf(full), (RECT{0, 0, 240, 188}));
    RECT r;
    GetWindowRect(full, &r);
    EXPECT_EQ(r, (RECT{0, 26, 240, 214}));
    SHSipPreference(full, SIP_DOWN);
    EXPECT_EQ(ClientOf(full), (RECT{0, 0, 240, 268}));
    // A window that does not fill the screen keeps its size.
    EXPECT_EQ(ClientOf(other), (RECT{0, 0, 100, 100}));
    // Other settings are not the handler's business.
    EXPECT_FALSE(SHHandleWMSettingChange(full, 17, 0, &sai));
}

TEST_F(SipInfo, InitDialogSizesAndLowersThePanel)
{
    HWND with = MakeRecordingWindow(nullptr, u"With bar");
    SHSipPreference(with, SIP_UP);
    SHINITDLGINFO init = {SHIDIM_FLAGS, with,
                          SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    ASSERT_TRUE(SHInitDialog(&init));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, 0u);
    RECT r;
    GetWindowRect(with, &r);
    EXPECT_EQ(r, (RECT{0, 26, 240, 294}));

    RECT small = {10, 40, 100, 100};
    HWND without = MakeRecordingWindow(&small, u"Without bar");
    init = {SHIDIM_FLAGS, without, SHIDIF_DONEBUTTON | SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR};
    ASSERT_TRUE(SHInitDialog(&init));
    GetWindowRect(without, &r);
    EXPECT_EQ(r, (RECT{0, 26, 240, 320}));

    SHINITDLGINFO noMask = {0, without, SHIDIF_DONEBUTTON};
    EXPECT_FALSE(SHInitDialog(&noMask));
}

TEST_F(SipInfo, ActivateHandlerRestoresThePanelOfTheWindow)
{
    HWND hwnd = MakeRecordingWindow();
    SHACTIVATEINFO sai = {};
    sai.cbSize = sizeof(sai);
    // Never deactivated: activation leaves the panel alone.
    EXPECT_TRUE(SHHandleWMActivate(hwnd, WA_ACTIVE, 0, &sai, 0));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, 0u);
    SHSipPreference(hwnd, SIP_UP);
    EXPECT_TRUE(SHHandleWMActivate(hwnd, WA_INACTIVE, 0, &sai, 0));
    SHSipPreference(hwnd, SIP_DOWN);  // another window lowered it meanwhile
    EXPECT_TRUE(SHHandleWMActivate(hwnd, WA_ACTIVE, 0, &sai, 0));
    EXPECT_EQ(Query().fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
}

}  // namespace
