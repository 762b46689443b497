// Finding the real-file corpus; see real_puzzles.h.
#include "real_puzzles.h"

#include <cstdlib>

namespace {

std::filesystem::path Expected()
{
    const char* root = std::getenv("CROSSWORD_TESTDATA");
    return std::filesystem::path(root ? root : "") / "puz-real";
}

}  // namespace

std::filesystem::path RealPuzzleFolder()
{
    std::error_code error;
    const std::filesystem::path folder = Expected();
    return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

std::string RealPuzzlesMissing()
{
    return "no real-file corpus at " + Expected().string() +
           ": set CROSSWORD_TESTDATA to the folder that holds puz-real (by default "
           "../shared/testdata beside the checkout)";
}

bool RealPuzzlesRequired()
{
    const char* required = std::getenv("CROSSWORD_REQUIRE_TESTDATA");
    return required && *required && std::string(required) != "0";
}
