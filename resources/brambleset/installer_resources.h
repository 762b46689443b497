// What the six builds of the installer share in their resource tables: the dialog items, the
// icon, the animation pieces and the help page. Each build's own table (generated from
// pack_resources.cpp.in) adds its title, splash picture, pack table and puzzles.
#pragma once

#include "resources.h"
#include "windows.h"

extern const DLGITEMTEMPLATEW kIntroDialogItems[];
extern const WORD kIntroDialogItemCount;
extern const DLGITEMTEMPLATEW kPreviewDialogItems[];
extern const WORD kPreviewDialogItemCount;

// The resources every build carries alike: icon 101 and pieces 145, 146 and 147.
extern const ResourceEntry kSharedInstallerEntries[];
extern const int kSharedInstallerEntryCount;

// Registers the help page "\Windows\Tinsmere.htm" as a file a new device starts with.
void SeedInstallerHelp();

// The help page's bytes (for tests that compare the seeded file).
const unsigned char* InstallerHelpPage(size_t* size);
