// The system colours, with the classic defaults, and their brushes.
#pragma once

#include "GdiTypes.h"

PLATFORM_API DWORD GetSysColor(int index);
// A brush that always paints the current value of the system colour.
PLATFORM_API HBRUSH GetSysColorBrush(int index);

namespace platform {

// Sets one system colour without telling any window; the window layer broadcasts the change.
PLATFORM_API void SetSysColorValue(int index, COLORREF colour);
// Puts every system colour back to its default.
PLATFORM_API void ResetSysColors();

} // namespace platform
