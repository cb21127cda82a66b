// CMDIFrameWnd: the main frame of a multiple-document program (the host's). Its client area is
// an MDI client (MdiClient.h) in which the document frames (CMDIChildWnd) live; commands go to
// the active child first.
//
// The host makes it on the heap and names it as its application's main window:
//
//     auto* frame = new CMDIFrameWnd;
//     frame->Create(nullptr, "Host");          // or LoadFrame(id) with m_strTitle set
//     app.m_pMainWnd = frame;
//     frame->ShowWindow(SW_SHOW);
#pragma once

#include "FrameWnd.h"
#include "MdiClient.h"

class CMDIChildWnd;
class CMenu;

class PLATFORM_API CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // Makes the MDI client; the window menu is not used.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);

    // The active child; *pbMaximized tells whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDICascade();

    CFrameWnd* GetActiveFrame() override;
    // The active child first, then the frame's own way.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    HWND m_hWndMDIClient = nullptr;

    // The client area object, for the framework's children.
    platform::MdiClient& MdiClientWindow() { return m_wndMDIClient; }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnNcDestroy() override;

private:
    platform::MdiClient m_wndMDIClient;
};
