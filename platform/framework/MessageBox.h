// Message boxes. A box is a modal window over its owner with an icon, the text and its buttons;
// since nobody sits in front of it here, its answer comes from the script of answers (the
// automation's QueueMessageBoxAnswer), or is the box's way out when none is queued. Every box
// is logged with its caption, text and answer.
#pragma once

#include <functional>

#include "../win/WinApi.h"

// The caption is the application's name.
PLATFORM_API int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text is a string resource of the current module.
PLATFORM_API int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = UINT(-1));

namespace platform {

// Shows a box over its owner's top-level window (the active window when there is no owner) and
// returns the answer. A null caption is the application's name.
PLATFORM_API int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);
// Called while each box is on screen, with its window: a chance to take a picture of it.
PLATFORM_API void SetMessageBoxObserver(std::function<void(HWND)> observer);

} // namespace platform
