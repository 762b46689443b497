// The files the game puts on a new device: registered before the first file operation, they
// are written when the device root is created and never overwrite a file that exists.
#pragma once

// The starter puzzle's device path.
extern const char16_t kStarterPuzzlePath[];

// Registers the starter puzzle "\My Documents\Welcome.puz".
void RegisterDeviceSeedFiles();
