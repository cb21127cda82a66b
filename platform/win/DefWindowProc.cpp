// The window system's default processing of messages, by family.
#include <cstring>

#include "../gdi/DC.h"
#include "../gdi/SysColors.h"
#include "InputState.h"
#include "NonClient.h"
#include "ScrollTracking.h"
#include "WindowManager.h"
#include "WindowTable.h"
#include "WinApi.h"

namespace platform {

namespace {

BOOL DefaultState(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND hwnd = record.handle;
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            record.text = cs->lpszName;
        result = TRUE;
        return TRUE;
    }
    case WM_SETTEXT:
        record.text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        record.frameNeeded = TRUE;
        result = TRUE;
        return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || wParam == 0)
            return TRUE;
        const std::size_t n = std::min<std::size_t>(record.text.size(), wParam - 1);
        std::memcpy(buffer, record.text.data(), n);
        buffer[n] = '\0';
        result = LRESULT(n);
        return TRUE;
    }
    case WM_GETTEXTLENGTH: result = LRESULT(record.text.size()); return TRUE;
    case WM_SETFONT:
        record.font = wParam;
        if (lParam)
            InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case WM_GETFONT: result = LRESULT(record.font); return TRUE;
    case WM_SETREDRAW: record.redrawOff = !wParam; return TRUE;
    case WM_CLOSE: DestroyWindow(hwnd); return TRUE;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return TRUE;
    default: return FALSE;
    }
}

BOOL DefaultActivation(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND hwnd = record.handle, parent = record.parent;
    switch (message) {
    case WM_ACTIVATE: {
        HWND focus = GetFocus();
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && focus != hwnd && !IsChild(hwnd, focus))
            SetFocus(hwnd);
        return TRUE;
    }
    case WM_NCACTIVATE:
        record.captionActive = BOOL(wParam);
        record.frameNeeded = TRUE;
        result = TRUE;
        return TRUE;
    case WM_MOUSEACTIVATE:
        result = parent ? SendMessage(parent, message, wParam, lParam) : 0;
        if (!result)
            result = MA_ACTIVATE;
        return TRUE;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
        default: break;
        }
        return TRUE;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & (LPARAM(1) << 29)))
            SendMessage(WindowTable::Instance().Root(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    default: return FALSE;
    }
}

HCURSOR CursorForHit(const WindowRecord& record, int hit)
{
    switch (hit) {
    case HTCLIENT: return record.windowClass ? record.windowClass->info.hCursor : nullptr;
    case HTLEFT:
    case HTRIGHT: return LoadStandardCursor(IDC_SIZEWE);
    case HTTOP:
    case HTBOTTOM: return LoadStandardCursor(IDC_SIZENS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return LoadStandardCursor(IDC_SIZENWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return LoadStandardCursor(IDC_SIZENESW);
    default: return LoadStandardCursor(IDC_ARROW);
    }
}

BOOL DefaultPointer(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND hwnd = record.handle, parent = record.parent;
    switch (message) {
    case WM_NCHITTEST: {
        const CPoint origin = WindowOriginOnScreen(record);
        result = NonClientHitTest(record, CPoint(GET_X_LPARAM(lParam) - origin.x, GET_Y_LPARAM(lParam) - origin.y));
        return TRUE;
    }
    case WM_SETCURSOR: {
        // The parent has the first word; a window sets the cursor only for itself.
        if (parent && SendMessage(parent, WM_SETCURSOR, wParam, lParam)) {
            result = TRUE;
            return TRUE;
        }
        if (reinterpret_cast<HWND>(wParam) != hwnd)
            return TRUE;
        if (HCURSOR cursor = CursorForHit(record, short(LOWORD(lParam))))
            SetCursor(cursor);
        result = TRUE;
        return TRUE;
    }
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        if (parent)
            result = SendMessage(parent, message, wParam, lParam);
        return TRUE;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTVSCROLL || wParam == HTHSCROLL)
            TrackScrollBar(hwnd, wParam == HTVSCROLL ? SB_VERT : SB_HORZ, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        else if (wParam == HTCLOSE)
            SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        return TRUE;
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION && (record.style & WS_MAXIMIZEBOX))
            SendMessage(hwnd, WM_SYSCOMMAND, (record.style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return TRUE;
    default: return FALSE;
    }
}

// A class brush is a real brush, or a system colour index + 1.
void FillWithClassBrush(CDC& dc, HBRUSH brush, const CRect& area)
{
    const auto value = reinterpret_cast<uintptr_t>(brush);
    if (value > 0 && value <= uintptr_t(COLOR_MENUBAR) + 1) {
        dc.FillRect(&area, CBrush::FromHandle(GetSysColorBrush(int(value) - 1)));
        return;
    }
    if (CBrush* real = CBrush::FromHandle(brush))
        dc.FillRect(&area, real);
}

BOOL DefaultPaint(WindowRecord& record, UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    HWND hwnd = record.handle;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (BeginPaint(hwnd, &paint))
            EndPaint(hwnd, &paint);
        return TRUE;
    }
    case WM_NCPAINT: PaintNonClient(record); return TRUE;
    case WM_ERASEBKGND: {
        HBRUSH brush = record.windowClass ? record.windowClass->info.hbrBackground : nullptr;
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        if (!brush || !dc)
            return TRUE;
        CRect area;
        dc->GetClipBox(&area);
        FillWithClassBrush(*dc, brush, area);
        result = TRUE;
        return TRUE;
    }
    default: return FALSE;
    }
}

} // namespace

} // namespace platform

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::WindowRecord* record = platform::FindWindowRecord(hwnd);
    if (!record)
        return 0;
    LRESULT result = 0;
    if (platform::DefaultState(*record, message, wParam, lParam, result) ||
        platform::DefaultActivation(*record, message, wParam, lParam, result) ||
        platform::DefaultPointer(*record, message, wParam, lParam, result) ||
        platform::DefaultPaint(*record, message, wParam, lParam, result))
        return result;
    return 0;
}
