// The headless backend: no window, a virtual clock, and input from the automation script.
// Waiting consumes the script: an input item is delivered, an "advance" item moves the
// clock, stopping at each deadline on the way so every timer that falls due in the
// interval fires in turn. With the script used up, waiting reports ScriptEmpty and the
// message loop decides whether that means idle or a test that would hang.
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "automation.h"
#include "backend/backend.h"

namespace {

struct ScriptItem {
    bool advance;  // true: let time pass; false: deliver `event`
    InputEvent event;
    uint32_t ms;   // advance: how long
    bool started;  // advance: the clock has begun to move towards `target`
    uint32_t target;
    std::function<void()> probe;  // when set: run it, deliver nothing
};

std::deque<ScriptItem> gScript;
uint32_t gNow = 0;
int gPresents = 0;
// What a display would show: the pixels each present carried, one per device pixel. A pixel
// the device drew but never presented keeps its older value here, as it would on a screen.
std::vector<uint32_t> gShown;
int gShownWidth = 0;
int gShownHeight = 0;

void Push(const InputEvent& e)
{
    gScript.push_back({false, e, 0, false, 0, {}});
}

InputEvent Event(InputKind kind, int x = 0, int y = 0)
{
    InputEvent e = {};
    e.kind = kind;
    e.x = x;
    e.y = y;
    return e;
}

void PushKey(InputKind kind, UINT virtualKey)
{
    InputEvent e = Event(kind);
    e.key = virtualKey;
    Push(e);
}

bool HeadlessInit(int, int, int)
{
    return true;
}

void HeadlessPresent(const Framebuffer* fb, const RECT* dirty, int dirtyCount)
{
    ++gPresents;
    if (!fb || fb->scale < 1)
        return;
    gShownWidth = fb->width / fb->scale;
    gShownHeight = fb->height / fb->scale;
    gShown.resize(size_t(gShownWidth) * size_t(gShownHeight));
    for (int i = 0; i < dirtyCount; ++i) {
        const int left = std::max(0, int(dirty[i].left));
        const int right = std::min(gShownWidth, int(dirty[i].right));
        const int bottom = std::min(gShownHeight, int(dirty[i].bottom));
        for (int y = std::max(0, int(dirty[i].top)); y < bottom; ++y) {
            const uint32_t* row = fb->pixels + size_t(y * fb->scale) * size_t(fb->stride);
            for (int x = left; x < right; ++x)
                gShown[size_t(y) * size_t(gShownWidth) + size_t(x)] = row[x * fb->scale];
        }
    }
}

bool HeadlessWaitInput(InputEvent* out, uint32_t deadline)
{
    for (;;) {
        if (gScript.empty()) {
            *out = Event(InputKind::ScriptEmpty);
            return true;
        }
        ScriptItem& item = gScript.front();
        if (item.probe) {
            const std::function<void()> probe = std::move(item.probe);
            gScript.pop_front();
            probe();
            continue;
        }
        if (!item.advance) {
            *out = item.event;
            gScript.pop_front();
            return true;
        }
        if (!item.started) {
            item.started = true;
            item.target = gNow + item.ms;
        }
        if (deadline <= item.target) {
            if (deadline > gNow)
                gNow = deadline;
            return false;
        }
        gNow = item.target;
        gScript.pop_front();
    }
}

uint32_t HeadlessNowMs()
{
    return gNow;
}
void HeadlessSleep(uint32_t ms)
{
    gNow += ms;
}
void HeadlessQuit() {}

}  // namespace

const Backend kHeadlessBackend = {
    .name = "headless",
    .Init = HeadlessInit,
    .Present = HeadlessPresent,
    .WaitInput = HeadlessWaitInput,
    .NowMs = HeadlessNowMs,
    .Sleep = HeadlessSleep,
    .Raise = nullptr,     // nothing to bring forward
    .SetTitle = nullptr,  // no host window
    .Quit = HeadlessQuit,
    .scriptedInput = true,
    .opensOnHost = false,
};

void HeadlessReset()
{
    gScript.clear();
    gNow = 0;
    gPresents = 0;
    gShown.clear();
}

COLORREF AutomationShownPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= gShownWidth || y >= gShownHeight)
        return CLR_INVALID_PIXEL;
    return ColorrefFromPixel(gShown[size_t(y) * size_t(gShownWidth) + size_t(x)] & 0xFFFFFF);
}

int AutomationPresentCount()
{
    return gPresents;
}
int AutomationScriptLength()
{
    return int(gScript.size());
}

void AutomationStylusDown(int x, int y)
{
    Push(Event(InputKind::StylusDown, x, y));
}
void AutomationStylusMove(int x, int y)
{
    Push(Event(InputKind::StylusMove, x, y));
}
void AutomationStylusUp(int x, int y)
{
    Push(Event(InputKind::StylusUp, x, y));
}

void AutomationTap(int x, int y)
{
    AutomationStylusDown(x, y);
    AutomationStylusUp(x, y);
}

void AutomationHold(int x, int y)
{
    Push(Event(InputKind::StylusHold, x, y));
    AutomationStylusUp(x, y);
}

void AutomationDrag(int x0, int y0, int x1, int y1, int steps)
{
    AutomationStylusDown(x0, y0);
    for (int i = 1; i <= steps; ++i)
        AutomationStylusMove(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
    AutomationStylusUp(x1, y1);
}

void AutomationKeyDown(UINT virtualKey)
{
    PushKey(InputKind::KeyDown, virtualKey);
}

void AutomationKeyUp(UINT virtualKey)
{
    PushKey(InputKind::KeyUp, virtualKey);
}

void AutomationKey(UINT virtualKey)
{
    AutomationKeyDown(virtualKey);
    AutomationKeyUp(virtualKey);
}

void AutomationChar(WCHAR ch)
{
    InputEvent e = Event(InputKind::Char);
    e.ch = ch;
    Push(e);
}

void AutomationAdvance(DWORD milliseconds)
{
    gScript.push_back({true, {}, milliseconds, false, 0, {}});
}

void AutomationProbe(std::function<void()> probe)
{
    gScript.push_back({false, {}, 0, false, 0, std::move(probe)});
}

void AutomationCloseRequest()
{
    Push(Event(InputKind::Close));
}
void AutomationMinimise()
{
    Push(Event(InputKind::Minimise));
}

void AutomationHostFocus(bool focused)
{
    Push(Event(focused ? InputKind::FocusGained : InputKind::FocusLost));
}

void AutomationDropFile(const std::string& hostPath)
{
    InputEvent e = Event(InputKind::DropFile);
    hostPath.copy(e.path, sizeof e.path - 1);
    Push(e);
}
