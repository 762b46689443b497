// Finding the build's pack table among its resources.
#include "pack_table.h"

#include "installer_ids.h"

const PackEntry* LoadPackTable(HINSTANCE instance)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_PACK_TABLE), RT_RCDATA);
    if (!found || SizeofResource(instance, found) != sizeof(PackTable))
        return nullptr;
    return static_cast<const PackEntry*>(LockResource(LoadResource(instance, found)));
}
