// The dialogs' entries of the program's resource table: the eight templates, the quick
// help's pictures, the About picture and the logo pieces. The table lists them with
// DIALOG_RESOURCE_ENTRIES; RegisterHelpPages puts the help page on the device.
#pragma once

#include "dialog_artwork.h"
#include "dialog_ids.h"
#include "dialog_templates.h"
#include "resource_ids.h"

#define DIALOG_BITMAP_ENTRY(id, name)                                                              \
    {                                                                                              \
        RT_BITMAP, id, kAsset_##name##_bmp, DWORD(kAsset_##name##_bmp_size)                        \
    }

// clang-format off
#define DIALOG_RESOURCE_ENTRIES                                                    \
    {RT_DIALOG, IDD_DOWNLOAD, &kDownloadDialog, sizeof kDownloadDialog},           \
    {RT_DIALOG, IDD_ABOUT, &kAboutDialog, sizeof kAboutDialog},                    \
    {RT_DIALOG, IDD_PREFERENCES, &kPreferencesDialog, sizeof kPreferencesDialog},  \
    {RT_DIALOG, IDD_CLUE_LIST, &kClueListDialog, sizeof kClueListDialog},          \
    {RT_DIALOG, IDD_QUICK_HELP, &kQuickHelpDialog, sizeof kQuickHelpDialog},       \
    {RT_DIALOG, IDD_PUZZLE_INFO, &kPuzzleInfoDialog, sizeof kPuzzleInfoDialog},    \
    {RT_DIALOG, IDD_UNLOCK, &kUnlockDialog, sizeof kUnlockDialog},                 \
    {RT_DIALOG, IDD_PRINT, &kPrintDialog, sizeof kPrintDialog},                    \
    DIALOG_BITMAP_ENTRY(IDB_HELP_MENU, help_menu_123),                             \
    DIALOG_BITMAP_ENTRY(IDB_HELP_CHECK, help_check_124),                           \
    DIALOG_BITMAP_ENTRY(IDB_HELP_HINT, help_hint_125),                             \
    DIALOG_BITMAP_ENTRY(IDB_HELP_ZOOM, help_zoom_126),                             \
    DIALOG_BITMAP_ENTRY(IDB_HELP_CLUE_LIST, help_clues_127),                       \
    DIALOG_BITMAP_ENTRY(IDB_HELP_OPEN, help_open_128),                             \
    DIALOG_BITMAP_ENTRY(IDB_HELP_KEYBOARD, help_keyboard_130),                     \
    DIALOG_BITMAP_ENTRY(IDB_HELP_DIRECTION, help_direction_131),                   \
    DIALOG_BITMAP_ENTRY(IDB_HELP_ABOUT, help_about_116),                           \
    DIALOG_BITMAP_ENTRY(IDB_ABOUT, about_137),                                     \
    DIALOG_BITMAP_ENTRY(IDB_LOGO_LEFT, logo_left_145),                             \
    DIALOG_BITMAP_ENTRY(IDB_LOGO_MIDDLE, logo_middle_146),                         \
    DIALOG_BITMAP_ENTRY(IDB_LOGO_RIGHT, logo_right_147)
// clang-format on

// The help page "Quorvale.htm" in "\Windows", where the help viewer finds it.
void RegisterHelpPages();
