// CComboBox: the object of a combo box control ("ComboBox").
#pragma once

#include "../core/String.h"
#include "../win/Wnd.h"
#include "ControlConstants.h"

class PLATFORM_API CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    using CWnd::Create;
    // The rectangle's height is the room for the dropped list; the window is as tall as its field.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    // The selected item, or CB_ERR.
    int GetCurSel() const;
    // -1 clears the selection and the field.
    int SetCurSel(int index);
    // The new item's index (its sorted place with CBS_SORT).
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetLBText(int index, LPTSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    // Searches after start (-1: from the first item) and round, without regard to case: the
    // first item beginning with the text, or equal to it. SelectString also selects it and
    // shows it in the field.
    int FindString(int start, LPCTSTR text) const;
    int FindStringExact(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    // The edit field of CBS_DROPDOWN.
    BOOL LimitText(int maxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int start, int end);
};
