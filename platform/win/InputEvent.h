// One item of queued input: what a user would do with the pointer or the keyboard, a control
// action of a test or script, or a step of the virtual clock.
#pragma once

#include <functional>
#include <string>

#include "WinTypes.h"

namespace platform {

enum class MouseButton { Left, Right, Middle };

struct InputEvent {
    enum class Kind { PointerMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char, Action, AdvanceClock };

    Kind kind = Kind::Action;
    CPoint point; // screen coordinates of pointer events
    MouseButton button = MouseButton::Left;
    BOOL doubleClick = FALSE; // a press that completes a double click
    UINT modifiers = 0;       // MK_SHIFT and MK_CONTROL held during a pointer event
    int value = 0;            // virtual key, character or wheel delta
    DWORD milliseconds = 0;   // clock steps
    BOOL continuation = FALSE;
    std::string description; // actions
    std::function<void()> action;
};

} // namespace platform
