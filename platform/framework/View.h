// CView: a window that shows a document inside a frame. It draws in OnDraw (on the screen and on
// printed pages), hears of document changes through OnUpdate, of activation through
// OnActivateView, and routes commands to its document. The print commands (ID_FILE_PRINT,
// ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW) run its print loop (PrintLoop.h).
//
// Views are made by their frame from the template's run-time class and delete themselves when
// their window is destroyed, so they live on the heap.
#pragma once

#include "../win/Wnd.h"

class CDC;
class CDocument;
class CFrameWnd;
class CPrintInfo;

class PLATFORM_API CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // The nearest frame window above the view.
    CFrameWnd* GetParentFrame() const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The view's own commands (printing), then the document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // Drawing: on the screen (OnPaint) and on each printed page (OnPrint).
    virtual void OnDraw(CDC* pDC) = 0;
    // Sent once when the frame is first shown; the default runs OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed; the default repaints the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The view becomes or stops being the active one; the view being activated takes the focus
    // when its top-level window is active.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // Printing, in the order the print loop calls them.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // The standard preparation: the default printer, its page range and context. There is no
    // one to ask, so no dialog is shown.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Before each page and before each screen paint (pInfo null). The default ends a print job
    // after page 1 unless a maximum page was set.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // One page; the default draws it with OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

protected:
    CView();

    // The print commands.
    void OnFilePrint(UINT nID);
    void OnFilePrintPreview();

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    int OnCreate(LPCREATESTRUCT lpcs) override;
    void OnDestroy() override;
    void PostNcDestroy() override;
    void OnPaint() override;
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) override;

    CDocument* m_pDocument = nullptr;

private:
    friend class CDocument;
};
