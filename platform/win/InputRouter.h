// Turns one queued input event into the message a window system would deliver for it: the
// pointer goes to the capture window, else to the window under it (asked for its hit-test
// code and cursor); keys and characters go to the focus window.
#pragma once

#include "InputEvent.h"

namespace platform {

void RouteInputEvent(const InputEvent& event);

} // namespace platform
