// CWindowDC: a context over the whole window, non-client area included; (0,0) is the window's
// top-left corner.
#pragma once

#include "../gdi/DC.h"
#include "WinTypes.h"

class CWnd;

class PLATFORM_API CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
