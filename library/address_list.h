// The download addresses the user keeps: "crosswordhttplist.dat" in the program folder, each
// address as ANSI text followed by one zero byte, no file at all for an empty list. The list
// lives in the download dialog's list box while the dialog is open.
#pragma once

#include "windows.h"

constexpr int kAddressListFileLimit = 4096;  // bytes read back from the file

// The address shown when there is no list file yet.
extern const char16_t kDefaultAddress[];

// Fills the dialog's address list box from the file. False when there is no file and the
// default address was shown instead.
bool LoadAddressList(HWND dialog);

// Writes the list box's addresses to the file, replacing it in one step; an empty list
// deletes the file. A failed write is told in a box owned by the dialog.
void SaveAddressList(HWND dialog);
