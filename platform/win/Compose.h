// Pictures of what is on screen: a window with its children laid over it in z-order, or the
// whole screen. Pending paints are done first, so the picture is what a user would see.
#pragma once

#include "../gdi/Surface.h"
#include "WinTypes.h"

namespace platform {

PLATFORM_API Surface ComposeWindow(HWND hwnd);
PLATFORM_API Surface ComposeScreen();
// Paints every window that waits for it (frames and update areas), without taking input.
PLATFORM_API void PaintPendingWindows();

} // namespace platform
