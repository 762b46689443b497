// printpdf PUZZLE.puz [--letters | --solution] [--key NNNN] [--paper a4|letter] [-o OUT.pdf]:
// prints a puzzle file the way the game prints its open puzzle, the same command as the game's
// `crossword --print`, for looking at printed pages without the game's device.
#include "print_command.h"

int main(int argc, char** argv)
{
    return RunPrintCommand(argc, argv);
}
