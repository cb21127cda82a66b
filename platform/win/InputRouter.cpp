#include "InputRouter.h"

#include "EventLog.h"
#include "InputState.h"
#include "Focus.h"
#include "MessageQueue.h"
#include "WinApi.h"
#include "WindowTable.h"

namespace platform {

namespace {

struct ButtonMessages {
    int virtualKey;
    UINT down, up, doubleClick;
    UINT ncDown, ncUp, ncDoubleClick;
    const char* name;
};

const ButtonMessages& MessagesOf(MouseButton button)
{
    static const ButtonMessages table[] = {
        {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, "left"},
        {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK, "right"},
        {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_NCMBUTTONDOWN, WM_NCMBUTTONUP, WM_NCMBUTTONDBLCLK, "middle"},
    };
    return table[int(button)];
}

// A window takes input when it and every window it sits in are enabled.
BOOL TakesInput(HWND hwnd)
{
    for (const WindowRecord* r = FindWindowRecord(hwnd); r; r = FindWindowRecord(r->parent))
        if (r->style & WS_DISABLED)
            return FALSE;
    return TRUE;
}

std::string PointText(POINT p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

UINT PointerMessage(const InputEvent& event, HWND target, BOOL client)
{
    const ButtonMessages& m = MessagesOf(event.button);
    switch (event.kind) {
    case InputEvent::Kind::ButtonDown: {
        if (!event.doubleClick)
            return client ? m.down : m.ncDown;
        const WindowRecord* record = FindWindowRecord(target);
        const BOOL wantsDouble = record && record->windowClass && (record->windowClass->info.style & CS_DBLCLKS);
        return client ? (wantsDouble ? m.doubleClick : m.down) : m.ncDoubleClick;
    }
    case InputEvent::Kind::ButtonUp:
        return client ? m.up : m.ncUp;
    default:
        return client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
    }
}

// Clicking into another top-level window activates it, unless the window asks otherwise.
// Returns FALSE when the click is to be eaten.
BOOL ActivateOnClick(HWND target, int hit, UINT message)
{
    HWND root = WindowTable::Instance().Root(target);
    if (root == InputState::Instance().active)
        return TRUE;
    const LRESULT answer = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root), MAKELPARAM(hit, message));
    if (answer == MA_NOACTIVATE || answer == 4 /* MA_NOACTIVATEANDEAT */)
        return answer == MA_NOACTIVATE;
    if (IsWindow(root))
        Activate(root, WA_CLICKACTIVE);
    return answer != MA_ACTIVATEANDEAT;
}

void RoutePointer(const InputEvent& event)
{
    auto& input = InputState::Instance();
    input.pointer = input.Confine(event.point);
    const CPoint pt = input.pointer;
    const int vk = MessagesOf(event.button).virtualKey;
    if (event.kind == InputEvent::Kind::ButtonDown)
        input.SetKey(vk, TRUE);
    if (event.kind == InputEvent::Kind::ButtonUp)
        input.SetKey(vk, FALSE);

    HWND target = input.capture;
    int hit = HTCLIENT;
    if (!target) {
        target = WindowFromPoint(pt);
        if (!target) {
            EventLog::Instance().Add("pointer " + PointText(pt) + ": no window there");
            return;
        }
        // A disabled window (one under a modal dialog, say) takes no pointer input.
        if (!TakesInput(target)) {
            if (event.kind != InputEvent::Kind::PointerMove)
                EventLog::Instance().Add("pointer " + PointText(pt) + ": " + WindowTable::Describe(target) +
                                         " is disabled, input ignored");
            return;
        }
        hit = int(SendMessage(target, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    }
    const UINT message = PointerMessage(event, target, hit == HTCLIENT);
    if (!input.capture && event.kind == InputEvent::Kind::ButtonDown && !ActivateOnClick(target, hit, message))
        return;
    if (!IsWindow(target))
        return;
    if (!input.capture)
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, message));
    if (!IsWindow(target))
        return;

    MSG msg;
    if (hit == HTCLIENT) {
        POINT client = pt;
        ScreenToClient(target, &client);
        msg = MakeMessage(target, message, input.MouseKeyFlags(), MAKELPARAM(client.x, client.y));
    } else {
        msg = MakeMessage(target, message, WPARAM(hit), MAKELPARAM(pt.x, pt.y));
    }
    MessageQueue::Instance().AddInputMessage(msg);
    if (event.kind != InputEvent::Kind::PointerMove)
        EventLog::Instance().Add(std::string(event.kind == InputEvent::Kind::ButtonUp ? "release " : "press ") +
                                 MessagesOf(event.button).name + (event.doubleClick ? " (double)" : "") + " at " +
                                 PointText(pt) + " -> " + WindowTable::Describe(target) +
                                 (hit == HTCLIENT ? "" : " hit " + std::to_string(hit)));
}

HWND KeyboardTarget()
{
    const auto& input = InputState::Instance();
    return input.focus ? input.focus : input.active;
}

void RouteKey(const InputEvent& event)
{
    auto& input = InputState::Instance();
    const int vk = event.value;
    const BOOL down = event.kind == InputEvent::Kind::KeyDown;
    const BOOL wasDown = input.IsKeyDown(vk);
    input.SetKey(vk, down);
    HWND target = KeyboardTarget();
    if (!target) {
        EventLog::Instance().Add("key " + std::to_string(vk) + ": no focus window");
        return;
    }
    const BOOL alt = input.IsKeyDown(VK_MENU);
    const BOOL system = alt || vk == VK_MENU || vk == VK_F10;
    LPARAM flags = 1;
    if (alt)
        flags |= LPARAM(1) << 29;
    if (wasDown || !down)
        flags |= LPARAM(1) << 30;
    if (!down)
        flags |= LPARAM(1) << 31;
    const UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    MessageQueue::Instance().AddInputMessage(MakeMessage(target, message, WPARAM(vk), LPARAM(DWORD(flags))));
}

void RouteChar(const InputEvent& event)
{
    HWND target = KeyboardTarget();
    if (!target) {
        EventLog::Instance().Add("character " + std::to_string(event.value) + ": no focus window");
        return;
    }
    const UINT message = InputState::Instance().IsKeyDown(VK_MENU) ? WM_SYSCHAR : WM_CHAR;
    MessageQueue::Instance().AddInputMessage(MakeMessage(target, message, WPARAM(BYTE(event.value)), 1));
}

void RouteWheel(const InputEvent& event)
{
    auto& input = InputState::Instance();
    input.pointer = input.Confine(event.point);
    HWND target = input.focus ? input.focus : WindowFromPoint(input.pointer);
    if (!target) {
        EventLog::Instance().Add("wheel: no window");
        return;
    }
    const WPARAM wParam = MAKEWPARAM(input.MouseKeyFlags(), WORD(short(event.value)));
    MessageQueue::Instance().AddInputMessage(
        MakeMessage(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(input.pointer.x, input.pointer.y)));
    EventLog::Instance().Add("wheel " + std::to_string(event.value) + " -> " + WindowTable::Describe(target));
}

} // namespace

void RouteInputEvent(const InputEvent& event)
{
    const BOOL pointer = event.kind == InputEvent::Kind::PointerMove || event.kind == InputEvent::Kind::ButtonDown ||
                         event.kind == InputEvent::Kind::ButtonUp || event.kind == InputEvent::Kind::Wheel;
    InputState::Instance().SetTransientModifiers(pointer ? event.modifiers : 0);
    switch (event.kind) {
    case InputEvent::Kind::PointerMove:
    case InputEvent::Kind::ButtonDown:
    case InputEvent::Kind::ButtonUp:
        RoutePointer(event);
        break;
    case InputEvent::Kind::Wheel:
        RouteWheel(event);
        break;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
        RouteKey(event);
        break;
    case InputEvent::Kind::Char:
        RouteChar(event);
        break;
    default:
        break;
    }
}

} // namespace platform
