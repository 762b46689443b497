// The input panel keyboard: grey, rounded keys; Shift and Ctl act on the next key only, CAP
// stays until pressed again. Keys go through the same input path as the hardware keyboard,
// so accelerators, TranslateMessage and key state see them alike.
#include "shell/input_panel.h"

#include "backend/backend.h"
#include "shell/input_panel_layout.h"
#include "shell/shell_paint.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

struct PanelState {
    bool shift = false;
    bool caps = false;
    bool control = false;
    const PanelKey* pressed = nullptr;  // drawn sunken until the stylus lifts
};

PanelState gPanel;

void Deliver(InputKind kind, UINT vk, char16_t ch, bool textFollows)
{
    InputEvent e = {};
    e.kind = kind;
    e.key = vk;
    e.ch = ch;
    e.textFollows = textFollows;
    DeliverInput(e);
}

void TypeKey(const PanelKey& key)
{
    const char16_t ch = PanelKeyCharacter(key, gPanel.shift, gPanel.caps, gPanel.control);
    const bool shifted = gPanel.shift;
    const bool control = gPanel.control;
    if (control) {
        Deliver(InputKind::KeyDown, VK_CONTROL, 0, false);
    }
    if (shifted) {
        Deliver(InputKind::KeyDown, VK_SHIFT, 0, false);
    }
    Deliver(InputKind::KeyDown, key.vk, 0, ch != 0);
    if (ch) {
        Deliver(InputKind::Char, 0, ch, false);
    }
    Deliver(InputKind::KeyUp, key.vk, 0, false);
    if (shifted) {
        Deliver(InputKind::KeyUp, VK_SHIFT, 0, false);
    }
    if (control) {
        Deliver(InputKind::KeyUp, VK_CONTROL, 0, false);
    }
    gPanel.shift = false;
    gPanel.control = false;
}

bool Latched(const PanelKey& key)
{
    switch (key.kind) {
    case PanelKeyKind::Shift: return gPanel.shift;
    case PanelKeyKind::Caps: return gPanel.caps;
    case PanelKeyKind::Control: return gPanel.control;
    case PanelKeyKind::Typing: return false;
    }
    return false;
}

void PaintKey(HDC dc, const PanelKey& key, HFONT font)
{
    const bool dark = Latched(key) || gPanel.pressed == &key;
    HBRUSH face = CreateSolidBrush(dark ? kShadowGrey : kKeyFace);
    HPEN edge = CreatePen(PS_SOLID, 1, kShadowGrey);
    HGDIOBJ oldBrush = SelectObject(dc, face);
    HGDIOBJ oldPen = SelectObject(dc, edge);
    // One pixel of panel between neighbours: the key is 1 px narrower than its cell.
    RoundRect(dc, key.rect.left, key.rect.top, key.rect.right - 1, key.rect.bottom - 1, 5, 5);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(edge);
    DeleteObject(face);

    char16_t text[8] = {};
    const bool letter = key.ch >= u'a' && key.ch <= u'z';
    if (letter && (gPanel.shift != gPanel.caps)) {
        text[0] = key.shiftCh;
    } else {
        for (int i = 0; i < 7 && key.label[i]; ++i) {
            text[i] = key.label[i];
        }
    }
    RECT r = {key.rect.left, key.rect.top, key.rect.right - 1, key.rect.bottom - 1};
    ShellLabel(dc, text, r, dark ? RGB(255, 255, 255) : RGB(0, 0, 0), font,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void PaintInputPanel(HDC dc)
{
    ShellFill(dc, kInputPanelRect, kBarGrey);
    HFONT font = CreateShellFont(10, false);
    for (const PanelKey& key : InputPanelKeys()) {
        PaintKey(dc, key, font);
    }
    DeleteObject(font);
}

void InputPanelStylus(UINT message, POINT p)
{
    if (message == WM_LBUTTONUP) {
        gPanel.pressed = nullptr;
        UserMarkScreenDirty(kInputPanelRect);
        return;
    }
    if (message != WM_LBUTTONDOWN) {
        return;
    }
    const PanelKey* key = InputPanelKeyAt(p);
    if (!key) {
        return;
    }
    gPanel.pressed = key;
    switch (key->kind) {
    case PanelKeyKind::Shift: gPanel.shift = !gPanel.shift; break;
    case PanelKeyKind::Caps: gPanel.caps = !gPanel.caps; break;
    case PanelKeyKind::Control: gPanel.control = !gPanel.control; break;
    case PanelKeyKind::Typing: TypeKey(*key); break;
    }
    UserMarkScreenDirty(kInputPanelRect);
}

void InputPanelReset()
{
    gPanel = PanelState{};
}
