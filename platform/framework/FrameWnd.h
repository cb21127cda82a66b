// CFrameWnd: a frame around a view. It makes its view from the creation context, keeps it
// filling the client area, shows its document's title as caption, routes commands to the active
// view first, and on a close request closes its document when it is the document's last frame.
//
// Frames delete themselves when their window is destroyed, so they live on the heap.
#pragma once

#include "../win/Wnd.h"
#include "CreateContext.h"
#include "FrameworkIds.h"

class CDocument;
class CView;

class PLATFORM_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Asks the window system for its default position and size.
    static const CRect rectDefault;

    using CWnd::Create;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame for a template. Its title is m_strTitle; when that is empty, the first
    // field of the string resource nIDResource, else the application's name.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // The view that gets commands and the focus first.
    CView* GetActiveView() const { return m_pViewActive; }
    // Tells the old and the new view (OnActivateView) when bNotify.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view is active: this one, or an MDI frame's active child.
    virtual CFrameWnd* GetActiveFrame();
    // The nearest frame window above this one.
    CFrameWnd* GetParentFrame() const;

    // Shows the frame (restoring it when minimised) and brings it to the front.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Makes the first view active, sends the views their first update and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // The first pane (the view) fills the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The active view, then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // The frame's number among several that show one document (0 when it is the only one).
    int m_nWindow = 0;
    CString m_strTitle;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // The document shown by the view of this frame, with or without an active view.
    CDocument* DocumentOfFrame();
    void UpdateCaption(const CString& title);

    int OnCreate(LPCREATESTRUCT lpcs) override;
    void OnClose() override;
    void OnNcDestroy() override;
    void PostNcDestroy() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) override;

    CView* m_pViewActive = nullptr;
};

namespace platform {

// The nearest frame window above a window, or null.
PLATFORM_API CFrameWnd* ParentFrameOf(const CWnd* wnd);

} // namespace platform
