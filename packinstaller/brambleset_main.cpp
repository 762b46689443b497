// The installer's program, the same source for all six builds: brambleset_pack.h, generated
// for each build, names that build's resources.
#include "brambleset_pack.h"
#include "device_main.h"
#include "device_seed.h"
#include "installer_window.h"

namespace {

HINSTANCE RegisterProgram()
{
    RegisterDeviceSeedFiles();
    return RegisterPackResources();
}

}  // namespace

int main(int argc, char** argv)
{
    const DeviceProgram program = {PackModulePath(), WinMain, RegisterProgram};
    return DeviceMain(argc, argv, program);
}
