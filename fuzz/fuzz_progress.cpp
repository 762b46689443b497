// Any bytes as a progress file: ReadProgressFile trusts or refuses them, and the puzzle
// parsed after it keeps its invariants either way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "automation.h"
#include "fuzz_device_root.h"
#include "grid_invariants.h"
#include "progress_file.h"
#include "puzzle_image.h"
#include "puzzle_reader.h"

namespace {

// A 3 x 3 puzzle with one black square, parsed after every record.
std::string gPuzzle;

std::string ThreeByThree()
{
    PuzzleImage image = MakePuzzle({"CAT", "A.O", "BAT"});
    image.title = "t";
    image.author = "a";
    image.copyright = "c";
    image.clues = {"Pet", "Taxi", "Too", "Bat"};
    return Bytes(image);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    UseFuzzDeviceRoot();
    gPuzzle = ThreeByThree();
    ResetGameState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HANDLE file = CreateFileW(u"\\Temp\\fuzz.dat", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Require(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, data, DWORD(size < 8192 ? size : 8192), &written, nullptr);
    CloseHandle(file);

    ResetGameState();
    static RestoredPlay play;
    const bool trusted = ReadProgressFile(u"\\Temp\\fuzz.dat", &play);
    Require(lstrlenW(gGame.puzzlePath) < MAX_PATH);
    Require(LoadPuzzleImage(gPuzzle.data(), int(gPuzzle.size())));
    ParsePuzzle(trusted ? &play : nullptr);
    CheckGridInvariants();
    if (trusted) {
        // What was read builds a record that reads back to the same settings (in memory:
        // WriteProgressFile's flush to disk would make every run slow).
        const Settings before = gGame.settings;
        unsigned char record[kProgressRecordSize];
        BuildProgressRecord(record);
        Require(ApplyProgressRecord(record, kProgressRecordSize, &play));
        Require(MagnificationIndex(gGame.settings) == MagnificationIndex(before) &&
                gGame.settings.autoSkip == before.autoSkip &&
                gGame.settings.showNumbers == before.showNumbers &&
                gGame.settings.squareColour == before.squareColour &&
                gGame.settings.backgroundColour == before.backgroundColour);
    }
    AutomationReset();
    return 0;
}
