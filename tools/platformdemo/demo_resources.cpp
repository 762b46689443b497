// The demo's constant tables: a menu bar with a drop-down, a tap-and-hold menu with a
// sub-menu, and a picture strip drawn at start (three 16 × 16 pictures on grey).
#include "demo_resources.h"

#include <cstring>
#include <vector>

#include "resources.h"

namespace {

const MenuTemplateItem kMenuItems[] = {
    {0, u"Demo", 0, 0},
    {1, u"&Outlines", IDC_DEMO_OUTLINE, MF_CHECKED},
    {1, u"&Colour", 0, 0},
    {2, u"&Red", IDC_DEMO_RED, 0},
    {2, u"&Green", IDC_DEMO_GREEN, 0},
    {2, u"&Blue", IDC_DEMO_BLUE, 0},
    {1, nullptr, 0, MF_SEPARATOR},
    {1, u"E&xit", IDC_DEMO_EXIT, 0},
};
const MenuTemplate kMenu = {kMenuItems, sizeof(kMenuItems) / sizeof(kMenuItems[0])};

const MenuTemplateItem kHoldItems[] = {
    {0, u"Hold", 0, 0}, {1, u"Red", IDC_DEMO_RED, 0},   {1, u"Green", IDC_DEMO_GREEN, 0},
    {1, u"More", 0, 0}, {2, u"Blue", IDC_DEMO_BLUE, 0}, {2, u"Clear text", IDC_DEMO_CLEAR, 0},
};
const MenuTemplate kHoldMenu = {kHoldItems, sizeof(kHoldItems) / sizeof(kHoldItems[0])};

const MenuBarButton kButtons[] = {
    {0, IDC_DEMO_MENU, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, 0},
    {1, IDC_DEMO_CLEAR, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE, NOMENU},
    {2, IDC_DEMO_ABOUT, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE, NOMENU},
};
const MenuBarTemplate kToolbar = {IDM_DEMO_MENU, kButtons, 3};

// 0: a menu page, 1: an eraser cross, 2: an "i" sign; black on the bar's grey.
bool Ink(int picture, int x, int y)
{
    switch (picture) {
    case 0:
        return (x == 3 || x == 12 || y == 1 || y == 14) ? (x >= 3 && x <= 12 && y >= 1 && y <= 14)
                                                        : (y % 3 == 1 && x > 4 && x < 11 && y > 2);
    case 1: return x > 2 && x < 13 && (x - y == 0 || x - y == 1 || x + y == 15 || x + y == 16);
    case 2: return (x >= 7 && x <= 8 && (y == 3 || y == 4 || (y >= 6 && y <= 12)));
    }
    return false;
}

std::vector<unsigned char> MakePictures()
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
            // Rows are stored bottom-up.
            unsigned char* p = &bmp[54 + size_t((h - 1 - y) * row + x * 3)];
            const unsigned char v = Ink(x / 16, x % 16, y) ? 0 : 192;
            p[0] = p[1] = p[2] = v;
        }
    }
    return bmp;
}

}  // namespace

HINSTANCE RegisterDemoResources()
{
    static const std::vector<unsigned char> pictures = MakePictures();
    static const ResourceEntry entries[] = {
        {RT_MENU, IDM_DEMO_MENU, &kMenu, 0},
        {RT_MENU, IDM_DEMO_HOLD_MENU, &kHoldMenu, 0},
        {RT_TOOLBAR, IDT_DEMO_TOOLBAR, &kToolbar, 0},
        {RT_BITMAP, IDB_DEMO_PICTURES, pictures.data(), static_cast<DWORD>(pictures.size())},
    };
    static const ResourceModule module = {u"\\Program Files\\Platform Demo\\PlatformDemo.exe",
                                          entries, sizeof(entries) / sizeof(entries[0])};
    return RegisterResourceModule(&module);
}
