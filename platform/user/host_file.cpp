// Host files brought into the device: a file dropped on the desktop window or named on the
// program's command line lands in "\My Documents", where Open File finds it. A file is never
// overwritten: the same bytes already there under the file's name (or a numbered variant of
// it) are taken as they are, so a puzzle opened again keeps its progress; another file of the
// same name gets the next free "name (2).ext", "name (3).ext", ...
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "files/device_path.h"
#include "strings/unicode.h"
#include "user/user_internal.h"

namespace {

namespace fs = std::filesystem;

constexpr const char16_t* kDocuments = u"\\My Documents\\";
constexpr int kMaxVariants = 999;

// The host name as a device name: characters a device name cannot hold become "_", and the
// stem is cut so that the longest numbered variant still fits a device path.
std::u16string DeviceName(const fs::path& host, std::u16string* extension)
{
    std::u16string name = Utf8ToUtf16(host.filename().string());
    for (char16_t& c : name) {
        if (c < 0x20 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' ||
            c == u'*' || c == u'?' || c == u'\\' || c == u'/')
            c = u'_';
    }
    const size_t dot = name.rfind(u'.');
    *extension = dot == std::u16string::npos || dot == 0 ? u"" : name.substr(dot);
    std::u16string stem = name.substr(0, name.size() - extension->size());
    const size_t room = MAX_PATH - 1 - std::u16string(kDocuments).size() - sizeof " (999)";
    if (extension->size() > room / 2)
        extension->clear();  // no real extension is that long: keep the name instead
    if (stem.size() + extension->size() > room)
        stem.resize(room - extension->size());
    return stem;
}

bool SameBytes(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    if (fs::file_size(a, error) != fs::file_size(b, error) || error)
        return false;
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    char bx[8192], by[8192];
    while (x && y) {
        x.read(bx, sizeof bx);
        y.read(by, sizeof by);
        if (x.gcount() != y.gcount() || !std::equal(bx, bx + x.gcount(), by))
            return false;
    }
    return x.eof() && y.eof();
}

// Copies `from` to the new host path `to` through a temporary file beside it, so the device
// never sees half a file, and without replacing a file that appeared there meanwhile.
bool CopyWithoutReplacing(const fs::path& from, const fs::path& to)
{
    const fs::path temporary = to.parent_path() / ("." + to.filename().string() + ".part");
    std::error_code error;
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error))
        return false;
    const bool linked = link(temporary.c_str(), to.c_str()) == 0;
    fs::remove(temporary, error);
    return linked;
}

}  // namespace

bool UserBringFileIntoDevice(const char* hostPath, std::u16string* devicePath, bool* copied)
{
    std::error_code error;
    if (!hostPath || !fs::is_regular_file(hostPath, error))
        return false;
    std::string folder;
    if (!DevicePathToHostPath(u"\\My Documents", &folder))
        return false;
    fs::create_directories(folder, error);
    std::u16string extension;
    const std::u16string stem = DeviceName(hostPath, &extension);
    for (int n = 1; n <= kMaxVariants; ++n) {
        const std::u16string name =
            stem + (n == 1 ? u"" : Utf8ToUtf16(" (" + std::to_string(n) + ")")) + extension;
        const std::u16string path = kDocuments + name;
        HostPath there;
        if (!ResolveDevicePath(path.c_str(), &there))
            return false;
        bool made = false;
        if (!there.exists) {
            made = CopyWithoutReplacing(hostPath, there.host);
            // Another program may have taken the name first; anything else is a failure.
            if (!made && (!ResolveDevicePath(path.c_str(), &there) || !there.exists))
                return false;
        }
        if (!made && (there.isFolder || !SameBytes(hostPath, there.host)))
            continue;
        if (devicePath)
            *devicePath = path;
        if (copied)
            *copied = made;
        return true;
    }
    return false;
}
