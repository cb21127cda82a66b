// Timers on the virtual clock. Time moves only when the automation advances it, so a timer
// fires exactly at its due time, in due order, and never on its own.
#pragma once

#include <optional>
#include <vector>

#include "WinTypes.h"

namespace platform {

class TimerTable {
public:
    // The shortest period; shorter requests are raised to it so that no timer can fire
    // endlessly at one instant.
    static constexpr UINT kMinimumPeriod = 10;

    static TimerTable& Instance();
    void Reset();

    DWORD Now() const { return m_now; }
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC proc);
    BOOL Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);

    // The earliest due time at or before the limit, if any timer has one.
    std::optional<DWORD> NextDue(DWORD limit) const;
    // Moves the clock to a time (never backwards) and posts WM_TIMER for every timer then due,
    // rescheduling each one period later.
    void MoveTo(DWORD time);

private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        UINT period;
        DWORD due;
        TIMERPROC proc;
    };

    std::vector<Timer> m_timers;
    DWORD m_now = 0;
    UINT_PTR m_nextThreadTimer = 0x7FF0;
};

} // namespace platform
