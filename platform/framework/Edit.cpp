#include "Edit.h"

#include "ControlState.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "Edit", "", style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, WPARAM(start), LPARAM(end));
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::SetSel(DWORD selection, BOOL noScroll) { SetSel(short(LOWORD(selection)), short(HIWORD(selection)), noScroll); }
DWORD CEdit::GetSel() const { return DWORD(SendMessage(EM_GETSEL)); }

void CEdit::GetSel(int& start, int& end) const
{
    DWORD first = 0, last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = int(first);
    end = int(last);
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL canUndo) { SendMessage(EM_REPLACESEL, WPARAM(canUndo), reinterpret_cast<LPARAM>(text)); }
void CEdit::LimitText(int maxChars) { SendMessage(EM_LIMITTEXT, WPARAM(maxChars)); }
UINT CEdit::GetLimitText() const { return UINT(SendMessage(EM_GETLIMITTEXT)); }
BOOL CEdit::GetModify() const { return BOOL(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, WPARAM(modified)); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return BOOL(SendMessage(EM_SETREADONLY, WPARAM(readOnly))); }
int CEdit::GetLineCount() const { return int(SendMessage(EM_GETLINECOUNT)); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Paste() { SendMessage(WM_PASTE); }
