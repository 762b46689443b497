// Zipped puzzles: archives built here, entry by entry, stored without compression so that
// the test can also lie about sizes.
#include <gtest/gtest.h>

#include <zlib.h>

#include "document_probe.h"

namespace {

struct Entry {
    std::string name;
    std::string data;
    uint32_t statedSize = UINT32_MAX;  // the size the archive claims; the real one by default
};

void Put16(std::string* s, uint32_t v)
{
    *s += char(v & 0xFF);
    *s += char((v >> 8) & 0xFF);
}

void Put32(std::string* s, uint32_t v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

std::string Zip(const std::vector<Entry>& entries)
{
    std::string out;
    std::string directory;
    for (const Entry& e : entries) {
        const uint32_t crc =
            uint32_t(crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), uInt(e.data.size())));
        const uint32_t size = e.statedSize == UINT32_MAX ? uint32_t(e.data.size()) : e.statedSize;
        const uint32_t offset = uint32_t(out.size());
        for (std::string* s : {&out, &directory}) {
            Put32(s, s == &out ? 0x04034b50 : 0x02014b50);
            if (s == &directory)
                Put16(s, 20);  // made by
            Put16(s, 20);      // needed to extract
            Put16(s, 0);       // flags
            Put16(s, 0);       // stored
            Put32(s, 0);       // time and date
            Put32(s, crc);
            Put32(s, size);
            Put32(s, size);
            Put16(s, uint32_t(e.name.size()));
            Put16(s, 0);  // extra
            if (s == &directory) {
                Put16(s, 0);  // comment
                Put16(s, 0);  // disk
                Put16(s, 0);  // internal attributes
                Put32(s, 0);  // external attributes
                Put32(s, offset);
            }
            *s += e.name;
        }
        out += e.data;
    }
    const uint32_t start = uint32_t(out.size());
    out += directory;
    Put32(&out, 0x06054b50);
    Put32(&out, 0);
    Put16(&out, uint32_t(entries.size()));
    Put16(&out, uint32_t(entries.size()));
    Put32(&out, uint32_t(directory.size()));
    Put32(&out, start);
    Put16(&out, 0);
    return out;
}

const std::string kXd = "## Grid\nAB\nCD\n## Clues\nA1. ab ~ AB\nA3. cd ~ CD\nD1. ac ~ AC\n"
                        "D2. bd ~ BD\n";

TEST(ZipArchive, ReadsTheOnePuzzleBesideFoldersAndResourceForks)
{
    const Reading r = Read(Zip({{"puzzles/", ""},
                                {"__MACOSX/._puzzle.xd", "\x00\x05\x16\x07junk"},
                                {"puzzles/._puzzle.xd", "junk"},
                                {"puzzles/puzzle.xd", kXd}}));
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(Rows(r.document), "AB/CD");
}

TEST(ZipArchive, RefusesArchivesThatAreNotOnePuzzleOrLieAboutTheirSize)
{
    EXPECT_EQ(Read(Zip({{"a.xd", kXd}, {"b.xd", kXd}})).reason,
              "The archive holds more than one file; the game reads one puzzle.");
    EXPECT_EQ(Read(Zip({{"folder/", ""}})).reason, "The archive holds no puzzle file.");
    EXPECT_EQ(Read(Zip({{"inner.zip", Zip({{"a.xd", kXd}})}})).reason,
              "The archive holds another archive.");
    std::vector<Entry> many;
    for (int i = 0; i < 65; ++i)
        many.push_back({"f" + std::to_string(i), "x"});
    EXPECT_EQ(Read(Zip(many)).refusal, kDocumentTooLarge);
    EXPECT_EQ(Read(Zip({{"a.xd", kXd, uint32_t(kDocumentMaxInput) + 1}})).refusal,
              kDocumentTooLarge);
    // A stated size beyond the data, a changed byte (its checksum), a cut archive.
    EXPECT_EQ(Read(Zip({{"a.xd", kXd, uint32_t(kXd.size() + 10)}})).refusal, kDocumentDamaged);
    std::string changed = Zip({{"a.xd", kXd}});
    changed[40] ^= 1;
    EXPECT_EQ(Read(changed).refusal, kDocumentDamaged);
    EXPECT_EQ(Read(Zip({{"a.xd", kXd}}).substr(0, 60)).refusal, kDocumentDamaged);
}

}  // namespace
