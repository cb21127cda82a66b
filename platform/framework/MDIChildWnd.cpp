#include "MDIChildWnd.h"

#include "Document.h"
#include "MDIFrameWnd.h"
#include "View.h"
#include "WinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() = default;

CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    CMDIFrameWnd* mdiFrame = pParentWnd ? pParentWnd : dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (!mdiFrame || !mdiFrame->m_hWndMDIClient) {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    const BOOL byDefault = rect.left == CW_USEDEFAULT;
    const int x = byDefault ? CW_USEDEFAULT : rect.left, y = byDefault ? CW_USEDEFAULT : rect.top;
    const int cx = byDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = byDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    // The child is made hidden and then shown, so that showing it makes it the active child.
    const DWORD style = (dwStyle | WS_CHILD) & ~DWORD(WS_VISIBLE | WS_MAXIMIZE);
    HWND client = mdiFrame->m_hWndMDIClient;
    if (!CreateEx(WS_EX_MDICHILD, lpszClassName, lpszWindowName, style, x, y, cx, cy, client, nullptr, pContext))
        return FALSE;
    if (dwStyle & WS_VISIBLE)
        ActivateFrame((dwStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    auto* mdiFrame = dynamic_cast<CMDIFrameWnd*>(pParentWnd);
    if (pParentWnd && !mdiFrame) {
        PostNcDestroy();
        return FALSE;
    }
    return Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, mdiFrame, pContext);
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CHILD | WS_CLIPSIBLINGS;
    cs.dwExStyle |= WS_EX_MDICHILD;
    if (auto* client = dynamic_cast<platform::MdiClient*>(FromHandlePermanent(cs.hwndParent)))
        client->PlaceNewChild(cs);
    return TRUE;
}

platform::MdiClient* CMDIChildWnd::Client() const
{
    return dynamic_cast<platform::MdiClient*>(FromHandlePermanent(::GetParent(m_hWnd)));
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND client = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(FromHandlePermanent(client ? ::GetParent(client) : nullptr));
}

void CMDIChildWnd::MDIDestroy() { ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0); }
void CMDIChildWnd::MDIActivate() { ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0); }
void CMDIChildWnd::MDIMaximize() { ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0); }
void CMDIChildWnd::MDIRestore() { ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0); }

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        BOOL maximised = FALSE;
        if (CMDIFrameWnd* frame = GetMDIFrame())
            frame->MDIGetActive(&maximised);
        if (maximised || IsZoomed())
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (IsWindow(m_hWnd))
        MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* document = GetActiveDocument();
    if (!document)
        document = DocumentOfFrame();
    if (!bAddToTitle || !(GetStyle() & FWS_ADDTOTITLE) || !document) {
        UpdateCaption(m_strTitle);
        return;
    }
    CString title = document->GetTitle();
    if (m_nWindow > 0)
        title.AppendFormat(":%d", m_nWindow);
    UpdateCaption(title);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        if (platform::MdiClient* client = Client(); client && client->ActiveChild() != m_hWnd)
            MDIActivate();
        break;
    default: break;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*)
{
    CView* view = GetActiveView();
    if (!view)
        return;
    if (!bActivate) {
        view->OnActivateView(FALSE, view, view);
        return;
    }
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame && frame->m_hWnd == ::GetActiveWindow())
        view->OnActivateView(TRUE, view, view);
}

BOOL CMDIChildWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_CHILDACTIVATE) {
        // Brought forward (BringWindowToTop, SetWindowPos): the frame becomes the active child.
        if (platform::MdiClient* client = Client(); client && client->ActiveChild() != m_hWnd && IsWindowVisible())
            MDIActivate();
        *result = 0;
        return TRUE;
    }
    if (message != WM_MDIACTIVATE)
        return CFrameWnd::OnWndMsg(message, wParam, lParam, result);
    HWND deactivated = reinterpret_cast<HWND>(wParam), activated = reinterpret_cast<HWND>(lParam);
    OnMDIActivate(activated == m_hWnd, FromHandle(activated), FromHandle(deactivated));
    *result = 0;
    return TRUE;
}

void CMDIChildWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CFrameWnd::OnShowWindow(bShow, nStatus);
    platform::MdiClient* client = Client();
    if (!client)
        return;
    // A child shown while none is active becomes the active one; the active child hidden hands
    // over to the next shown one.
    if (bShow && !client->ActiveChild())
        client->ActivateChild(m_hWnd);
    else if (!bShow)
        client->ChildLeaving(m_hWnd);
}

void CMDIChildWnd::OnDestroy()
{
    if (platform::MdiClient* client = Client())
        client->ChildLeaving(m_hWnd);
    CFrameWnd::OnDestroy();
}
