#include "ListBox.h"

#include "ControlState.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

LPARAM Text(LPCTSTR text) { return reinterpret_cast<LPARAM>(text); }

} // namespace

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "ListBox", "", style, rect, parent, id);
}

int CListBox::GetCount() const { return int(SendMessage(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return int(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int index) { return int(SendMessage(LB_SETCURSEL, WPARAM(index))); }
int CListBox::AddString(LPCTSTR text) { return int(SendMessage(LB_ADDSTRING, 0, Text(text))); }
int CListBox::InsertString(int index, LPCTSTR text) { return int(SendMessage(LB_INSERTSTRING, WPARAM(index), Text(text))); }
int CListBox::DeleteString(UINT index) { return int(SendMessage(LB_DELETESTRING, WPARAM(index))); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::GetText(int index, LPTSTR buffer) const { return int(SendMessage(LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer))); }

void CListBox::GetText(int index, CString& text) const
{
    const int length = GetTextLen(index);
    if (length == LB_ERR) {
        text.Empty();
        return;
    }
    GetText(index, text.GetBuffer(length));
    text.ReleaseBuffer(length);
}

int CListBox::GetTextLen(int index) const { return int(SendMessage(LB_GETTEXTLEN, WPARAM(index))); }
DWORD_PTR CListBox::GetItemData(int index) const { return DWORD_PTR(SendMessage(LB_GETITEMDATA, WPARAM(index))); }
int CListBox::SetItemData(int index, DWORD_PTR data) { return int(SendMessage(LB_SETITEMDATA, WPARAM(index), LPARAM(data))); }
int CListBox::FindString(int start, LPCTSTR text) const { return int(SendMessage(LB_FINDSTRING, WPARAM(start), Text(text))); }
int CListBox::FindStringExact(int start, LPCTSTR text) const { return int(SendMessage(LB_FINDSTRINGEXACT, WPARAM(start), Text(text))); }
int CListBox::SelectString(int start, LPCTSTR text) { return int(SendMessage(LB_SELECTSTRING, WPARAM(start), Text(text))); }
int CListBox::GetTopIndex() const { return int(SendMessage(LB_GETTOPINDEX)); }
int CListBox::SetTopIndex(int index) { return int(SendMessage(LB_SETTOPINDEX, WPARAM(index))); }
int CListBox::GetItemHeight(int index) const { return int(SendMessage(LB_GETITEMHEIGHT, WPARAM(index))); }
int CListBox::SetItemHeight(int index, UINT height) { return int(SendMessage(LB_SETITEMHEIGHT, WPARAM(index), MAKELPARAM(height, 0))); }
int CListBox::GetItemRect(int index, LPRECT rect) const { return int(SendMessage(LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(rect))); }
int CListBox::GetCaretIndex() const { return int(SendMessage(LB_GETCARETINDEX)); }
int CListBox::SetCaretIndex(int index, BOOL scroll) { return int(SendMessage(LB_SETCARETINDEX, WPARAM(index), LPARAM(scroll))); }
