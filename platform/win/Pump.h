// Message loops. Every loop takes its input from the queue that tests and the host fill, so
// none of them waits for a person: when the queue runs dry, a loop ends.
#pragma once

#include <functional>
#include <string>

#include "WinTypes.h"

namespace platform {

enum class LoopEnd {
    Ended,  // the ending condition came true
    RanDry, // nothing was left to deliver first; the loop ended itself as cancelled
    Quit,   // WM_QUIT arrived (and is posted again for the outer loop)
    Runaway // the loop went on far longer than any real input could make it (a message storm)
};

// Delivers queued messages until `ended` answers TRUE. `filter` sees each message first and
// takes it over by answering TRUE (a drag or tracking loop watching the pointer). A loop that
// runs dry is logged under its name.
PLATFORM_API LoopEnd RunModalLoop(const std::function<BOOL()>& ended, const std::string& name,
                                  const std::function<BOOL(MSG&)>& filter = nullptr);
// Delivers one message; FALSE when none was left (or WM_QUIT came, which stays posted).
PLATFORM_API BOOL PumpMessage();
// Delivers messages until none is left; returns how many.
PLATFORM_API int RunUntilIdle();

// What runs before a queued message is dispatched; the default offers it to PreTranslateMessage
// of the window and its ancestors. The application layer may put its own in place.
PLATFORM_API void SetPreTranslateHook(std::function<BOOL(MSG*)> hook);
PLATFORM_API BOOL PreTranslate(MSG* msg);

} // namespace platform
