// Message traces in Wine's manner: a window procedure that logs what it receives, and a
// comparison against an expected table where the order matters.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "automation.h"
#include "windows.h"

// An expected wParam that is not worth comparing: a device context, which differs per call.
constexpr WPARAM kAnyWParam = ~WPARAM(0);

struct TracedMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;  // kAnyWParam in an expectation matches any

    bool operator==(const TracedMessage& o) const
    {
        return hwnd == o.hwnd && msg == o.msg &&
               (wParam == o.wParam || wParam == kAnyWParam || o.wParam == kAnyWParam);
    }
};

// A window handle as the wParam of WM_SETFOCUS and WM_KILLFOCUS carries it.
inline WPARAM HandleParam(HWND hwnd)
{
    return reinterpret_cast<WPARAM>(hwnd);
}

inline std::ostream& operator<<(std::ostream& os, const TracedMessage& m)
{
    return os << "{hwnd " << m.hwnd << ", msg 0x" << std::hex << m.msg << ", wParam 0x" << m.wParam
              << std::dec << "}";
}

// Messages the trace keeps; the rest (text queries, moves) would only add noise.
inline bool Traced(UINT msg)
{
    switch (msg) {
    case WM_NCCREATE:
    case WM_CREATE:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_CLOSE:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_TIMER:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_COMMAND:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
    case WM_ENABLE:
    case WM_SIZE:
    case WM_SHOWWINDOW:
    case WM_USER:
    case WM_USER + 1:
    case WM_USER + 2: return true;
    }
    return false;
}

inline std::vector<TracedMessage>& Trace()
{
    static std::vector<TracedMessage> trace;
    return trace;
}

// Logs, then lets default processing do its work; paints are validated.
inline LRESULT CALLBACK TraceWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Traced(msg))
        Trace().push_back({hwnd, msg, wParam});
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

inline void RegisterTraceClass(LPCWSTR name = u"Traced", WNDPROC proc = TraceWindowProc)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    ASSERT_NE(RegisterClassW(&wc), 0);
}

// The trace since the last call, filtered to `only` when it is not empty.
inline std::vector<TracedMessage> TakeTrace(std::vector<UINT> only = {})
{
    std::vector<TracedMessage> out;
    for (const TracedMessage& m : Trace()) {
        if (only.empty() || std::find(only.begin(), only.end(), m.msg) != only.end())
            out.push_back(m);
    }
    Trace().clear();
    return out;
}

// Each test starts on a clean device.
class UserTest : public testing::Test {
  protected:
    void SetUp() override
    {
        AutomationResetDevice();
        Trace().clear();
    }
    void TearDown() override { AutomationResetDevice(); }
};
