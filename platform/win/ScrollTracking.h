// Clicks on a window's scroll bar: arrows and page areas send one step, the thumb is dragged
// with SB_THUMBTRACK until the button comes up, and every click ends with SB_ENDSCROLL.
#pragma once

#include "WinTypes.h"

namespace platform {

void TrackScrollBar(HWND hwnd, int bar, CPoint screenPoint);

} // namespace platform
