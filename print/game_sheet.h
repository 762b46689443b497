// The open puzzle of the game as a sheet to print: the one place that reads gGame for the
// printout, so that the renderer knows nothing of the game.
#pragma once

#include <string>

#include "print_sheet.h"

// Fills `sheet` from gGame with the grid showing `contents`. False, with the reason as a
// sentence for a message box, when the solution is asked for and the puzzle's is locked or
// missing, or when no puzzle is open.
bool SheetFromGame(PrintContents contents, PrintSheet* sheet, std::string* error);
