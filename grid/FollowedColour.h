// A colour property that follows a system colour until its owner sets another value.
#pragma once

#include "platform/gdi/SysColors.h"

namespace grid {

struct FollowedColour {
    int index = 0;
    COLORREF value = 0;
    // The system colour as it was when last taken; a value still equal to it follows changes.
    COLORREF taken = 0;

    static FollowedColour Of(int sysColourIndex)
    {
        const COLORREF colour = GetSysColor(sysColourIndex);
        return {sysColourIndex, colour, colour};
    }
    // Called when the system colours change.
    void Refresh()
    {
        const COLORREF now = GetSysColor(index);
        if (value == taken)
            value = now;
        taken = now;
    }
};

} // namespace grid
