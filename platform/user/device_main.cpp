// The start of every program on the device: backend and scale, module path, signals, the
// files named as arguments, then the program's WinMain.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "backend/backend.h"
#include "device.h"
#include "device_main.h"
#include "gdi/gdi_internal.h"
#include "user/user_internal.h"
#include "winuser.h"

namespace {

// "\Program Files\Crossword\Crossword.exe" gives "Crossword", the host window's title.
std::string TitleFromModule(const char16_t* modulePath)
{
    std::u16string path = modulePath ? modulePath : u"Device";
    path = path.substr(path.find_last_of(u"\\/") + 1);
    path = path.substr(0, path.rfind(u'.'));
    std::string title;
    for (char16_t c : path)
        title += c < 0x80 ? char(c) : '?';
    return title;
}

// The command line of a program that opens files: the device path of each host file named,
// in double quotes (a device name cannot hold one), separated by spaces; a "+" before the
// quotes marks a copy this start made, which the program may remove again if it refuses it.
std::u16string FilesCommandLine(int argc, char** argv, const char* self)
{
    std::u16string line;
    for (int i = 1; i < argc; ++i) {
        std::u16string devicePath;
        bool copied = false;
        if (!UserBringFileIntoDevice(argv[i], &devicePath, &copied)) {
            std::error_code error;
            const char* why = !std::filesystem::exists(argv[i], error) ? "no such file"
                              : !std::filesystem::is_regular_file(argv[i], error)
                                  ? "not a file"
                                  : "it could not be copied into My Documents";
            std::fprintf(stderr, "%s: %s left out: %s\n", self, argv[i], why);
            continue;
        }
        line += (line.empty() ? u"" : u" ") + std::u16string(copied ? u"+\"" : u"\"") + devicePath +
                u"\"";
    }
    return line;
}

}  // namespace

int DeviceMain(int argc, char** argv, const DeviceProgram& program)
{
    const char* self = argc > 0 && argv[0] ? argv[0] : "program";
    if (const char* slash = std::strrchr(self, '/'))
        self = slash + 1;

    const Backend* backend = nullptr;
    int scale = 1;
    char why[256] = "";
    if (!BackendChoose(&backend, &scale, why, sizeof why)) {
        std::fprintf(stderr, "%s: %s\n", self, why);
        return 1;
    }
    GdiSetScale(scale);
    if (!backend->Init(kScreenWidth, kScreenHeight, scale)) {
        std::fprintf(stderr, "%s: the %s display could not be opened\n", self, backend->name);
        return 1;
    }
    BackendUse(backend);
    if (backend->SetTitle)
        backend->SetTitle(TitleFromModule(program.modulePath).c_str());
    if (program.modulePath)
        DeviceSetModuleFileName(program.modulePath);
    UserInstallSignalHandlers();

    HINSTANCE instance = program.registerResources ? program.registerResources() : nullptr;
    std::u16string commandLine =
        program.opensFiles ? FilesCommandLine(argc, argv, self) : std::u16string();
    const int result = program.winMain(instance, nullptr, commandLine.data(), SW_SHOW);

    backend->Quit();
    return result;
}
