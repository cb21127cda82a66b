// The client area of an MDI frame: the window its MDI children live in. It knows which child is
// active, tells children when they are activated and deactivated (WM_NCACTIVATE for the
// caption, WM_MDIACTIVATE for the frame), activates the next shown child when the active one is
// hidden or goes, and places children whose creator left the choice to it.
//
// Messages it answers: WM_MDIACTIVATE (wParam: the child), WM_MDIGETACTIVE (lParam: BOOL* for
// the maximised state), WM_MDIRESTORE, WM_MDIMAXIMIZE, WM_MDIDESTROY (wParam: the child),
// WM_MDINEXT and WM_MDICASCADE.
#pragma once

#include "../win/Wnd.h"

namespace platform {

class PLATFORM_API MdiClient : public CWnd {
public:
    // Creates the client area filling the frame's client area, with the frame's first pane id.
    BOOL CreateFor(CWnd* frame);

    HWND ActiveChild() const { return m_active; }
    // Null makes no child active.
    void ActivateChild(HWND child);
    // Called by a child that is being hidden or destroyed: when it is the active one, it is told
    // so and the next shown child becomes active.
    void ChildLeaving(HWND child);
    // Resolves CW_USEDEFAULT in a child's creation: three quarters of the client area, each new
    // window one caption lower and further right than the one before, back at the corner when
    // the next would not fit.
    void PlaceNewChild(CREATESTRUCT& cs);
    // Restores maximised children and lays the shown ones out one caption apart.
    void Cascade();

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    HWND NextShownChild(HWND skip) const;
    int CascadeStep() const;

    HWND m_active = nullptr;
    int m_nextCascade = 0;
    BOOL m_destroying = FALSE;
};

} // namespace platform
