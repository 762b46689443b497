// The window manager's hot paths: a posted message through the loop, a sent message, the
// clip of a window under a stack of pop-ups, and a scripted tap down to the window procedure.
#include <benchmark/benchmark.h>

#include "automation.h"
#include "user/user_internal.h"
#include "windows.h"

namespace {

int gCount = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_USER || msg == WM_LBUTTONUP)
        ++gCount;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND Setup()
{
    AutomationResetDevice();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = u"Bench";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, u"Bench", u"Bench", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    AutomationRunUntilIdle();
    return hwnd;
}

void PostedMessageThroughTheLoop(benchmark::State& state)
{
    HWND hwnd = Setup();
    MSG msg;
    for (auto _ : state) {
        PostMessageW(hwnd, WM_USER, 0, 0);
        PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
        DispatchMessageW(&msg);
    }
    benchmark::DoNotOptimize(gCount);
}
BENCHMARK(PostedMessageThroughTheLoop);

void SentMessage(benchmark::State& state)
{
    HWND hwnd = Setup();
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageW(hwnd, WM_USER, 0, 0));
}
BENCHMARK(SentMessage);

void ClipUnderPopups(benchmark::State& state)
{
    HWND main = Setup();
    for (int i = 0; i < state.range(0); ++i) {
        CreateWindowExW(0, u"Bench", u"", WS_POPUP | WS_VISIBLE, 10 + 7 * i, 40 + 11 * i, 60, 40,
                        main, nullptr, nullptr, nullptr);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(UserVisibleRects(main));
}
BENCHMARK(ClipUnderPopups)->Arg(1)->Arg(4)->Arg(16);

void ScriptedTapToTheWindow(benchmark::State& state)
{
    Setup();
    for (auto _ : state) {
        AutomationTap(100, 100);
        AutomationRunUntilIdle();
    }
    benchmark::DoNotOptimize(gCount);
}
BENCHMARK(ScriptedTapToTheWindow);

}  // namespace
