// How a program hands its resources to the device: constant tables, registered once at
// start. The Win32-shaped lookups (FindResourceW, LoadStringW, LoadBitmapW, LoadMenuW, ...)
// then find them by id and type. Programs include this only in their resource tables.
#pragma once

#include "libloaderapi.h"

// One resource. `type` is an RT_* value or a type name such as u"PUZZLETYPE"; `id` is the
// numeric id ("#256" names find id 256). What `data` points to depends on the type:
//   RT_STRING       a NUL-terminated UTF-16 string (size: characters without the NUL)
//   RT_BITMAP       the bytes of a .bmp file
//   RT_MENU         a MenuTemplate (winuser.h)
//   RT_ACCELERATOR  an array of ACCEL records (size: number of records)
//   RT_DIALOG       a DLGTEMPLATEW record (winuser.h)
//   RT_RCDATA and named types: raw bytes
struct ResourceEntry {
    LPCWSTR type;  // RT_* or a type name
    UINT id;       // numeric id
    const void* data;
    DWORD size;  // bytes, or elements as listed above
};

struct ResourceModule {
    LPCWSTR moduleFileName;        // device path of the program, e.g. "\Program Files\X\X.exe"
    const ResourceEntry* entries;  // in any order
    int count;
};

// Registers a program's resources and returns its instance handle. The first module
// registered is the one GetModuleHandleW(nullptr) returns. Registering the same table again
// returns the same handle.
HINSTANCE RegisterResourceModule(const ResourceModule* module);

// The entry a handle from FindResourceW stands for (platform-internal users: menus,
// dialogs, bitmaps, accelerators).
const ResourceEntry* ResourceEntryFromHandle(HRSRC resource);
