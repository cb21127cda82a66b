// CPaintDC: the context of a WM_PAINT handler, clipped to the update area (m_ps.rcPaint), which
// it validates; the background has been erased when m_ps.fErase is FALSE.
#pragma once

#include "../gdi/DC.h"
#include "WinTypes.h"

class CWnd;

class PLATFORM_API CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd = nullptr;
};
