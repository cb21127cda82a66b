#include "SpinButtonCtrl.h"

#include "ControlState.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "msctls_updown32", "", style, rect, parent, id);
}

void CSpinButtonCtrl::SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
void CSpinButtonCtrl::SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, WPARAM(lower), LPARAM(upper)); }
DWORD CSpinButtonCtrl::GetRange() const { return DWORD(SendMessage(UDM_GETRANGE)); }
void CSpinButtonCtrl::GetRange(int& lower, int& upper) const { GetRange32(lower, upper); }

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int pos) { return short(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(pos, 0)))); }
int CSpinButtonCtrl::SetPos32(int pos) { return int(SendMessage(UDM_SETPOS32, 0, LPARAM(pos))); }
int CSpinButtonCtrl::GetPos() const { return int(SendMessage(UDM_GETPOS)); }
int CSpinButtonCtrl::GetPos32(BOOL* error) const { return int(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error))); }

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy)
{
    return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->m_hWnd : nullptr))));
}

CWnd* CSpinButtonCtrl::GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
int CSpinButtonCtrl::SetBase(int base) { return int(SendMessage(UDM_SETBASE, WPARAM(base))); }
UINT CSpinButtonCtrl::GetBase() const { return UINT(SendMessage(UDM_GETBASE)); }
