// Test automation of the emulated device: what a test script may answer or inspect.
// Programs never include this; tests and developer tools do.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

// One MessageBoxW call as the device saw it.
struct MessageBoxRecord {
    HWND owner;             // owner window, or nullptr
    std::u16string text;    // the message text
    std::u16string caption; // the caption
    UINT type;              // MB_* flags as passed
    int answer;             // IDOK, IDYES, IDNO, ... as returned
};

// Queues the answer for the next message box whose caption is `caption`.
void AutomationAnswerMessageBox(const std::u16string& caption, int button);

// Every message box shown since the last AutomationReset, oldest first.
const std::vector<MessageBoxRecord>& AutomationMessageBoxes();

// Forgets recorded calls and queued answers.
void AutomationReset();
