// CDocument: the data behind one or more views. Its title is the caption of the frames that show
// it; UpdateAllViews tells its views of a change; it closes, and by default deletes itself, when
// its last view goes.
#pragma once

#include "../core/Collections.h"
#include "../core/String.h"
#include "../win/CmdTarget.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class PLATFORM_API CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    // Leaves its template's list; views still attached no longer point to it.
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CString& GetTitle() const { return m_strTitle; }
    // Also the caption of every frame that shows the document.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The title becomes the file's name.
    virtual void SetPathName(LPCTSTR lpszPathName);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // Views, in the order they were added.
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Calls OnUpdate of every view but the sender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // Numbers the frames when more than one shows the document, and renews their captions.
    virtual void UpdateFrameCounts();

    // A new (untitled) document: its contents are emptied.
    virtual BOOL OnNewDocument();
    // Nothing is read from the file; the contents are emptied and the path kept.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Destroys the frames that show the document, then the document itself when m_bAutoDelete.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    // Asked before a frame closes; documents here keep nothing unsaved.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // After a view came or went; the last view going closes the document.
    virtual void OnChangedViewList();

    // Handles ID_FILE_CLOSE, then offers the command to the template.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // Whether the document deletes itself when it closes.
    BOOL m_bAutoDelete = TRUE;
    CDocTemplate* m_pDocTemplate = nullptr;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;

private:
    platform::detail::LinkedList<CView*> m_viewList;
};
