// Starting a program on the emulated device. A program's main() describes itself and makes
// one call:
//
//     int main(int argc, char** argv)
//     {
//         const DeviceProgram program = {u"\\Program Files\\X\\X.exe", WinMain, Register};
//         return DeviceMain(argc, argv, program);
//     }
//
// Not part of the handheld's own API.
#pragma once

#include "windef.h"

struct DeviceProgram {
    const char16_t* modulePath;                               // e.g. u"\\Program Files\\X\\X.exe"
    int(WINAPI* winMain)(HINSTANCE, HINSTANCE, LPWSTR, int);  // the program's entry point
    HINSTANCE (*registerResources)();                         // may be nullptr; gives the instance
    bool opensFiles = false;  // the host files named as arguments come into the device for it
};

// Picks the backend (CROSSWORD_BACKEND, else SDL2 when a display is available) and the scale
// (CROSSWORD_SCALE, else the largest that fits the display), sets the module path, turns
// SIGTERM, SIGINT and SIGHUP into WM_CLOSE to the program's window, runs WinMain and shuts
// the backend down. Returns WinMain's result, or 1 with a one-line message on stderr when no
// backend can start.
//
// For a program that opens files, each argument is a host file, brought into "\My Documents"
// as a file dropped on the window is (the same bytes already there are taken as they are,
// nothing is overwritten); WinMain's command line holds their device paths, each in double
// quotes, separated by spaces, with a "+" before the quotes of a file this start copied in
// (so that a program that refuses the file can remove the copy it caused, and never a file
// that was there before). An argument that cannot be brought in is named on stderr and left
// out. Other programs get an empty command line whatever the arguments.
int DeviceMain(int argc, char** argv, const DeviceProgram& program);
