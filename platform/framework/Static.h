// CStatic: the object of a static control ("Static"): labels and plain frames.
#pragma once

#include "../win/Wnd.h"
#include "ControlConstants.h"

class PLATFORM_API CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;

    using CWnd::Create;
    virtual BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
};
