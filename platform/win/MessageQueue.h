// The thread's message queue: posted messages first, then input turned into messages as it is
// reached, then paint requests. Queued input is routed when it is taken, against the windows,
// focus and capture of that moment, as a user's input would be.
#pragma once

#include <deque>

#include "InputEvent.h"

namespace platform {

class MessageQueue {
public:
    static MessageQueue& Instance();
    void Reset();

    BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // At most one WM_TIMER of a timer waits in the queue at a time.
    void PostTimer(HWND hwnd, UINT_PTR id, TIMERPROC proc);
    void RemoveTimerMessages(HWND hwnd, UINT_PTR id);
    void RemoveWindowMessages(HWND hwnd);
    void PostQuit(int exitCode);

    BOOL Peek(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, UINT removeFlags);

    void QueueInput(InputEvent event) { m_events.push_back(std::move(event)); }
    std::size_t PendingInput() const { return m_events.size() + m_input.size(); }
    void DropInput();
    // Messages that input produced, routed but not yet taken.
    void AddInputMessage(const MSG& msg) { m_input.push_back(msg); }

    const MSG& LastMessage() const { return m_last; }

private:
    BOOL Take(std::deque<MSG>& queue, MSG& msg, HWND filter, UINT filterMin, UINT filterMax, UINT removeFlags);
    BOOL TakePaint(MSG& msg, HWND filter, UINT filterMin, UINT filterMax);
    void ProcessNextEvent();
    void AdvanceClock(const InputEvent& event);

    std::deque<MSG> m_posted;
    std::deque<MSG> m_input;
    std::deque<InputEvent> m_events;
    BOOL m_quit = FALSE;
    int m_quitCode = 0;
    MSG m_last;
};

// Makes a message record stamped with the current time and pointer position.
MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform
