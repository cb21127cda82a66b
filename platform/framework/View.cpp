// CView: creation and lifetime, painting, activation and command routing. The print steps are
// in ViewPrinting.cpp.
#include "View.h"

#include "../win/PaintDC.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkClasses.h"
#include "FrameworkIds.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

namespace {

// The answer of WM_MOUSEACTIVATE that neither activates nor passes the click on.
constexpr int kNoActivateAndEat = 4;

} // namespace

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const { return platform::ParentFrameOf(this); }

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = platform::FrameOrViewClass();
    // A view shows the sunken edge of a client area rather than a plain border.
    if (cs.style & WS_BORDER) {
        cs.style &= ~LONG(WS_BORDER);
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return TRUE;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (nCode == CN_COMMAND && (nID == ID_FILE_PRINT || nID == ID_FILE_PRINT_DIRECT)) {
        OnFilePrint(nID);
        return TRUE;
    }
    if (nCode == CN_COMMAND && nID == ID_FILE_PRINT_PREVIEW) {
        OnFilePrintPreview();
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (!bActivate || pActivateView != this)
        return;
    CWnd* top = GetTopLevelParent();
    if (top && top->m_hWnd == ::GetActiveWindow() && ::GetFocus() != m_hWnd)
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

BOOL CView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_INITIALUPDATE) {
        OnInitialUpdate();
        *result = 0;
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    const auto* context = static_cast<const CCreateContext*>(lpcs->lpCreateParams);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    // The view is told it is no longer active while its frame can still be asked about.
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    const int result = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == kNoActivateAndEat)
        return result;
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() != this)
        frame->SetActiveView(this);
    return result;
}
