#include "MessageQueue.h"

#include <algorithm>

#include "EventLog.h"
#include "InputRouter.h"
#include "InputState.h"
#include "Painting.h"
#include "TimerTable.h"
#include "WinApi.h"
#include "WindowTable.h"

namespace platform {

MessageQueue& MessageQueue::Instance()
{
    static MessageQueue& queue = *new MessageQueue;
    return queue;
}

void MessageQueue::Reset() { *this = MessageQueue(); }

MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    msg.pt = InputState::Instance().pointer;
    return msg;
}

BOOL MessageQueue::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !IsWindow(hwnd))
        return FALSE;
    m_posted.push_back(MakeMessage(hwnd, message, wParam, lParam));
    return TRUE;
}

void MessageQueue::PostTimer(HWND hwnd, UINT_PTR id, TIMERPROC proc)
{
    const bool waiting = std::any_of(m_posted.begin(), m_posted.end(), [&](const MSG& m) {
        return m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == id;
    });
    if (!waiting)
        m_posted.push_back(MakeMessage(hwnd, WM_TIMER, id, reinterpret_cast<LPARAM>(proc)));
}

void MessageQueue::RemoveTimerMessages(HWND hwnd, UINT_PTR id)
{
    std::erase_if(m_posted, [&](const MSG& m) { return m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == id; });
}

void MessageQueue::RemoveWindowMessages(HWND hwnd)
{
    std::erase_if(m_posted, [&](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(m_input, [&](const MSG& m) { return m.hwnd == hwnd; });
}

void MessageQueue::PostQuit(int exitCode)
{
    m_quit = TRUE;
    m_quitCode = exitCode;
}

void MessageQueue::DropInput()
{
    m_events.clear();
    m_input.clear();
}

static BOOL Matches(const MSG& msg, HWND filter, UINT filterMin, UINT filterMax)
{
    if (filter && msg.hwnd != filter)
        return FALSE;
    if (filterMin == 0 && filterMax == 0)
        return TRUE;
    return msg.message >= filterMin && msg.message <= filterMax;
}

BOOL MessageQueue::Take(std::deque<MSG>& queue, MSG& msg, HWND filter, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    auto it = std::find_if(queue.begin(), queue.end(),
                           [&](const MSG& m) { return Matches(m, filter, filterMin, filterMax); });
    if (it == queue.end())
        return FALSE;
    msg = *it;
    if (removeFlags & PM_REMOVE)
        queue.erase(it);
    return TRUE;
}

BOOL MessageQueue::TakePaint(MSG& msg, HWND filter, UINT filterMin, UINT filterMax)
{
    if (!Matches(MakeMessage(filter, WM_PAINT, 0, 0), filter, filterMin, filterMax))
        return FALSE;
    HWND hwnd = NextWindowToPaint(filter);
    if (!hwnd)
        return FALSE;
    msg = MakeMessage(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL MessageQueue::Peek(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    for (;;) {
        if (Take(m_posted, msg, filter, filterMin, filterMax, removeFlags))
            break;
        if (m_quit && Matches(MakeMessage(nullptr, WM_QUIT, 0, 0), nullptr, filterMin, filterMax)) {
            msg = MakeMessage(nullptr, WM_QUIT, WPARAM(m_quitCode), 0);
            if (removeFlags & PM_REMOVE)
                m_quit = FALSE;
            break;
        }
        if (Take(m_input, msg, filter, filterMin, filterMax, removeFlags))
            break;
        // Input is routed one event at a time, and only once the messages of the previous one
        // are gone, so that each event meets the state its predecessors left.
        if (m_input.empty() && !m_events.empty()) {
            ProcessNextEvent();
            continue;
        }
        if (TakePaint(msg, filter, filterMin, filterMax))
            break;
        return FALSE;
    }
    if (removeFlags & PM_REMOVE)
        m_last = msg;
    return TRUE;
}

void MessageQueue::ProcessNextEvent()
{
    InputEvent event = std::move(m_events.front());
    m_events.pop_front();
    switch (event.kind) {
    case InputEvent::Kind::Action:
        EventLog::Instance().Add("action: " + event.description);
        if (event.action)
            event.action();
        // An action that ends a modal loop (a click on OK) may cause no message of its own; this
        // one hands control back to the loop, so the loop sees that it ended before the next
        // action runs inside it.
        m_posted.push_back(MakeMessage(nullptr, WM_NULL, 0, 0));
        break;
    case InputEvent::Kind::AdvanceClock:
        AdvanceClock(event);
        break;
    default:
        RouteInputEvent(event);
        break;
    }
}

void MessageQueue::AdvanceClock(const InputEvent& event)
{
    auto& timers = TimerTable::Instance();
    const DWORD target = timers.Now() + event.milliseconds;
    if (!event.continuation)
        EventLog::Instance().Add("clock: advance " + std::to_string(event.milliseconds) + " ms to " +
                                 std::to_string(target));
    // The clock stops at every due time on the way, so each tick is handled (and what it posts
    // is delivered) before the next one and before the input queued after the step.
    const auto due = timers.NextDue(target);
    timers.MoveTo(due.value_or(target));
    if (due && *due < target) {
        InputEvent rest = event;
        rest.milliseconds = target - *due;
        rest.continuation = TRUE;
        m_events.push_front(std::move(rest));
    }
}

} // namespace platform

using platform::MessageQueue;

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MessageQueue::Instance().Post(hwnd, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) { MessageQueue::Instance().PostQuit(exitCode); }

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    MSG local;
    const BOOL found = MessageQueue::Instance().Peek(local, hwnd, filterMin, filterMax, removeFlags);
    if (found && msg)
        *msg = local;
    return found;
}

BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    MSG local;
    const BOOL found = MessageQueue::Instance().Peek(local, hwnd, filterMin, filterMax, PM_REMOVE);
    if (!found)
        local = platform::MakeMessage(nullptr, WM_NULL, 0, 0);
    if (msg)
        *msg = local;
    return found && local.message != WM_QUIT;
}

DWORD GetMessageTime() { return MessageQueue::Instance().LastMessage().time; }

DWORD GetMessagePos()
{
    const POINT pt = MessageQueue::Instance().LastMessage().pt;
    return DWORD(MAKELONG(pt.x, pt.y));
}
