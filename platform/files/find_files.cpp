// FindFirstFileW / FindNextFileW: the whole folder is read and sorted when the search
// starts (case-insensitively, as the device's lists appear), then handed out one by one.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "files/device_path.h"
#include "files/handle_table.h"
#include "strings/case_fold.h"
#include "strings/unicode.h"
#include "winbase.h"
#include "winerror.h"

namespace {

struct FindObject : KernelObject {
    FindObject() : KernelObject(HandleKind::kFind) {}
    std::vector<WIN32_FIND_DATAW> matches;
    size_t next = 0;
};

// "*" matches any run of characters, "?" any one; letters match case-insensitively.
bool Matches(const char16_t* pattern, const char16_t* name)
{
    const char16_t* star = nullptr;
    const char16_t* resume = nullptr;
    while (*name) {
        if (*pattern == u'*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == u'?' || (*pattern && FoldCase(*pattern) == FoldCase(*name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == u'*')
        ++pattern;
    return *pattern == 0;
}

FILETIME ToFileTime(const timespec& t)
{
    // 100-ns ticks between 1601-01-01 and 1970-01-01.
    const uint64_t ticks =
        uint64_t(t.tv_sec) * 10000000ULL + uint64_t(t.tv_nsec) / 100 + 116444736000000000ULL;
    return {DWORD(ticks & 0xFFFFFFFF), DWORD(ticks >> 32)};
}

}  // namespace

void WINAPI GetSystemTimeAsFileTime(LPFILETIME time)
{
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    if (time)
        *time = ToFileTime(now);
}

namespace {

bool FillEntry(const std::string& folder, const std::string& hostName, WIN32_FIND_DATAW* data)
{
    const std::u16string name = Utf8ToUtf16(hostName);
    struct stat st;
    if (name.size() >= MAX_PATH || stat((folder + "/" + hostName).c_str(), &st) != 0)
        return false;
    *data = {};
    data->dwFileAttributes = S_ISDIR(st.st_mode)      ? FILE_ATTRIBUTE_DIRECTORY
                             : (st.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL
                                                      : FILE_ATTRIBUTE_READONLY;
    data->ftCreationTime = ToFileTime(st.st_ctim);
    data->ftLastAccessTime = ToFileTime(st.st_atim);
    data->ftLastWriteTime = ToFileTime(st.st_mtim);
    if (!S_ISDIR(st.st_mode)) {
        data->nFileSizeHigh = DWORD(uint64_t(st.st_size) >> 32);
        data->nFileSizeLow = DWORD(uint64_t(st.st_size) & 0xFFFFFFFF);
    }
    std::copy(name.begin(), name.end(), data->cFileName);
    return true;
}

bool SortsBefore(const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b)
{
    const int folded = lstrcmpiW(a.cFileName, b.cFileName);
    return folded != 0 ? folded < 0 : lstrcmpW(a.cFileName, b.cFileName) < 0;
}

}  // namespace

HANDLE WINAPI FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data)
{
    HostPath resolved;
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (!ResolveDevicePath(pattern, &resolved, true))
        return INVALID_HANDLE_VALUE;
    const size_t cut = resolved.host.rfind('/');
    const std::string folder = resolved.host.substr(0, cut);
    const std::u16string wanted = Utf8ToUtf16(resolved.host.substr(cut + 1));

    auto find = std::make_unique<FindObject>();
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            WIN32_FIND_DATAW found;
            if (name != "." && name != ".." && Matches(wanted.c_str(), Utf8ToUtf16(name).c_str()) &&
                FillEntry(folder, name, &found))
                find->matches.push_back(found);
        }
        closedir(dir);
    }
    if (find->matches.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::sort(find->matches.begin(), find->matches.end(), SortsBefore);
    *data = find->matches[0];
    find->next = 1;
    HANDLE handle = HandleTableAdd(std::move(find));
    SetLastError(ERROR_SUCCESS);
    return handle;
}

BOOL WINAPI FindNextFileW(HANDLE handle, LPWIN32_FIND_DATAW data)
{
    auto find = static_cast<FindObject*>(HandleTableGet(handle, HandleKind::kFind));
    if (!find)
        return FALSE;
    if (find->next >= find->matches.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *data = find->matches[find->next++];
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE handle)
{
    return HandleTableClose(handle, HandleKind::kFind);
}
