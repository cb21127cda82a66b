// CFrameWnd: creation with its view, layout, activation, caption, command routing and closing.
#include "FrameWnd.h"

#include "Document.h"
#include "FrameworkClasses.h"
#include "ResourceTable.h"
#include "View.h"
#include "WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace platform {

CFrameWnd* ParentFrameOf(const CWnd* wnd)
{
    for (HWND up = wnd ? ::GetParent(wnd->m_hWnd) : nullptr; up; up = ::GetParent(up))
        if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(up)))
            return frame;
    return nullptr;
}

} // namespace platform

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR, DWORD dwExStyle, CCreateContext* pContext)
{
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    // rectDefault leaves position and size to the window system.
    const BOOL byDefault = rect.left == CW_USEDEFAULT;
    const int x = byDefault ? CW_USEDEFAULT : rect.left, y = byDefault ? CW_USEDEFAULT : rect.top;
    const int cx = byDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = byDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr, pContext);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString title = m_strTitle;
    // The title is the first field of the frame's string resource, else the application's name.
    if (title.IsEmpty())
        if (std::optional<CString> text = platform::LoadResourceString(nIDResource)) {
            const int end = text->Find('\n');
            title = end < 0 ? *text : text->Left(end);
        }
    if (title.IsEmpty())
        if (CWinApp* app = AfxGetApp(); app && app->m_pszAppName)
            title = app->m_pszAppName;
    return Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = platform::FrameOrViewClass();
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    return CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CWnd*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    // A view that fails to be created has deleted itself.
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return view;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* old = m_pViewActive;
    if (pViewNew == old)
        return;
    m_pViewActive = nullptr;
    if (bNotify && old)
        old->OnActivateView(FALSE, pViewNew, old);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument() { return m_pViewActive ? m_pViewActive->GetDocument() : nullptr; }

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

CFrameWnd* CFrameWnd::GetParentFrame() const { return platform::ParentFrameOf(this); }

CDocument* CFrameWnd::DocumentOfFrame()
{
    if (m_pViewActive)
        return m_pViewActive->GetDocument();
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (auto* view = dynamic_cast<CView*>(FromHandlePermanent(child)); view && view->GetDocument())
            return view->GetDocument();
    return nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* firstView = nullptr;
    if (!m_pViewActive) {
        firstView = dynamic_cast<CView*>(FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)));
        if (firstView)
            SetActiveView(firstView, FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        ActivateFrame(-1);
        if (firstView && m_pViewActive == firstView)
            firstView->OnActivateView(TRUE, firstView, firstView);
    }
    if (pDoc)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::UpdateCaption(const CString& title)
{
    CString now;
    GetWindowText(now);
    if (now != title)
        SetWindowText(title);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* document = GetActiveDocument();
    if (!bAddToTitle || !(GetStyle() & FWS_ADDTOTITLE) || !document) {
        UpdateCaption(m_strTitle);
        return;
    }
    CString name = document->GetTitle();
    if (m_nWindow > 0)
        name.AppendFormat(":%d", m_nWindow);
    CString title;
    if (GetStyle() & FWS_PREFIXTITLE)
        title.Format("%s - %s", static_cast<const char*>(name), static_cast<const char*>(m_strTitle));
    else
        title.Format("%s - %s", static_cast<const char*>(m_strTitle), static_cast<const char*>(name));
    UpdateCaption(title);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (!pane)
        return;
    CRect client;
    GetClientRect(&client);
    ::MoveWindow(pane, client.left, client.top, client.Width(), client.Height(), TRUE);
}

BOOL CFrameWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const { return ::GetWindowPlacement(m_hWnd, lpwndpl); }

BOOL CFrameWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) { return ::SetWindowPlacement(m_hWnd, lpwndpl); }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

namespace {

// Whether a view of the document sits in another frame than this one.
BOOL ShownElsewhere(CDocument* document, const CFrameWnd* frame)
{
    for (POSITION pos = document->GetFirstViewPosition(); pos;)
        if (document->GetNextView(pos)->GetParentFrame() != frame)
            return TRUE;
    return FALSE;
}

CWinApp* ApplicationWithMainWindow(const CWnd* wnd)
{
    for (CWinApp* app : platform::Applications())
        if (app->m_pMainWnd == wnd)
            return app;
    return nullptr;
}

} // namespace

void CFrameWnd::OnClose()
{
    CDocument* document = DocumentOfFrame();
    if (document && !document->CanCloseFrame(this))
        return;
    if (CWinApp* app = ApplicationWithMainWindow(this)) {
        app->CloseAllDocuments(FALSE);
        if (IsWindow(m_hWnd))
            DestroyWindow();
        return;
    }
    // The document's last frame closes the document, which destroys the frame.
    if (document && document->m_bAutoDelete && !ShownElsewhere(document, this)) {
        document->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnNcDestroy()
{
    for (CWinApp* app : platform::Applications())
        if (app->m_pMainWnd == this)
            app->m_pMainWnd = nullptr;
    CWnd::OnNcDestroy();
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd* active = GetActiveFrame();
    CView* view = active ? active->GetActiveView() : nullptr;
    if (!view)
        return;
    // Coming back to the frame makes its view active again; leaving it keeps the view as it is.
    if (nState != WA_INACTIVE && !bMinimized)
        view->OnActivateView(TRUE, view, view);
    view->OnActivateFrame(nState, this);
}
