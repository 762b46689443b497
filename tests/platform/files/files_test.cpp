// Device files: create dispositions, sharing, case-insensitive names, deletes, renames,
// folders, attributes and the errors each reports.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "automation.h"
#include "device_files.h"
#include "windows.h"

namespace {

HANDLE Open(LPCWSTR path, DWORD access, DWORD share, DWORD disposition)
{
    return CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(DeviceFiles, CreateDispositionsAndTheirErrors)
{
    SetLastError(99);
    HANDLE h = Open(u"\\Temp\\d.txt", GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_EQ(Open(u"\\Temp\\d.txt", GENERIC_WRITE, 0, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));

    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\d.txt", "hello"));
    h = Open(u"\\Temp\\d.txt", GENERIC_WRITE, 0, CREATE_ALWAYS);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(GetFileSize(h, nullptr), 0u);  // truncated
    CloseHandle(h);

    h = Open(u"\\Temp\\new.txt", GENERIC_WRITE, 0, OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
    CloseHandle(h);
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\new.txt", "keep"));
    h = Open(u"\\Temp\\new.txt", GENERIC_READ, 0, OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(GetFileSize(h, nullptr), 4u);  // not truncated
    CloseHandle(h);

    EXPECT_EQ(Open(u"\\Temp\\none.txt", GENERIC_READ, 0, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Open(u"\\Nowhere\\x.txt", GENERIC_READ, 0, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(Open(u"\\Nowhere\\x.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(Open(u"\\Temp\\none.txt", GENERIC_WRITE, 0, TRUNCATE_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    h = Open(u"\\Temp\\new.txt", GENERIC_WRITE, 0, TRUNCATE_EXISTING);
    EXPECT_EQ(GetFileSize(h, nullptr), 0u);
    CloseHandle(h);
    EXPECT_EQ(Open(u"\\Temp", GENERIC_READ, 0, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST(DeviceFiles, ReadWriteSeekAndSize)
{
    HANDLE h = Open(u"\\Temp\\rw.bin", GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    ASSERT_TRUE(WriteFile(h, "0123456789", 10, &n, nullptr));
    EXPECT_EQ(n, 10u);
    EXPECT_EQ(SetFilePointer(h, 4, nullptr, FILE_BEGIN), 4u);
    char buffer[16] = {};
    ASSERT_TRUE(ReadFile(h, buffer, 16, &n, nullptr));
    EXPECT_EQ(n, 6u);  // reading past the end is success with fewer bytes
    EXPECT_STREQ(buffer, "456789");
    ASSERT_TRUE(ReadFile(h, buffer, 16, &n, nullptr));
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(SetFilePointer(h, -3, nullptr, FILE_END), 7u);
    EXPECT_EQ(SetFilePointer(h, -20, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NEGATIVE_SEEK));
    DWORD high = 5;
    EXPECT_EQ(GetFileSize(h, &high), 10u);
    EXPECT_EQ(high, 0u);
    EXPECT_TRUE(CloseHandle(h));

    // A read-only handle cannot write, and a closed handle is invalid.
    h = Open(u"\\Temp\\rw.bin", GENERIC_READ, 0, OPEN_EXISTING);
    EXPECT_FALSE(WriteFile(h, "x", 1, &n, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    CloseHandle(h);
    EXPECT_FALSE(CloseHandle(h));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(ReadFile(h, buffer, 1, &n, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
}

TEST(DeviceFiles, ShareModesDecideSecondOpensDeletesAndRenames)
{
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\s.txt", "data"));
    HANDLE exclusive = Open(u"\\Temp\\s.txt", GENERIC_READ, 0, OPEN_EXISTING);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    // Any second open, under any spelling, is refused while it is open without sharing.
    EXPECT_EQ(Open(u"\\TEMP\\S.TXT", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(Open(u"\\Temp\\s.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(ReadDeviceFile(u"\\Temp\\s.txt"), "<missing>");
    EXPECT_FALSE(DeleteFileW(u"\\Temp\\s.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(MoveFileW(u"\\Temp\\s.txt", u"\\Temp\\t.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    CloseHandle(exclusive);
    EXPECT_EQ(ReadDeviceFile(u"\\Temp\\s.txt"), "data");  // the failed CREATE_ALWAYS kept it

    // Readers that share reading may open together; a writer may not join them.
    HANDLE a = Open(u"\\Temp\\s.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    HANDLE b = Open(u"\\Temp\\s.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    EXPECT_NE(a, INVALID_HANDLE_VALUE);
    EXPECT_NE(b, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Open(u"\\Temp\\s.txt", GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    CloseHandle(a);
    CloseHandle(b);
    EXPECT_TRUE(DeleteFileW(u"\\Temp\\s.txt"));
    EXPECT_FALSE(DeleteFileW(u"\\Temp\\s.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST(DeviceFiles, NamesAreCaseInsensitiveAndKeepTheCaseGiven)
{
    ASSERT_TRUE(WriteDeviceFile(u"\\my documents\\MixedCase.Puz", "x"));
    EXPECT_EQ(ReadDeviceFile(u"\\MY DOCUMENTS\\mixedcase.PUZ"), "x");
    EXPECT_EQ(ReadDeviceFile(u"/My Documents/MIXEDCASE.puz"), "x");
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(u"\\My Documents\\mixed*", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::u16string(data.cFileName), u"MixedCase.Puz");
    FindClose(find);
    // Writing through another spelling replaces the same file, not a second one.
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\MIXEDCASE.PUZ", "y"));
    EXPECT_EQ(ReadDeviceFile(u"\\My Documents\\MixedCase.Puz"), "y");
    find = FindFirstFileW(u"\\My Documents\\mixedcase.puz", &data);
    EXPECT_FALSE(FindNextFileW(find, &data));
    FindClose(find);
    // A rename that only changes the case takes the new case.
    ASSERT_TRUE(MoveFileW(u"\\My Documents\\mixedcase.puz", u"\\My Documents\\MIXEDcase.puz"));
    find = FindFirstFileW(u"\\My Documents\\mixedcase.puz", &data);
    EXPECT_EQ(std::u16string(data.cFileName), u"MIXEDcase.puz");
    FindClose(find);
}

TEST(DeviceFiles, PathsCannotLeaveTheRoot)
{
    const std::filesystem::path root = std::getenv("CROSSWORD_DEVICE_ROOT");
    ASSERT_EQ(GetFileAttributesW(u"\\Temp"), DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(Open(u"\\..\\escape.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
    EXPECT_EQ(Open(u"\\Temp\\..\\..\\escape.txt", GENERIC_WRITE, 0, CREATE_ALWAYS),
              INVALID_HANDLE_VALUE);
    EXPECT_FALSE(std::filesystem::exists(root.parent_path() / "escape.txt"));
    EXPECT_FALSE(CreateDirectoryW(u"\\..", nullptr));
    EXPECT_EQ(Open(u"\\Temp\\a:b", GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));

    // A link inside the root that points out of it is refused too.
    std::filesystem::create_directory_symlink(root.parent_path(), root / "Temp" / "out");
    EXPECT_EQ(Open(u"\\Temp\\out\\x.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(std::filesystem::exists(root.parent_path() / "x.txt"));
    std::filesystem::remove(root / "Temp" / "out");
}

TEST(DeviceFiles, MoveRefusesToReplaceUnlessAsked)
{
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\from.txt", "new"));
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\to.txt", "old"));
    EXPECT_FALSE(MoveFileW(u"\\Temp\\from.txt", u"\\Temp\\to.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(ReadDeviceFile(u"\\Temp\\to.txt"), "old");
    EXPECT_TRUE(MoveFileExW(u"\\Temp\\from.txt", u"\\Temp\\TO.TXT", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(ReadDeviceFile(u"\\Temp\\to.txt"), "new");
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\from.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(MoveFileW(u"\\Temp\\from.txt", u"\\Temp\\x.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(MoveFileW(u"\\Temp\\to.txt", u"\\My Documents\\moved.txt"));
    EXPECT_EQ(ReadDeviceFile(u"\\my documents\\moved.txt"), "new");
}

TEST(DeviceFiles, FoldersAndAttributes)
{
    EXPECT_TRUE(CreateDirectoryW(u"\\My Documents\\Fennimoor", nullptr));
    EXPECT_FALSE(CreateDirectoryW(u"\\MY DOCUMENTS\\fennimoor", nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(CreateDirectoryW(u"\\No\\Such", nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));

    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\Fennimoor\\a.puz", "x"));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Fennimoor"), DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Fennimoor\\A.PUZ"),
              DWORD(FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Fennimoor\\b.puz"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesW(u"\\"), DWORD(FILE_ATTRIBUTE_DIRECTORY));

    EXPECT_FALSE(RemoveDirectoryW(u"\\My Documents\\Fennimoor"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DIR_NOT_EMPTY));
    EXPECT_FALSE(DeleteFileW(u"\\My Documents\\Fennimoor"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(RemoveDirectoryW(u"\\My Documents\\Fennimoor\\a.puz"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DIRECTORY));
    EXPECT_TRUE(DeleteFileW(u"\\My Documents\\Fennimoor\\a.puz"));
    EXPECT_TRUE(RemoveDirectoryW(u"\\my documents\\FENNIMOOR"));
    EXPECT_FALSE(RemoveDirectoryW(u"\\My Documents\\Fennimoor"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

// A folder opens only with FILE_FLAG_BACKUP_SEMANTICS, and then only to be flushed: the
// handle puts a rename into the folder on storage and takes no bytes.
TEST(DeviceFiles, AFolderOpensForAFlushOnly)
{
    HANDLE folder = CreateFileW(u"\\Temp\\", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(folder, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FlushFileBuffers(folder));
    DWORD written = 1;
    EXPECT_FALSE(WriteFile(folder, "x", 1, &written, nullptr));
    EXPECT_EQ(written, 0u);
    // Files in an open folder are still renamed and deleted.
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\a.txt", "a"));
    EXPECT_TRUE(MoveFileExW(u"\\Temp\\a.txt", u"\\Temp\\b.txt", MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(DeleteFileW(u"\\Temp\\b.txt"));
    CloseHandle(folder);
    EXPECT_EQ(CreateFileW(u"\\Temp", GENERIC_READ, 0, nullptr, CREATE_ALWAYS,
                          FILE_FLAG_BACKUP_SEMANTICS, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

// Each step of a write a test can make fail fails with the error storage would give, and only
// that step: a file still opens for reading while creates fail.
TEST(DeviceFiles, InjectedFailuresOfEachStepOfAWrite)
{
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\old.txt", "old"));
    AutomationFailFileStep(kFileStepCreate);
    EXPECT_EQ(Open(u"\\Temp\\n.txt", GENERIC_WRITE, 0, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    HANDLE h = Open(u"\\Temp\\old.txt", GENERIC_READ, 0, OPEN_EXISTING);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);

    AutomationFailFileStep(kFileStepWrite);
    h = Open(u"\\Temp\\n.txt", GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_FALSE(WriteFile(h, "abc", 3, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    AutomationFailFileStep(kFileStepFlush);
    EXPECT_TRUE(WriteFile(h, "abc", 3, &written, nullptr));
    EXPECT_FALSE(FlushFileBuffers(h));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_WRITE_FAULT));
    CloseHandle(h);

    AutomationFailFileStep(kFileStepMove);
    EXPECT_FALSE(MoveFileExW(u"\\Temp\\n.txt", u"\\Temp\\old.txt", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    AutomationFailFileStep(kFileStepNone);
    EXPECT_TRUE(MoveFileExW(u"\\Temp\\n.txt", u"\\Temp\\old.txt", MOVEFILE_REPLACE_EXISTING));
}

}  // namespace
