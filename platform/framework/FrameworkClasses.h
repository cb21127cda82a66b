// The window classes of the framework's own windows.
#pragma once

#include "../win/WinTypes.h"

namespace platform {

// Frames and views: double clicks, the arrow cursor, repainted whole when resized, erased with
// the window colour.
LPCTSTR FrameOrViewClass();
// The client area of an MDI frame, erased with the application workspace colour.
LPCTSTR MdiClientClass();

} // namespace platform
