// The emulated handheld as a whole: what a program declares about itself at start and what
// a build registers to be present on a new device. Not part of the handheld's own API.
#pragma once

#include <cstddef>

#include "windef.h"

// The device path GetModuleFileNameW reports for the running program; the default is
// "\Program Files\Crossword\Crossword.exe". The folder is created when it does not exist.
void DeviceSetModuleFileName(const char16_t* devicePath);

// Registers a file that a newly created device root starts with (a starter puzzle, help
// pages). Seeding happens once, on the first file operation against a root that is missing
// or empty; a file registered after that, while the same fresh root is in use, is written at
// once. An existing file is never overwritten.
void DeviceSeedFile(const char16_t* devicePath, const void* bytes, size_t size);
