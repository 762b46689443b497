// The automation's side of the common dialogs: queued answers, the records of every call,
// and CommDlgExtendedError.
#include <deque>

#include "automation.h"
#include "common_dialog_internal.h"

namespace {

std::deque<FileDialogAnswer> gFileAnswers;
std::deque<ColourAnswer> gColourAnswers;
std::vector<FileDialogRecord> gFileRecords;
std::vector<ColourChooserRecord> gColourRecords;
DWORD gLastError = 0;

}  // namespace

void AutomationAnswerFileDialog(const std::u16string& devicePath)
{
    gFileAnswers.push_back({false, devicePath});
}

void AutomationCancelFileDialog()
{
    gFileAnswers.push_back({true, {}});
}

const std::vector<FileDialogRecord>& AutomationFileDialogs()
{
    return gFileRecords;
}

void AutomationPickColour(COLORREF colour)
{
    gColourAnswers.push_back({false, colour});
}

void AutomationCancelColourChooser()
{
    gColourAnswers.push_back({true, 0});
}

const std::vector<ColourChooserRecord>& AutomationColourChoosers()
{
    return gColourRecords;
}

std::optional<FileDialogAnswer> TakeFileDialogAnswer()
{
    if (gFileAnswers.empty()) {
        return std::nullopt;
    }
    FileDialogAnswer answer = gFileAnswers.front();
    gFileAnswers.pop_front();
    return answer;
}

void RecordFileDialog(bool save, std::u16string title, std::u16string proposal,
                      std::u16string folder, std::u16string result)
{
    gFileRecords.push_back(
        {save, std::move(title), std::move(proposal), std::move(folder), std::move(result)});
}

std::optional<ColourAnswer> TakeColourAnswer()
{
    if (gColourAnswers.empty()) {
        return std::nullopt;
    }
    ColourAnswer answer = gColourAnswers.front();
    gColourAnswers.pop_front();
    return answer;
}

void RecordColourChooser(COLORREF initial, bool confirmed, COLORREF result)
{
    gColourRecords.push_back({initial, confirmed, result});
}

void SetCommonDialogError(DWORD error)
{
    gLastError = error;
}

DWORD WINAPI CommDlgExtendedError(void)
{
    return gLastError;
}

void ResetCommonDialogAutomation()
{
    gFileAnswers.clear();
    gColourAnswers.clear();
    gFileRecords.clear();
    gColourRecords.clear();
    gLastError = 0;
}
