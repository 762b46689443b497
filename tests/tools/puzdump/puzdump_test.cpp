// puzdump against the oracle records of the real-file corpus: notes, the lock and the keys
// that open it, circles, rebus squares, timer, the player's rebus and the extra sections as
// the game's reader keeps them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "oracle_json.h"
#include "real_puzzles.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Dump(const fs::path& puzzle)
{
    const std::string command = std::string("'" PUZDUMP_PROGRAM "' '") + puzzle.string() + "'";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[4096];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
            out.append(chunk, n);
        pclose(pipe);
    }
    return out;
}

bool Empty(const Json& j)
{
    return j.kind == Json::kNull ||
           (j.kind != Json::kString && j.items.empty() && j.fields.empty() &&
            (j.kind == Json::kArray || j.kind == Json::kObject));
}

// Arrays in order, objects by key; a missing field, an empty list and an empty map all say
// "none" (the records leave out what a file lacks).
bool Same(const Json& a, const Json& b)
{
    if (Empty(a) && Empty(b))
        return true;
    if (a.kind != b.kind || a.boolean != b.boolean || a.number != b.number || a.text != b.text ||
        a.items.size() != b.items.size() || a.fields.size() != b.fields.size())
        return false;
    for (size_t i = 0; i < a.items.size(); ++i) {
        if (!Same(a.items[i], b.items[i]))
            return false;
    }
    for (const auto& [key, value] : a.fields) {
        if (!Same(value, b[key]))
            return false;
    }
    return true;
}

}  // namespace

TEST(Puzdump, AgreesWithEveryOracleOnSectionsNotesAndTheLock)
{
    const fs::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int compared = 0;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().extension() != ".puz")
            continue;
        SCOPED_TRACE(item.path().filename().string());
        Json oracle;
        ASSERT_TRUE(ParseJson(Slurp(fs::path(item.path()).replace_extension(".json")), &oracle));
        if (oracle.Has("error"))
            continue;
        Json dump;
        ASSERT_TRUE(ParseJson(Dump(item.path()), &dump));
        EXPECT_TRUE(Same(dump["notes"], oracle["notes"]));
        const Json& got = dump["details"];
        const Json& want = oracle["details"];
        for (const char* field : {"scrambled", "no_solution", "circles", "rebus_table",
                                  "rebus_cells", "timer", "user_rebus"})
            EXPECT_TRUE(Same(got[field], want[field])) << field;
        ASSERT_EQ(got["sections"].items.size(), want["sections"].items.size());
        for (size_t k = 0; k < want["sections"].items.size(); ++k) {
            for (const char* field : {"name", "length", "checksum_ok"})
                EXPECT_TRUE(Same(got["sections"].items[k][field], want["sections"].items[k][field]))
                    << k << " " << field;
        }
        EXPECT_TRUE(Same(got["unlock"]["keys"], want["unlock"]["keys"]));
        EXPECT_TRUE(Same(got["unlock"]["solutions"], want["unlock"]["solutions"]));
        ++compared;
    }
    EXPECT_GE(compared, 40);
}
