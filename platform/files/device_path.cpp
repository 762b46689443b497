// Device paths to host paths. The device's names are case-insensitive, the host's are not:
// each component is looked up among the host folder's entries by folded comparison, an
// exact match winning over another spelling. Nothing may lead out of the root.
#include "files/device_path.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <vector>

#include "strings/case_fold.h"
#include "strings/unicode.h"
#include "winbase.h"
#include "winerror.h"

namespace {

bool IsSeparator(char16_t c)
{
    return c == u'\\' || c == u'/';
}

// Characters no device name may hold; "*" and "?" are allowed in a search pattern.
bool IsValidName(const std::u16string& name, bool pattern)
{
    for (char16_t c : name) {
        if (c < 0x20 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|')
            return false;
        if (!pattern && (c == u'*' || c == u'?'))
            return false;
    }
    return true;
}

// The host spelling of `name` inside `folder`, or empty when nothing matches; `*st` gets
// the entry's own status (a link is not followed).
std::string FindEntry(const std::string& folder, const std::u16string& name, struct stat* st)
{
    const std::string exact = Utf16ToUtf8(name);
    if (lstat((folder + "/" + exact).c_str(), st) == 0)
        return exact;
    std::string found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (CompareFolded(Utf8ToUtf16(entry->d_name), name) == 0) {
                found = entry->d_name;
                break;
            }
        }
        closedir(dir);
    }
    if (!found.empty() && lstat((folder + "/" + found).c_str(), st) != 0)
        found.clear();
    return found;
}

// True when the existing host path `path` stays inside `root` after symbolic links.
bool StaysInside(const std::string& root, const std::string& path)
{
    char rootReal[PATH_MAX];
    char pathReal[PATH_MAX];
    if (!realpath(root.c_str(), rootReal) || !realpath(path.c_str(), pathReal))
        return true;  // nothing to follow
    const std::string r = rootReal;
    const std::string p = pathReal;
    return p == r || (p.size() > r.size() && p.compare(0, r.size(), r) == 0 && p[r.size()] == '/');
}

}  // namespace

bool ResolveDevicePath(LPCWSTR devicePath, HostPath* out, bool patternLast)
{
    if (!devicePath || !*devicePath) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    std::vector<std::u16string> parts;
    std::u16string part;
    for (const WCHAR* p = devicePath;; ++p) {
        if (*p == 0 || IsSeparator(*p)) {
            if (part == u"..") {
                SetLastError(ERROR_INVALID_NAME);
                return false;
            }
            if (!part.empty() && part != u".")
                parts.push_back(part);
            part.clear();
            if (*p == 0)
                break;
        } else {
            part.push_back(*p);
        }
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!IsValidName(parts[i], patternLast && i + 1 == parts.size())) {
            SetLastError(ERROR_INVALID_NAME);
            return false;
        }
    }

    const std::string root = DeviceRootHostPath();
    std::string host = root;
    out->exists = true;
    out->isFolder = true;
    bool throughLink = false;  // only links can lead out of the root
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        if (last && patternLast) {
            host += "/" + Utf16ToUtf8(parts[i]);
            out->exists = false;
            out->isFolder = false;
            break;
        }
        struct stat st;
        const std::string entry = FindEntry(host, parts[i], &st);
        if (entry.empty()) {
            if (!last) {
                SetLastError(ERROR_PATH_NOT_FOUND);
                return false;
            }
            host += "/" + Utf16ToUtf8(parts[i]);
            out->exists = false;
            out->isFolder = false;
            break;
        }
        host += "/" + entry;
        if (S_ISLNK(st.st_mode)) {
            throughLink = true;
            if (stat(host.c_str(), &st) != 0)
                st.st_mode = 0;
        }
        const bool folder = S_ISDIR(st.st_mode);
        if (!last && !folder) {
            SetLastError(ERROR_PATH_NOT_FOUND);
            return false;
        }
        out->isFolder = folder;
    }
    // Symbolic links inside the root must not lead out of it; for a new name its folder is
    // what counts.
    if (throughLink && !StaysInside(root, out->exists ? host : host.substr(0, host.rfind('/')))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    out->host = host;
    return true;
}

bool DevicePathToHostPath(LPCWSTR devicePath, std::string* hostPath)
{
    HostPath resolved;
    if (!ResolveDevicePath(devicePath, &resolved))
        return false;
    *hostPath = resolved.host;
    return true;
}

void SplitDevicePath(const std::u16string& devicePath, std::u16string* folder, std::u16string* name)
{
    size_t cut = devicePath.find_last_of(u"\\/");
    if (cut == std::u16string::npos) {
        folder->clear();
        *name = devicePath;
        return;
    }
    *folder = devicePath.substr(0, cut);
    *name = devicePath.substr(cut + 1);
}
