#include "Document.h"

#include <vector>

#include "DocTemplate.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "View.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    for (auto* node = m_viewList.head(); node; node = node->next)
        node->value->m_pDocument = nullptr;
    m_viewList.clear();
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName)
{
    m_strPathName = lpszPathName ? lpszPathName : "";
    const int slash = m_strPathName.ReverseFind('/');
    SetTitle(m_strPathName.Mid(slash + 1));
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.head(); }

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    auto* node = decltype(m_viewList)::node(rPosition);
    rPosition = node->next;
    return node->value;
}

void CDocument::AddView(CView* pView)
{
    if (!pView || pView->m_pDocument == this)
        return;
    if (pView->m_pDocument)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.insertBefore(nullptr, pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    for (auto* node = m_viewList.head(); node; node = node->next)
        if (node->value == pView) {
            m_viewList.erase(node);
            pView->m_pDocument = nullptr;
            OnChangedViewList();
            return;
        }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A view may close its frame while it is told (and so leave the list); the list is copied.
    std::vector<CView*> views;
    for (auto* node = m_viewList.head(); node; node = node->next)
        views.push_back(node->value);
    for (CView* view : views) {
        if (view == pSender)
            continue;
        for (auto* node = m_viewList.head(); node; node = node->next)
            if (node->value == view) {
                view->OnUpdate(pSender, lHint, pHint);
                break;
            }
    }
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd*> frames;
    for (auto* node = m_viewList.head(); node; node = node->next)
        if (CFrameWnd* frame = node->value->GetParentFrame(); frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    int number = 0;
    for (CFrameWnd* frame : frames)
        frame->m_nWindow = frames.size() > 1 ? ++number : 0;
    for (CFrameWnd* frame : frames)
        frame->OnUpdateFrameTitle(TRUE);
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR)
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // The document must outlive the destruction of its frames, which take its views with them.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (m_viewList.head()) {
        CView* view = m_viewList.head()->value;
        CFrameWnd* frame = view->GetParentFrame();
        if (frame) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        }
        // A view whose window survived (no frame, or one that refused) is let go here.
        if (m_viewList.head() && m_viewList.head()->value == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents() {}

BOOL CDocument::CanCloseFrame(CFrameWnd*) { return SaveModified(); }

BOOL CDocument::SaveModified() { return TRUE; }

void CDocument::PreCloseFrame(CFrameWnd*) {}

void CDocument::OnChangedViewList()
{
    if (!m_viewList.head() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (nCode == CN_COMMAND && nID == ID_FILE_CLOSE) {
        if (SaveModified())
            OnCloseDocument();
        return TRUE;
    }
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
