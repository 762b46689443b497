// The base of the end-to-end tests: each test gets its own virtual X display, a fresh device
// root and a scratch folder, starts one program in a real SDL window at scale 2 and plays it
// with real X input (xdotool moves the pointer, clicks and presses keys through XTEST).
// Every wait polls with a deadline; every process ends with the test, passed or failed.
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "child_processes.h"
#include "window_screenshot.h"

class RealWindowTest : public testing::Test {
  protected:
    static constexpr int kScale = 2;  // picture pixels per device pixel

    void SetUp() override;
    void TearDown() override;

    // Starts `program` (the installed copy when the install fixture made one, else the build
    // tree's) with `args` on this test's display and device root, and waits for its window.
    bool StartProgram(const std::string& program, const std::vector<std::string>& args = {});
    // Runs another start of `program` with `args` on the same display and device root, to its
    // end; true when it ended with 0 within `timeoutMs`.
    bool RunAgain(const std::string& program, const std::vector<std::string>& args, int timeoutMs);

    // A tap with the left button at a device point of the window.
    bool Tap(int x, int y);
    // Types text through the keyboard into the window.
    bool Type(const std::string& text);
    // Presses a key combination such as "ctrl+q".
    bool Key(const std::string& keys);
    // Presses keys one after the other with one xdotool, such as {"Insert", "a", "b"}.
    bool Keys(const std::vector<std::string>& keys);

    // A picture of the program's window.
    bool Shoot(Screenshot* shot);
    // Takes pictures until `ready` accepts one (kept in *shot) or `timeoutMs` passes.
    bool WaitForScreen(const char* what, const std::function<bool(const Screenshot&)>& ready,
                       Screenshot* shot, int timeoutMs = 15000);
    // Waits until two pictures in a row are the same: the program has drawn what it had to.
    bool WaitForStill(Screenshot* shot, int timeoutMs = 15000);

    // Kills the running program with SIGKILL, at once, and reaps it.
    void KillProgram();

    // Ends the X server under the running program, as a session that ends or a killed server.
    void EndDisplay();

    // Waits for the program to end by itself; true when it did, with exit status 0.
    bool WaitForExitWithZero(int timeoutMs);

    std::string deviceRoot;  // host folder of the device's files
    std::string scratch;     // screenshots and logs; kept when the test fails

  private:
    bool Xdotool(const std::vector<std::string>& args, std::string* output = nullptr);
    EnvChanges ProgramEnvironment() const;

    ChildProcess xvfb_;
    ChildProcess program_;
    std::string display_;  // ":N"
    std::string window_;   // X window id of the program's window
    int shots_ = 0;
};
