// The dialog manager and the controls driven as a user would: a dialog from a template with
// every control, taps, keys and characters from the script, checked through the dialog's own
// view (messages it received, state it read back) and through pixels of the screen.
#include <functional>

#include "commctrl.h"
#include "controls/controls_internal.h"
#include "dialog_test_support.h"

using namespace dialog_test;

namespace {

enum : WORD {
    kName = 101,
    kGroup = 102,
    kSmall = 103,
    kMedium = 104,
    kLarge = 105,
    kAutoSkip = 106,
    kList = 107,
    kTabs = 108,
    kSwatch = 109,
    kMore = 110,
    kAsk = 111,
    kLabel = 112,
};

const DLGITEMTEMPLATEW kItems[] = {
    {SS_LEFT, 0, 4, 4, 36, 10, kLabel, DLG_ATOM_STATIC, u"Name:"},
    {ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 40, 4, 80, 12, kName, DLG_ATOM_EDIT, u"start"},
    {BS_GROUPBOX, 0, 4, 20, 70, 52, kGroup, WC_BUTTONW, u"Size"},
    {BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 8, 30, 60, 10, kSmall, WC_BUTTONW, u"Small"},
    {BS_AUTORADIOBUTTON, 0, 8, 42, 60, 10, kMedium, WC_BUTTONW, u"Medium"},
    {BS_AUTORADIOBUTTON, 0, 8, 54, 60, 10, kLarge, WC_BUTTONW, u"Large"},
    {BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 0, 80, 24, 70, 10, kAutoSkip, WC_BUTTONW,
     u"Auto Skip"},
    {LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP, 0, 4, 76, 120, 60, kList,
     WC_LISTBOXW, nullptr},
    {TCS_BOTTOM, 0, 4, 138, 120, 14, kTabs, WC_TABCONTROLW, nullptr},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 130, 40, 12, 10, kSwatch, WC_BUTTONW, u""},
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 4, 156, 40, 14, IDOK, WC_BUTTONW, u"OK"},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 48, 156, 40, 14, IDCANCEL, WC_BUTTONW, u"Cancel"},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 92, 156, 30, 14, kMore, WC_BUTTONW, u"More"},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 126, 156, 30, 14, kAsk, WC_BUTTONW, u"Ask"},
};

const DLGTEMPLATEW kTemplate = {WS_POPUP | WS_CAPTION | DS_SETFONT,
                                0,
                                14,
                                0,
                                0,
                                160,
                                174,
                                u"Test Dialog",
                                8,
                                u"MS Sans Serif",
                                kItems};

const DLGITEMTEMPLATEW kNestedItems[] = {
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 10, 10, 40, 14, IDOK, WC_BUTTONW, u"Done"},
};
const DLGTEMPLATEW kNestedTemplate = {
    WS_POPUP, 0, 1, 20, 20, 100, 40, u"Nested", 8, u"MS Sans Serif", kNestedItems};

// What the dialog procedure saw and read back.
struct Seen {
    LPARAM initParam = 0;
    HWND focusAfterInit = nullptr;
    std::vector<std::pair<WORD, WORD>> commands;  // (id, notification)
    std::vector<UINT> notifications;              // WM_NOTIFY codes from the tab control
    std::u16string name;                          // edit text at OK
    UINT small = 0, medium = 0, large = 0, autoSkip = 0;
    int listSelection = -2;
    int topIndex = -1;
    int scrollX = -1;
    int tab = -2;
    int nestedResult = 0;
    int boxAnswer = 0;
    bool dialogEnabledInNested = true;
    bool refuseTabChange = false;
    HBRUSH swatchBrush = nullptr;
    HBRUSH pageBrush = nullptr;
    std::function<void(HWND)> script;  // queues the user's actions once the dialog exists
};

Seen* gSeen = nullptr;

INT_PTR CALLBACK NestedProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        gSeen->dialogEnabledInNested = IsWindowEnabled(GetWindow(dialog, GW_OWNER)) != FALSE;
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 42);
        return TRUE;
    }
    return FALSE;
}

void FillControls(HWND dialog)
{
    for (const char16_t* t : {u"1.  Alpha (5)", u"2.  Bravo (5)", u"3.  Charlie (7)"}) {
        SendDlgItemMessageW(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    }
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<LPWSTR>(u"Across");
    SendDlgItemMessageW(dialog, kTabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
    tab.pszText = const_cast<LPWSTR>(u"Down");
    SendDlgItemMessageW(dialog, kTabs, TCM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&tab));
    CheckRadioButton(dialog, kSmall, kLarge, kSmall);
}

void ReadBack(HWND dialog)
{
    WCHAR text[64];
    GetDlgItemTextW(dialog, kName, text, 64);
    gSeen->name = text;
    gSeen->small = IsDlgButtonChecked(dialog, kSmall);
    gSeen->medium = IsDlgButtonChecked(dialog, kMedium);
    gSeen->large = IsDlgButtonChecked(dialog, kLarge);
    gSeen->autoSkip = IsDlgButtonChecked(dialog, kAutoSkip);
    gSeen->listSelection = static_cast<int>(SendDlgItemMessageW(dialog, kList, LB_GETCURSEL, 0, 0));
    HWND list = GetDlgItem(dialog, kList);
    gSeen->topIndex = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    // The sideways position shows as where the first item's text starts.
    gSeen->scrollX = ListBoxScrollX(list);
    gSeen->tab = static_cast<int>(SendDlgItemMessageW(dialog, kTabs, TCM_GETCURSEL, 0, 0));
}

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        gSeen->initParam = lParam;
        FillControls(dialog);
        if (gSeen->script) {
            gSeen->script(dialog);
        }
        return TRUE;
    case WM_COMMAND:
        gSeen->commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        switch (LOWORD(wParam)) {
        case IDOK:
            ReadBack(dialog);
            EndDialog(dialog, IDOK);
            break;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
        case kMore:
            gSeen->nestedResult = static_cast<int>(
                DialogBoxIndirectParamW(nullptr, &kNestedTemplate, dialog, NestedProc, 0));
            break;
        case kAsk:
            gSeen->boxAnswer =
                MessageBoxW(dialog, u"Clear everything?", u"Question", MB_YESNO | MB_ICONQUESTION);
            break;
        }
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        gSeen->notifications.push_back(header->code);
        if (header->code == TCN_SELCHANGING && gSeen->refuseTabChange) {
            SetWindowLongW(dialog, DWL_MSGRESULT, TRUE);
            return TRUE;
        }
        return TRUE;
    }
    case WM_CTLCOLORBTN:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kSwatch) {
            return reinterpret_cast<INT_PTR>(gSeen->swatchBrush);
        }
        return FALSE;
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(gSeen->pageBrush);
    }
    return FALSE;
}

bool Saw(const Seen& s, WORD id, WORD code)
{
    for (const auto& c : s.commands) {
        if (c.first == id && c.second == code) {
            return true;
        }
    }
    return false;
}

class DialogManager : public DialogTest {
  protected:
    Seen seen;
    HWND owner = nullptr;
    void SetUp() override
    {
        DialogTest::SetUp();
        gSeen = &seen;
        owner = CreateOwner();
    }
    INT_PTR Run(LPARAM param = 0)
    {
        return DialogBoxIndirectParamW(nullptr, &kTemplate, owner, TestDialogProc, param);
    }
};

}  // namespace

TEST_F(DialogManager, TemplateBecomesControlsInPixelsWithTheDialogFont)
{
    seen.script = [&](HWND dialog) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog, kName), &r);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        // (40, 4, 120, 16) dialog units at 6 × 13 base units.
        EXPECT_EQ(r.left - origin.x, 60);
        EXPECT_EQ(r.top - origin.y, 7);
        EXPECT_EQ(r.right - origin.x, 180);
        EXPECT_EQ(r.bottom - origin.y, 26);
        RECT units{40, 4, 120, 16};
        MapDialogRect(dialog, &units);
        EXPECT_EQ(units, (RECT{60, 7, 180, 26}));
        const LRESULT font = SendMessageW(dialog, WM_GETFONT, 0, 0);
        EXPECT_NE(font, 0);
        EXPECT_EQ(SendDlgItemMessageW(dialog, kList, WM_GETFONT, 0, 0), font);
        EXPECT_EQ(SendDlgItemMessageW(dialog, kSmall, WM_GETFONT, 0, 0), font);
        // Dialog placed from its template position, relative to the owner's client area.
        RECT d;
        GetWindowRect(dialog, &d);
        EXPECT_EQ(d.top, 26);
        EXPECT_EQ(d.right - d.left, 240);
        EXPECT_FALSE(IsWindowEnabled(owner));
        EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dialog, IDOK)), IDOK);
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(1234), IDOK);
    EXPECT_EQ(seen.initParam, 1234);
    EXPECT_EQ(seen.name, u"start");
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogManager, InitialFocusIsTheFirstTabStopAndTypingEditsIt)
{
    seen.script = [&](HWND dialog) {
        // WM_INITDIALOG has not returned yet: the focus comes after it.
        EXPECT_NE(GetFocus(), GetDlgItem(dialog, kName));
        // The edit got the focus with its text selected, so typing replaces it.
        TypeText(u"http://x");
        AutomationKey(VK_LEFT);
        AutomationChar(u'\b');  // removes the "/" before the "x"
        AutomationKey(VK_HOME);
        AutomationChar(u'>');
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(seen.name, u">http:/x");
    EXPECT_TRUE(Saw(seen, kName, EN_SETFOCUS));
    EXPECT_TRUE(Saw(seen, kName, EN_CHANGE));
}

TEST_F(DialogManager, EditNotifiesFocusChangesAndTapsMoveTheCaret)
{
    seen.script = [&](HWND dialog) {
        TapItem(dialog, kAutoSkip);  // focus leaves the edit
        TapItem(dialog, kName);      // and comes back; the tap puts the caret, no selection
        TypeText(u"!");
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_TRUE(Saw(seen, kName, EN_KILLFOCUS));
    EXPECT_EQ(seen.name.size(), 6u);  // "start" and the "!" somewhere in it
    EXPECT_NE(seen.name.find(u'!'), std::u16string::npos);
    EXPECT_EQ(seen.autoSkip, UINT(BST_CHECKED));
    EXPECT_TRUE(Saw(seen, kAutoSkip, BN_CLICKED));
}

TEST_F(DialogManager, AutoRadioButtonsKeepOneCheckedPerGroupByTapAndByArrows)
{
    seen.script = [&](HWND dialog) {
        TapItem(dialog, kLarge);
        AutomationKey(VK_UP);  // the focus moves to "Medium" in the group, checking it
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_TRUE(Saw(seen, kLarge, BN_CLICKED));
    EXPECT_EQ(seen.small, UINT(BST_UNCHECKED));
    EXPECT_EQ(seen.medium, UINT(BST_CHECKED));
    EXPECT_EQ(seen.large, UINT(BST_UNCHECKED));
}

TEST_F(DialogManager, ListBoxMessagesAndTaps)
{
    seen.script = [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kList);
        EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"0.  Zero (4)")),
                  0);
        EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(u"2.  BRAVO (5)")),
                  2);
        EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 3, 0), 15);
        WCHAR text[32];
        EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 13);
        EXPECT_EQ(std::u16string(text), u"1.  Alpha (5)");
        EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 9, reinterpret_cast<LPARAM>(text)), LB_ERR);
        EXPECT_EQ(SendMessageW(list, LB_SETITEMDATA, 2, 77), LB_OKAY);
        EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 2, 0), 77);
        EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 0, 0), 3);
        EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), 77);
        EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
        // A tap on the second line selects it and tells the dialog.
        RECT item;
        SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        POINT p{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(list, &p);
        AutomationTap(p.x, p.y);
        AutomationTap(p.x, p.y);  // at once again: a double tap
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(seen.listSelection, 1);
    EXPECT_TRUE(Saw(seen, kList, LBN_SELCHANGE));
    EXPECT_TRUE(Saw(seen, kList, LBN_DBLCLK));
}

TEST_F(DialogManager, ListBoxScrollsByDragAndByItsBars)
{
    int itemHeight = 0;
    // A long list with long lines; `how` scrolls it.
    auto fill = [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kList);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < 30; ++i) {
            std::u16string line = u"Clue line number " + std::u16string(1, char16_t(u'A' + i % 26));
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
        SendMessageW(list, LB_SETHORIZONTALEXTENT, 300, 0);
        itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        RECT r;
        GetWindowRect(list, &r);
        return r;
    };
    seen.script = [&](HWND dialog) {
        const RECT r = fill(dialog);
        // Dragging up 60 pixels and left 30: the content follows the stylus.
        AutomationDrag(r.left + 60, r.top + 70, r.left + 30, r.top + 10, 6);
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    ASSERT_GT(itemHeight, 0);
    EXPECT_EQ(seen.topIndex, 60 / itemHeight);
    EXPECT_EQ(seen.scrollX, 30);
    EXPECT_FALSE(Saw(seen, kList, LBN_SELCHANGE));  // a drag is not a tap

    seen = Seen{};
    seen.script = [&](HWND dialog) {
        const RECT r = fill(dialog);
        // The down arrow of the vertical bar: bottom right, above the horizontal bar.
        AutomationTap(r.right - 1 - kScrollBarSize / 2,
                      r.bottom - 1 - kScrollBarSize - kScrollBarSize / 2);
        // The right arrow of the horizontal bar, left of the corner.
        AutomationTap(r.right - 1 - kScrollBarSize - kScrollBarSize / 2,
                      r.bottom - 1 - kScrollBarSize / 2);
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(seen.topIndex, 1);
    EXPECT_EQ(seen.scrollX, itemHeight);
    EXPECT_EQ(seen.listSelection, -1);
}

TEST_F(DialogManager, TabTapNotifiesChangingThenChange)
{
    seen.script = [&](HWND dialog) {
        HWND tabs = GetDlgItem(dialog, kTabs);
        EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
        RECT r;
        GetWindowRect(tabs, &r);
        // The second tab is right of the first: tap near the middle of the strip's right half.
        AutomationTap(r.left + 90, r.bottom - 5);
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    ASSERT_EQ(seen.notifications.size(), 2u);
    EXPECT_EQ(seen.notifications[0], UINT(TCN_SELCHANGING));
    EXPECT_EQ(seen.notifications[1], UINT(TCN_SELCHANGE));
    EXPECT_EQ(seen.tab, 1);
}

TEST_F(DialogManager, TabChangeRefusedOnSelChangingKeepsTheTab)
{
    seen.refuseTabChange = true;
    seen.script = [&](HWND dialog) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog, kTabs), &r);
        AutomationTap(r.left + 90, r.bottom - 5);
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    ASSERT_EQ(seen.notifications.size(), 1u);
    EXPECT_EQ(seen.tab, 0);
}

TEST_F(DialogManager, EnterClicksTheDefaultButtonAndEscapeCancels)
{
    seen.script = [&](HWND dialog) {
        EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
        AutomationKey(VK_ESCAPE);
    };
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(Saw(seen, IDCANCEL, BN_CLICKED));
    EXPECT_FALSE(Saw(seen, IDOK, BN_CLICKED));
}

TEST_F(DialogManager, NestedDialogAndMessageBoxFromADialog)
{
    AutomationAnswerMessageBox(u"Question", IDNO);
    seen.script = [&](HWND dialog) {
        TapItem(dialog, kMore);
        AutomationKey(VK_RETURN);  // in the nested dialog: its default "Done"
        TapItem(dialog, kAsk);     // the box is answered from the queue
        TapItem(dialog, IDOK);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(seen.nestedResult, 42);
    EXPECT_FALSE(seen.dialogEnabledInNested);  // the nested dialog disabled its owner
    EXPECT_EQ(seen.boxAnswer, IDNO);
    const auto& boxes = AutomationMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, u"Question");
    EXPECT_NE(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].answer, IDNO);
}

TEST_F(DialogManager, OwnerIsDeactivatedWhileTheDialogRunsAndActivatedAfter)
{
    SetActiveWindow(owner);
    OwnerActivations().clear();
    seen.script = [&](HWND) { AutomationKey(VK_RETURN); };
    EXPECT_EQ(Run(), IDOK);
    ASSERT_GE(OwnerActivations().size(), 2u);
    EXPECT_EQ(OwnerActivations().front(), WA_INACTIVE);
    EXPECT_NE(OwnerActivations().back(), WA_INACTIVE);
    EXPECT_EQ(GetActiveWindow(), owner);
}

// Away to another desktop program and back: the dialog is active again, its focus in the
// control the user left it in.
TEST_F(DialogManager, TheHostWindowsReturnGivesTheFocusBackToTheControlThatHadIt)
{
    seen.script = [&](HWND dialog) {
        TapItem(dialog, kAutoSkip);
        AutomationHostFocus(false);
        AutomationProbe([] {
            EXPECT_EQ(GetActiveWindow(), nullptr);
            EXPECT_EQ(GetFocus(), nullptr);
        });
        AutomationHostFocus(true);
        AutomationProbe([dialog] {
            EXPECT_EQ(GetActiveWindow(), dialog);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kAutoSkip));
        });
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
}

TEST_F(DialogManager, NothingLeaksWhenADialogCloses)
{
    seen.swatchBrush = CreateSolidBrush(0x000000FF);
    seen.script = [&](HWND dialog) {
        TapItem(dialog, kMore);
        AutomationKey(VK_RETURN);
        TapItem(dialog, kAsk);
        AutomationKey(VK_RETURN);  // the box's default button
        AutomationKey(VK_RETURN);  // the dialog's
    };
    const int windows = WindowCount();
    const int objects = AutomationGdiObjectCount();
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(AutomationGdiObjectCount(), objects);
    DeleteObject(seen.swatchBrush);
}

TEST_F(DialogManager, PageAndSwatchTakeTheColoursTheProcedureReturns)
{
    seen.swatchBrush = CreateSolidBrush(0x000000FF);
    seen.pageBrush = CreateSolidBrush(0x00C0FFFF);
    COLORREF swatch = 0, page = 0, okFace = 0;
    // The dialog reads the probes when WM_USER + 5 arrives; route it through a subclass.
    static COLORREF* probes[3];
    probes[0] = &swatch;
    probes[1] = &page;
    probes[2] = &okFace;
    static WNDPROC original = nullptr;
    auto probe = [](HWND d, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_USER + 5) {
            const POINT s = CentreOf(GetDlgItem(d, kSwatch));
            *probes[0] = AutomationScreenPixel(s.x, s.y);
            RECT r;
            GetWindowRect(d, &r);
            *probes[1] = AutomationScreenPixel(r.right - 3, r.top + 30);
            RECT ok;
            GetWindowRect(GetDlgItem(d, IDOK), &ok);
            *probes[2] = AutomationScreenPixel(ok.left + 4, ok.top + 4);
            PostMessageW(d, WM_COMMAND, IDOK, 0);
            return 0;
        }
        return CallWindowProcW(original, d, msg, w, l);
    };
    seen.script = [&, probe](HWND dialog) {
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongW(dialog, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(+probe)));
        SetTimer(dialog, 7, 10, [](HWND d, UINT, UINT_PTR, DWORD) {
            KillTimer(d, 7);
            PostMessageW(d, WM_USER + 5, 0, 0);
        });
        AutomationAdvance(20);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(swatch, 0x000000FFu);
    EXPECT_EQ(page, 0x00C0FFFFu);
    EXPECT_EQ(okFace, kFaceColour);
    DeleteObject(seen.swatchBrush);
    DeleteObject(seen.pageBrush);
}

TEST_F(DialogManager, DialogItemHelpers)
{
    seen.script = [&](HWND dialog) {
        EXPECT_TRUE(SetDlgItemInt(dialog, kName, static_cast<UINT>(-42), TRUE));
        BOOL ok = FALSE;
        EXPECT_EQ(static_cast<int>(GetDlgItemInt(dialog, kName, &ok, TRUE)), -42);
        EXPECT_TRUE(ok);
        SetDlgItemTextW(dialog, kName, u" 17x");
        EXPECT_EQ(GetDlgItemInt(dialog, kName, &ok, FALSE), 0u);
        EXPECT_FALSE(ok);
        EXPECT_TRUE(CheckDlgButton(dialog, kAutoSkip, BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog, kAutoSkip), UINT(BST_CHECKED));
        EXPECT_TRUE(CheckRadioButton(dialog, kSmall, kLarge, kLarge));
        EXPECT_EQ(IsDlgButtonChecked(dialog, kSmall), UINT(BST_UNCHECKED));
        EXPECT_EQ(GetNextDlgGroupItem(dialog, GetDlgItem(dialog, kLarge), FALSE),
                  GetDlgItem(dialog, kSmall));
        EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, kName), FALSE),
                  GetDlgItem(dialog, kSmall));
        EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, kName), TRUE),
                  GetDlgItem(dialog, kAsk));
        HWND edit = GetDlgItem(dialog, kName);
        SetWindowTextW(edit, u"abcdef");
        SendMessageW(edit, EM_SETSEL, 4, 1);
        DWORD start = 0, end = 0;
        EXPECT_EQ(SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                               reinterpret_cast<LPARAM>(&end)),
                  MAKELONG(1, 4));
        EXPECT_EQ(start, 1u);
        EXPECT_EQ(end, 4u);
        SendMessageW(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(u"XY"));
        EXPECT_EQ(GetWindowTextLengthW(edit), 5);  // "aXYef"
        SendMessageW(edit, EM_LIMITTEXT, 6, 0);
        SendMessageW(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(u"123"));
        WCHAR text[16];
        GetWindowTextW(edit, text, 16);
        EXPECT_EQ(std::u16string(text), u"aXY1ef");  // cut at the limit
        SetDlgItemTextW(dialog, kName, u"done");
        AutomationKey(VK_RETURN);
    };
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(seen.name, u"done");
    EXPECT_EQ(seen.autoSkip, UINT(BST_CHECKED));
    EXPECT_EQ(seen.large, UINT(BST_CHECKED));
}

TEST_F(DialogManager, ModelessDialogLeavesItsOwnerEnabledAndCleansUpOnDestroy)
{
    const int windows = WindowCount();
    const int objects = AutomationGdiObjectCount();
    DLGTEMPLATEW t = kTemplate;
    t.style |= WS_VISIBLE;
    HWND dialog = CreateDialogIndirectParamW(nullptr, &t, owner, TestDialogProc, 5);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(seen.initParam, 5);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kName));
    // Its keys go through IsDialogMessageW in the caller's loop.
    MSG msg{dialog, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    msg.hwnd = GetFocus();
    EXPECT_TRUE(IsDialogMessageW(dialog, &msg));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kSmall));
    DestroyWindow(dialog);
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(AutomationGdiObjectCount(), objects);
}

namespace {

// Pixels of the screen rectangle of `control` that are exactly `colour`.
int CountOnScreen(HWND control, COLORREF colour)
{
    RECT r;
    GetWindowRect(control, &r);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            count += AutomationScreenPixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

// A disabled check box shows its tick, frame and label in grey and ignores taps and Space;
// enabled again it is black and taps turn it over.
TEST_F(DialogManager, ADisabledCheckBoxIsGreyAndTakesNoTapOrKey)
{
    DLGTEMPLATEW t = kTemplate;
    t.style |= WS_VISIBLE;
    HWND dialog = CreateDialogIndirectParamW(nullptr, &t, owner, TestDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND box = GetDlgItem(dialog, kAutoSkip);
    CheckDlgButton(dialog, kAutoSkip, BST_CHECKED);
    EnableWindow(box, FALSE);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(CountOnScreen(box, kTextColour), 0);
    EXPECT_GT(CountOnScreen(box, kShadowColour), 40);  // frame, tick and label

    TapItem(dialog, kAutoSkip);
    EXPECT_EQ(SetFocus(box), nullptr);
    AutomationChar(u' ');
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(IsDlgButtonChecked(dialog, kAutoSkip), UINT(BST_CHECKED));
    EXPECT_FALSE(Saw(seen, kAutoSkip, BN_CLICKED));

    EnableWindow(box, TRUE);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_GT(CountOnScreen(box, kTextColour), 40);
    TapItem(dialog, kAutoSkip);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(IsDlgButtonChecked(dialog, kAutoSkip), UINT(BST_UNCHECKED));
    EXPECT_TRUE(Saw(seen, kAutoSkip, BN_CLICKED));
    DestroyWindow(dialog);
}
