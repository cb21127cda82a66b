#include "WindowSystem.h"

#include "../gdi/SysColors.h"
#include "Clipboard.h"
#include "EventLog.h"
#include "InputState.h"
#include "MessageBoxScript.h"
#include "MessageQueue.h"
#include "SystemMetrics.h"
#include "TimerTable.h"
#include "WinApi.h"
#include "WindowTable.h"

namespace platform {

void ResetWindowSystem()
{
    // Windows are destroyed with their messages, so their objects clean up as usual; a window
    // made while another is destroyed is caught by the next pass.
    for (int pass = 0; pass < 4 && !WindowTable::Instance().TopLevel().empty(); ++pass) {
        const std::vector<HWND> windows = WindowTable::Instance().TopLevel();
        for (HWND hwnd : windows)
            DestroyWindow(hwnd);
    }
    MessageQueue::Instance().Reset();
    InputState::Instance().Reset();
    TimerTable::Instance().Reset();
    Clipboard::Instance().Reset();
    DesktopSettings::Instance().Reset();
    ResetSysColors();
    MessageBoxScript::Instance().Reset();
    EventLog::Instance().Clear();
}

} // namespace platform
