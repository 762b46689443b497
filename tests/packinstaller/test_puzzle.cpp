// The installer tests' puzzles.
#include "test_puzzle.h"

#include "puzzle_image.h"

std::string MakeTestPuzzle(const std::string& title, int side, char first)
{
    PuzzleImage image;
    image.width = image.height = side;
    for (int i = 0; i < side * side; ++i)
        image.solution += i % 7 == 6 ? '.' : char('A' + (first - 'A' + i) % 26);
    image.title = title;
    image.author = "Test Author";
    image.copyright = "(c) Tests";
    AddClues(&image);
    return Bytes(image);
}
