// Reading the artwork programs' command line.
#include "output_folder.h"

#include <cstdio>
#include <cstring>

std::string OutputFolder(int argc, char** argv, const char* program, int* exitCode)
{
    const bool help =
        argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    if (argc == 2 && argv[1][0] && argv[1][0] != '-')
        return argv[1];
    std::fprintf(help ? stdout : stderr, "usage: %s <output folder>\n", program);
    *exitCode = help ? 0 : 2;
    return std::string();
}
