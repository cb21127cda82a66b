// CListBox: the object of a list box control ("ListBox").
#pragma once

#include "../core/String.h"
#include "../win/Wnd.h"
#include "ControlConstants.h"

class PLATFORM_API CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    using CWnd::Create;
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    // The selected item, or LB_ERR.
    int GetCurSel() const;
    int SetCurSel(int index);
    // The new item's index (its sorted place in an LBS_SORT list).
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    // The number of items left, or LB_ERR.
    int DeleteString(UINT index);
    void ResetContent();
    int GetText(int index, LPTSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    void* GetItemDataPtr(int index) const { return reinterpret_cast<void*>(GetItemData(index)); }
    int SetItemDataPtr(int index, void* data) { return SetItemData(index, reinterpret_cast<DWORD_PTR>(data)); }
    // Searches after start (-1: from the first item) and round: a prefix, or the whole text,
    // without regard to case.
    int FindString(int start, LPCTSTR text) const;
    int FindStringExact(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetItemRect(int index, LPRECT rect) const;
    int GetCaretIndex() const;
    int SetCaretIndex(int index, BOOL scroll = TRUE);
};
