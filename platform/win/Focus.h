// Activation of top-level windows, shared by the focus functions, window showing and
// destruction.
#pragma once

#include "WinTypes.h"

namespace platform {

// Makes a top-level window the active one (WM_NCACTIVATE and WM_ACTIVATE to the old and the
// new); state is WA_ACTIVE or WA_CLICKACTIVE.
HWND Activate(HWND topLevel, UINT state);
// Called before a window disappears (hidden or destroyed): the focus, capture and activation
// that it or its descendants hold move away, with their messages.
void LeaveWindow(HWND hwnd, BOOL destroying);

} // namespace platform
