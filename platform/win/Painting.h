// Update areas, paint requests and the window surfaces that device contexts draw into.
#pragma once

#include "WindowRecord.h"

class CDC;

namespace platform {

// The next window that needs WM_PAINT (shown, with an update area); a window whose frame alone
// needs painting gets WM_NCPAINT on the way.
HWND NextWindowToPaint(HWND filter);
// Sends WM_PAINT now if the window has something to paint.
void PaintNow(HWND hwnd);

// After the window rectangle changed: a surface of the new size that keeps the client pixels,
// with the newly exposed part (or the whole client area, by the class's redraw styles) invalid.
void ResizeSurface(WindowRecord& record, const CRect& oldClientInWindow);

// Attaches a context to a window's surface: the client area (optionally clipped further, in
// client coordinates) or the whole window. The context is detached when the window goes.
BOOL AttachWindowSurface(HWND hwnd, CDC& dc, BOOL wholeWindow, const RECT* clientClip);
void DetachWindowSurface(CDC& dc);
// BeginPaint's work on a given context, for CPaintDC and for ::BeginPaint.
BOOL StartPaint(HWND hwnd, CDC& dc, PAINTSTRUCT& paint);

// Called as a window is destroyed.
void WindowSurfaceGone(HWND hwnd);

} // namespace platform
