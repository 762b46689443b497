// The shared part of every build's resources.
#include "installer_resources.h"

#include "brambleset_artwork.h"
#include "device.h"
#include "installer_ids.h"

// Dialog units are 6 x 13 pixels per 4 x 8 here: the buttons sit at y 226 pixels, under the
// help lines of the splash picture; the status fields under the buttons.
const DLGITEMTEMPLATEW kIntroDialogItems[] = {
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 4, 139, 40, 14, IDC_INTRO_OK, DLG_ATOM_BUTTON, u"OK"},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 47, 139, 44, 14, IDC_PREVIEW, DLG_ATOM_BUTTON, u"Preview"},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 95, 139, 60, 14, IDC_INSTALL, DLG_ATOM_BUTTON, u"Install"},
    {SS_LEFT, 0, 4, 157, 70, 9, IDC_STATUS, DLG_ATOM_STATIC, u""},
    {SS_LEFT, 0, 76, 157, 80, 9, IDC_FILE_NAME, DLG_ATOM_STATIC, u""},
};
const WORD kIntroDialogItemCount = WORD(sizeof kIntroDialogItems / sizeof kIntroDialogItems[0]);

const DLGITEMTEMPLATEW kPreviewDialogItems[] = {
    {SS_LEFT, 0, 4, 4, 150, 10, IDC_HEADING, DLG_ATOM_STATIC, u"Included Puzzles"},
    {LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 0, 4, 16, 152, 140,
     IDC_PUZZLE_LIST, DLG_ATOM_LISTBOX, nullptr},
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 58, 162, 44, 14, IDC_PREVIEW_OK, DLG_ATOM_BUTTON, u"OK"},
};
const WORD kPreviewDialogItemCount =
    WORD(sizeof kPreviewDialogItems / sizeof kPreviewDialogItems[0]);

const ResourceEntry kSharedInstallerEntries[] = {
    // The icon is kept as the picture it is; the device only stores a class icon.
    {RT_ICON, IDI_INSTALLER, kAsset_installer_icon_101_bmp,
     DWORD(kAsset_installer_icon_101_bmp_size)},
    {RT_BITMAP, IDB_PIECE_LEFT, kAsset_piece_145_bmp, DWORD(kAsset_piece_145_bmp_size)},
    {RT_BITMAP, IDB_PIECE_MIDDLE, kAsset_piece_146_bmp, DWORD(kAsset_piece_146_bmp_size)},
    {RT_BITMAP, IDB_PIECE_RIGHT, kAsset_piece_147_bmp, DWORD(kAsset_piece_147_bmp_size)},
};
const int kSharedInstallerEntryCount =
    int(sizeof kSharedInstallerEntries / sizeof kSharedInstallerEntries[0]);

void SeedInstallerHelp()
{
    DeviceSeedFile(u"\\Windows\\Tinsmere.htm", kAsset_Tinsmere_htm, kAsset_Tinsmere_htm_size);
}

const unsigned char* InstallerHelpPage(size_t* size)
{
    *size = kAsset_Tinsmere_htm_size;
    return kAsset_Tinsmere_htm;
}
