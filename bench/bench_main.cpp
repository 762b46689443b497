// Main of every benchmark program: the headless backend and a device root of its own in a
// new temporary folder, removed at the end, so a benchmark never opens a window or touches
// the user's device files. What a program needs on the device beyond that (its resources,
// the files a new device starts with) its benchmarks set up after AutomationResetDevice,
// which forgets them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::string root = (fs::temp_directory_path() / "crossword-bench-XXXXXX").string();
    if (!mkdtemp(root.data())) {
        std::perror("mkdtemp");
        return 2;
    }
    setenv("CROSSWORD_DEVICE_ROOT", root.c_str(), 1);
    setenv("CROSSWORD_BACKEND", "headless", 1);
    benchmark::Initialize(&argc, argv);
    int result = 1;
    if (!benchmark::ReportUnrecognizedArguments(argc, argv)) {
        benchmark::RunSpecifiedBenchmarks();
        result = 0;
    }
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(root, ignored);
    return result;
}
