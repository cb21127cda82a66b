// CMDIChildWnd: a document frame inside the MDI frame of the current module's application. It
// lives in the MDI client area, is activated by a click or by ActivateFrame, and tells its view
// when it becomes or stops being the active child.
//
// A derived frame may set cs.cx and cs.cy (the outer width and height) in PreCreateWindow before
// calling this class's PreCreateWindow; what it leaves unset gets the MDI client's default.
#pragma once

#include "FrameWnd.h"

class CMDIFrameWnd;

namespace platform {
class MdiClient;
} // namespace platform

class PLATFORM_API CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    using CFrameWnd::Create;
    // The parent is the MDI frame given, or the current application's main window; without an
    // MDI frame nothing is created (and the frame object is deleted, as after any failure).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Shows the frame (restored when minimised, maximised when the active child was) and makes
    // it the active child.
    void ActivateFrame(int nCmdShow = -1) override;
    // The caption is the document's title (with ":n" when several frames show it).
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // A button pressed anywhere in the frame activates it first.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The frame became (bActivate) or stopped being the active child; its active view is told.
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnShowWindow(BOOL bShow, UINT nStatus) override;
    void OnDestroy() override;

private:
    platform::MdiClient* Client() const;
};
