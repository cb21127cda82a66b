// CSpinButtonCtrl: the object of an up-down control ("msctls_updown32").
#pragma once

#include "../win/Wnd.h"
#include "ControlConstants.h"

class PLATFORM_API CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;

    using CWnd::Create;
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The up arrow moves towards upper, which may be below lower.
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    DWORD GetRange() const;
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const;
    // The position, clamped to the range; with UDS_SETBUDDYINT the buddy shows it. Returns the
    // previous position.
    int SetPos(int pos);
    int SetPos32(int pos);
    // With UDS_SETBUDDYINT the position is read from the buddy's text; the error flag is set
    // when that text is not a whole number within the range (the position is then the last
    // valid one). GetPos gives the flag in its high word.
    int GetPos() const;
    int GetPos32(BOOL* error = nullptr) const;
    CWnd* SetBuddy(CWnd* buddy);
    CWnd* GetBuddy() const;
    int SetBase(int base);
    UINT GetBase() const;
};
