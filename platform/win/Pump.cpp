#include "Pump.h"

#include "EventLog.h"
#include "InputState.h"
#include "MessageQueue.h"
#include "Wnd.h"

namespace platform {

namespace {

// No real input makes a loop deliver this many messages without a pause; past it the loop is
// stopped and the storm logged, so a faulty handler cannot hang a test or the host.
constexpr int kRunawayLimit = 500000;

std::function<BOOL(MSG*)>& Hook()
{
    static std::function<BOOL(MSG*)> hook;
    return hook;
}

void Deliver(MSG& msg)
{
    if (!PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

} // namespace

void SetPreTranslateHook(std::function<BOOL(MSG*)> hook) { Hook() = std::move(hook); }

BOOL PreTranslate(MSG* msg)
{
    if (Hook())
        return Hook()(msg);
    return CWnd::WalkPreTranslateTree(nullptr, msg);
}

LoopEnd RunModalLoop(const std::function<BOOL()>& ended, const std::string& name, const std::function<BOOL(MSG&)>& filter)
{
    for (int count = 0; !ended || !ended(); ++count) {
        if (count == kRunawayLimit) {
            EventLog::Instance().Add(name + ": stopped after " + std::to_string(count) + " messages");
            return LoopEnd::Runaway;
        }
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            EventLog::Instance().Add(name + ": input ran dry, cancelled");
            return LoopEnd::RanDry;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return LoopEnd::Quit;
        }
        if (!filter || !filter(msg))
            Deliver(msg);
    }
    return LoopEnd::Ended;
}

BOOL PumpMessage()
{
    MSG msg;
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        return FALSE;
    if (msg.message == WM_QUIT) {
        PostQuitMessage(int(msg.wParam));
        return FALSE;
    }
    Deliver(msg);
    return TRUE;
}

int RunUntilIdle()
{
    int count = 0;
    while (PumpMessage())
        if (++count == kRunawayLimit) {
            EventLog::Instance().Add("message loop: stopped after " + std::to_string(count) + " messages");
            break;
        }
    return count;
}

} // namespace platform

// The character a key makes on a plain keyboard, or 0.
static int CharacterOfKey(UINT key, BOOL shift, BOOL control)
{
    if (key >= 'A' && key <= 'Z')
        return control ? int(key - 'A' + 1) : int(shift ? key : key + 32);
    if (control)
        return key == VK_RETURN ? '\n' : key == VK_BACK ? 127 : 0;
    if (key >= '0' && key <= '9')
        return shift ? ")!@#$%^&*("[key - '0'] : int(key);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return int('0' + key - VK_NUMPAD0);
    switch (key) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 27;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    case VK_OEM_1: return shift ? ':' : ';';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_2: return shift ? '?' : '/';
    default: return 0;
    }
}

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    const auto& input = platform::InputState::Instance();
    const int ch = CharacterOfKey(UINT(msg->wParam), input.IsKeyDown(VK_SHIFT), input.IsKeyDown(VK_CONTROL));
    if (!ch)
        return FALSE;
    return PostMessage(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, WPARAM(ch), msg->lParam);
}
