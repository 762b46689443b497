// Test automation of the emulated device: what a test script may answer or inspect.
// Programs never include this; tests and developer tools do.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "winbase.h"
#include "windef.h"

// One MessageBoxW call as the device saw it.
struct MessageBoxRecord {
    HWND owner;              // owner window, or nullptr
    std::u16string text;     // the message text
    std::u16string caption;  // the caption
    UINT type;               // MB_* flags as passed
    int answer;              // IDOK, IDYES, IDNO, ... as returned
};

// Queues the answer for the next message box whose caption is `caption`.
void AutomationAnswerMessageBox(const std::u16string& caption, int button);

// Every message box shown since the last AutomationReset, oldest first.
const std::vector<MessageBoxRecord>& AutomationMessageBoxes();

// Calls `probe` for each message box while it is up, before it is answered (`answer` is 0),
// so a test can look at the device as the user sees it then. nullptr removes the probe;
// AutomationReset does too.
void AutomationSetMessageBoxProbe(void (*probe)(const MessageBoxRecord& box));

// Forgets recorded calls and queued answers.
void AutomationReset();

// ---- Scripted input ------------------------------------------------------------------------
// Each call appends to the script; a message loop consumes the script only when it would
// otherwise block. Coordinates are device pixels of the screen (240 × 320).

void AutomationTap(int x, int y);  // stylus down and up
void AutomationStylusDown(int x, int y);
void AutomationStylusMove(int x, int y);
void AutomationStylusUp(int x, int y);
void AutomationHold(int x, int y);                               // tap-and-hold, then lift
void AutomationDrag(int x0, int y0, int x1, int y1, int steps);  // down, `steps` moves, up
void AutomationKeyDown(UINT virtualKey);
void AutomationKeyUp(UINT virtualKey);
void AutomationKey(UINT virtualKey);  // down and up
void AutomationChar(WCHAR ch);
void AutomationAdvance(DWORD milliseconds);  // let virtual time pass (timers fire)
void AutomationCloseRequest();               // the user closes the program
void AutomationMinimise();                   // the user minimises the program
// The desktop window loses the keyboard focus to another desktop program (false), as when the
// user switches to one, or has it back (true).
void AutomationHostFocus(bool focused);
void AutomationDropFile(const std::string& hostPath);
// Runs `probe` when a waiting loop reaches it in the script, with whatever window is up then:
// a test's look at a modal dialog that its own code opened.
void AutomationProbe(std::function<void()> probe);

// Items of the script not yet consumed.
int AutomationScriptLength();

// Processes the script and every pending message (translate and dispatch, paints and due
// timers included) until the script is used up and nothing is queued. Returns false when
// WM_QUIT was retrieved (the rest stays queued), true when the device is idle. A nested
// loop that would block with an empty script still fails the run, naming that loop.
bool AutomationRunUntilIdle();

// Destroys every window and forgets classes, queues, timers, the script, recorded programs,
// message boxes and the files registered to seed a new device root; the virtual clock starts
// again at 0. Call at the start of each test.
void AutomationResetDevice();

// While set, GetLocalTime answers `time` (a fixed date for tests of what depends on the
// day); nullptr goes back to the host's clock, as does AutomationResetDevice.
void AutomationSetLocalTime(const SYSTEMTIME* time);

// ---- Files ---------------------------------------------------------------------------------

// While set, every FlushFileBuffers fails with ERROR_WRITE_FAULT, as when the storage answers
// fsync with an I/O error (EIO). AutomationResetDevice clears it.
void AutomationFailFlushes(bool fail);

// The step of writing a file that AutomationFailFileStep makes fail for every file.
enum AutomationFileStep {
    kFileStepNone,
    kFileStepCreate,  // CreateFileW for writing: ERROR_ACCESS_DENIED (reads still open)
    kFileStepWrite,   // WriteFile: ERROR_DISK_FULL
    kFileStepFlush,   // FlushFileBuffers: ERROR_WRITE_FAULT, as AutomationFailFlushes(true)
    kFileStepMove,    // MoveFileExW and MoveFileW: ERROR_ACCESS_DENIED
};
// Until set to kFileStepNone (or AutomationResetDevice), `step` fails for every file, so a
// test sees what each writer does when storage refuses it at that step.
void AutomationFailFileStep(AutomationFileStep step);

// ---- The screen ------------------------------------------------------------------------------

#define CLR_INVALID_PIXEL 0xFFFFFFFFu

// Colour of a device pixel of the screen (the top-left stored pixel of it), or
// CLR_INVALID_PIXEL outside the screen.
COLORREF AutomationScreenPixel(int x, int y);
// Writes the screen as a PNG at its full stored resolution. False when it cannot be written.
bool AutomationSaveScreenPng(const char* path);
// Frames handed to the backend so far.
int AutomationPresentCount();
// What the headless display shows at (x, y): the pixel as the presents so far carried it, which
// differs from AutomationScreenPixel where the device drew without presenting.
COLORREF AutomationShownPixel(int x, int y);
// Presents what the device drew since the last present, as a message loop does before it waits.
void AutomationPresent();
// Pens, brushes, fonts, bitmaps and device contexts created and not yet deleted (stock objects
// excluded): a test compares the count before and after an operation to find a leak.
int AutomationGdiObjectCount();
// While set, the SDL2 backend is refused the window surface when it opens its window, as on a
// display SDL has no framebuffer for, and so presents through an SDL renderer instead. Setting
// it also lets the next refusal be told again, as in a new run.
void AutomationFailWindowSurface(bool fail);

// ---- Other programs --------------------------------------------------------------------------

// One CreateProcessW call. Under the headless backend nothing is started.
struct ProgramStartRecord {
    std::u16string program;      // as passed (application name, or first word of the command)
    std::u16string commandLine;  // the arguments
    std::string target;          // what would be opened: file:// URL or address; empty if none
    bool started;                // false when the program is unknown (CreateProcessW failed)
};
const std::vector<ProgramStartRecord>& AutomationStartedPrograms();
void AutomationResetPrograms();

// How many raise requests from other running copies this process has handled.
int AutomationRaiseRequests();

// On: SIGTERM, SIGINT and SIGHUP become WM_CLOSE to the program's main window (WM_QUIT when
// it has none), as under DeviceMain, so a test can end a program with a real signal. Off:
// they get their default actions again.
void AutomationCatchTerminationSignals(bool on);

// ---- Dialogs, message boxes and common dialogs ----------------------------------------------
// Answers are queued and consumed when the dialog's loop would block (nothing else to do),
// before any scripted input is used. AutomationReset forgets queued answers and records.

// Queues the answer for the next open- or save-file dialog: the path the user chooses. A save
// dialog adds the type's extension to a name without one, as for a typed name.
void AutomationAnswerFileDialog(const std::u16string& devicePath);
// Queues a Cancel for the next file dialog.
void AutomationCancelFileDialog();

// One GetOpenFileNameW / GetSaveFileNameW call as the device saw it.
struct FileDialogRecord {
    bool save;                // GetSaveFileNameW
    std::u16string title;     // lpstrTitle, or the default title
    std::u16string proposal;  // lpstrFile's content when the dialog opened
    std::u16string folder;    // the folder the dialog started in
    std::u16string result;    // the full path returned; empty when cancelled
};
const std::vector<FileDialogRecord>& AutomationFileDialogs();

// Queues the colour the user picks in the next colour chooser (then OK).
void AutomationPickColour(COLORREF colour);
// Queues a Cancel for the next colour chooser.
void AutomationCancelColourChooser();

// One ChooseColorW call.
struct ColourChooserRecord {
    COLORREF initial;  // the colour the chooser started with
    bool confirmed;    // ended with OK
    COLORREF result;   // rgbResult afterwards
};
const std::vector<ColourChooserRecord>& AutomationColourChoosers();
// ---- End of dialogs
