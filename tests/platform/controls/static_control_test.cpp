// Static controls in a dialog: a picture from the template's bitmap resource, pictures set
// with STM_SETIMAGE, SS_NOTIFY taps, and taps that go through a plain static.
#include <cstring>

#include "../dialogs/dialog_test_support.h"
#include "resources.h"

using namespace dialog_test;

namespace {

// A 4 × 4 BMP of one colour (24 bits, rows padded to 4 bytes: 12 bytes each).
std::vector<unsigned char> SolidBmp(COLORREF colour)
{
    std::vector<unsigned char> bmp(14 + 40 + 4 * 12, 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bmp[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&bmp[at], &v, 2); };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 4);
    put32(22, 4);
    put16(26, 1);
    put16(28, 24);
    for (size_t p = 54; p + 2 < bmp.size(); p += 3) {
        bmp[p] = GetBValue(colour);
        bmp[p + 1] = GetGValue(colour);
        bmp[p + 2] = GetRValue(colour);
    }
    return bmp;
}

const std::vector<unsigned char> kGreen = SolidBmp(0x0000FF00);

const ResourceEntry kEntries[] = {
    {RT_BITMAP, 130, kGreen.data(), static_cast<DWORD>(kGreen.size())},
};
const ResourceModule kModule = {u"\\Program Files\\Test\\Test.exe", kEntries, 1};

enum : WORD { kPicture = 201, kLink = 202, kPlain = 203 };

const DLGITEMTEMPLATEW kItems[] = {
    {SS_BITMAP, 0, 4, 4, 20, 20, kPicture, DLG_ATOM_STATIC, MAKEINTRESOURCEW(130)},
    {SS_LEFT | SS_NOTIFY, 0, 4, 40, 80, 10, kLink, DLG_ATOM_STATIC, u"Contact us"},
    {SS_CENTER, 0, 4, 60, 80, 20, kPlain, DLG_ATOM_STATIC, u"A plain text that wraps"},
};
const DLGTEMPLATEW kTemplate = {WS_POPUP,         0,     3, 0, 0, 160, 100, u"Statics", 8,
                                u"MS Sans Serif", kItems};

struct Seen {
    COLORREF templatePicture = 0;
    COLORREF setPicture = 0;
    bool linkClicked = false;
    POINT dialogTap{-1, -1};
    HBITMAP red = nullptr;
};
Seen gSeen;

INT_PTR CALLBACK StaticsProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SetTimer(dialog, 1, 10, nullptr);
        AutomationAdvance(20);
        TapItem(dialog, kLink);
        TapItem(dialog, kPlain);  // goes through to the dialog
        return TRUE;
    }
    case WM_TIMER: {
        KillTimer(dialog, 1);
        RECT r;
        GetWindowRect(GetDlgItem(dialog, kPicture), &r);
        gSeen.templatePicture = AutomationScreenPixel(r.left + 1, r.top + 1);
        // Replacing the template's picture: the old one is the control's own, none comes back.
        EXPECT_EQ(SendDlgItemMessageW(dialog, kPicture, STM_SETIMAGE, IMAGE_BITMAP,
                                      reinterpret_cast<LPARAM>(gSeen.red)),
                  0);
        UpdateWindow(GetDlgItem(dialog, kPicture));
        gSeen.setPicture = AutomationScreenPixel(r.left + 1, r.top + 1);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kLink && HIWORD(wParam) == STN_CLICKED) {
            gSeen.linkClicked = true;
        }
        return TRUE;
    case WM_LBUTTONUP:
        gSeen.dialogTap = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}

class StaticControl : public DialogTest {};

}  // namespace

TEST_F(StaticControl, PicturesNotifyingTextAndTapsThroughPlainText)
{
    HINSTANCE instance = RegisterResourceModule(&kModule);
    HWND owner = CreateOwner();
    const std::vector<unsigned char> red = SolidBmp(0x000000FF);
    gSeen = Seen{};
    gSeen.red = GdiCreateBitmapFromBmp(red.data(), red.size());
    ASSERT_NE(gSeen.red, nullptr);
    const int objects = AutomationGdiObjectCount();
    EXPECT_EQ(DialogBoxIndirectParamW(instance, &kTemplate, owner, StaticsProc, 0), IDOK);
    EXPECT_EQ(gSeen.templatePicture, 0x0000FF00u);
    EXPECT_EQ(gSeen.setPicture, 0x000000FFu);
    EXPECT_TRUE(gSeen.linkClicked);
    // The plain static's tap reached the dialog in the dialog's coordinates.
    // The plain static spans (4, 60)-(84, 80) units: its centre is (44, 70), (66, 114) pixels.
    EXPECT_EQ(gSeen.dialogTap.x, 66);
    EXPECT_EQ(gSeen.dialogTap.y, 114);
    // The template's picture went with its control; the one set by the program stays its own.
    EXPECT_EQ(AutomationGdiObjectCount(), objects);
    DeleteObject(gSeen.red);
}
