// The one argument of the artwork programs: the folder the .bmp files go to.
#pragma once

#include <string>

// The output folder named by the command line, or empty when the program should stop: after
// printing its usage for --help or -h (`*exitCode` 0), or for anything else that is not one
// folder name (2). A name that starts with "-" is taken for an option, never a folder.
std::string OutputFolder(int argc, char** argv, const char* program, int* exitCode);
