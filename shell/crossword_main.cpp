// The game's program: the device starts it through DeviceMain with its resources and the
// files a new device begins with, and brings the files named as arguments into the device
// for it to open.
#include "crossword_resources.h"
#include "device_main.h"
#include "device_seed.h"
#include "main_window.h"

namespace {

HINSTANCE RegisterProgram()
{
    RegisterDeviceSeedFiles();
    return RegisterCrosswordResources();
}

}  // namespace

int main(int argc, char** argv)
{
    const DeviceProgram program = {CrosswordModulePath(), WinMain, RegisterProgram, true};
    return DeviceMain(argc, argv, program);
}
