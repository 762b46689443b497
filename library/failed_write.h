// How the game tells a write that failed: every file it keeps is written whole, and a write
// storage refused is never silent. The words only; what was being written is the caller's.
#pragma once

#include "whole_file.h"
#include "windows.h"

// The player's words for why a write failed: "the device is full", ...
LPCWSTR FailedWriteReason(DWORD error);

// The label of the step that failed, as the download's errors name it: "CreateFile Error",
// "WriteFile Error", "FlushFileBuffers Error", "MoveFile Error"; nullptr for kWholeFileDone.
LPCWSTR FailedStepLabel(WholeFileStep step);

// "<what> could not be saved. MoveFile Error: 5", in an "Error" box owned by `owner`.
void TellFailedWrite(HWND owner, LPCWSTR what, WholeFileStep step, DWORD error);
