#include <cstring>

#include <gtest/gtest.h>

#include "TestAssets.h"
#include "automation.h"
#include "resources.h"
#include "windows.h"

namespace {

const char16_t kTitle[] = u"Brambleset Three";
const char16_t kEmpty[] = u"";

const ResourceEntry kEntries[] = {
    {RT_STRING, 1, kTitle, 16},
    {RT_STRING, 2, kEmpty, 0},
    {u"PUZZLETYPE", 256, kAsset_sample_bin, 0},  // size filled in below
    {RT_RCDATA, 256, "raw", 3},
};

ResourceModule Module()
{
    static ResourceEntry entries[4];
    std::memcpy(entries, kEntries, sizeof entries);
    entries[2].size = static_cast<DWORD>(kAsset_sample_bin_size);
    return {u"\\Program Files\\Test\\Test.exe", entries, 4};
}

}  // namespace

TEST(ResourceRegistry, FindsCustomResourcesByHashNameOrIdAndTypeName)
{
    // The first module registered is the program's, whichever test registered it; later
    // modules do not take its place.
    const HMODULE earlier = GetModuleHandleW(nullptr);
    static const ResourceModule module = Module();
    HINSTANCE instance = RegisterResourceModule(&module);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(RegisterResourceModule(&module), instance);
    const HMODULE program = earlier ? earlier : instance;
    EXPECT_EQ(GetModuleHandleW(nullptr), program);
    static const ResourceModule later = {u"\\Program Files\\Later\\Later.exe", kEntries, 1};
    EXPECT_NE(RegisterResourceModule(&later), program);
    EXPECT_EQ(GetModuleHandleW(nullptr), program);

    HRSRC byName = FindResourceW(instance, u"#256", u"PUZZLETYPE");
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(FindResourceW(instance, MAKEINTRESOURCEW(256), u"puzzletype"), byName);
    EXPECT_EQ(SizeofResource(instance, byName), 15u);
    const auto* bytes =
        static_cast<const unsigned char*>(LockResource(LoadResource(instance, byName)));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::memcmp(bytes, "ACROSS&DOWN\0\1\2\377", 15), 0) << "embedded bytes differ";

    // Same id, other type: a different resource; unknown ids and malformed names: none.
    HRSRC raw = FindResourceW(instance, u"#256", RT_RCDATA);
    ASSERT_NE(raw, nullptr);
    EXPECT_NE(raw, byName);
    EXPECT_EQ(FindResourceW(instance, u"#257", u"PUZZLETYPE"), nullptr);
    EXPECT_EQ(FindResourceW(instance, u"#", u"PUZZLETYPE"), nullptr);
    EXPECT_EQ(FindResourceW(instance, u"#25x", u"PUZZLETYPE"), nullptr);
    EXPECT_EQ(FindResourceW(instance, u"#99999999", u"PUZZLETYPE"), nullptr);
    EXPECT_EQ(FindResourceW(instance, u"#256", u"PUZZLE"), nullptr);
}

TEST(ResourceRegistry, LoadStringCopiesTruncatesAndReportsMissingStrings)
{
    static const ResourceModule module = Module();
    HINSTANCE instance = RegisterResourceModule(&module);
    WCHAR buffer[32];
    EXPECT_EQ(LoadStringW(instance, 1, buffer, 32), 16);
    EXPECT_EQ(std::u16string(buffer), u"Brambleset Three");

    EXPECT_EQ(LoadStringW(instance, 1, buffer, 5), 4);
    EXPECT_EQ(std::u16string(buffer), u"Bram");

    buffer[0] = u'x';
    EXPECT_EQ(LoadStringW(instance, 2, buffer, 32), 0);
    EXPECT_EQ(buffer[0], 0);

    EXPECT_EQ(LoadStringW(instance, 99, buffer, 32), 0);
}

TEST(ResourceRegistry, LoadBitmapDecodesTheBmpResource)
{
    static const ResourceEntry entries[] = {
        {RT_BITMAP, 120, kAsset_quad_bmp, static_cast<DWORD>(kAsset_quad_bmp_size)},
        {RT_RCDATA, 121, kAsset_quad_bmp, static_cast<DWORD>(kAsset_quad_bmp_size)},
    };
    static const ResourceModule module = {u"\\Program Files\\Bmp\\Bmp.exe", entries, 2};
    HINSTANCE instance = RegisterResourceModule(&module);

    EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCEW(121)), nullptr) << "wrong type";
    EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCEW(122)), nullptr) << "no such id";

    HBITMAP bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(120));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 2);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

namespace {

UINT gLastCommand = 0;

LRESULT CALLBACK CommandRecorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        gLastCommand = LOWORD(wParam);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST(ResourceRegistry, LoadAcceleratorsBuildsATableThatTranslatesItsKeys)
{
    static const ACCEL keys[] = {
        {FVIRTKEY | FCONTROL | FNOINVERT, 'Q', 40086},
        {FVIRTKEY | FCONTROL | FNOINVERT, VK_DOWN, 1},
    };
    static const ResourceEntry entries[] = {{RT_ACCELERATOR, 3, keys, 2}};
    static const ResourceModule module = {u"\\Program Files\\Acc\\Acc.exe", entries, 1};
    HINSTANCE instance = RegisterResourceModule(&module);
    EXPECT_EQ(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(4)), nullptr);
    HACCEL table = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(3));
    ASSERT_NE(table, nullptr);

    WNDCLASSW wc{};
    wc.lpfnWndProc = CommandRecorder;
    wc.hInstance = instance;
    wc.lpszClassName = u"AccelTest";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, u"AccelTest", u"t", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    SetFocus(hwnd);

    MSG down{hwnd, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
    EXPECT_EQ(TranslateAcceleratorW(hwnd, table, &down), 0)
        << "Down without Ctrl is no accelerator";
    AutomationKeyDown(VK_CONTROL);
    AutomationRunUntilIdle();
    EXPECT_EQ(TranslateAcceleratorW(hwnd, table, &down), 1);
    EXPECT_EQ(gLastCommand, 1u);
    AutomationKeyUp(VK_CONTROL);
    AutomationRunUntilIdle();

    EXPECT_TRUE(DestroyAcceleratorTable(table));
    DestroyWindow(hwnd);
}
