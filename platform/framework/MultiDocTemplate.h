// CMultiDocTemplate: a template of any number of open documents, each in its own MDI child frame
// inside the main frame of the current module's application.
#pragma once

#include "../core/Collections.h"
#include "DocTemplate.h"

class PLATFORM_API CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                      const CRuntimeClass* pViewClass, LPCTSTR lpszDocStrings = nullptr);
    ~CMultiDocTemplate() override;

    // The documents in the order they were opened.
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;

    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

    // Counts the untitled documents made so far, for their default titles.
    UINT m_nUntitledCount = 0;

private:
    platform::detail::LinkedList<CDocument*> m_docList;
};
