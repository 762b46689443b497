// A device root of its own for one fuzz run, removed at exit. It lives in memory when the
// host has a memory file system, where the flush of every saved file costs nothing.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string& FuzzDeviceRoot()
{
    static std::string root;
    return root;
}

// Makes the root and points the headless device at it.
inline void UseFuzzDeviceRoot()
{
    namespace fs = std::filesystem;
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string root = (base / "crossword-fuzz-XXXXXX").string();
    if (!mkdtemp(root.data()))
        std::abort();
    setenv("CROSSWORD_DEVICE_ROOT", root.c_str(), 1);
    setenv("CROSSWORD_BACKEND", "headless", 1);
    FuzzDeviceRoot() = root;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(FuzzDeviceRoot(), ignored);
    });
}
