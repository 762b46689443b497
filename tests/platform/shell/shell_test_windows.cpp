#include "shell_test_windows.h"

#include <string>

#include "shell/input_panel_layout.h"

namespace {

std::vector<SeenMessage> gSeen;
ExtraHandler gExtra;

bool Recorded(UINT msg)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_SETTINGCHANGE: return true;
    }
    return false;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (gExtra && (msg == WM_LBUTTONDOWN || msg == WM_SETTINGCHANGE || msg == WM_COMMAND ||
                   msg == WM_TIMER)) {
        ExtraHandler extra = gExtra;
        if (Recorded(msg)) {
            gSeen.push_back({hwnd, msg, wParam, lParam});
        }
        if (extra(hwnd, msg, wParam, lParam)) {
            return 0;
        }
    } else if (Recorded(msg)) {
        gSeen.push_back({hwnd, msg, wParam, lParam});
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

std::vector<SeenMessage>& SeenMessages()
{
    return gSeen;
}

std::vector<SeenMessage> Seen(UINT msg)
{
    std::vector<SeenMessage> out;
    for (const SeenMessage& m : gSeen) {
        if (m.msg == msg) {
            out.push_back(m);
        }
    }
    return out;
}

POINT KeyCentre(const char16_t* label, int nth)
{
    for (const PanelKey& key : InputPanelKeys()) {
        if (std::u16string(key.label) == label && nth-- == 0) {
            return {(key.rect.left + key.rect.right) / 2, (key.rect.top + key.rect.bottom) / 2};
        }
    }
    ADD_FAILURE() << "no key";
    return {0, 0};
}

void SetExtraHandler(ExtraHandler handler)
{
    gExtra = std::move(handler);
}

HWND MakeRecordingWindow(const RECT* rect, LPCWSTR title)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = u"ShellRecorder";
    RegisterClassW(&wc);
    HWND hwnd =
        rect ? CreateWindowExW(0, u"ShellRecorder", title, WS_VISIBLE, rect->left, rect->top,
                               rect->right - rect->left, rect->bottom - rect->top, nullptr, nullptr,
                               nullptr, nullptr)
             : CreateWindowExW(0, u"ShellRecorder", title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(hwnd);
    SetFocus(hwnd);
    return hwnd;
}

void ShellTest::SetUp()
{
    AutomationResetDevice();
    gSeen.clear();
    gExtra = nullptr;
}

void ShellTest::TearDown()
{
    gExtra = nullptr;
    AutomationResetDevice();
}
