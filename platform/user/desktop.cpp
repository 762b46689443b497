// The device screen: the surface every window draws on, the visible desktop that places new
// windows, and the hand-over of finished frames to the backend (after the shell's hook has
// drawn its bars).
#include <vector>

#include "automation.h"
#include "backend/backend.h"
#include "files/device_path.h"
#include "gdi/gdi_internal.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

RECT gVisibleDesktop = {0, kNavigationBarHeight, kScreenWidth, kScreenHeight};
std::vector<uint32_t> gPixels;
Framebuffer gScreen = {};
RECT gDirty = {0, 0, 0, 0};
void (*gAfterPaint)() = nullptr;
void (*gResetHook)() = nullptr;
void (*gCaptionHook)(HWND) = nullptr;

}  // namespace

RECT UserVisibleDesktop()
{
    return gVisibleDesktop;
}
void UserSetVisibleDesktop(const RECT& rect)
{
    gVisibleDesktop = rect;
}

Framebuffer* UserScreen()
{
    const int scale = GdiScale();
    if (gScreen.scale != scale) {
        // Created on first use, white like the device's empty desktop.
        gPixels.assign(size_t(kScreenWidth * scale) * size_t(kScreenHeight * scale), 0xFFFFFF);
        gScreen = {gPixels.data(), kScreenWidth * scale, kScreenHeight * scale,
                   kScreenWidth * scale, scale};
        gDirty = {0, 0, kScreenWidth, kScreenHeight};
    }
    return &gScreen;
}

void UserMarkScreenDirty(const RECT& rect)
{
    const RECT r = UserRectIntersect(rect, {0, 0, kScreenWidth, kScreenHeight});
    gDirty = UserRectUnion(gDirty, r);
}

void UserSetAfterPaintHook(void (*hook)())
{
    gAfterPaint = hook;
}
void UserSetResetHook(void (*hook)())
{
    gResetHook = hook;
}
void UserSetCaptionHook(void (*hook)(HWND window))
{
    gCaptionHook = hook;
}
void UserCaptionChanged(HWND window)
{
    if (gCaptionHook)
        gCaptionHook(window);
}

void UserPresent()
{
    if (UserRectEmpty(gDirty))
        return;
    if (gAfterPaint)
        gAfterPaint();
    const RECT dirty = gDirty;
    gDirty = {0, 0, 0, 0};
    BackendCurrent()->Present(UserScreen(), &dirty, 1);
}

COLORREF AutomationScreenPixel(int x, int y)
{
    const Framebuffer* fb = UserScreen();
    if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight)
        return CLR_INVALID_PIXEL;
    return ColorrefFromPixel(
        fb->pixels[size_t(y * fb->scale) * size_t(fb->stride) + size_t(x * fb->scale)] & 0xFFFFFF);
}

void AutomationPresent()
{
    UserPresent();
}

bool AutomationSaveScreenPng(const char* path)
{
    UserPresent();
    return GdiWritePng(*UserScreen(), path);
}

void AutomationResetDevice()
{
    UserResetAll();
    HeadlessReset();
    gVisibleDesktop = {0, kNavigationBarHeight, kScreenWidth, kScreenHeight};
    gAfterPaint = nullptr;
    if (gResetHook)
        gResetHook();
    if (!gPixels.empty())
        std::fill(gPixels.begin(), gPixels.end(), 0xFFFFFF);
    gDirty = {0, 0, 0, 0};
    AutomationResetPrograms();
    AutomationFailFlushes(false);
    AutomationSetLocalTime(nullptr);
    DeviceForgetSeedFiles();
    AutomationReset();
}
