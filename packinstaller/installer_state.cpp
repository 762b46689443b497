// The installer's state record.
#include "installer_state.h"

InstallerState gInstaller = {};

void ResetPieces()
{
    gInstaller.leftPiece = {0, 102};
    gInstaller.middlePiece = {106, 0};  // the first frame moves it to x 102
    gInstaller.rightPiece = {240, 102};
}

void ResetSipInfo()
{
    gInstaller.sipInfo = {};
    gInstaller.sipInfo.cbSize = sizeof gInstaller.sipInfo;
}
