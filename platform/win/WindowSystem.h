// The window system as a whole.
#pragma once

#include "../core/Types.h"

namespace platform {

// Destroys every window and puts the queue, focus, capture, clock, clipboard, desktop
// settings, system colours, message-box answers and log back to their start. Registered
// classes stay.
PLATFORM_API void ResetWindowSystem();

} // namespace platform
