// LoadBitmapW: bitmap resources are .bmp bytes in the program's tables, decoded by GDI.
#include "gdi/gdi_internal.h"
#include "resources.h"

HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name)
{
    HRSRC found = FindResourceW(instance, name, RT_BITMAP);
    if (!found) {
        return nullptr;
    }
    const ResourceEntry* entry = ResourceEntryFromHandle(found);
    return GdiCreateBitmapFromBmp(entry->data, entry->size);
}
