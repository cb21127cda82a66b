#include "ClientDC.h"

#include "Painting.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    platform::AttachWindowSurface(m_hWnd, *this, FALSE, nullptr);
}

CClientDC::~CClientDC() { platform::DetachWindowSurface(*this); }
