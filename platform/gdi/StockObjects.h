// Stock pens, brushes and fonts, the system's message font, and handle-level object calls.
#pragma once

#include "GdiTypes.h"

PLATFORM_API HGDIOBJ GetStockObject(int index);
// Deletes the object through its owning wrapper; stock objects are never deleted.
PLATFORM_API BOOL DeleteObject(HGDIOBJ handle);
PLATFORM_API int GetObject(HGDIOBJ handle, int count, LPVOID buffer);

namespace platform {

// The message font of the non-client metrics: the default font of windows and grid cells.
PLATFORM_API LOGFONT MessageFontDescription();
// Fills a LOGFONT from the usual few values, the rest zero.
PLATFORM_API LOGFONT MakeLogFont(int height, const char* faceName, int weight = 400, BYTE italic = 0);

} // namespace platform
