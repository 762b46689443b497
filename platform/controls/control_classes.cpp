// Registration of the predefined control classes and the common-controls entry points.
#include "commctrl.h"
#include "controls_internal.h"

namespace {

void Register(LPCWSTR name, WNDPROC proc, UINT style)
{
    WNDCLASSW existing;
    if (GetClassInfoW(nullptr, name, &existing)) {
        return;
    }
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = sizeof(void*);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

}  // namespace

void EnsureControlClasses()
{
    Register(WC_BUTTONW, ButtonWndProc, CS_DBLCLKS | CS_PARENTDC);
    Register(WC_STATICW, StaticWndProc, CS_PARENTDC);
    Register(WC_EDITW, EditWndProc, CS_DBLCLKS | CS_PARENTDC);
    Register(WC_LISTBOXW, ListBoxWndProc, CS_DBLCLKS);
    Register(WC_TABCONTROLW, TabControlWndProc, CS_DBLCLKS);
}

void WINAPI InitCommonControls(void)
{
    EnsureControlClasses();
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init)
{
    if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return FALSE;
    }
    EnsureControlClasses();
    return TRUE;
}
