// The non-client area of a window: frame, client edge, caption with its close box, and the
// window's own scroll bars. All rectangles here are in window coordinates (0,0 is the window's
// top-left corner).
#pragma once

#include "WindowRecord.h"

namespace platform {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ThumbGeometry {
    int trackStart = 0;  // offset of the track along the bar (after the first arrow)
    int trackLength = 0;
    int thumbStart = 0;  // offset of the thumb along the bar
    int thumbLength = 0; // 0 when the bar has no thumb
};

int FrameThickness(DWORD style, DWORD exStyle);
int EdgeThickness(DWORD exStyle);
int CaptionHeight(DWORD style, DWORD exStyle);

CRect ClientAreaInWindow(const WindowRecord& record);
CRect CaptionRect(const WindowRecord& record);
CRect CloseBoxRect(const WindowRecord& record);
// Empty when the bar is not shown.
CRect ScrollBarRect(const WindowRecord& record, int bar);
ThumbGeometry ScrollThumb(const WindowRecord& record, int bar);
ScrollPart ScrollPartAt(const WindowRecord& record, int bar, CPoint windowPoint);
// The position that puts the thumb's leading edge at an offset along the bar.
int ScrollPosForThumb(const WindowRecord& record, int bar, int thumbStart);
// The largest position the bar can take: max - (page - 1) when a page is set.
int ScrollLimit(const ScrollBarState& state);

int NonClientHitTest(const WindowRecord& record, CPoint windowPoint);
void PaintNonClient(WindowRecord& record);

} // namespace platform
