// The installer tests' puzzle writer.
#include "TestPuzzle.h"

std::string MakeTestPuzzle(const std::string& title, int side, char first)
{
    std::string header(0x34, '\0');
    header.replace(0x02, 12, "ACROSS&DOWN", 12);
    header.replace(0x18, 4, "1.3", 4);
    header[0x2C] = char(side);
    header[0x2D] = char(side);
    header[0x2E] = char(2 * side);  // clue count, low byte
    header[0x30] = 1;               // the bitmask word every ordinary file has
    std::string solution;
    std::string fill;
    for (int i = 0; i < side * side; ++i) {
        const bool black = i % 7 == 6;
        solution += black ? '.' : char('A' + (first - 'A' + i) % 26);
        fill += black ? '.' : '-';
    }
    std::string strings = title + '\0' + "Test Author" + '\0' + "(c) Tests" + '\0';
    // More clue strings than the grid has words, so the game's reader finds one for each.
    for (int i = 0; i < side * side; ++i)
        strings += "Clue " + std::to_string(i) + '\0';
    return header + solution + fill + strings + '\0';
}
