#include "ComboBox.h"

#include "ControlState.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

LPARAM Text(LPCTSTR text) { return reinterpret_cast<LPARAM>(text); }

} // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "ComboBox", "", style, rect, parent, id);
}

int CComboBox::GetCount() const { return int(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return int(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int index) { return int(SendMessage(CB_SETCURSEL, WPARAM(index))); }
int CComboBox::AddString(LPCTSTR text) { return int(SendMessage(CB_ADDSTRING, 0, Text(text))); }
int CComboBox::InsertString(int index, LPCTSTR text) { return int(SendMessage(CB_INSERTSTRING, WPARAM(index), Text(text))); }
int CComboBox::DeleteString(UINT index) { return int(SendMessage(CB_DELETESTRING, WPARAM(index))); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetLBText(int index, LPTSTR buffer) const { return int(SendMessage(CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer))); }

void CComboBox::GetLBText(int index, CString& text) const
{
    const int length = GetLBTextLen(index);
    if (length == CB_ERR) {
        text.Empty();
        return;
    }
    GetLBText(index, text.GetBuffer(length));
    text.ReleaseBuffer(length);
}

int CComboBox::GetLBTextLen(int index) const { return int(SendMessage(CB_GETLBTEXTLEN, WPARAM(index))); }
DWORD_PTR CComboBox::GetItemData(int index) const { return DWORD_PTR(SendMessage(CB_GETITEMDATA, WPARAM(index))); }
int CComboBox::SetItemData(int index, DWORD_PTR data) { return int(SendMessage(CB_SETITEMDATA, WPARAM(index), LPARAM(data))); }
int CComboBox::FindString(int start, LPCTSTR text) const { return int(SendMessage(CB_FINDSTRING, WPARAM(start), Text(text))); }
int CComboBox::FindStringExact(int start, LPCTSTR text) const { return int(SendMessage(CB_FINDSTRINGEXACT, WPARAM(start), Text(text))); }
int CComboBox::SelectString(int start, LPCTSTR text) { return int(SendMessage(CB_SELECTSTRING, WPARAM(start), Text(text))); }
void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, WPARAM(show)); }
BOOL CComboBox::GetDroppedState() const { return BOOL(SendMessage(CB_GETDROPPEDSTATE)); }
BOOL CComboBox::LimitText(int maxChars) { return BOOL(SendMessage(CB_LIMITTEXT, WPARAM(maxChars))); }
DWORD CComboBox::GetEditSel() const { return DWORD(SendMessage(CB_GETEDITSEL)); }
BOOL CComboBox::SetEditSel(int start, int end) { return BOOL(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end))); }
