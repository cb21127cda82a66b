// The "Button" class: push buttons (a default one among them), check boxes, radio buttons that
// clear the others of their group, and group boxes. Clicks reach the parent as BN_CLICKED.
#pragma once

#include "ControlState.h"

namespace platform {

class ButtonControl : public ControlState {
public:
    explicit ButtonControl(HWND hwnd) : ControlState(hwnd) {}

    UINT Kind() const { return UINT(Style() & BS_TYPEMASK); }
    BOOL IsPushButton() const { return Kind() == BS_PUSHBUTTON || Kind() == BS_DEFPUSHBUTTON; }
    BOOL IsRadio() const { return Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON; }
    BOOL IsCheckBox() const;

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    void SetCheck(int check);
    void SetPushed(BOOL pushed);
    // What a completed click does: automatic check boxes and radio buttons change, then the
    // parent hears BN_CLICKED.
    void Click();
    void UncheckOthersInGroup() const;
    UINT DialogCode() const;

    void Paint();
    void PaintPushButton(CDC& dc, const CRect& client) const;
    void PaintCheckOrRadio(CDC& dc, const CRect& client) const;
    void PaintGroupBox(CDC& dc, const CRect& client) const;

    int m_check = BST_UNCHECKED;
    BOOL m_pushed = FALSE;
    BOOL m_tracking = FALSE;
};

} // namespace platform
