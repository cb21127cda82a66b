// What the window system keeps for one window. Only the window layer touches it; everyone else
// goes through handles and CWnd.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "../gdi/Surface.h"
#include "WindowClass.h"

class CWnd;

namespace platform {

struct ScrollBarState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    BOOL disabled = FALSE;
    BOOL tracking = FALSE; // the thumb is being dragged; trackPos follows the pointer
};

struct WindowRecord {
    HWND handle = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    CWnd* object = nullptr; // the C++ object that handles the window's messages, if any
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    HWND parent = nullptr; // set for child windows only
    HWND owner = nullptr;
    std::vector<HWND> children; // z-order, topmost first
    CRect rect;                 // window rectangle: in the parent's client area, or on the screen
    CRect normalRect;           // the rectangle a minimised or maximised window returns to
    CRect laidOutClient;        // the client area (window coordinates) as last laid out
    std::string text;
    WPARAM font = 0;
    LONG_PTR userData = 0;

    // Painting state: the update area is kept as one rectangle in client coordinates.
    CRect update;
    BOOL eraseNeeded = FALSE;
    BOOL frameNeeded = TRUE;
    BOOL redrawOff = FALSE;
    // The state the last WM_NCACTIVATE asked the caption to show; a child window (an MDI child
    // frame) is drawn active by it, a top-level window by being the active window.
    BOOL captionActive = FALSE;
    Surface surface;

    ScrollBarState bars[3]; // SB_HORZ, SB_VERT, and SB_CTL for a scroll-bar control
    BOOL destroying = FALSE;
};

} // namespace platform
