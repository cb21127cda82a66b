#include "CheckListBox.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

void CCheckListBox::SetCheckStyle(UINT style)
{
    m_checkStyle = style;
    if (m_hWnd)
        SendMessage(platform::kListSetCheckStyle, WPARAM(style));
}

UINT CCheckListBox::GetCheckStyle() { return m_hWnd ? UINT(SendMessage(platform::kListGetCheckStyle)) : m_checkStyle; }
void CCheckListBox::SetCheck(int index, int check) { SendMessage(platform::kListSetCheck, WPARAM(index), LPARAM(check)); }
int CCheckListBox::GetCheck(int index) { return int(SendMessage(platform::kListGetCheck, WPARAM(index))); }
void CCheckListBox::Enable(int index, BOOL enabled) { SendMessage(platform::kListEnableItem, WPARAM(index), LPARAM(enabled)); }
BOOL CCheckListBox::IsEnabled(int index) { return BOOL(SendMessage(platform::kListIsItemEnabled, WPARAM(index))); }
void CCheckListBox::OnAttached() { SetCheckStyle(m_checkStyle); }
