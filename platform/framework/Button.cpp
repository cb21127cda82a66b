#include "Button.h"

#include "ControlState.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "Button", caption, style, rect, parent, id);
}

int CButton::GetCheck() const { return int(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int check) { SendMessage(BM_SETCHECK, WPARAM(check)); }
UINT CButton::GetState() const { return UINT(SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL highlight) { SendMessage(BM_SETSTATE, WPARAM(highlight)); }
UINT CButton::GetButtonStyle() const { return UINT(GetStyle() & 0xFF); }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SendMessage(BM_SETSTYLE, WPARAM(style), LPARAM(redraw)); }
