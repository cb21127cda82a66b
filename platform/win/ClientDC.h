// CClientDC: a context for drawing into a window's client area outside WM_PAINT.
#pragma once

#include "../gdi/DC.h"
#include "WinTypes.h"

class CWnd;

class PLATFORM_API CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
