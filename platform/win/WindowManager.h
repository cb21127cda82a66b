// Window-layer operations shared between the creation, placement and painting code.
#pragma once

#include "WindowRecord.h"

namespace platform {

// Creates a window for a C++ object (or none); the object is attached before WM_NCCREATE, so
// it sees every message of its window.
HWND CreateWindowFor(CREATESTRUCT& cs, CWnd* object, BOOL* attached = nullptr);

// Screen position of a window's top-left corner and of its client area's.
CPoint WindowOriginOnScreen(const WindowRecord& record);
CPoint ClientOriginOnScreen(const WindowRecord& record);

// Moves or resizes a window: the surface keeps its client pixels, newly exposed or (with the
// class's redraw styles) all client pixels are invalidated, and WM_SIZE and WM_MOVE tell the
// window what changed. sizeType is the WM_SIZE type to report.
void ApplyWindowRect(HWND hwnd, const CRect& rect, UINT sizeType, BOOL forceSize = FALSE);
// Re-lays out the non-client area after a style change (scroll bars shown or hidden).
void FrameChanged(HWND hwnd);

// The window's temporary CWnd, if FromHandle made one.
void ForgetTemporaryWindow(HWND hwnd);

// Sends a message to every window: each top-level window and all its descendants.
void SendToAllWindows(UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform
