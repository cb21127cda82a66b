// The record through which a caller sets or reads several fields of one cell at once. The mask
// says which fields take part.
#pragma once

#include "platform/core/String.h"
#include "platform/gdi/GdiTypes.h"

inline constexpr UINT CELLMASK_TEXT = 0x01;
inline constexpr UINT CELLMASK_PICTURE = 0x02;
inline constexpr UINT CELLMASK_VALUE = 0x04;
inline constexpr UINT CELLMASK_STATE = 0x08;
inline constexpr UINT CELLMASK_BACK = 0x10;
inline constexpr UINT CELLMASK_FORE = 0x20;
inline constexpr UINT CELLMASK_FORMAT = 0x40;
inline constexpr UINT CELLMASK_FONT = 0x80;

struct GridItem {
    int row = 0;
    int col = 0;
    UINT mask = 0;
    UINT state = 0;
    UINT format = 0;
    CString text;
    int image = -1;
    COLORREF back = CLR_DEFAULT;
    COLORREF fore = CLR_DEFAULT;
    LPARAM value = 0;
    LOGFONT font;
};
