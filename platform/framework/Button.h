// CButton: the object of a button control ("Button"): push buttons, check boxes, radio buttons
// and group boxes.
#pragma once

#include "../win/Wnd.h"
#include "ControlConstants.h"

class PLATFORM_API CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    using CWnd::Create;
    virtual BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
};
