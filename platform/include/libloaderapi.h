// Resources of a program: string tables, menus, accelerators, dialogs, bitmaps and custom
// resources, found by numeric id or "#id" name and by type.
#pragma once

#include "windef.h"

#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE(i)  MAKEINTRESOURCEW(i)
#define IS_INTRESOURCE(r)   ((((ULONG_PTR)(r)) >> 16) == 0)

#define RT_CURSOR      MAKEINTRESOURCEW(1)
#define RT_BITMAP      MAKEINTRESOURCEW(2)
#define RT_ICON        MAKEINTRESOURCEW(3)
#define RT_MENU        MAKEINTRESOURCEW(4)
#define RT_DIALOG      MAKEINTRESOURCEW(5)
#define RT_STRING      MAKEINTRESOURCEW(6)
#define RT_ACCELERATOR MAKEINTRESOURCEW(9)
#define RT_RCDATA      MAKEINTRESOURCEW(10)
#define RT_GROUP_ICON  MAKEINTRESOURCEW(14)

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);
HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
LPVOID WINAPI LockResource(HGLOBAL loaded);
DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
BOOL WINAPI FreeResource(HGLOBAL loaded);
int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferChars);

// A bitmap resource (RT_BITMAP, the bytes of a .bmp file) as a new GDI bitmap at the device
// scale; the caller deletes it with DeleteObject. nullptr when there is no such resource.
HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name);

// An accelerator resource (RT_ACCELERATOR, an array of ACCEL records) as a new table; the
// caller may free it with DestroyAcceleratorTable. nullptr when there is no such resource.
HACCEL WINAPI LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name);
