#include "TimerTable.h"

#include <algorithm>

#include "MessageQueue.h"
#include "WinApi.h"

namespace platform {

TimerTable& TimerTable::Instance()
{
    static TimerTable& table = *new TimerTable;
    return table;
}

void TimerTable::Reset() { *this = TimerTable(); }

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC proc)
{
    if (hwnd && !IsWindow(hwnd))
        return 0;
    if (!hwnd)
        id = ++m_nextThreadTimer;
    period = std::max(period, kMinimumPeriod);
    auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    const Timer timer{hwnd, id, period, m_now + period, proc};
    if (it != m_timers.end())
        *it = timer;
    else
        m_timers.push_back(timer);
    return id;
}

BOOL TimerTable::Kill(HWND hwnd, UINT_PTR id)
{
    auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == m_timers.end())
        return FALSE;
    m_timers.erase(it);
    MessageQueue::Instance().RemoveTimerMessages(hwnd, id);
    return TRUE;
}

void TimerTable::KillAll(HWND hwnd)
{
    std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<DWORD> TimerTable::NextDue(DWORD limit) const
{
    std::optional<DWORD> next;
    for (const Timer& t : m_timers)
        if (t.due <= limit && (!next || t.due < *next))
            next = t.due;
    return next;
}

void TimerTable::MoveTo(DWORD time)
{
    m_now = std::max(m_now, time);
    for (Timer& t : m_timers) {
        if (t.due > m_now)
            continue;
        t.due = m_now + t.period;
        MessageQueue::Instance().PostTimer(t.hwnd, t.id, t.proc);
    }
}

} // namespace platform

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    return platform::TimerTable::Instance().Set(hwnd, id, elapse, proc);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return platform::TimerTable::Instance().Kill(hwnd, id); }

DWORD GetTickCount() { return platform::TimerTable::Instance().Now(); }
