// One embedded puzzle written to a file, whole or not at all.
#include "extract_puzzle.h"

#include "installer_ids.h"
#include "installer_state.h"
#include "whole_file.h"

bool ExtractPuzzle(const WCHAR* resourceName, const WCHAR* path)
{
    HRSRC found = FindResourceW(gInstaller.instance, resourceName, PUZZLE_TYPE);
    if (!found)
        return false;
    const void* bytes = LockResource(LoadResource(gInstaller.instance, found));
    const DWORD size = SizeofResource(gInstaller.instance, found);
    if (!bytes)
        return false;

    return WriteFileWhole(path, bytes, size) == kWholeFileDone;
}
