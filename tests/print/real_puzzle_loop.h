// The real-file corpus for the print tests: every puzzle the game's reader accepts, of any
// format it reads, read into gGame as the game would open it (the refused ones are the core
// and format tests' concern).
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "puzzle_reader.h"

// Calls `visit` with each accepted puzzle's path once it is in gGame; returns how many.
inline int ForEachRealPuzzle(const std::filesystem::path& folder,
                             const std::function<void(const std::filesystem::path&)>& visit)
{
    int visited = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        const std::filesystem::path ext = item.path().extension();
        if (ext != ".puz" && ext != ".ipuz" && ext != ".jpz" && ext != ".xd")
            continue;
        std::ifstream in(item.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        ResetGameState();
        if (!LoadPuzzleImage(bytes.data(), int(bytes.size())))
            continue;
        ParsePuzzle();
        visit(item.path());
        ++visited;
    }
    return visited;
}
