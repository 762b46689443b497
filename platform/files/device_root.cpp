// The device root: which host folder holds the device, its seeding with the standard
// folders and registered files, and the program's module path.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "device.h"
#include "files/device_path.h"
#include "winbase.h"
#include "winerror.h"

namespace {

struct SeedFile {
    std::u16string path;
    std::vector<unsigned char> bytes;
};

struct DeviceRoot {
    std::string path;                  // host folder currently in use
    std::vector<std::u16string> made;  // top folders it lacked when this process took it up
};

DeviceRoot gRoot;
std::vector<SeedFile> gSeeds;
std::u16string gModulePath = u"\\Program Files\\Crossword\\Crossword.exe";

const char16_t* const kStandardFolders[] = {u"\\My Documents", u"\\Temp", u"\\Windows",
                                            u"\\Program Files", u"\\Program Files\\Crossword"};

std::string WantedRoot()
{
    if (const char* root = getenv("CROSSWORD_DEVICE_ROOT"); root && *root)
        return root;
    std::string data;
    if (const char* xdg = getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        data = xdg;
    else if (const char* home = getenv("HOME"); home && *home)
        data = std::string(home) + "/.local/share";
    else
        data = "/tmp";
    return data + "/crossword-device";
}

// Creates every folder on the way to `devicePath`, which itself is a file.
void CreateFolders(const std::u16string& devicePath)
{
    for (size_t pos = devicePath.find(u'\\', 1); pos != std::u16string::npos;
         pos = devicePath.find(u'\\', pos + 1))
        CreateDirectoryW(devicePath.substr(0, pos).c_str(), nullptr);
}

// "\My Documents" of "\My Documents\Welcome.puz".
std::u16string TopFolder(const std::u16string& devicePath)
{
    return devicePath.substr(0, devicePath.find(u'\\', 1));
}

bool Made(const std::u16string& folder)
{
    for (const std::u16string& made : gRoot.made) {
        if (lstrcmpiW(made.c_str(), folder.c_str()) == 0)
            return true;
    }
    return false;
}

// Notes `folder` as one this process makes when the root lacks it.
void NoteIfMissing(const std::u16string& folder)
{
    if (!Made(folder) && GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        gRoot.made.push_back(folder);
}

// A seed file goes only into a folder the root lacked: a root that a user began by copying
// in a file or two still gets its starter puzzle and help pages, but a file the user deleted
// from a folder they have never comes back.
void WriteSeed(const SeedFile& seed)
{
    if (!Made(TopFolder(seed.path)))
        return;
    CreateFolders(seed.path);
    HANDLE file = CreateFileW(seed.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;  // already there: a user's copy is never overwritten
    DWORD written = 0;
    WriteFile(file, seed.bytes.data(), DWORD(seed.bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

std::string DeviceRootHostPath()
{
    std::string wanted = WantedRoot();
    if (wanted == gRoot.path)
        return gRoot.path;
    // A new root for this process (first use, or the tests pointed elsewhere).
    const DWORD savedError = GetLastError();
    gRoot.path = wanted;
    gRoot.made.clear();
    std::error_code ec;
    std::filesystem::create_directories(wanted, ec);
    // Whatever of a new root is missing is made, whether the root is empty or a user has
    // begun it by hand with a file or two.
    for (const char16_t* folder : kStandardFolders)
        NoteIfMissing(TopFolder(folder));
    for (const SeedFile& seed : gSeeds)
        NoteIfMissing(TopFolder(seed.path));
    for (const char16_t* folder : kStandardFolders)
        CreateDirectoryW(folder, nullptr);
    for (const SeedFile& seed : gSeeds)
        WriteSeed(seed);
    SetLastError(savedError);
    return gRoot.path;
}

void DeviceSeedFile(const char16_t* devicePath, const void* bytes, size_t size)
{
    if (!devicePath)
        return;
    auto first = static_cast<const unsigned char*>(bytes);
    gSeeds.push_back({devicePath, std::vector<unsigned char>(first, first + (bytes ? size : 0))});
    if (!gRoot.path.empty() && gRoot.path == WantedRoot()) {
        const DWORD savedError = GetLastError();
        NoteIfMissing(TopFolder(gSeeds.back().path));
        WriteSeed(gSeeds.back());
        SetLastError(savedError);
    }
}

void DeviceForgetSeedFiles()
{
    gSeeds.clear();
}

void DeviceSetModuleFileName(const char16_t* devicePath)
{
    if (!devicePath || !*devicePath)
        return;
    gModulePath = devicePath;
    const DWORD savedError = GetLastError();
    CreateFolders(gModulePath);
    SetLastError(savedError);
}

DWORD WINAPI GetModuleFileNameW(HMODULE /*module*/, LPWSTR buffer, DWORD size)
{
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const DWORD length = DWORD(gModulePath.size());
    if (length >= size) {
        lstrcpynW(buffer, gModulePath.c_str(), int(size));
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    lstrcpyW(buffer, gModulePath.c_str());
    SetLastError(ERROR_SUCCESS);
    return length;
}
