// Folder listings: patterns, sorted order, the end of a listing.
#include <gtest/gtest.h>

#include <vector>

#include "device_files.h"
#include "windows.h"

namespace {

std::vector<std::u16string> List(LPCWSTR pattern)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    return names;
}

class FindFiles : public testing::Test {
  protected:
    void SetUp() override
    {
        CreateDirectoryW(u"\\Temp\\List", nullptr);
        for (LPCWSTR name :
             {u"\\Temp\\List\\beta.puz", u"\\Temp\\List\\Alpha.PUZ", u"\\Temp\\List\\gamma.dat",
              u"\\Temp\\List\\delta.puzzle", u"\\Temp\\List\\a.puz"})
            WriteDeviceFile(name, "12345");
        CreateDirectoryW(u"\\Temp\\List\\Zeta", nullptr);
    }
};

TEST_F(FindFiles, PatternsMatchCaseInsensitivelyInSortedOrder)
{
    EXPECT_EQ(List(u"\\Temp\\List\\*.puz"),
              (std::vector<std::u16string>{u"a.puz", u"Alpha.PUZ", u"beta.puz"}));
    EXPECT_EQ(List(u"\\temp\\list\\*"),
              (std::vector<std::u16string>{u"a.puz", u"Alpha.PUZ", u"beta.puz", u"delta.puzzle",
                                           u"gamma.dat", u"Zeta"}));
    EXPECT_EQ(List(u"\\Temp\\List\\?.PUZ"), (std::vector<std::u16string>{u"a.puz"}));
    EXPECT_EQ(List(u"\\Temp\\List\\*a*a*"),
              (std::vector<std::u16string>{u"Alpha.PUZ", u"gamma.dat"}));
}

TEST_F(FindFiles, EntriesCarryAttributesAndSize)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(u"\\Temp\\List\\Z*", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.dwFileAttributes, DWORD(FILE_ATTRIBUTE_DIRECTORY));
    FindClose(find);
    find = FindFirstFileW(u"\\Temp\\List\\beta.puz", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_NE(data.ftLastWriteTime.dwHighDateTime, 0u);
    FindClose(find);
}

TEST_F(FindFiles, NothingFoundAndBadHandles)
{
    WIN32_FIND_DATAW data;
    EXPECT_EQ(FindFirstFileW(u"\\Temp\\List\\*.xyz", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstFileW(u"\\Missing\\*", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    // A search handle is not a file handle.
    HANDLE find = FindFirstFileW(u"\\Temp\\List\\*", &data);
    EXPECT_FALSE(CloseHandle(find));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FindClose(find));
    EXPECT_FALSE(FindNextFileW(find, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

}  // namespace
