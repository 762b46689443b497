// MessageBoxW of the device: a modal box fitted to the narrow screen, with a caption line,
// the information / question / warning / error picture, the word-wrapped text and its
// buttons. Every call is recorded for the automation. The automation answers a box by its
// caption when the box's loop would block; a box the script says nothing about, on the
// headless device with the script used up, is confirmed with its default button, as a user
// pressing Enter would.
#include <deque>
#include <memory>

#include "automation.h"
#include "controls/controls_internal.h"
#include "dialog_internal.h"
#include "message_box_layout.h"
#include "user/user_internal.h"

namespace {

struct QueuedAnswer {
    std::u16string caption;  // the box it answers
    int button;              // IDOK, IDYES, ...
};

std::vector<MessageBoxRecord> gRecords;
std::deque<QueuedAnswer> gAnswers;
void (*gProbe)(const MessageBoxRecord& box) = nullptr;

constexpr COLORREF kCaptionColour = 0x00800000;  // the navigation bar's dark blue
constexpr int kFirstButtonId = 0;                // buttons carry their IDOK, IDYES, ... ids

struct BoxState {
    std::u16string text;      // as passed
    std::u16string caption;   // as passed ("Error" when null)
    UINT type;                // MB_* flags
    MessageBoxLayout layout;  // computed at WM_INITDIALOG
    HFONT boldFont;           // caption font, deleted with the box
};

std::u16string OrEmpty(LPCWSTR s)
{
    return s ? std::u16string(s) : std::u16string();
}

HFONT MakeFont(int weight)
{
    return CreateFontW(-11, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, u"MS Sans Serif");
}

// The picture: a blue disc with "i" or "?", a yellow triangle with "!", a red disc with "X".
void DrawIcon(HDC dc, const RECT& r, UINT type, HFONT bold)
{
    const UINT icon = type & MB_ICONMASK;
    COLORREF fill = 0x00C06000;
    const char16_t* mark = u"i";
    if (icon == MB_ICONQUESTION) {
        mark = u"?";
    } else if (icon == MB_ICONEXCLAMATION) {
        fill = 0x0000D0FF;
        mark = u"!";
    } else if (icon == MB_ICONHAND) {
        fill = 0x000000D0;
        mark = u"X";
    }
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    if (icon == MB_ICONEXCLAMATION) {
        const POINT tri[4] = {{(r.left + r.right) / 2, r.top + 1},
                              {r.right - 1, r.bottom - 2},
                              {r.left, r.bottom - 2},
                              {(r.left + r.right) / 2, r.top + 1}};
        Polyline(dc, tri, 4);
        for (int y = r.top + 3; y < r.bottom - 2; ++y) {
            const int half = (y - r.top) * (r.right - r.left) / (2 * (r.bottom - r.top));
            FillSolid(
                dc,
                RECT{(r.left + r.right) / 2 - half + 1, y, (r.left + r.right) / 2 + half, y + 1},
                fill);
        }
    } else {
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    HGDIOBJ oldFont = SelectObject(dc, bold);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, icon == MB_ICONEXCLAMATION ? kTextColour : kLightColour);
    RECT text = r;
    DrawTextW(dc, mark, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void Paint(HWND box, BoxState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(box, &ps);
    RECT r;
    GetClientRect(box, &r);
    const MessageBoxLayout& l = s->layout;
    FillSolid(dc, l.caption, kCaptionColour);
    HGDIOBJ oldFont = SelectObject(dc, s->boldFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLightColour);
    RECT captionText = l.caption;
    captionText.left += 6;
    DrawTextW(dc, s->caption.c_str(), -1, &captionText,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (l.icon.right > l.icon.left) {
        DrawIcon(dc, l.icon, s->type, s->boldFont);
    }
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SetTextColor(dc, kTextColour);
    int y = l.text.top;
    for (const auto& line : l.lines) {
        TextOutW(dc, l.text.left, y, line.c_str(), static_cast<int>(line.size()));
        y += l.lineHeight;
    }
    DrawOutline(dc, r, kFrameColour);
    SelectObject(dc, oldFont);
    EndPaint(box, &ps);
}

void Init(HWND box, BoxState* s)
{
    SetWindowLongW(box, DWL_USER, reinterpret_cast<LONG_PTR>(s));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    s->layout = LayoutMessageBox(s->text, s->caption, s->type, UserVisibleDesktop(),
                                 MeasureWith(dc), tm.tmHeight);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    const RECT& b = s->layout.box;
    MoveWindow(box, b.left, b.top, b.right - b.left, b.bottom - b.top, FALSE);
    HWND focus = nullptr;
    for (size_t i = 0; i < s->layout.buttons.size(); ++i) {
        const MessageBoxButton& button = s->layout.buttons[i];
        const bool isDefault = static_cast<int>(i) == s->layout.defaultButton;
        HWND hwnd = CreateWindowExW(
            0, WC_BUTTONW, button.text.c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
            button.rect.left, button.rect.top, button.rect.right - button.rect.left,
            button.rect.bottom - button.rect.top, box,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.id + kFirstButtonId)), nullptr,
            nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (isDefault) {
            focus = hwnd;
            SendMessageW(box, DM_SETDEFID, button.id, 0);
        }
    }
    SetFocus(focus);
}

bool HasButton(const BoxState* s, int id)
{
    for (const auto& b : s->layout.buttons) {
        if (b.id == id) {
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK MessageBoxProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* s = reinterpret_cast<BoxState*>(GetWindowLongW(box, DWL_USER));
    switch (msg) {
    case WM_INITDIALOG: Init(box, reinterpret_cast<BoxState*>(lParam)); return FALSE;
    case WM_PAINT: Paint(box, s); return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HasButton(s, id)) {
            EndDialog(box, id);
        } else if (id == IDCANCEL && (s->type & MB_TYPEMASK) == MB_OK) {
            EndDialog(box, IDOK);  // Escape closes a box that only informs
        }
        return TRUE;
    }
    }
    return FALSE;
}

// Answers the box when its loop would block: a queued answer for its caption, or on the
// headless device with nothing scripted, the default button.
bool AnswerWhenIdle(HWND box)
{
    auto* s = reinterpret_cast<BoxState*>(GetWindowLongW(box, DWL_USER));
    for (auto it = gAnswers.begin(); it != gAnswers.end(); ++it) {
        if (it->caption == s->caption) {
            const int button = it->button;
            gAnswers.erase(it);
            EndDialog(box, button);
            return true;
        }
    }
    if (AutomationScriptExhausted()) {
        EndDialog(box, s->layout.buttons[s->layout.defaultButton].id);
        return true;
    }
    return false;
}

const DLGTEMPLATEW kBoxTemplate = {WS_POPUP | DS_MODALFRAME, 0,      0, 0, 0, 160, 80, nullptr, 8,
                                   u"MS Sans Serif",         nullptr};

}  // namespace

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    auto state = std::make_unique<BoxState>();
    state->text = OrEmpty(text);
    state->caption = caption ? OrEmpty(caption) : std::u16string(u"Error");
    state->type = type;
    state->boldFont = MakeFont(FW_BOLD);
    DLGTEMPLATEW t = kBoxTemplate;
    t.title = state->caption.c_str();
    HWND box = CreateDialogWindow(nullptr, &t, owner, MessageBoxProc,
                                  reinterpret_cast<LPARAM>(state.get()), true);
    int answer = 0;
    if (box) {
        std::string name = "message box '";
        for (char16_t c : state->caption) {
            name += c < 0x80 ? static_cast<char>(c) : '?';
        }
        if (gProbe)
            gProbe({owner, state->text, OrEmpty(caption), type, 0});
        answer = static_cast<int>(RunModalDialog(box, name + "'", AnswerWhenIdle));
    }
    DeleteObject(state->boldFont);
    gRecords.push_back({owner, state->text, OrEmpty(caption), type, answer});
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

void AutomationSetMessageBoxProbe(void (*probe)(const MessageBoxRecord& box))
{
    gProbe = probe;
}

void ResetMessageBoxAutomation()
{
    gRecords.clear();
    gAnswers.clear();
    gProbe = nullptr;
}
