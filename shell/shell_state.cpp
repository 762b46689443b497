#include "shell_state.h"

ShellState gShell;

void ResetSipInfo(SIPINFO* info)
{
    *info = {};
    info->cbSize = sizeof *info;
}
