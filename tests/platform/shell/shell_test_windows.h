// Windows for the shell's tests: a top-level window class that records the messages the
// shell sends it, a fixture that starts every test on a fresh device, and where to tap a key
// of the input panel.
#pragma once

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "automation.h"
#include "probe_values.h"
#include "windows.h"

struct SeenMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages worth checking: commands, keys, stylus and setting changes.
std::vector<SeenMessage>& SeenMessages();
// Only the messages `msg` seen so far.
std::vector<SeenMessage> Seen(UINT msg);

// Runs on WM_LBUTTONDOWN, WM_SETTINGCHANGE, WM_COMMAND and WM_TIMER of recording windows
// before they are recorded; returns true when it handled the message.
using ExtraHandler = std::function<bool(HWND, UINT, WPARAM, LPARAM)>;
void SetExtraHandler(ExtraHandler handler);

// A visible top-level window at CW_USEDEFAULT (or at `rect` when given) of the recording
// class, made active.
HWND MakeRecordingWindow(const RECT* rect = nullptr, LPCWSTR title = u"Recorder");

// The centre of the input panel key labelled `label` (its `nth` one where labels repeat), in
// screen coordinates; a failure when there is none.
POINT KeyCentre(const char16_t* label, int nth = 0);

class ShellTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};
