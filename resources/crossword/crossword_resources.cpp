// The game's constant resource tables: strings, the menu bar and its menus, the tap-and-hold
// menu, the accelerators, and the artwork that tools/artgen draws (embedded .bmp files).
#include "crossword_resources.h"

#include "crossword_artwork.h"
#include "dialog_resources.h"
#include "resource_ids.h"
#include "resources.h"

namespace {

constexpr const char16_t* kModulePath = u"\\Program Files\\Crossword\\Crossword.exe";

const MenuTemplateItem kMainMenuItems[] = {
    // Pop-up 0, the main menu (menu bar button 1). It opens upwards from the menu bar, so Check,
    // added late, went on top, where it moves no item the hand has learnt, and Block, the square
    // command of diagramless puzzles, went above it.
    {0, u"Menu", 0, 0},
    {1, u"Block", IDM_BLOCK, MF_GRAYED},  // enabled for a diagramless puzzle
    {1, u"Check", 0, 0},
    {2, u"Letter", IDM_CHECK_LETTER, 0},
    {2, u"Word", IDM_CHECK_WORD, 0},
    {2, u"Puzzle", IDM_CHECK, 0},
    {1, u"Puzzles", 0, 0},
    {2, u"Available", IDM_AVAILABLE, 0},
    {2, u"Download", IDM_DOWNLOAD, 0},
    {2, u"Print...", IDM_PRINT, 0},
    {2, u"Unlock Solution...", IDM_UNLOCK, MF_GRAYED},
    {2, u"Lock Solution", IDM_LOCK, MF_GRAYED},
    {1, u"Toggle", 0, 0},
    {2, u"Auto Skip", IDM_AUTO_SKIP, 0},
    {2, u"Numbers", IDM_NUMBERS, 0},
    {2, u"Pencil", IDM_PENCIL, 0},
    {2, u"Marks", IDM_MARKS, 0},
    {1, u"Fill", 0, 0},
    {2, u"Letter", IDM_FILL_LETTER, 0},
    {2, u"Word", IDM_FILL_WORD, 0},
    {2, u"Puzzle", IDM_FILL_PUZZLE, 0},
    {1, u"Clear", 0, 0},
    {2, u"Letter", IDM_CLEAR_LETTER, 0},
    {2, u"Word", IDM_CLEAR_WORD, 0},
    {2, u"Puzzle", IDM_CLEAR_PUZZLE, 0},
    {1, u"Undo", IDM_UNDO, 0},
    {1, u"Preferences", IDM_PREFERENCES, 0},
    {1, u"Puzzle Info", IDM_PUZZLE_INFO, 0},
    {1, nullptr, 0, MF_SEPARATOR},
    {1, u"Help", IDM_HELP, 0},
    {1, u"About", IDM_ABOUT, 0},
    {1, nullptr, 0, MF_SEPARATOR},
    {1, u"Exit", IDM_EXIT, 0},
    // Pop-up 1, what to show the solution of (menu bar button 3).
    {0, u"View", 0, 0},
    {1, u"Current Letter", IDM_VIEW_LETTER, 0},
    {1, u"Current Word", IDM_VIEW_WORD, 0},
    {1, u"Entire Puzzle", IDM_VIEW_PUZZLE, 0},
    // Pop-up 2, the magnification (menu bar button 6).
    {0, u"Zoom", 0, 0},
    {1, u"Small", IDM_SMALL, 0},
    {1, u"Medium", IDM_MEDIUM, 0},
    {1, u"Large", IDM_LARGE, 0},
};
const MenuTemplate kMainMenu = {kMainMenuItems, sizeof kMainMenuItems / sizeof kMainMenuItems[0]};

const MenuTemplateItem kHoldMenuItems[] = {
    {0, u"Hold", 0, 0},
    {1, u"Clear", 0, 0},
    {2, u"Letter", IDM_CLEAR_LETTER, 0},
    {2, u"Word", IDM_CLEAR_WORD, 0},
    {2, u"Puzzle", IDM_CLEAR_PUZZLE, 0},
    {1, u"Fill", 0, 0},
    {2, u"Letter", IDM_FILL_LETTER, 0},
    {2, u"Word", IDM_FILL_WORD, 0},
    {2, u"Puzzle", IDM_FILL_PUZZLE, 0},
    {1, u"View", 0, 0},
    {2, u"Letter", IDM_VIEW_LETTER, 0},
    {2, u"Word", IDM_VIEW_WORD, 0},
    {2, u"Puzzle", IDM_VIEW_PUZZLE, 0},
    {1, u"Check", 0, 0},
    {2, u"Letter", IDM_CHECK_LETTER, 0},
    {2, u"Word", IDM_CHECK_WORD, 0},
    {2, u"Puzzle", IDM_CHECK, 0},
    {1, u"Rebus...", IDM_REBUS, 0},
    // A short name: a wider menu would move the sub-menus the hand has learnt.
    {1, u"Block", IDM_BLOCK, MF_GRAYED},  // enabled for a diagramless puzzle
};
const MenuTemplate kHoldMenu = {kHoldMenuItems, sizeof kHoldMenuItems / sizeof kHoldMenuItems[0]};

// Picture 3 (the information sign) is in the strip but no button shows it.
constexpr BYTE kDropDown = TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE;
constexpr BYTE kButton = TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE;
const MenuBarButton kMenuBarButtons[] = {
    {0, IDM_MAIN_MENU_BUTTON, TBSTATE_ENABLED, kDropDown, 0},
    {1, IDM_CHECK, TBSTATE_ENABLED, kButton, NOMENU},
    {2, IDM_VIEW_MENU, TBSTATE_ENABLED, kDropDown, 1},
    {4, IDM_OPEN, TBSTATE_ENABLED, kButton, NOMENU},
    {5, IDM_CLUE_LIST, TBSTATE_ENABLED, kButton, NOMENU},
    {6, IDM_ZOOM_MENU, TBSTATE_ENABLED, kDropDown, 2},
    {7, IDM_TOGGLE_DIRECTION, TBSTATE_ENABLED, kButton, NOMENU},
    {8, IDM_KEYBOARD, TBSTATE_ENABLED, kButton, NOMENU},
    {9, IDM_ABOUT, TBSTATE_ENABLED, kButton, NOMENU},
};
const MenuBarTemplate kMenuBar = {IDM_MAIN_MENU, kMenuBarButtons,
                                  sizeof kMenuBarButtons / sizeof kMenuBarButtons[0]};

constexpr BYTE kCtrlKey = FVIRTKEY | FNOINVERT | FCONTROL;
const ACCEL kAccelerators[] = {
    {kCtrlKey, 'A', IDM_SELECT_ALL},
    {kCtrlKey, 'Q', IDM_QUIT},
    {kCtrlKey, VK_DOWN, IDM_CTRL_DOWN},
    {kCtrlKey, 'Z', IDM_UNDO},
};

const char16_t kTitle[] = u"Crossword";
const char16_t kClassName[] = u"Crossword";

const ResourceEntry kEntries[] = {
    {RT_STRING, IDS_TITLE, kTitle, sizeof kTitle / sizeof kTitle[0] - 1},
    {RT_STRING, IDS_CLASS_NAME, kClassName, sizeof kClassName / sizeof kClassName[0] - 1},
    {RT_MENU, IDM_MAIN_MENU, &kMainMenu, sizeof kMainMenu},
    {RT_MENU, IDM_HOLD_MENU, &kHoldMenu, sizeof kHoldMenu},
    {RT_TOOLBAR, IDT_MENU_BAR, &kMenuBar, sizeof kMenuBar},
    {RT_ACCELERATOR, IDA_MAIN, kAccelerators, sizeof kAccelerators / sizeof kAccelerators[0]},
    {RT_BITMAP, IDB_TOOLBAR, kAsset_toolbar_120_bmp, DWORD(kAsset_toolbar_120_bmp_size)},
    {RT_BITMAP, IDB_KEYBOARD, kAsset_keyboard_138_bmp, DWORD(kAsset_keyboard_138_bmp_size)},
    // The icon is kept as the picture it is; the device only stores a class icon.
    {RT_ICON, IDI_CROSSWORD, kAsset_icon_101_bmp, DWORD(kAsset_icon_101_bmp_size)},
    DIALOG_RESOURCE_ENTRIES,
};

const ResourceModule kModule = {kModulePath, kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace

HINSTANCE RegisterCrosswordResources()
{
    RegisterHelpPages();
    return RegisterResourceModule(&kModule);
}

const char16_t* CrosswordModulePath()
{
    return kModulePath;
}
