// ChooseColorW in the handheld's full-screen look: the 48 basic colours, the 16 custom
// colours of the request, the colour being chosen, "Add Custom Color", OK and Cancel.
// The page is drawn and hit-tested by the chooser itself, without child controls, so a hook
// that keeps the focus on the chooser window (as the game's does) never fights a control
// for it. With CC_ENABLEHOOK the hook sees WM_INITDIALOG (lParam: the request) and then
// every message first; a zero result lets the chooser's own handling follow.
#include <memory>

#include "color_chooser_model.h"
#include "common_dialog_internal.h"
#include "controls/controls_internal.h"
#include "dialogs/dialog_internal.h"

namespace {

struct ChooserState {
    CHOOSECOLORW* request;      // the caller's record
    ColorChooserData model;     // colours and custom slots
    ColorChooserLayout layout;  // where everything is
    int selectedSwatch = -1;    // framed swatch, -1 when the colour is none of them
    HFONT bold = nullptr;       // title line font
    bool confirmed = false;     // OK wrote the result
    bool hookStarted = false;   // the hook has had WM_INITDIALOG: it sees everything after
};

ChooserState* StateOf(HWND dialog)
{
    return reinterpret_cast<ChooserState*>(GetWindowLongW(dialog, DWL_USER));
}

int SwatchOf(const ColorChooserData& cc, COLORREF colour)
{
    for (int i = 0; i < kSwatchCount; ++i) {
        if (SwatchColour(&cc, i) == colour) {
            return i;
        }
    }
    return -1;
}

void PaintButton(HDC dc, const RECT& r, const char16_t* text)
{
    FillSolid(dc, r, kFaceColour);
    DrawOutline(dc, r, kFrameColour);
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    DrawEdge3D(dc, inner, true);
    SetTextColor(dc, kTextColour);
    DrawTextW(dc, text, -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Paint(HWND dialog, ChooserState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    RECT client;
    GetClientRect(dialog, &client);
    PaintTitleLine(dc, client.right, s->bold, u"Color");
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    const ColorChooserLayout& l = s->layout;
    RECT label = l.basicLabel;
    DrawTextW(dc, u"Basic colors:", -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    label = l.customLabel;
    DrawTextW(dc, u"Custom colors:", -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    for (int i = 0; i < kSwatchCount; ++i) {
        const RECT& r = l.swatches[i];
        DrawOutline(dc, r, kShadowColour);
        RECT inner = r;
        InflateRect(&inner, -2, -2);
        FillSolid(dc, inner, SwatchColour(&s->model, i));
        if (i == s->selectedSwatch) {
            DrawOutline(dc, r, kFrameColour);
            RECT ring = r;
            InflateRect(&ring, -1, -1);
            DrawOutline(dc, ring, kFrameColour);
        }
    }
    FillSolid(dc, l.preview, s->model.current);
    DrawOutline(dc, l.preview, kFrameColour);
    PaintButton(dc, l.addButton, u"Add Custom Color");
    PaintButton(dc, l.okButton, u"OK");
    PaintButton(dc, l.cancelButton, u"Cancel");
    SelectObject(dc, oldFont);
    EndPaint(dialog, &ps);
}

void Select(HWND dialog, ChooserState* s, COLORREF colour)
{
    s->model.current = colour & 0x00FFFFFF;
    s->selectedSwatch = SwatchOf(s->model, s->model.current);
    InvalidateRect(dialog, nullptr, TRUE);
}

// The buttons of the page act through WM_COMMAND, so that a hook sees them as it would see
// real buttons.
void Tap(HWND dialog, ChooserState* s, POINT pt)
{
    const ColorChooserLayout& l = s->layout;
    const int swatch = SwatchAt(&l, pt);
    if (swatch >= 0) {
        Select(dialog, s, SwatchColour(&s->model, swatch));
        s->selectedSwatch = swatch;
    } else if (PtInRect(&l.addButton, pt)) {
        const int slot = ColorChooserAddCustom(&s->model);
        s->selectedSwatch = kCustomSwatchBase + slot;
        InvalidateRect(dialog, nullptr, TRUE);
    } else if (PtInRect(&l.okButton, pt)) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (PtInRect(&l.cancelButton, pt)) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

void Confirm(HWND dialog, ChooserState* s)
{
    CHOOSECOLORW* cc = s->request;
    cc->rgbResult = s->model.current;
    s->confirmed = true;
    if (cc->lpCustColors) {
        std::copy(std::begin(s->model.custom), std::end(s->model.custom), cc->lpCustColors);
    }
    EndDialog(dialog, TRUE);
}

// The chooser's own handling, after the hook (if any) let it through.
INT_PTR OwnHandling(HWND dialog, ChooserState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: Paint(dialog, s); return TRUE;
    case WM_LBUTTONUP:
        Tap(dialog, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
    case WM_SETFOCUS: return TRUE;  // no control to pass the focus on to
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        } else if (wParam == VK_ESCAPE) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            Confirm(dialog, s);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, FALSE);
        }
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK ChooserProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ChooserState* s =
        msg == WM_INITDIALOG ? reinterpret_cast<ChooserState*>(lParam) : StateOf(dialog);
    if (!s) {
        return FALSE;
    }
    CHOOSECOLORW* cc = s->request;
    const bool hookable = (cc->Flags & CC_ENABLEHOOK) && cc->lpfnHook;
    // Once the chooser has ended, the hook hears nothing more: a hook that grabs the focus on
    // every message would otherwise pull it back to a window that is going away.
    const DialogInfo* info = DialogInfoOf(dialog);
    const bool hooked = hookable && s->hookStarted && info && !info->ended;
    if (msg == WM_INITDIALOG) {
        SetWindowLongW(dialog, DWL_USER, reinterpret_cast<LONG_PTR>(s));
        MakeFullScreen(dialog);
        RECT client;
        GetClientRect(dialog, &client);
        s->layout = LayoutColorChooser(client.right, kTitleLineHeight);
        s->hookStarted = true;
        return hookable ? static_cast<INT_PTR>(
                              cc->lpfnHook(dialog, msg, wParam, reinterpret_cast<LPARAM>(cc)))
                        : TRUE;
    }
    if (hooked) {
        if (const UINT_PTR r = cc->lpfnHook(dialog, msg, wParam, lParam)) {
            return static_cast<INT_PTR>(r);
        }
        if (!IsWindow(dialog)) {
            return TRUE;
        }
    }
    return OwnHandling(dialog, s, msg, wParam, lParam);
}

bool AnswerWhenIdle(HWND dialog)
{
    const auto answer = TakeColourAnswer();
    if (!answer) {
        return false;
    }
    if (answer->cancel) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else {
        Select(dialog, StateOf(dialog), answer->colour);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return true;
}

}  // namespace

BOOL WINAPI ChooseColorW(LPCHOOSECOLORW cc)
{
    SetCommonDialogError(0);
    if (!cc || (cc->lStructSize != sizeof(CHOOSECOLORW) && cc->lStructSize != 36)) {
        SetCommonDialogError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    auto s = std::make_unique<ChooserState>();
    s->request = cc;
    // The device starts from the request's colour even without CC_RGBINIT.
    s->model = ColorChooserStart(cc->rgbResult, true, cc->lpCustColors);
    s->selectedSwatch = SwatchOf(s->model, s->model.current);
    s->bold = CreateDialogFont(FW_BOLD);
    const COLORREF initial = s->model.current;
    DLGTEMPLATEW t = {WS_POPUP, 0, 0, 0, 0, 160, 180, u"Color", 8, u"MS Sans Serif", nullptr};
    HWND dialog = CreateDialogWindow(nullptr, &t, cc->hwndOwner, ChooserProc,
                                     reinterpret_cast<LPARAM>(s.get()), true);
    INT_PTR result = FALSE;
    if (dialog) {
        result = RunModalDialog(dialog, "colour chooser", AnswerWhenIdle);
    }
    DeleteObject(s->bold);
    RecordColourChooser(initial, s->confirmed, cc->rgbResult);
    return result > 0 ? TRUE : FALSE;
}
