// CDocTemplate: pairs a document class with the frame and view classes that show it, under a
// resource id and a document string. It makes documents, their frames and views, and keeps the
// list of its open documents (CMultiDocTemplate holds any number).
//
// The document string has the classic fields separated by '\n': window title, document name,
// File New name, filter name, filter extension, file type id, file type name. The library that
// registers a template gives it, or it is the string resource of the template's id in the
// resources current when the template is made; "\nAllyledger\nAllyledger" names documents
// "Allyledger1", "Allyledger2", ...
#pragma once

#include "../core/String.h"
#include "../win/CmdTarget.h"

class CDocument;
class CFrameWnd;

class PLATFORM_API CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    ~CDocTemplate() override;

    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new document of the template's class, added to the template; null when the class cannot
    // be made or is not a document.
    virtual CDocument* CreateNewDocument();
    // A new frame with its view for the document, not yet shown; null when it cannot be made
    // (for an MDI child: when the current module's application has no MDI main frame).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    // First update of the frame's views, then the frame is shown and activated.
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // With no path: a new document, frame and view, shown when bMakeVisible. Null on failure.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // Closes every document; bEndSession is passed on to each.
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT m_nIDResource = 0;
    const CRuntimeClass* m_pDocClass = nullptr;
    const CRuntimeClass* m_pFrameClass = nullptr;
    const CRuntimeClass* m_pViewClass = nullptr;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass, LPCTSTR lpszDocStrings);
};
