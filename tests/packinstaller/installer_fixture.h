// The installer on the headless device with a test pack: 31 puzzles from the test writer
// under pack Three's title, names and ids, the builds' own dialogs and artwork, and helpers
// that run the whole program with scripted taps and dialog answers.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "windows.h"

extern const char* const kThreeNames[31];

class InstallerTest : public testing::Test {
  protected:
    void SetUp() override;

    // The bytes of test puzzle `row` and its title (row 4's title is empty).
    static const std::string& Puzzle(int row);
    static std::string Title(int row);

    // Runs WinMain to its end. The script must close the intro (TapOk) or the run fails.
    void RunProgram();
    // Scripted taps in dialog client pixels (the dialog sits under the 26-pixel bar).
    static void TapAt(int x, int y);
    static void TapInstall();
    static void TapPreview();
    static void TapOk();
    // Lets the animation run to its end.
    static void WaitForAnimation();

    // Host files of the device.
    static std::string HostPath(const std::string& devicePath);
    static bool Exists(const std::string& devicePath);
    static std::string Read(const std::string& devicePath);
    static void Write(const std::string& devicePath, const std::string& bytes);
    // Names in a device folder, sorted.
    static std::vector<std::string> List(const std::string& deviceFolder);

    HINSTANCE instance = nullptr;
};
