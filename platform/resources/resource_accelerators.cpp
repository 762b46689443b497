// LoadAcceleratorsW: accelerator resources are ACCEL arrays in the program's tables.
#include "resources.h"
#include "winuser.h"

HACCEL WINAPI LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name)
{
    HRSRC found = FindResourceW(instance, name, RT_ACCELERATOR);
    if (!found) {
        return nullptr;
    }
    const ResourceEntry* entry = ResourceEntryFromHandle(found);
    return CreateAcceleratorTableW(static_cast<const ACCEL*>(entry->data),
                                   static_cast<int>(entry->size));
}
