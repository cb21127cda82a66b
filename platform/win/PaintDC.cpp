#include "PaintDC.h"

#include "Painting.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    platform::StartPaint(m_hWnd, *this, m_ps);
}

CPaintDC::~CPaintDC() { platform::DetachWindowSurface(*this); }
