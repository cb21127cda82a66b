// A device context of a window's client area for the length of a scope.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/win/Wnd.h"

namespace grid {

class ClientContext {
public:
    explicit ClientContext(CWnd* wnd) : m_wnd(wnd), m_dc(wnd && wnd->GetSafeHwnd() ? wnd->GetDC() : nullptr) {}
    ~ClientContext()
    {
        if (m_dc)
            m_wnd->ReleaseDC(m_dc);
    }
    ClientContext(const ClientContext&) = delete;
    ClientContext& operator=(const ClientContext&) = delete;

    CDC* get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    CWnd* m_wnd;
    CDC* m_dc;
};

// Selects a font into a context and puts the previous one back at the end of the scope.
class FontSelection {
public:
    FontSelection(CDC* dc, CFont* font) : m_dc(dc), m_old(dc->SelectObject(font)) {}
    ~FontSelection() { m_dc->SelectObject(m_old); }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    CDC* m_dc;
    CFont* m_old;
};

} // namespace grid
