// A file dropped on the desktop window is copied into "\My Documents" under its own name,
// where the game's Open File dialog finds it. An existing file of that name is replaced.
#include <filesystem>
#include <string>
#include <system_error>

#include "files/device_path.h"
#include "user/user_internal.h"

bool UserCopyDroppedFile(const char* hostPath)
{
    namespace fs = std::filesystem;
    std::string folder;
    if (!hostPath || !DevicePathToHostPath(u"\\My Documents", &folder))
        return false;
    const fs::path from = hostPath;
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        return false;
    fs::create_directories(folder, error);
    const fs::path to = fs::path(folder) / from.filename();
    // Copy next to the target, then rename: the device never sees a half-copied puzzle.
    const fs::path temporary = fs::path(folder) / ("." + from.filename().string() + ".part");
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error))
        return false;
    fs::rename(temporary, to, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
