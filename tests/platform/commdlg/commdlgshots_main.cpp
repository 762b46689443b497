// Shows the open, save and colour dialogs one after another in whatever backend the device
// picks (the SDL window under Xvfb for scripts/dialog_screenshots.sh), so each can be
// captured. A dialog stays up until the file named by the first argument appears; the
// program then removes it and goes on to the next dialog.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "device_files.h"
#include "device_main.h"
#include "file_request.h"
#include "stand_in_window.h"
#include "windows.h"

namespace {

std::string gNextFile;

// Polls for the "next" file and cancels the dialog in front when it appears.
void CALLBACK WatchForNext(HWND, UINT, UINT_PTR, DWORD)
{
    if (access(gNextFile.c_str(), F_OK) != 0) {
        return;
    }
    unlink(gNextFile.c_str());
    PostMessageW(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
}

int WINAPI ShotsMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show)
{
    CreateDirectoryW(u"\\My Documents", nullptr);
    CreateDirectoryW(u"\\My Documents\\Fennimoor", nullptr);
    CreateDirectoryW(u"\\My Documents\\Brambleset Three", nullptr);
    WriteDeviceFile(u"\\My Documents\\Fennimoor\\today.puz", "");
    WriteDeviceFile(u"\\My Documents\\Brambleset Three\\scoring.puz", "");
    WriteDeviceFile(u"\\My Documents\\Brambleset Three\\dim.puz", "");

    HWND owner = CreateStandInWindow(u"Shots", u"Crossword", nullptr, instance);
    ShowWindow(owner, show);
    SetTimer(owner, 1, 100, WatchForNext);

    FileRequest openRequest(owner, u"", u"Open File");
    GetOpenFileNameW(&openRequest.ofn);
    FileRequest saveRequest(owner, u"\\My Documents\\Fennimoor\\today", u"Save File");
    GetSaveFileNameW(&saveRequest.ofn);

    COLORREF custom[16] = {0x00323232, 0x00FFFFFF, 0x00000000};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = 0x00FFFFFF;
    cc.lpCustColors = custom;
    ChooseColorW(&cc);

    DestroyWindow(owner);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: commdlgshots NEXT-FILE\n");
        return 2;
    }
    gNextFile = argv[1];
    const DeviceProgram program = {u"\\Program Files\\Shots\\Shots.exe", ShotsMain, nullptr};
    return DeviceMain(argc, argv, program);
}
