// SHCreateMenuBar and the menu bar. The bar's HWND is a real child window of its parent, so
// that ShowWindow, DestroyWindow, SendMessage and destruction with the parent all work; it
// sits outside the parent's client area and takes no room. What the user sees is drawn in
// the bottom strip by the shell after every paint, and taps there are routed here.
#include "shell/menu_bar.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "gdi/gdi_internal.h"
#include "resources.h"
#include "shell/shell_paint.h"
#include "shell/shell_records.h"
#include "user/user_internal.h"

namespace {

constexpr DWORD kDeviceMenuBarInfoSize = 36;
constexpr UINT kMenuBarTap = WM_USER + 0x200;  // posted to the bar: wParam = button index
constexpr int kPlainWidth = 22;
constexpr int kArrowWidth = 7;  // extra width of a drop-down for its arrow
constexpr int kSeparatorWidth = 6;
constexpr int kImageSize = 16;
constexpr int kOutsideParent = 4000;  // y of the bar's window inside its parent: never seen
const char16_t kMenuBarClass[] = u"ShellMenuBar";

struct MenuBarData {
    HWND parent;                         // receives WM_COMMAND
    HMENU menu;                          // pop-ups of the drop-downs, owned; may be nullptr
    HBITMAP strip;                       // 16 × 16 pictures side by side, owned; may be nullptr
    int imageCount;                      // pictures in the strip
    std::vector<MenuBarButton> buttons;  // left to right
    std::vector<RECT> buttonRects;       // screen rectangles, parallel to buttons
    bool hideSipButton;                  // SHCMBF_HIDESIPBUTTON
    int pressed = -1;                    // drop-down whose pop-up is open
};

std::unordered_map<HWND, std::unique_ptr<MenuBarData>> gBars;

MenuBarData* BarOf(HWND bar)
{
    auto it = gBars.find(bar);
    return it == gBars.end() ? nullptr : it->second.get();
}

void LayOutButtons(MenuBarData* data)
{
    int left = kMenuBarRect.left;
    for (const MenuBarButton& b : data->buttons) {
        int width = kPlainWidth;
        if (b.state & TBSTATE_HIDDEN) {
            width = 0;
        } else if (b.style & TBSTYLE_SEP) {
            width = kSeparatorWidth;
        } else if (b.style & TBSTYLE_DROPDOWN) {
            width += kArrowWidth;
        }
        data->buttonRects.push_back({left, kMenuBarRect.top, left + width, kMenuBarRect.bottom});
        left += width;
    }
}

// The bar shown for the active window: its own when it has a visible one, else none.
HWND BarFor(HWND active)
{
    for (const auto& [bar, data] : gBars) {
        if (active && data->parent == active && IsWindowVisible(bar)) {
            return bar;
        }
    }
    return nullptr;
}

bool SipButtonShown(HWND active, const MenuBarData* data)
{
    auto it = Shell().windows.find(active);
    const bool hiddenByWindow =
        it != Shell().windows.end() && (it->second.fullScreen & SHFS_HIDESIPBUTTON);
    return !hiddenByWindow && !(data && data->hideSipButton);
}

// A disabled button's picture, washed two thirds of the way towards the bar's grey: still
// recognisable, plainly not to be tapped. Black becomes the shadow grey.
void WashOut(HDC dc, int left, int top)
{
    auto towardsBar = [](int channel, int bar) { return (channel + 2 * bar) / 3; };
    for (int y = top; y < top + kImageSize; ++y) {
        for (int x = left; x < left + kImageSize; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            SetPixel(dc, x, y,
                     RGB(towardsBar(GetRValue(c), GetRValue(kBarGrey)),
                         towardsBar(GetGValue(c), GetGValue(kBarGrey)),
                         towardsBar(GetBValue(c), GetBValue(kBarGrey))));
        }
    }
}

void PaintButton(HDC dc, const MenuBarData& data, size_t i)
{
    const MenuBarButton& b = data.buttons[i];
    const RECT& r = data.buttonRects[i];
    if (r.right == r.left || (b.style & TBSTYLE_SEP)) {
        return;
    }
    const bool enabled = (b.state & TBSTATE_ENABLED) != 0;
    if (data.pressed == static_cast<int>(i)) {
        ShellFill(dc, {r.left, r.top + 1, r.right, r.bottom}, kShadowGrey);
    }
    if (data.strip && b.image >= 0 && b.image < data.imageCount) {
        const int left = r.left + (kPlainWidth - kImageSize) / 2;
        const int top = r.top + 5;
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, data.strip);
        BitBlt(dc, left, top, kImageSize, kImageSize, source, b.image * kImageSize, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        if (!enabled) {
            WashOut(dc, left, top);
        }
    }
    if (b.style & TBSTYLE_DROPDOWN) {
        // A small arrow pointing up, the way the pop-up opens.
        const int x = r.left + kPlainWidth;
        for (int row = 0; row < 3; ++row) {
            ShellLine(dc, x + 2 - row, r.top + 12 + row, x + 3 + row, r.top + 12 + row,
                      enabled ? RGB(0, 0, 0) : kShadowGrey);
        }
    }
}

// TB_ENABLEBUTTON: the button sending `command` enabled or not; FALSE when there is none.
LRESULT EnableButton(MenuBarData* data, UINT command, bool enable)
{
    for (MenuBarButton& b : data->buttons) {
        if (b.command != command || (b.style & TBSTYLE_SEP)) {
            continue;
        }
        const BYTE state =
            enable ? BYTE(b.state | TBSTATE_ENABLED) : BYTE(b.state & ~TBSTATE_ENABLED);
        if (state != b.state) {
            b.state = state;
            ShellInvalidateBars();
        }
        return TRUE;
    }
    return FALSE;
}

LRESULT ButtonEnabled(const MenuBarData& data, UINT command)
{
    for (const MenuBarButton& b : data.buttons) {
        if (b.command == command && !(b.style & TBSTYLE_SEP)) {
            return (b.state & TBSTATE_ENABLED) ? TRUE : FALSE;
        }
    }
    return FALSE;
}

// A keyboard (a rounded outline with rows of key dots) under a small arrow pointing up.
void PaintSipButton(HDC dc)
{
    const RECT& r = kSipButtonRect;
    const int left = r.left + 3;
    const int top = r.top + 11;
    ShellFrame(dc, {left, top, left + 15, top + 10}, RGB(0, 0, 0));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 5; ++col) {
            SetPixel(dc, left + 2 + col * 2 + (row == 1 ? 1 : 0), top + 2 + row * 2, RGB(0, 0, 0));
        }
    }
    ShellLine(dc, left + 5, top + 8, left + 10, top + 8, RGB(0, 0, 0));  // space bar
    const int ax = left + 7;
    for (int i = 0; i < 3; ++i) {
        ShellLine(dc, ax - i, r.top + 4 + i, ax + i + 1, r.top + 4 + i, RGB(0, 0, 0));
    }
    ShellLine(dc, ax, r.top + 7, ax, r.top + 10, RGB(0, 0, 0));
}

LRESULT CALLBACK MenuBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void RegisterMenuBarClass(HINSTANCE instance)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MenuBarWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kMenuBarClass;
    RegisterClassW(&wc);  // fails harmlessly when already registered
}

HMENU PopupOf(const MenuBarData& data, UINT command)
{
    for (const MenuBarButton& b : data.buttons) {
        if ((b.style & TBSTYLE_DROPDOWN) && b.command == command && b.popup != NOMENU) {
            return GetSubMenu(data.menu, b.popup);
        }
    }
    return nullptr;
}

// A tap on button `index`, run from the message loop: a plain button sends its command; a
// drop-down first sends its command (the parent updates check marks), then opens its pop-up
// upwards from the top of the bar, and the pop-up's choice arrives as WM_COMMAND later.
void OnButtonTap(HWND hwnd, MenuBarData* data, size_t index)
{
    if (index >= data->buttons.size()) {
        return;
    }
    const MenuBarButton b = data->buttons[index];
    const HWND parent = data->parent;
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(b.command, 0), reinterpret_cast<LPARAM>(hwnd));
    data = BarOf(hwnd);  // the command may have destroyed the bar
    if (!data || !(b.style & TBSTYLE_DROPDOWN)) {
        return;
    }
    HMENU popup = PopupOf(*data, b.command);
    if (!popup) {
        return;
    }
    data->pressed = static_cast<int>(index);
    ShellInvalidateBars();
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, data->buttonRects[index].left,
                     kMenuBarRect.top, parent, nullptr);
    if ((data = BarOf(hwnd))) {
        data->pressed = -1;
        ShellInvalidateBars();
    }
}

LRESULT CALLBACK MenuBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MenuBarData* data = BarOf(hwnd);
    switch (msg) {
    case SHCMBM_GETSUBMENU:
        return data ? reinterpret_cast<LRESULT>(PopupOf(*data, static_cast<UINT>(lParam))) : 0;
    case TB_ENABLEBUTTON:
        return data ? EnableButton(data, static_cast<UINT>(wParam), LOWORD(lParam) != 0) : FALSE;
    case TB_ISBUTTONENABLED: return data ? ButtonEnabled(*data, static_cast<UINT>(wParam)) : FALSE;
    case kMenuBarTap:
        if (data) {
            OnButtonTap(hwnd, data, wParam);
        }
        return 0;
    case WM_SHOWWINDOW: ShellInvalidateBars(); break;
    case WM_PAINT: {
        PAINTSTRUCT ps;  // drawn by the shell in the strip; nothing inside the parent
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        if (data) {
            if (data->menu) {
                DestroyMenu(data->menu);
            }
            if (data->strip) {
                DeleteObject(data->strip);
            }
            gBars.erase(hwnd);
            ShellInvalidateBars();
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HBITMAP LoadStrip(HINSTANCE instance, int id)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_BITMAP);
    if (!found) {
        return nullptr;
    }
    const ResourceEntry* entry = ResourceEntryFromHandle(found);
    return GdiCreateBitmapFromBmp(entry->data, entry->size);
}

// Fills `data` from the toolbar record, its menu and its bitmap; false when one is missing.
bool LoadButtons(const SHMENUBARINFO& info, MenuBarData* data)
{
    HRSRC found = FindResourceW(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId), RT_TOOLBAR);
    if (!found) {
        return false;
    }
    const auto* tmpl = static_cast<const MenuBarTemplate*>(ResourceEntryFromHandle(found)->data);
    if (!tmpl) {
        return false;
    }
    data->buttons.assign(tmpl->buttons, tmpl->buttons + tmpl->count);
    if (tmpl->menuId) {
        data->menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(tmpl->menuId));
        if (!data->menu) {
            return false;
        }
    }
    if (info.nBmpId) {
        data->strip = LoadStrip(info.hInstRes, info.nBmpId);
        data->imageCount = info.cBmpImages;
        if (!data->strip) {
            return false;
        }
    }
    return true;
}

}  // namespace

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info)
{
    if (!info ||
        (info->cbSize != sizeof(SHMENUBARINFO) && info->cbSize != kDeviceMenuBarInfoSize) ||
        !IsWindow(info->hwndParent)) {
        return FALSE;
    }
    ShellEnsureHooks();
    auto data = std::make_unique<MenuBarData>();
    data->parent = info->hwndParent;
    data->menu = nullptr;
    data->strip = nullptr;
    data->imageCount = 0;
    data->hideSipButton = (info->dwFlags & SHCMBF_HIDESIPBUTTON) != 0;
    if (info->nToolBarId && !(info->dwFlags & SHCMBF_EMPTYBAR) && !LoadButtons(*info, data.get())) {
        if (data->menu) {
            DestroyMenu(data->menu);
        }
        if (data->strip) {
            DeleteObject(data->strip);
        }
        return FALSE;
    }
    LayOutButtons(data.get());
    RegisterMenuBarClass(info->hInstRes);
    const DWORD visible = (info->dwFlags & SHCMBF_HIDDEN) ? 0 : WS_VISIBLE;
    HWND bar = CreateWindowExW(0, kMenuBarClass, u"", WS_CHILD | visible, 0, kOutsideParent,
                               kMenuBarRect.right, kMenuBarRect.bottom - kMenuBarRect.top,
                               info->hwndParent, nullptr, info->hInstRes, nullptr);
    if (!bar) {
        return FALSE;
    }
    gBars[bar] = std::move(data);
    info->hwndMB = bar;
    ShellInvalidateBars();
    return TRUE;
}

bool MenuBarStripShown()
{
    HWND active = UserFrontWindow();
    RECT r;
    if (active && GetWindowRect(active, &r) && r.bottom > kMenuBarRect.top &&
        r.top < kMenuBarRect.bottom) {
        return false;
    }
    return true;
}

void PaintMenuBarStrip(HDC dc)
{
    HWND active = UserFrontWindow();
    const MenuBarData* data = BarOf(BarFor(active));
    ShellFill(dc, kMenuBarRect, kBarGrey);
    ShellLine(dc, kMenuBarRect.left, kMenuBarRect.top, kMenuBarRect.right, kMenuBarRect.top,
              kShadowGrey);
    if (data) {
        for (size_t i = 0; i < data->buttons.size(); ++i) {
            PaintButton(dc, *data, i);
        }
    }
    if (SipButtonShown(active, data)) {
        PaintSipButton(dc);
    }
}

void MenuBarStylus(UINT message, POINT p)
{
    if (message != WM_LBUTTONDOWN) {
        return;
    }
    HWND active = UserFrontWindow();
    HWND bar = BarFor(active);
    MenuBarData* data = BarOf(bar);
    if (SipButtonShown(active, data) && PtInRect(&kSipButtonRect, p)) {
        ShellSetSipUp(!Shell().sipUp);
        return;
    }
    if (!data) {
        return;
    }
    for (size_t i = 0; i < data->buttons.size(); ++i) {
        const MenuBarButton& b = data->buttons[i];
        if (PtInRect(&data->buttonRects[i], p) && (b.state & TBSTATE_ENABLED) &&
            !(b.style & TBSTYLE_SEP)) {
            PostMessageW(bar, kMenuBarTap, i, 0);
            return;
        }
    }
}

int MenuBarButtonLeft(HWND bar, int index)
{
    const MenuBarData* data = BarOf(bar);
    if (!data || index < 0 || static_cast<size_t>(index) >= data->buttonRects.size()) {
        return -1;
    }
    return data->buttonRects[static_cast<size_t>(index)].left;
}
