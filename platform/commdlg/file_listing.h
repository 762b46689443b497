// What the file dialogs show, computed over the device's files API: the filter's file types,
// the folders of "\My Documents" (the folder itself and its sub-folders, one level deep, as
// the device's dialogs offer them) and the files of the chosen type in the chosen folders.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

struct FileType {
    std::u16string name;                   // "Puzzle files"
    std::vector<std::u16string> patterns;  // "*.puz", split at ';'
};

struct FileEntry {
    std::u16string folder;  // device path of its folder, no trailing backslash
    std::u16string name;    // file name
};

// The documents folder the dialogs list; sub-folders are listed one level deep.
inline constexpr char16_t kDocumentsFolder[] = u"\\My Documents";

// Splits an lpstrFilter ("Name\0*.a;*.b\0Name\0*.c\0\0") into its types. A missing or empty
// filter gives one type "All files" with "*.*".
std::vector<FileType> ParseFilter(LPCWSTR filter);

// "\My Documents" followed by its sub-folders in name order.
std::vector<std::u16string> ListDocumentFolders();

// The files in `folders` matching any pattern of `type`, sorted by name without case (then
// by folder). Folders themselves are never listed.
std::vector<FileEntry> ListFiles(const std::vector<std::u16string>& folders, const FileType& type);

// The extension (without the dot) a save dialog appends: the first pattern's, when it is of
// the form "*.ext" with a concrete extension; empty otherwise.
std::u16string DefaultExtension(const FileType& type);

// Whether the name part of `name` has an extension (a dot after its last backslash that is
// not the first character of the name).
bool HasExtension(std::u16string_view name);

// Splits a device path into folder (no trailing backslash) and name.
void SplitPath(std::u16string_view path, std::u16string* folder, std::u16string* name);
