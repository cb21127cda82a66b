// The driver's input side: queued pointer, keyboard and control actions, the clock, running,
// message-box answers and desktop settings.
#include "Automation.h"

#include <cctype>
#include <cstring>

#include "../gdi/SysColors.h"
#include "../win/WindowSystem.h"
#include "../win/Clipboard.h"
#include "../win/EventLog.h"
#include "../win/InputState.h"
#include "../win/MessageBoxScript.h"
#include "../win/MessageQueue.h"
#include "../win/Pump.h"
#include "../win/SystemMetrics.h"
#include "../win/TimerTable.h"
#include "../win/WindowManager.h"
#include "../win/WindowTable.h"

namespace platform {

Automation& Automation::Instance()
{
    static Automation& automation = *new Automation;
    return automation;
}

void Automation::Reset() { ResetWindowSystem(); }

void Automation::QueueEvent(InputEvent event) { MessageQueue::Instance().QueueInput(std::move(event)); }

void Automation::QueuePointer(InputEvent::Kind kind, CPoint screen, MouseButton button, UINT modifiers, BOOL doubleClick)
{
    InputEvent event;
    event.kind = kind;
    event.point = screen;
    event.button = button;
    event.modifiers = modifiers & (MK_SHIFT | MK_CONTROL);
    event.doubleClick = doubleClick;
    QueueEvent(std::move(event));
}

void Automation::MoveTo(CPoint screen, UINT modifiers)
{
    QueuePointer(InputEvent::Kind::PointerMove, screen, MouseButton::Left, modifiers);
}

void Automation::Press(CPoint screen, MouseButton button, UINT modifiers)
{
    QueuePointer(InputEvent::Kind::ButtonDown, screen, button, modifiers);
}

void Automation::Release(CPoint screen, MouseButton button, UINT modifiers)
{
    QueuePointer(InputEvent::Kind::ButtonUp, screen, button, modifiers);
}

void Automation::Click(CPoint screen, UINT modifiers, MouseButton button)
{
    MoveTo(screen, modifiers);
    Press(screen, button, modifiers);
    Release(screen, button, modifiers);
}

void Automation::DoubleClick(CPoint screen, UINT modifiers)
{
    Click(screen, modifiers);
    QueuePointer(InputEvent::Kind::ButtonDown, screen, MouseButton::Left, modifiers, TRUE);
    Release(screen, MouseButton::Left, modifiers);
}

void Automation::Drag(CPoint from, CPoint to, UINT modifiers, int steps)
{
    MoveTo(from, modifiers);
    Press(from, MouseButton::Left, modifiers);
    steps = std::max(1, steps);
    for (int i = 1; i <= steps; ++i)
        MoveTo(CPoint(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps), modifiers);
    Release(to, MouseButton::Left, modifiers);
}

void Automation::Wheel(int delta, std::optional<CPoint> at, UINT modifiers)
{
    if (at)
        MoveTo(*at, modifiers);
    InputEvent event;
    event.kind = InputEvent::Kind::Wheel;
    event.value = delta;
    event.modifiers = modifiers & (MK_SHIFT | MK_CONTROL);
    event.point = at.value_or(InputState::Instance().pointer);
    QueueEvent(std::move(event));
}

CPoint Automation::ToScreen(HWND hwnd, CPoint client)
{
    ::ClientToScreen(hwnd, &client);
    return client;
}

CPoint Automation::ScrollBarPoint(HWND hwnd, int bar, ScrollPart part)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return CPoint();
    const CRect rect = ScrollBarRect(*record, bar);
    const ThumbGeometry g = ScrollThumb(*record, bar);
    const int length = bar == SB_VERT ? rect.Height() : rect.Width();
    int along = 0;
    switch (part) {
    case ScrollPart::LineUp: along = g.trackStart / 2; break;
    case ScrollPart::PageUp: along = (g.trackStart + g.thumbStart) / 2; break;
    case ScrollPart::Thumb: along = g.thumbStart + g.thumbLength / 2; break;
    case ScrollPart::PageDown: along = (g.thumbStart + g.thumbLength + length - g.trackStart) / 2; break;
    default: along = length - g.trackStart / 2 - 1; break;
    }
    const CPoint origin = WindowOriginOnScreen(*record);
    const CPoint middle = rect.CenterPoint();
    return bar == SB_VERT ? CPoint(origin.x + middle.x, origin.y + rect.top + along)
                          : CPoint(origin.x + rect.left + along, origin.y + middle.y);
}

void Automation::KeyDown(int virtualKey)
{
    InputEvent event;
    event.kind = InputEvent::Kind::KeyDown;
    event.value = virtualKey;
    QueueEvent(std::move(event));
}

void Automation::KeyUp(int virtualKey)
{
    InputEvent event;
    event.kind = InputEvent::Kind::KeyUp;
    event.value = virtualKey;
    QueueEvent(std::move(event));
}

void Automation::Key(int virtualKey, UINT modifiers)
{
    if (modifiers & MK_CONTROL)
        KeyDown(VK_CONTROL);
    if (modifiers & MK_SHIFT)
        KeyDown(VK_SHIFT);
    KeyDown(virtualKey);
    KeyUp(virtualKey);
    if (modifiers & MK_SHIFT)
        KeyUp(VK_SHIFT);
    if (modifiers & MK_CONTROL)
        KeyUp(VK_CONTROL);
}

void Automation::Char(char ch)
{
    InputEvent event;
    event.kind = InputEvent::Kind::Char;
    event.value = static_cast<unsigned char>(ch);
    QueueEvent(std::move(event));
}

namespace {

struct KeyStroke {
    int key = 0;
    BOOL shift = FALSE;
};

// The key (and Shift) that types a character on a plain keyboard, if there is one.
std::optional<KeyStroke> KeyFor(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalpha(c) && c < 128)
        return KeyStroke{std::toupper(c), std::isupper(c) != 0};
    if (std::isdigit(c))
        return KeyStroke{c, FALSE};
    if (const char* shifted = std::strchr(")!@#$%^&*(", ch); shifted && ch)
        return KeyStroke{int('0' + (shifted - ")!@#$%^&*(")), TRUE};
    static const struct {
        char ch;
        int key;
        BOOL shift;
    } others[] = {{' ', VK_SPACE, FALSE},     {'\t', VK_TAB, FALSE},       {'\r', VK_RETURN, FALSE},
                  {'\n', VK_RETURN, FALSE},   {'\b', VK_BACK, FALSE},      {27, VK_ESCAPE, FALSE},
                  {';', VK_OEM_1, FALSE},     {':', VK_OEM_1, TRUE},       {'=', VK_OEM_PLUS, FALSE},
                  {'+', VK_OEM_PLUS, TRUE},   {',', VK_OEM_COMMA, FALSE},  {'<', VK_OEM_COMMA, TRUE},
                  {'-', VK_OEM_MINUS, FALSE}, {'_', VK_OEM_MINUS, TRUE},   {'.', VK_OEM_PERIOD, FALSE},
                  {'>', VK_OEM_PERIOD, TRUE}, {'/', VK_OEM_2, FALSE},      {'?', VK_OEM_2, TRUE}};
    for (const auto& other : others)
        if (other.ch == ch)
            return KeyStroke{other.key, other.shift};
    return std::nullopt;
}

} // namespace

void Automation::Type(const std::string& text)
{
    for (char ch : text) {
        const auto stroke = KeyFor(ch);
        if (!stroke) {
            Char(ch);
            continue;
        }
        Key(stroke->key, stroke->shift ? MK_SHIFT : 0);
    }
}

void Automation::Queue(std::string description, std::function<void()> action)
{
    InputEvent event;
    event.kind = InputEvent::Kind::Action;
    event.description = std::move(description);
    event.action = std::move(action);
    QueueEvent(std::move(event));
}

HWND Automation::FindControl(int id, HWND within)
{
    HWND root = within ? within : GetActiveWindow();
    std::vector<HWND> all;
    WindowTable::Instance().CollectSubtree(root, all);
    for (HWND hwnd : all)
        if (hwnd != root && GetDlgCtrlID(hwnd) == id)
            return hwnd;
    return nullptr;
}

// Runs an action on a control found when the action is reached, logging a missing control.
static std::function<void()> OnControl(int id, HWND within, std::function<void(HWND)> action)
{
    return [=] {
        HWND control = Automation::FindControl(id, within);
        if (!control) {
            EventLog::Instance().Add("  no control " + std::to_string(id));
            return;
        }
        action(control);
    };
}

void Automation::SetControlText(int id, std::string text, HWND within)
{
    Queue("set text of control " + std::to_string(id) + " to '" + text + "'",
          OnControl(id, within, [text](HWND control) { SetWindowText(control, text.c_str()); }));
}

void Automation::ClickButton(int id, HWND within)
{
    Queue("click button " + std::to_string(id), OnControl(id, within, [](HWND control) { SendMessage(control, BM_CLICK); }));
}

void Automation::FocusControl(int id, HWND within)
{
    Queue("focus control " + std::to_string(id), OnControl(id, within, [](HWND control) { SetFocus(control); }));
}

void Automation::SendToControl(int id, UINT message, WPARAM wParam, LPARAM lParam, std::string description, HWND within)
{
    Queue(std::move(description),
          OnControl(id, within, [=](HWND control) { SendMessage(control, message, wParam, lParam); }));
}

void Automation::AdvanceClock(DWORD milliseconds)
{
    InputEvent event;
    event.kind = InputEvent::Kind::AdvanceClock;
    event.milliseconds = milliseconds;
    QueueEvent(std::move(event));
}

int Automation::RunUntilIdle() { return platform::RunUntilIdle(); }

std::size_t Automation::PendingInput() const { return MessageQueue::Instance().PendingInput(); }

void Automation::QueueMessageBoxAnswer(int answer) { MessageBoxScript::Instance().Queue(answer); }

int Automation::AnswerMessageBox(const char* text, const char* caption, UINT type)
{
    return MessageBoxScript::Instance().Answer(text, caption, type);
}

std::size_t Automation::PendingMessageBoxAnswers() const { return MessageBoxScript::Instance().Pending(); }

void Automation::SetSysColor(int index, COLORREF colour)
{
    EventLog::Instance().Add("system colour " + std::to_string(index) + " set");
    ::SetSysColors(1, &index, &colour);
}

void Automation::SetWheelScrollLines(std::optional<std::string> text)
{
    EventLog::Instance().Add("WheelScrollLines " + (text ? "set to '" + *text + "'" : std::string("removed")));
    DesktopSettings::Instance().SetWheelScrollLinesText(std::move(text));
    SendToAllWindows(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
}

} // namespace platform
