// Accelerator tables: a copy of the program's ACCEL records, and the translation of a key
// press into WM_COMMAND with 1 in the high word of wParam (the mark of an accelerator).
#include <memory>
#include <unordered_set>
#include <vector>

#include "user/window_internal.h"

namespace {

struct AcceleratorTable {
    std::vector<ACCEL> entries;  // in the order given; the first match wins
};

std::unordered_set<AcceleratorTable*>& Tables()
{
    static std::unordered_set<AcceleratorTable*> tables;
    return tables;
}

AcceleratorTable* FromHandle(HACCEL h)
{
    auto* t = reinterpret_cast<AcceleratorTable*>(h);
    return Tables().count(t) ? t : nullptr;
}

bool ModifiersMatch(BYTE fVirt)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    return ctrl == ((fVirt & FCONTROL) != 0) && shift == ((fVirt & FSHIFT) != 0) &&
           alt == ((fVirt & FALT) != 0);
}

}  // namespace

HACCEL WINAPI CreateAcceleratorTableW(const ACCEL* entries, int count)
{
    if (!entries || count <= 0)
        return nullptr;
    auto* t = new AcceleratorTable{std::vector<ACCEL>(entries, entries + count)};
    Tables().insert(t);
    return reinterpret_cast<HACCEL>(t);
}

BOOL WINAPI DestroyAcceleratorTable(HACCEL table)
{
    AcceleratorTable* t = FromHandle(table);
    if (!t)
        return FALSE;
    Tables().erase(t);
    delete t;
    return TRUE;
}

int WINAPI TranslateAcceleratorW(HWND hwnd, HACCEL table, LPMSG msg)
{
    AcceleratorTable* t = FromHandle(table);
    UserWindow* w = LocalWindow(hwnd);
    if (!t || !w || !msg)
        return 0;
    const bool keyDown = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    const bool character = msg->message == WM_CHAR || msg->message == WM_SYSCHAR;
    if (!keyDown && !character)
        return 0;
    for (const ACCEL& a : t->entries) {
        const bool virtualKey = (a.fVirt & FVIRTKEY) != 0;
        if (virtualKey ? !keyDown : !character)
            continue;
        if (WPARAM(a.key) != msg->wParam)
            continue;
        if (virtualKey && !ModifiersMatch(a.fVirt))
            continue;
        // A disabled window takes no commands, but the key is still used up.
        if (IsWindowEnabled(hwnd))
            UserSend(w, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}

void AcceleratorsReset()
{
    for (AcceleratorTable* t : Tables())
        delete t;
    Tables().clear();
}
