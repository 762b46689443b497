// The open, save and colour dialogs answered by the script, driven by keys and taps, and
// checked for what they write into the caller's records.
#include <gtest/gtest.h>

#include "../dialogs/dialog_test_support.h"
#include "commdlg/color_chooser_model.h"
#include "commdlg/common_dialog_internal.h"
#include "device_files.h"
#include "file_request.h"

using namespace dialog_test;

namespace {

class CommonDialogs : public DialogTest {
  protected:
    HWND owner = nullptr;
    void SetUp() override
    {
        DialogTest::SetUp();
        owner = CreateOwner();
        CreateDirectoryW(u"\\My Documents", nullptr);
    }
};

}  // namespace

TEST_F(CommonDialogs, OpenAnsweredWithAPathFillsPathTitleAndOffsets)
{
    FileRequest r(owner, u"", u"Open File");
    AutomationAnswerFileDialog(u"\\My Documents\\Fennimoor\\today.puz");
    ASSERT_TRUE(GetOpenFileNameW(&r.ofn));
    EXPECT_EQ(std::u16string(r.file), u"\\My Documents\\Fennimoor\\today.puz");
    EXPECT_EQ(std::u16string(r.title), u"today.puz");
    EXPECT_EQ(r.ofn.nFileOffset, 24);
    EXPECT_EQ(r.ofn.nFileExtension, 30);
    EXPECT_TRUE(IsWindowEnabled(owner));
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_FALSE(AutomationFileDialogs()[0].save);
    EXPECT_EQ(AutomationFileDialogs()[0].title, u"Open File");
}

TEST_F(CommonDialogs, CancelledDialogsReturnFalseAndLeaveTheBuffer)
{
    FileRequest r(owner, u"", u"Open File");
    AutomationCancelFileDialog();
    EXPECT_FALSE(GetOpenFileNameW(&r.ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(r.file[0], 0);
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_EQ(AutomationFileDialogs()[0].result, u"");
}

TEST_F(CommonDialogs, OpenListsSubFoldersAndATapChoosesTheFile)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\Zz Test", nullptr));
    // Sorts before every starter file.
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\Zz Test\\!first.puz", ""));
    ASSERT_TRUE(WriteDeviceFile(u"\\My Documents\\Zz Test\\!first.txt", ""));
    FileRequest r(owner, u"", u"Open File");
    // Folder choice, type choice, then the list: Down selects its first line, which opens it.
    AutomationKey(VK_TAB);
    AutomationKey(VK_TAB);
    AutomationKey(VK_DOWN);
    ASSERT_TRUE(GetOpenFileNameW(&r.ofn));
    EXPECT_EQ(std::u16string(r.file), u"\\My Documents\\Zz Test\\!first.puz");
    EXPECT_EQ(std::u16string(r.title), u"!first.puz");
}

TEST_F(CommonDialogs, SaveStartsFromTheProposalAndAddsTheExtensionToATypedName)
{
    CreateDirectoryW(u"\\My Documents\\Fennimoor", nullptr);
    FileRequest r(owner, u"\\My Documents\\Fennimoor\\abc", u"Save File");
    // The name field has the focus with "abc" selected: typing replaces it.
    TypeText(u"mine");
    AutomationKey(VK_RETURN);
    ASSERT_TRUE(GetSaveFileNameW(&r.ofn));
    EXPECT_EQ(std::u16string(r.file), u"\\My Documents\\Fennimoor\\mine.puz");
    EXPECT_EQ(std::u16string(r.title), u"mine.puz");
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_TRUE(AutomationFileDialogs()[0].save);
    EXPECT_EQ(AutomationFileDialogs()[0].proposal, u"\\My Documents\\Fennimoor\\abc");
    EXPECT_EQ(AutomationFileDialogs()[0].folder, u"\\My Documents\\Fennimoor");
}

TEST_F(CommonDialogs, SaveAnsweredByPathKeepsAnExtensionAndAddsAMissingOne)
{
    FileRequest a(owner, u"\\My Documents\\Brambleset Three\\scoring.puz", u"Save File");
    AutomationAnswerFileDialog(u"\\Temp\\picked");
    ASSERT_TRUE(GetSaveFileNameW(&a.ofn));
    EXPECT_EQ(std::u16string(a.file), u"\\Temp\\picked.puz");
    FileRequest b(owner, u"x", u"Save File");
    AutomationAnswerFileDialog(u"\\My Documents\\mine.dat");
    ASSERT_TRUE(GetSaveFileNameW(&b.ofn));
    EXPECT_EQ(std::u16string(b.file), u"\\My Documents\\mine.dat");
    EXPECT_EQ(b.ofn.nFileOffset, 14);
}

TEST_F(CommonDialogs, TooSmallABufferFailsWithItsError)
{
    FileRequest r(owner, u"", u"Open File");
    r.ofn.nMaxFile = 8;
    AutomationAnswerFileDialog(u"\\My Documents\\long name.puz");
    EXPECT_FALSE(GetOpenFileNameW(&r.ofn));
    EXPECT_EQ(CommDlgExtendedError(), DWORD(FNERR_BUFFERTOOSMALL));
}

namespace {

// The game's hook: ends the chooser on close and OK, keeps the focus on the chooser
// otherwise, and always lets the chooser's own processing follow.
std::vector<UINT> gHookLog;
LPARAM gInitParam = 0;

UINT_PTR CALLBACK GameLikeHook(HWND chooser, UINT msg, WPARAM wParam, LPARAM lParam)
{
    gHookLog.push_back(msg);
    if (msg == WM_INITDIALOG) {
        gInitParam = lParam;
    }
    if (msg == WM_CLOSE) {
        EndDialog(chooser, 1);
    } else if (msg == WM_COMMAND) {
        if (LOWORD(wParam) == IDOK) {
            EndDialog(chooser, 1);
        }
    } else {
        SetFocus(chooser);
    }
    return 0;
}

struct ColourRequest {
    COLORREF custom[16] = {0x00323232, 0x00FFFFFF, 0x00000000};
    CHOOSECOLORW cc{};
    explicit ColourRequest(HWND owner, COLORREF start)
    {
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = owner;
        cc.rgbResult = start;
        cc.lpCustColors = custom;
        cc.Flags = CC_ENABLEHOOK;
        cc.lCustData = start;
        cc.lpfnHook = GameLikeHook;
    }
};

}  // namespace

TEST_F(CommonDialogs, ColourChooserHookSeesInitFirstAndOkWritesTheResult)
{
    gHookLog.clear();
    ColourRequest r(owner, 0x00FFFFFF);
    AutomationPickColour(0x0000FF00);
    const int windows = WindowCount();
    const int objects = AutomationGdiObjectCount();
    EXPECT_TRUE(ChooseColorW(&r.cc));
    EXPECT_EQ(r.cc.rgbResult, 0x0000FF00u);
    ASSERT_FALSE(gHookLog.empty());
    EXPECT_EQ(gHookLog.front(), UINT(WM_INITDIALOG));
    EXPECT_EQ(gInitParam, reinterpret_cast<LPARAM>(&r.cc));
    EXPECT_NE(std::find(gHookLog.begin(), gHookLog.end(), UINT(WM_COMMAND)), gHookLog.end());
    EXPECT_EQ(r.custom[0], 0x00323232u);  // custom colours come back as they were
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(AutomationGdiObjectCount(), objects);
    ASSERT_EQ(AutomationColourChoosers().size(), 1u);
    EXPECT_TRUE(AutomationColourChoosers()[0].confirmed);
    EXPECT_EQ(AutomationColourChoosers()[0].initial, 0x00FFFFFFu);
}

TEST_F(CommonDialogs, ColourChooserCancelLeavesTheColour)
{
    ColourRequest r(owner, 0x00123456);
    AutomationCancelColourChooser();
    EXPECT_FALSE(ChooseColorW(&r.cc));
    EXPECT_EQ(r.cc.rgbResult, 0x00123456u);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(CommonDialogs, ColourChooserByTapsOnASwatchAndOk)
{
    ColourRequest r(owner, 0x00FFFFFF);
    const ColorChooserLayout l = LayoutColorChooser(240, kTitleLineHeight);
    auto tap = [](const RECT& rect) {
        AutomationTap((rect.left + rect.right) / 2, 26 + (rect.top + rect.bottom) / 2);
    };
    tap(l.swatches[8]);  // the pure red of the second row
    tap(l.addButton);    // into custom slot 0
    tap(l.okButton);
    EXPECT_TRUE(ChooseColorW(&r.cc));
    EXPECT_EQ(r.cc.rgbResult, 0x000000FFu);
    EXPECT_EQ(r.custom[0], 0x000000FFu);
}

namespace {

// The game's Preferences pattern: a bold group-box font made from the dialog's own, a colour
// swatch painted from WM_CTLCOLORBTN, and the chooser run from the dialog with it as owner.
enum : WORD { kColourGroup = 1018, kSquareSwatch = 1024 };

const DLGITEMTEMPLATEW kPrefsItems[] = {
    {BS_GROUPBOX, 0, 4, 4, 150, 40, kColourGroup, WC_BUTTONW, u"Color Options"},
    {BS_PUSHBUTTON | WS_TABSTOP, 0, 12, 20, 12, 10, kSquareSwatch, WC_BUTTONW, u""},
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 4, 60, 40, 14, IDOK, WC_BUTTONW, u"OK"},
};
const DLGTEMPLATEW kPrefsTemplate = {
    WS_POPUP, 0, 3, 0, 0, 160, 90, u"Preferences", 8, u"MS Sans Serif", kPrefsItems};

struct Prefs {
    ColourRequest* request = nullptr;
    HBRUSH swatchBrush = nullptr;
    COLORREF brushColour = 0;
    HFONT bold = nullptr;
    LONG groupWeight = 0;
    COLORREF swatchAfter = 0;
    bool dialogEnabledAfter = false;
};
Prefs gPrefs;

INT_PTR CALLBACK PrefsProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        HFONT font =
            reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, kColourGroup, WM_GETFONT, 0, 0));
        LOGFONTW lf{};
        GetObjectW(font, sizeof lf, &lf);
        lf.lfWeight = FW_BOLD;
        gPrefs.bold = CreateFontIndirectW(&lf);
        SendDlgItemMessageW(dialog, kColourGroup, WM_SETFONT, reinterpret_cast<WPARAM>(gPrefs.bold),
                            TRUE);
        LOGFONTW check{};
        GetObjectW(
            reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, kColourGroup, WM_GETFONT, 0, 0)),
            sizeof check, &check);
        gPrefs.groupWeight = check.lfWeight;
        TapItem(dialog, kSquareSwatch);
        return TRUE;
    }
    case WM_CTLCOLORBTN:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != kSquareSwatch) {
            return FALSE;
        }
        if (!gPrefs.swatchBrush || gPrefs.brushColour != gPrefs.request->cc.rgbResult) {
            DeleteObject(gPrefs.swatchBrush);
            gPrefs.brushColour = gPrefs.request->cc.rgbResult;
            gPrefs.swatchBrush = CreateSolidBrush(gPrefs.brushColour);
        }
        return reinterpret_cast<INT_PTR>(gPrefs.swatchBrush);
    case WM_COMMAND:
        if (LOWORD(wParam) == kSquareSwatch) {
            gPrefs.request->cc.hwndOwner = dialog;
            ChooseColorW(&gPrefs.request->cc);
            UpdateWindow(dialog);
            gPrefs.dialogEnabledAfter = IsWindowEnabled(dialog) != FALSE;
            SetTimer(dialog, 9, 10, nullptr);
            AutomationAdvance(20);
        } else if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    case WM_TIMER: {
        KillTimer(dialog, 9);
        RECT r;
        GetWindowRect(GetDlgItem(dialog, kSquareSwatch), &r);
        gPrefs.swatchAfter = AutomationScreenPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        TapItem(dialog, IDOK);  // Enter would click the swatch again: it has the focus
        return TRUE;
    }
    }
    return FALSE;
}

}  // namespace

TEST_F(CommonDialogs, PreferencesPatternChoosesAColourFromADialogAndTheSwatchShowsIt)
{
    ColourRequest request(nullptr, 0x00000000);
    gPrefs = Prefs{};
    gPrefs.request = &request;
    AutomationPickColour(0x000000FF);
    const int windows = WindowCount();
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &kPrefsTemplate, owner, PrefsProc, 0), IDOK);
    EXPECT_EQ(gPrefs.groupWeight, FW_BOLD);
    EXPECT_EQ(request.cc.rgbResult, 0x000000FFu);
    EXPECT_TRUE(gPrefs.dialogEnabledAfter);
    EXPECT_EQ(gPrefs.swatchAfter, 0x000000FFu);
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(WindowCount(), windows);
    DeleteObject(gPrefs.swatchBrush);
    DeleteObject(gPrefs.bold);
}
