// write_test_packs: stand-in packs from the tests' puzzle writer, for building the six
// programs before the real packs exist. Usage: write_test_packs <folder>; writes
// <folder>/<one..six>/ with pack.txt and 31 puzzles each, row 0 and pack Three's names as
// the real packs have them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "test_puzzle.h"

extern const char* const kThreeNames[31];

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_test_packs <folder>\n");
        return 2;
    }
    const char* keys[6] = {"one", "two", "three", "four", "five", "six"};
    const char* first[6] = {"55.puz",   "scram.puz", "scoring.puz",
                            "idea.puz", "score.puz", "gym.puz"};
    for (int p = 0; p < 6; ++p) {
        const std::filesystem::path dir = std::filesystem::path(argv[1]) / keys[p];
        std::filesystem::create_directories(dir);
        std::ofstream list(dir / "pack.txt", std::ios::binary);
        for (int row = 0; row < 31; ++row) {
            std::string name =
                row == 0 ? first[p] : "t" + std::to_string(p) + "x" + std::to_string(row) + ".puz";
            if (p == 2)
                name = kThreeNames[row];
            const std::string title =
                std::string("Stand-in ") + keys[p] + " " + std::to_string(row + 1);
            const std::string bytes = MakeTestPuzzle(title, 15, char('A' + (row + p) % 26));
            std::ofstream(dir / name, std::ios::binary)
                .write(bytes.data(), std::streamsize(bytes.size()));
            list << name << "\n";
        }
    }
    return 0;
}
