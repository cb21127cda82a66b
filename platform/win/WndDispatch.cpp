// CWnd's dispatcher: each message family in one small function that unpacks the arguments and
// calls the virtual handler.
#include "../gdi/DC.h"
#include "ScrollBar.h"
#include "Wnd.h"

namespace {

CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }
CWnd* WndOf(WPARAM handle) { return CWnd::FromHandle(reinterpret_cast<HWND>(handle)); }
CWnd* WndOfL(LPARAM handle) { return CWnd::FromHandle(reinterpret_cast<HWND>(handle)); }

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return DispatchLifetime(message, wParam, lParam, result) || DispatchPaintAndFocus(message, wParam, lParam, result) ||
           DispatchMouse(message, wParam, lParam, result) || DispatchKeyboard(message, wParam, lParam, result) ||
           DispatchCommands(message, wParam, lParam, result);
}

BOOL CWnd::DispatchLifetime(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_NCCREATE: *result = OnNcCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); return TRUE;
    case WM_CREATE: *result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); return TRUE;
    case WM_DESTROY: OnDestroy(); return TRUE;
    case WM_NCDESTROY: OnNcDestroy(); return TRUE;
    case WM_CLOSE: OnClose(); return TRUE;
    case WM_MOVE: OnMove(short(LOWORD(lParam)), short(HIWORD(lParam))); return TRUE;
    case WM_SIZE: OnSize(UINT(wParam), short(LOWORD(lParam)), short(HIWORD(lParam))); return TRUE;
    case WM_SHOWWINDOW: OnShowWindow(BOOL(wParam), UINT(lParam)); return TRUE;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam), WndOfL(lParam), HIWORD(wParam)); return TRUE;
    case WM_MOUSEACTIVATE: *result = OnMouseActivate(WndOf(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_ENABLE: OnEnable(BOOL(wParam)); return TRUE;
    case WM_SYSCOMMAND: OnSysCommand(UINT(wParam), lParam); return TRUE;
    case WM_CANCELMODE: OnCancelMode(); return TRUE;
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return TRUE;
    case WM_SETTINGCHANGE: OnSettingChange(UINT(wParam), reinterpret_cast<LPCTSTR>(lParam)); return TRUE;
    case WM_SETFONT: *result = OnSetFont(wParam, lParam); return TRUE;
    case WM_GETFONT: *result = OnGetFont(wParam, lParam); return TRUE;
    default: return FALSE;
    }
}

BOOL CWnd::DispatchPaintAndFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_PAINT: OnPaint(); return TRUE;
    case WM_NCPAINT: OnNcPaint(); return TRUE;
    case WM_ERASEBKGND: *result = OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))); return TRUE;
    case WM_SETFOCUS: OnSetFocus(WndOf(wParam)); return TRUE;
    case WM_KILLFOCUS: OnKillFocus(WndOf(wParam)); return TRUE;
    case WM_CAPTURECHANGED: OnCaptureChanged(WndOfL(lParam)); return TRUE;
    case WM_SETCURSOR: *result = OnSetCursor(WndOf(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_NCHITTEST: *result = OnNcHitTest(PointOf(lParam)); return TRUE;
    case WM_GETDLGCODE: *result = OnGetDlgCode(); return TRUE;
    default: return FALSE;
    }
}

BOOL CWnd::DispatchMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const UINT flags = UINT(wParam);
    switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(flags, PointOf(lParam)); return TRUE;
    case WM_LBUTTONDOWN: OnLButtonDown(flags, PointOf(lParam)); return TRUE;
    case WM_LBUTTONUP: OnLButtonUp(flags, PointOf(lParam)); return TRUE;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, PointOf(lParam)); return TRUE;
    case WM_RBUTTONDOWN: OnRButtonDown(flags, PointOf(lParam)); return TRUE;
    case WM_RBUTTONUP: OnRButtonUp(flags, PointOf(lParam)); return TRUE;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(flags, PointOf(lParam)); return TRUE;
    case WM_MBUTTONDOWN: OnMButtonDown(flags, PointOf(lParam)); return TRUE;
    case WM_MBUTTONUP: OnMButtonUp(flags, PointOf(lParam)); return TRUE;
    case WM_MOUSEWHEEL:
        *result = OnMouseWheel(LOWORD(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
        return TRUE;
    case WM_NCMOUSEMOVE: OnNcMouseMove(flags, PointOf(lParam)); return TRUE;
    case WM_NCLBUTTONDOWN: OnNcLButtonDown(flags, PointOf(lParam)); return TRUE;
    case WM_NCLBUTTONUP: OnNcLButtonUp(flags, PointOf(lParam)); return TRUE;
    case WM_NCLBUTTONDBLCLK: OnNcLButtonDblClk(flags, PointOf(lParam)); return TRUE;
    case WM_CONTEXTMENU: OnContextMenu(WndOf(wParam), PointOf(lParam)); return TRUE;
    default: return FALSE;
    }
}

BOOL CWnd::DispatchKeyboard(UINT message, WPARAM wParam, LPARAM lParam, LRESULT*)
{
    const UINT key = UINT(wParam), repeat = LOWORD(lParam), flags = HIWORD(lParam);
    switch (message) {
    case WM_KEYDOWN: OnKeyDown(key, repeat, flags); return TRUE;
    case WM_KEYUP: OnKeyUp(key, repeat, flags); return TRUE;
    case WM_CHAR: OnChar(key, repeat, flags); return TRUE;
    case WM_SYSKEYDOWN: OnSysKeyDown(key, repeat, flags); return TRUE;
    case WM_SYSKEYUP: OnSysKeyUp(key, repeat, flags); return TRUE;
    case WM_SYSCHAR: OnSysChar(key, repeat, flags); return TRUE;
    default: return FALSE;
    }
}

BOOL CWnd::DispatchCommands(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_TIMER: OnTimer(UINT_PTR(wParam)); return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        auto* bar = dynamic_cast<CScrollBar*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
        if (message == WM_HSCROLL)
            OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
        else
            OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
        return TRUE;
    }
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            *result = 0;
        else
            *result = Default();
        return TRUE;
    case WM_NOTIFY: {
        LRESULT notifyResult = 0;
        *result = OnNotify(wParam, lParam, &notifyResult) ? notifyResult : Default();
        return TRUE;
    }
    default: return FALSE;
    }
}
