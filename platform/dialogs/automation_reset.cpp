// AutomationReset: the dialogs' part of a clean device between tests.
#include "automation.h"

void ResetMessageBoxAutomation();
void ResetCommonDialogAutomation();

void AutomationReset()
{
    ResetMessageBoxAutomation();
    ResetCommonDialogAutomation();
}
