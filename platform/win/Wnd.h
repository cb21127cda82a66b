// CWnd: the C++ object behind a window. Messages reach it through WindowProc, which hands each
// one to a small virtual handler; a handler that does not take a message over calls Default()
// (or the base handler), which runs the window system's default processing.
//
// Sections of the class: handles and lookup; creation and destruction; the message entry points;
// attributes and relations; placement and coordinates; painting; input; scroll bars; handlers.
#pragma once

#include "../core/String.h"
#include "CmdTarget.h"
#include "WinApi.h"

class CDC;
class CFont;
class CScrollBar;
struct CCreateContext;

// Command routing codes of OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_NOTIFY 0x004E

// What OnNotify hands to OnCmdMsg as the extra argument of a WM_NOTIFY command.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

class PLATFORM_API CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;
    // The insert-after places of SetWindowPos: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST.
    static const CWnd wndTop, wndBottom, wndTopMost, wndNoTopMost;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Handles and lookup. FromHandle gives the window's own object, or a temporary one (kept
    // until the window is destroyed) for a window that has none; null for no window.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();

    // Creation and destruction.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        CCreateContext* context = nullptr);
    virtual BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                          int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Called after the window's last message; an object that owns itself deletes itself here.
    virtual void PostNcDestroy();

    // Message entry points.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called for queued messages of this window and its children before they are dispatched;
    // TRUE takes the message out of the loop.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers a message to PreTranslateMessage of the window and its ancestors up to (not
    // including) the stop window.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
    // A notification from a child (WM_COMMAND, WM_NOTIFY) offered to the child first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE) const;

    // Attributes and relations.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CWnd* GetDlgItem(int id) const;
    CWnd* GetDescendantWindow(int id, BOOL onlyPermanent = FALSE) const;
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    // The owner set with SetOwner, else the parent.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopWindow() const;
    CWnd* GetWindow(UINT relation) const;
    CWnd* GetNextWindow(UINT relation = GW_HWNDNEXT) const { return GetWindow(relation); }
    BOOL IsChild(const CWnd* wnd) const;
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int bufferSize) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    static CWnd* GetDesktopWindow();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* GetForegroundWindow();
    BOOL SetForegroundWindow();

    // Placement and coordinates.
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    void BringWindowToTop();
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    CWnd* ChildWindowFromPoint(POINT point) const;
    static CWnd* WindowFromPoint(POINT point);
    void CenterWindow(CWnd* alternateOwner = nullptr);

    // Painting.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void ScrollWindow(int dx, int dy, LPCRECT rect = nullptr, LPCRECT clip = nullptr);
    void SetRedraw(BOOL redraw = TRUE);
    // A client-area context; give it back with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);

    // Input.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // Scroll bars.
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const;
    int GetScrollLimit(int bar) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE);
    void EnableScrollBarCtrl(int bar, BOOL enable = TRUE);
    BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH);

    // A message box over this window's top-level window; a null caption is the application's
    // name. The framework layer, which draws message boxes, defines it.
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

protected:
    // Runs the default processing of the message being handled now.
    LRESULT Default();
    // One dispatcher per message family; each hands the message to its handler.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Lifetime and window state.
    virtual BOOL OnNcCreate(LPCREATESTRUCT cs);
    virtual int OnCreate(LPCREATESTRUCT cs);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnMove(int x, int y);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
    virtual int OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT message);
    virtual void OnEnable(BOOL enable);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnCancelMode();
    virtual void OnSysColorChange();
    virtual void OnSettingChange(UINT flags, LPCTSTR section);
    virtual LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    virtual LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);

    // Painting.
    virtual void OnPaint();
    virtual void OnNcPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);

    // Focus, capture, cursor and hit testing.
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual void OnCaptureChanged(CWnd* wnd);
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual LRESULT OnNcHitTest(CPoint point);
    virtual UINT OnGetDlgCode();

    // Mouse; points are client coordinates, except the wheel's and the non-client ones.
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    virtual void OnMButtonDown(UINT flags, CPoint point);
    virtual void OnMButtonUp(UINT flags, CPoint point);
    virtual BOOL OnMouseWheel(UINT flags, short zDelta, CPoint point);
    virtual void OnNcMouseMove(UINT hitTest, CPoint point);
    virtual void OnNcLButtonDown(UINT hitTest, CPoint point);
    virtual void OnNcLButtonUp(UINT hitTest, CPoint point);
    virtual void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    virtual void OnContextMenu(CWnd* wnd, CPoint point);

    // Keyboard.
    virtual void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnKeyUp(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnChar(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnSysKeyDown(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnSysKeyUp(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnSysChar(UINT nChar, UINT repeatCount, UINT flags);

    // Timers, scrolling, commands and notifications.
    virtual void OnTimer(UINT_PTR id);
    virtual void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    virtual void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    // Offers a control's command to the control, then routes it through OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    explicit CWnd(HWND place) : m_hWnd(place) {}
    friend LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL DispatchLifetime(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL DispatchPaintAndFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL DispatchMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL DispatchKeyboard(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL DispatchCommands(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWndOwner = nullptr;
};

// Delivers a message to a window's object, keeping track of the message being handled so that
// Default() can run its default processing.
PLATFORM_API LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace platform {

// The message that the innermost WindowProc is handling (WM_NULL outside any).
PLATFORM_API const MSG& CurrentMessage();

} // namespace platform
