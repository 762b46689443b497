// The words of a failed write, shared by the auto-save, Open File's hand-over, the kept
// records, the address list and the download, so one failure reads the same everywhere.
#include "failed_write.h"

LPCWSTR FailedWriteReason(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL: return u"the device is full";
    case ERROR_ACCESS_DENIED: return u"the file or its folder cannot be written";
    case ERROR_PATH_NOT_FOUND: return u"its folder is gone";
    }
    return u"the device refused the write";
}

LPCWSTR FailedStepLabel(WholeFileStep step)
{
    switch (step) {
    case kWholeFileDone: break;
    case kWholeFileCreate: return u"CreateFile Error";
    case kWholeFileWrite: return u"WriteFile Error";
    case kWholeFileFlush: return u"FlushFileBuffers Error";
    case kWholeFileMove: return u"MoveFile Error";
    }
    return nullptr;
}

void TellFailedWrite(HWND owner, LPCWSTR what, WholeFileStep step, DWORD error)
{
    WCHAR text[MAX_PATH + 96];
    wsprintfW(text, u"%s could not be saved. %s: %x", what, FailedStepLabel(step), error);
    MessageBoxW(owner, text, u"Error", MB_OK | MB_ICONINFORMATION);
}
