// The game's program: the device starts it through DeviceMain with its resources and the
// files a new device begins with, and brings the files named as arguments into the device
// for it to open. `crossword --print PUZZLE ...` prints instead, without a window or a device.
#include <cstring>
#include <vector>

#include "crossword_resources.h"
#include "device_main.h"
#include "device_seed.h"
#include "main_window.h"
#include "print_command.h"

namespace {

HINSTANCE RegisterProgram()
{
    RegisterDeviceSeedFiles();
    return RegisterCrosswordResources();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--print") == 0) {
        static char name[] = "crossword --print";
        std::vector<char*> args = {name};
        args.insert(args.end(), argv + 2, argv + argc);
        return RunPrintCommand(int(args.size()), args.data());
    }
    const DeviceProgram program = {CrosswordModulePath(), WinMain, RegisterProgram, true};
    return DeviceMain(argc, argv, program);
}
