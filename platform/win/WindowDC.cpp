#include "WindowDC.h"

#include "Painting.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    platform::AttachWindowSurface(m_hWnd, *this, TRUE, nullptr);
}

CWindowDC::~CWindowDC() { platform::DetachWindowSurface(*this); }
