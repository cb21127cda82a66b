#include "MdiClient.h"

#include <vector>

#include "FrameworkClasses.h"
#include "FrameworkIds.h"

namespace platform {

BOOL MdiClient::CreateFor(CWnd* frame)
{
    if (!frame)
        return FALSE;
    CRect client;
    frame->GetClientRect(&client);
    return CreateEx(WS_EX_CLIENTEDGE, MdiClientClass(), nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client,
                    frame, AFX_IDW_PANE_FIRST);
}

void MdiClient::ActivateChild(HWND child)
{
    if (child && ::GetParent(child) != m_hWnd)
        return;
    HWND old = m_active;
    if (child != old) {
        const BOOL wasMaximised = IsWindow(old) && ::IsZoomed(old);
        m_active = child;
        if (IsWindow(old)) {
            ::SendMessage(old, WM_NCACTIVATE, FALSE, 0);
            ::SendMessage(old, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
        }
        // A handler may have activated another child meanwhile; that one stands.
        if (m_active != child || !IsWindow(child))
            return;
        // The maximised state passes from the old active child to the new one.
        if (wasMaximised && IsWindow(old) && !::IsZoomed(child)) {
            ::ShowWindow(old, SW_RESTORE);
            ::ShowWindow(child, SW_SHOWMAXIMIZED);
        }
        ::SendMessage(child, WM_NCACTIVATE, TRUE, 0);
        ::SendMessage(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
    }
    if (!IsWindow(child) || m_active != child)
        return;
    ::SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CWnd* top = GetTopLevelParent();
    if (top && top->m_hWnd == ::GetActiveWindow() && !::IsChild(child, ::GetFocus()))
        ::SetFocus(child);
}

HWND MdiClient::NextShownChild(HWND skip) const
{
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (child != skip && ::IsWindowVisible(child))
            return child;
    return nullptr;
}

void MdiClient::ChildLeaving(HWND child)
{
    if (child != m_active)
        return;
    // While the whole client area goes, its children are not activated one after another.
    if (m_destroying) {
        m_active = nullptr;
        return;
    }
    ActivateChild(NextShownChild(child));
}

int MdiClient::CascadeStep() const { return GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME); }

void MdiClient::PlaceNewChild(CREATESTRUCT& cs)
{
    CRect client;
    GetClientRect(&client);
    if (cs.cx == CW_USEDEFAULT)
        cs.cx = client.Width() * 3 / 4;
    if (cs.cy == CW_USEDEFAULT)
        cs.cy = client.Height() * 3 / 4;
    if (cs.y == CW_USEDEFAULT)
        cs.y = 0;
    if (cs.x != CW_USEDEFAULT)
        return;
    const int step = CascadeStep();
    int slot = m_nextCascade;
    if (slot * step + cs.cx > client.Width() || slot * step + cs.cy > client.Height())
        slot = 0;
    cs.x = cs.y = slot * step;
    m_nextCascade = slot + 1;
}

void MdiClient::Cascade()
{
    CRect client;
    GetClientRect(&client);
    std::vector<HWND> shown;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child) && !::IsIconic(child))
            shown.insert(shown.begin(), child);
    const int step = CascadeStep();
    int slot = 0;
    for (HWND child : shown) {
        if (::IsZoomed(child))
            ::ShowWindow(child, SW_RESTORE);
        const int cx = client.Width() * 3 / 4, cy = client.Height() * 3 / 4;
        if (slot * step + cx > client.Width() || slot * step + cy > client.Height())
            slot = 0;
        ::SetWindowPos(child, HWND_TOP, slot * step, slot * step, cx, cy, SWP_NOACTIVATE);
        ++slot;
    }
    m_nextCascade = slot;
    if (m_active)
        ActivateChild(m_active);
}

BOOL MdiClient::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_MDIACTIVATE: ActivateChild(child); break;
    case WM_MDIGETACTIVE:
        if (auto* maximised = reinterpret_cast<BOOL*>(lParam))
            *maximised = m_active && ::IsZoomed(m_active);
        *result = reinterpret_cast<LRESULT>(m_active);
        return TRUE;
    case WM_MDIRESTORE: ::ShowWindow(child, SW_RESTORE); break;
    case WM_MDIMAXIMIZE: ::ShowWindow(child, SW_SHOWMAXIMIZED); break;
    case WM_MDIDESTROY:
        if (::GetParent(child) == m_hWnd)
            ::DestroyWindow(child);
        break;
    case WM_MDINEXT: {
        // The bottom shown child comes to the front.
        HWND last = nullptr;
        for (HWND c = ::GetTopWindow(m_hWnd); c; c = ::GetWindow(c, GW_HWNDNEXT))
            if (c != m_active && ::IsWindowVisible(c))
                last = c;
        if (last)
            ActivateChild(last);
        break;
    }
    case WM_MDICASCADE: Cascade(); break;
    default: return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
    *result = 0;
    return TRUE;
}

void MdiClient::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsZoomed(child))
            ::SetWindowPos(child, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MdiClient::OnDestroy()
{
    m_destroying = TRUE;
    CWnd::OnDestroy();
}

} // namespace platform
