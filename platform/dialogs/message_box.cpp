// MessageBoxW of the emulated device, for now without a window: each call is recorded and
// answered from the automation's queue, or with the box's default button when nothing was
// queued (what a user confirming with Enter would get).
#include <deque>

#include "automation.h"
#include "winuser.h"

namespace {

struct QueuedAnswer {
    std::u16string caption;
    int button;
};

std::vector<MessageBoxRecord> gRecords;
std::deque<QueuedAnswer> gAnswers;

int DefaultButton(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return (type & MB_DEFBUTTON2) ? IDNO : IDYES;
    case MB_OKCANCEL: return (type & MB_DEFBUTTON2) ? IDCANCEL : IDOK;
    default: return IDOK;
    }
}

std::u16string OrEmpty(LPCWSTR s)
{
    return s ? std::u16string(s) : std::u16string();
}

}  // namespace

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    std::u16string cap = OrEmpty(caption);
    int answer = DefaultButton(type);
    for (auto it = gAnswers.begin(); it != gAnswers.end(); ++it) {
        if (it->caption == cap) {
            answer = it->button;
            gAnswers.erase(it);
            break;
        }
    }
    gRecords.push_back({owner, OrEmpty(text), cap, type, answer});
    return answer;
}

void AutomationAnswerMessageBox(const std::u16string& caption, int button)
{
    gAnswers.push_back({caption, button});
}

const std::vector<MessageBoxRecord>& AutomationMessageBoxes()
{
    return gRecords;
}

void AutomationReset()
{
    gRecords.clear();
    gAnswers.clear();
}
