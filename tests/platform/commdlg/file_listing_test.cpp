// File dialog listing over a real (temporary) device root.
#include <gtest/gtest.h>

#include "commdlg/file_listing.h"
#include "device_files.h"
#include "winbase.h"

namespace {

}  // namespace

TEST(FileListing, FilterSplitsIntoTypesAndPatterns)
{
    const auto types = ParseFilter(u"Puzzle files\0*.puz\0Text\0*.txt; *.htm\0\0");
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].name, u"Puzzle files");
    ASSERT_EQ(types[0].patterns.size(), 1u);
    EXPECT_EQ(types[0].patterns[0], u"*.puz");
    ASSERT_EQ(types[1].patterns.size(), 2u);
    EXPECT_EQ(types[1].patterns[1], u"*.htm");
    EXPECT_EQ(ParseFilter(nullptr).at(0).patterns.at(0), u"*.*");
    EXPECT_EQ(DefaultExtension(types[0]), u"puz");
    EXPECT_EQ(DefaultExtension(FileType{u"All", {u"*.*"}}), u"");
}

TEST(FileListing, ExtensionsAndPathSplitting)
{
    EXPECT_TRUE(HasExtension(u"\\My Documents\\a.puz"));
    EXPECT_FALSE(HasExtension(u"\\My Documents\\abc"));
    EXPECT_FALSE(HasExtension(u"\\My.Documents\\abc"));  // the dot is in the folder
    EXPECT_FALSE(HasExtension(u".profile"));
    EXPECT_FALSE(HasExtension(u"abc."));
    std::u16string folder, name;
    SplitPath(u"\\My Documents\\Fennimoor\\today.puz", &folder, &name);
    EXPECT_EQ(folder, u"\\My Documents\\Fennimoor");
    EXPECT_EQ(name, u"today.puz");
}

TEST(FileListing, ListsTheTypeInMyDocumentsAndOneLevelOfSubFolders)
{
    CreateDirectoryW(u"\\My Documents", nullptr);
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\Zeta", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\alpha", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\alpha\\deep", nullptr));
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\b.puz", ""));
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\notes.txt", ""));
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\Zeta\\A.PUZ", ""));
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\alpha\\c.puz", ""));
    // Two levels down: not listed.
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\alpha\\deep\\hidden.puz", ""));

    const auto folders = ListDocumentFolders();
    ASSERT_GE(folders.size(), 3u);
    EXPECT_EQ(folders[0], u"\\My Documents");
    // Sub-folders in name order regardless of case.
    const auto alpha = std::find(folders.begin(), folders.end(), u"\\My Documents\\alpha");
    const auto zeta = std::find(folders.begin(), folders.end(), u"\\My Documents\\Zeta");
    ASSERT_NE(alpha, folders.end());
    ASSERT_NE(zeta, folders.end());
    EXPECT_LT(alpha, zeta);

    const auto files = ListFiles(folders, ParseFilter(u"Puzzle files\0*.puz\0\0")[0]);
    std::vector<std::u16string> names;
    for (const auto& f : files) {
        names.push_back(f.name);
    }
    // Any starter puzzle of a fresh device may be listed too; ours come in name order.
    auto pos = [&](const char16_t* n) {
        return std::find(names.begin(), names.end(), n) - names.begin();
    };
    ASSERT_LT(pos(u"A.PUZ"), static_cast<long>(names.size()));
    EXPECT_LT(pos(u"A.PUZ"), pos(u"b.puz"));
    EXPECT_LT(pos(u"b.puz"), pos(u"c.puz"));
    EXPECT_EQ(pos(u"notes.txt"), static_cast<long>(names.size()));
    EXPECT_EQ(pos(u"hidden.puz"), static_cast<long>(names.size()));
    EXPECT_EQ(files[pos(u"c.puz")].folder, u"\\My Documents\\alpha");

    // One folder only.
    const auto onlyZeta = ListFiles({u"\\My Documents\\Zeta"}, ParseFilter(nullptr)[0]);
    ASSERT_EQ(onlyZeta.size(), 1u);
    EXPECT_EQ(onlyZeta[0].name, u"A.PUZ");
}
