// Finding the real-file corpus; see real_puzzles.h.
#include "real_puzzles.h"

#include <cstdlib>

namespace {

std::filesystem::path Expected(const std::string& name)
{
    const char* root = std::getenv("CROSSWORD_TESTDATA");
    return std::filesystem::path(root ? root : "") / name;
}

}  // namespace

std::filesystem::path RealCorpusFolder(const std::string& name)
{
    std::error_code error;
    const std::filesystem::path folder = Expected(name);
    return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

std::string RealCorpusMissing(const std::string& name)
{
    return "no real-file corpus at " + Expected(name).string() +
           ": set CROSSWORD_TESTDATA to the folder that holds " + name +
           " (by default ../shared/testdata beside the checkout)";
}

std::filesystem::path RealPuzzleFolder()
{
    return RealCorpusFolder("puz-real");
}

std::string RealPuzzlesMissing()
{
    return RealCorpusMissing("puz-real");
}

bool RealPuzzlesRequired()
{
    const char* required = std::getenv("CROSSWORD_REQUIRE_TESTDATA");
    return required && *required && std::string(required) != "0";
}
