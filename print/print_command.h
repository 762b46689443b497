// Printing from the command line, without a window: the arguments after `--print` of the
// game (and the whole command line of the printpdf tool) name a puzzle file of the host and
// what to print of it.
#pragma once

// Runs `program PUZZLE [--letters | --solution] [--key NNNN] [--paper a4|letter]
// [-o OUT.pdf]` with argv[0] the program's name. The PDF goes to OUT.pdf, or beside the
// puzzle with the extension .pdf. --letters prints the letters the file itself holds (another
// solving program's fill). Returns the exit status: 0 written, 1 a puzzle that cannot be
// read or printed or a PDF that cannot be written (nothing is left behind then), 2 bad
// arguments. Says why on stderr.
int RunPrintCommand(int argc, char** argv);
