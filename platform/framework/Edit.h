// CEdit: the object of an edit control ("Edit"). It holds nothing of its own; every call is a
// message to the control.
#pragma once

#include "../win/Wnd.h"
#include "ControlConstants.h"

class PLATFORM_API CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    using CWnd::Create;
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Selects from start to end (-1: the end of the text); start -1 removes the selection.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE);
    // The selection: start in the low word, end in the high word.
    DWORD GetSel() const;
    void GetSel(int& start, int& end) const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    // 0 lifts the limit.
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars) { LimitText(int(maxChars)); }
    UINT GetLimitText() const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    int GetLineCount() const;
    void Clear();
    void Copy();
    void Cut();
    void Paste();
};
