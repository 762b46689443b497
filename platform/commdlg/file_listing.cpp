// File dialog listing over FindFirstFileW / FindNextFileW.
#include "file_listing.h"

#include <algorithm>

#include "controls/controls_internal.h"
#include "strings/case_fold.h"
#include "winbase.h"

namespace {

// Calls `visit` for every entry FindFirstFileW finds for `pattern`.
template <typename Visit> void ForEachFound(const std::u16string& pattern, Visit visit)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        visit(data);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

std::vector<FileType> ParseFilter(LPCWSTR filter)
{
    std::vector<FileType> types;
    while (filter && *filter) {
        FileType type;
        type.name = filter;
        filter += type.name.size() + 1;
        std::u16string_view spec = filter;
        filter += spec.size() + 1;
        size_t start = 0;
        while (start <= spec.size()) {
            size_t end = spec.find(u';', start);
            if (end == std::u16string_view::npos) {
                end = spec.size();
            }
            std::u16string_view one = spec.substr(start, end - start);
            while (!one.empty() && one.front() == u' ') {
                one.remove_prefix(1);
            }
            if (!one.empty()) {
                type.patterns.emplace_back(one);
            }
            start = end + 1;
        }
        if (type.patterns.empty()) {
            type.patterns.push_back(u"*.*");
        }
        types.push_back(std::move(type));
    }
    if (types.empty()) {
        types.push_back({u"All files", {u"*.*"}});
    }
    return types;
}

std::vector<std::u16string> ListDocumentFolders()
{
    std::vector<std::u16string> folders{kDocumentsFolder};
    ForEachFound(std::u16string(kDocumentsFolder) + u"\\*", [&](const WIN32_FIND_DATAW& d) {
        if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            folders.push_back(std::u16string(kDocumentsFolder) + u"\\" + d.cFileName);
        }
    });
    std::sort(
        folders.begin() + 1, folders.end(),
        [](const std::u16string& a, const std::u16string& b) { return CompareFolded(a, b) < 0; });
    return folders;
}

std::vector<FileEntry> ListFiles(const std::vector<std::u16string>& folders, const FileType& type)
{
    std::vector<FileEntry> files;
    for (const auto& folder : folders) {
        for (const auto& pattern : type.patterns) {
            ForEachFound(folder + u"\\" + pattern, [&](const WIN32_FIND_DATAW& d) {
                if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    return;
                }
                FileEntry entry{folder, d.cFileName};
                const bool known = std::any_of(files.begin(), files.end(), [&](const FileEntry& f) {
                    return f.folder == entry.folder && CompareFolded(f.name, entry.name) == 0;
                });
                if (!known) {
                    files.push_back(std::move(entry));
                }
            });
        }
    }
    std::stable_sort(files.begin(), files.end(), [](const FileEntry& a, const FileEntry& b) {
        const int byName = CompareFolded(a.name, b.name);
        return byName != 0 ? byName < 0 : CompareFolded(a.folder, b.folder) < 0;
    });
    return files;
}

std::u16string DefaultExtension(const FileType& type)
{
    if (type.patterns.empty()) {
        return {};
    }
    const std::u16string& p = type.patterns.front();
    if (p.size() < 3 || p[0] != u'*' || p[1] != u'.') {
        return {};
    }
    std::u16string ext = p.substr(2);
    if (ext.find_first_of(u"*?") != std::u16string::npos) {
        return {};
    }
    return ext;
}

bool HasExtension(std::u16string_view name)
{
    const size_t slash = name.find_last_of(u'\\');
    const std::u16string_view base =
        slash == std::u16string_view::npos ? name : name.substr(slash + 1);
    const size_t dot = base.find_last_of(u'.');
    return dot != std::u16string_view::npos && dot > 0 && dot + 1 < base.size();
}

void SplitPath(std::u16string_view path, std::u16string* folder, std::u16string* name)
{
    const size_t slash = path.find_last_of(u'\\');
    if (slash == std::u16string_view::npos) {
        folder->clear();
        name->assign(path);
        return;
    }
    folder->assign(path.substr(0, slash));
    name->assign(path.substr(slash + 1));
}
