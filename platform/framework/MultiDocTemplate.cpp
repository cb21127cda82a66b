#include "MultiDocTemplate.h"

#include "Document.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                     const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass,
                                     LPCTSTR lpszDocStrings)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass, lpszDocStrings)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    for (auto* node = m_docList.head(); node; node = node->next)
        node->value->m_pDocTemplate = nullptr;
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const { return m_docList.head(); }

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    auto* node = decltype(m_docList)::node(rPos);
    rPos = node->next;
    return node->value;
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    if (!pDoc)
        return;
    CDocTemplate::AddDocument(pDoc);
    m_docList.insertBefore(nullptr, pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    for (auto* node = m_docList.head(); node; node = node->next)
        if (node->value == pDoc) {
            m_docList.erase(node);
            return;
        }
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = CreateNewDocument();
    if (!document)
        return nullptr;
    // Until it is shown, a failure must not make the document delete itself behind our back.
    const BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete document;
        return nullptr;
    }
    if (lpszPathName) {
        document->SetPathName(lpszPathName);
        if (!document->OnOpenDocument(lpszPathName)) {
            frame->DestroyWindow();
            return nullptr;
        }
    } else {
        SetDefaultTitle(document);
        if (!document->OnNewDocument()) {
            frame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    }
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString name;
    if (!GetDocString(name, docName) || name.IsEmpty())
        name = "Untitled";
    CString title;
    title.Format("%s%u", static_cast<const char*>(name), m_nUntitledCount + 1);
    pDocument->SetTitle(title);
}
