// One cell of the grid: its state bits, text format, text, picture, colours, font and the
// owner's value. The grid owns every cell; callers reach them through the grid's operations.
#pragma once

#include "platform/core/String.h"
#include "platform/gdi/GdiTypes.h"

inline constexpr UINT CELLSTATE_FOCUS = 0x01;
inline constexpr UINT CELLSTATE_PICKED = 0x02;
inline constexpr UINT CELLSTATE_DROPTARGET = 0x04;
inline constexpr UINT CELLSTATE_LOCKED = 0x08;
inline constexpr UINT CELLSTATE_CHANGED = 0x20;

struct CGridCellData {
    UINT state = 0;
    // Text drawing flags, handed unchanged to the draw-text operation.
    UINT format = 0;
    CString text;
    // An index into the grid's picture list; negative means no picture.
    int image = -1;
    COLORREF back = CLR_DEFAULT;
    COLORREF fore = CLR_DEFAULT;
    LOGFONT font;
    LPARAM value = 0;
};
