#include "ButtonControl.h"

#include "../gdi/SysColors.h"
#include "ControlDrawing.h"
#include "DialogNavigation.h"

namespace platform {

BOOL ButtonControl::IsCheckBox() const
{
    const UINT kind = Kind();
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
}

LRESULT ButtonControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleInput(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DialogCode();
    case BM_GETCHECK: return m_check;
    case BM_SETCHECK: SetCheck(int(wParam)); return 0;
    case BM_GETSTATE: return m_check | (m_pushed ? BST_PUSHED : 0) | (HasFocus() ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(BOOL(wParam)); return 0;
    case BM_SETSTYLE:
        SetWindowLongPtr(m_hwnd, GWL_STYLE, LONG_PTR((Style() & ~DWORD(BS_TYPEMASK)) | (DWORD(wParam) & BS_TYPEMASK)));
        if (lParam)
            Redraw();
        return 0;
    case BM_CLICK:
        if (!Enabled())
            return 0;
        // A click by message is a press and release of the pointer: the button takes the focus
        // first, so the control that had it hears that it lost it before the click is handled.
        if (Kind() != BS_GROUPBOX && !HasFocus())
            SetFocus(m_hwnd);
        if (Alive())
            Click();
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_ENABLE: Redraw(); return 0;
    case WM_SETFONT:
        if (lParam)
            Redraw();
        return 0;
    default: return Default(message, wParam, lParam);
    }
}

BOOL ButtonControl::HandleInput(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Kind() == BS_GROUPBOX && message >= WM_MOUSEFIRST && message <= WM_KEYLAST)
        return FALSE;
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(m_hwnd);
        if (!Alive())
            return TRUE;
        m_tracking = TRUE;
        SetCapture(m_hwnd);
        SetPushed(TRUE);
        return TRUE;
    case WM_MOUSEMOVE:
        if (m_tracking)
            SetPushed(ClientRect().PtInRect(point));
        return TRUE;
    case WM_LBUTTONUP: {
        if (!m_tracking)
            return TRUE;
        m_tracking = FALSE;
        ReleaseCapture();
        const BOOL inside = ClientRect().PtInRect(point);
        SetPushed(FALSE);
        if (inside)
            Click();
        return TRUE;
    }
    case WM_CAPTURECHANGED:
        if (m_tracking) {
            m_tracking = FALSE;
            SetPushed(FALSE);
        }
        return TRUE;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            SetPushed(TRUE);
        return wParam == VK_SPACE;
    case WM_KEYUP:
        if (wParam != VK_SPACE || !m_pushed)
            return FALSE;
        SetPushed(FALSE);
        Click();
        return TRUE;
    case WM_SETFOCUS: Redraw(); return TRUE;
    case WM_KILLFOCUS:
        if (m_pushed && !m_tracking)
            SetPushed(FALSE);
        Redraw();
        return TRUE;
    default: return FALSE;
    }
}

void ButtonControl::SetCheck(int check)
{
    if (!IsCheckBox() && !IsRadio())
        return;
    check = check == BST_INDETERMINATE && (Kind() == BS_3STATE || Kind() == BS_AUTO3STATE) ? check : check ? 1 : 0;
    if (check == m_check)
        return;
    m_check = check;
    Redraw();
}

void ButtonControl::SetPushed(BOOL pushed)
{
    if (pushed == m_pushed)
        return;
    m_pushed = pushed;
    Redraw();
}

void ButtonControl::Click()
{
    switch (Kind()) {
    case BS_AUTOCHECKBOX: SetCheck(m_check ? 0 : 1); break;
    case BS_AUTO3STATE: SetCheck((m_check + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
        SetCheck(1);
        UncheckOthersInGroup();
        break;
    default: break;
    }
    if (Alive())
        NotifyParent(BN_CLICKED);
}

void ButtonControl::UncheckOthersInGroup() const
{
    for (HWND other : ControlGroup(m_hwnd)) {
        auto* button = FindControlState<ButtonControl>(other);
        if (other != m_hwnd && button && button->Kind() == BS_AUTORADIOBUTTON)
            SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

UINT ButtonControl::DialogCode() const
{
    switch (Kind()) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

void ButtonControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const CRect client = ClientRect();
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    if (Kind() == BS_GROUPBOX)
        PaintGroupBox(dc, client);
    else if (IsCheckBox() || IsRadio())
        PaintCheckOrRadio(dc, client);
    else
        PaintPushButton(dc, client);
}

void ButtonControl::PaintPushButton(CDC& dc, const CRect& client) const
{
    CRect face = client;
    if (Kind() == BS_DEFPUSHBUTTON) {
        dc.Draw3dRect(&face, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
        face.DeflateRect(1, 1);
    }
    DrawButtonFace(dc, face, m_pushed);
    CRect text = face;
    if (m_pushed)
        text.OffsetRect(1, 1);
    const CString caption(WindowText());
    dc.DrawText(caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (HasFocus()) {
        CRect focus = face;
        focus.DeflateRect(3, 3);
        dc.DrawFocusRect(&focus);
    }
}

void ButtonControl::PaintCheckOrRadio(CDC& dc, const CRect& client) const
{
    const BOOL leftText = (Style() & BS_LEFTTEXT) != 0;
    const int size = IsRadio() ? kRadioSize : kCheckBoxSize;
    const CPoint box(leftText ? client.right - size : 0, (client.Height() - size) / 2);
    if (IsRadio())
        DrawRadioButton(dc, box, m_check != 0, Enabled());
    else
        DrawCheckBox(dc, box, m_check, Enabled());

    const CString caption(WindowText());
    CRect text = client;
    if (leftText)
        text.right -= size + 4;
    else
        text.left += size + 4;
    dc.DrawText(caption, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!HasFocus() || caption.IsEmpty())
        return;
    CRect bounds = text;
    dc.DrawText(caption, &bounds, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    const int height = bounds.Height();
    bounds.top = text.top + (text.Height() - height) / 2;
    bounds.bottom = bounds.top + height;
    bounds.InflateRect(1, 1);
    dc.DrawFocusRect(&bounds);
}

void ButtonControl::PaintGroupBox(CDC& dc, const CRect& client) const
{
    const CString caption(WindowText());
    const int lineHeight = TextMeasure(Font()).LineHeight();
    CRect frame = client;
    frame.top += lineHeight / 2;
    dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
    if (caption.IsEmpty())
        return;
    CRect text(8, 0, client.right - 8, lineHeight);
    CRect bounds = text;
    dc.DrawText(caption, &bounds, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    bounds.InflateRect(2, 0);
    dc.FillSolidRect(&bounds, GetSysColor(COLOR_BTNFACE));
    dc.DrawText(caption, &text, DT_LEFT | DT_SINGLELINE);
}

} // namespace platform
