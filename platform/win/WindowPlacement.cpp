// Where windows are: placement, showing and hiding, coordinates, and finding the window at a
// point.
#include "Focus.h"
#include "NonClient.h"
#include "Painting.h"
#include "WindowManager.h"
#include "WindowTable.h"
#include "WinApi.h"

namespace platform {

CPoint WindowOriginOnScreen(const WindowRecord& record)
{
    CPoint origin = record.rect.TopLeft();
    if (const WindowRecord* parent = FindWindowRecord(record.parent))
        origin += CSize(ClientOriginOnScreen(*parent).x, ClientOriginOnScreen(*parent).y);
    return origin;
}

CPoint ClientOriginOnScreen(const WindowRecord& record)
{
    const CPoint window = WindowOriginOnScreen(record);
    const CRect client = ClientAreaInWindow(record);
    return CPoint(window.x + client.left, window.y + client.top);
}

// The client origin in the coordinates WM_MOVE reports: the parent's client area, or the screen.
static CPoint ReportedClientOrigin(const WindowRecord& record)
{
    const CRect client = ClientAreaInWindow(record);
    return CPoint(record.rect.left + client.left, record.rect.top + client.top);
}

void ApplyWindowRect(HWND hwnd, const CRect& rect, UINT sizeType, BOOL forceSize)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return;
    const CRect oldClient = record->laidOutClient;
    const CPoint oldOrigin = record->rect.TopLeft() + CSize(oldClient.left, oldClient.top);
    const CSize oldWindowSize = record->rect.Size();
    record->rect = rect;
    record->rect.right = std::max(rect.right, rect.left);
    record->rect.bottom = std::max(rect.bottom, rect.top);
    const CRect newClient = ClientAreaInWindow(*record);
    record->laidOutClient = newClient;
    if (record->rect.Size() != oldWindowSize || oldClient != newClient)
        ResizeSurface(*record, oldClient);
    const BOOL sized = forceSize || oldClient.Size() != newClient.Size();
    const BOOL moved = forceSize || ReportedClientOrigin(*record) != oldOrigin;
    if (sized)
        SendMessage(hwnd, WM_SIZE, sizeType, MAKELPARAM(newClient.Width(), newClient.Height()));
    if (!(record = FindWindowRecord(hwnd)))
        return;
    if (moved) {
        const CPoint origin = ReportedClientOrigin(*record);
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
}

void FrameChanged(HWND hwnd)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return;
    record->frameNeeded = TRUE;
    ApplyWindowRect(hwnd, record->rect, IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED);
}

static UINT CurrentSizeType(const WindowRecord& record)
{
    if (record.style & WS_MINIMIZE)
        return SIZE_MINIMIZED;
    return (record.style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

static void MakeVisible(HWND hwnd, BOOL activate)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return;
    if (!(record->style & WS_VISIBLE)) {
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!(record = FindWindowRecord(hwnd)))
            return;
        record->style |= WS_VISIBLE;
        record->frameNeeded = TRUE;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    if (activate && !record->parent)
        Activate(hwnd, WA_ACTIVE);
}

static void Hide(HWND hwnd)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || !(record->style & WS_VISIBLE))
        return;
    SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
    if (!(record = FindWindowRecord(hwnd)))
        return;
    record->style &= ~DWORD(WS_VISIBLE);
    LeaveWindow(hwnd, FALSE);
}

// The area a maximised window fills: its parent's client area, or the screen.
static CRect MaximisedRect(const WindowRecord& record)
{
    if (const WindowRecord* parent = FindWindowRecord(record.parent))
        return CRect(0, 0, ClientAreaInWindow(*parent).Width(), ClientAreaInWindow(*parent).Height());
    return CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

static void ChangeShowState(HWND hwnd, DWORD state)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || (record->style & (WS_MINIMIZE | WS_MAXIMIZE)) == state)
        return;
    if (!(record->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        record->normalRect = record->rect;
    record->style = (record->style & ~DWORD(WS_MINIMIZE | WS_MAXIMIZE)) | state;
    record->frameNeeded = TRUE;
    CRect rect = record->normalRect;
    if (state == WS_MAXIMIZE)
        rect = MaximisedRect(*record);
    if (state == WS_MINIMIZE) {
        const int height = 2 * FrameThickness(record->style, record->exStyle) + CaptionHeight(record->style, record->exStyle);
        rect = CRect(rect.TopLeft(), CSize(160, std::max(height, 20)));
    }
    ApplyWindowRect(hwnd, rect, CurrentSizeType(*record), TRUE);
}

} // namespace platform

using namespace platform;

BOOL ShowWindow(HWND hwnd, int command)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    const BOOL wasVisible = (record->style & WS_VISIBLE) != 0;
    switch (command) {
    case SW_HIDE:
        Hide(hwnd);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        ChangeShowState(hwnd, WS_MINIMIZE);
        MakeVisible(hwnd, command == SW_SHOWMINIMIZED);
        break;
    case SW_SHOWMAXIMIZED:
        ChangeShowState(hwnd, WS_MAXIMIZE);
        MakeVisible(hwnd, TRUE);
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        ChangeShowState(hwnd, 0);
        MakeVisible(hwnd, TRUE);
        break;
    default:
        MakeVisible(hwnd, command != SW_SHOWNA && command != SW_SHOWNOACTIVATE);
        break;
    }
    return wasVisible;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    if (!(flags & SWP_NOZORDER))
        WindowTable::Instance().PlaceInZOrder(*record, insertAfter);
    CRect rect = record->rect;
    if (!(flags & SWP_NOMOVE))
        rect = CRect(CPoint(x, y), rect.Size());
    if (!(flags & SWP_NOSIZE))
        rect = CRect(rect.TopLeft(), CSize(std::max(0, cx), std::max(0, cy)));
    if (flags & SWP_FRAMECHANGED)
        record->frameNeeded = TRUE;
    if (!(record->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        record->normalRect = rect;
    ApplyWindowRect(hwnd, rect, (record->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED);
    if (flags & SWP_HIDEWINDOW)
        Hide(hwnd);
    if (flags & SWP_SHOWWINDOW)
        MakeVisible(hwnd, !(flags & SWP_NOACTIVATE));
    else if (!(flags & (SWP_NOACTIVATE | SWP_NOZORDER)) && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER) &&
             !(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD))
        Activate(hwnd, WA_ACTIVE);
    // A child window moved or brought forward without SWP_NOACTIVATE is told so; an MDI child
    // becomes the active child then.
    if (!(flags & SWP_NOACTIVATE) && IsWindow(hwnd) && (GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD))
        SendMessage(hwnd, WM_CHILDACTIVATE, 0, 0);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL IsIconic(HWND hwnd)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    return record && (record->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    return record && (record->style & WS_MAXIMIZE);
}

static const CRect ScreenRect() { return CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    if (!rect)
        return FALSE;
    if (hwnd == GetDesktopWindow()) {
        *rect = ScreenRect();
        return TRUE;
    }
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    *rect = CRect(WindowOriginOnScreen(*record), record->rect.Size());
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    if (!rect)
        return FALSE;
    if (hwnd == GetDesktopWindow()) {
        *rect = ScreenRect();
        return TRUE;
    }
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    *rect = CRect(CPoint(0, 0), ClientAreaInWindow(*record).Size());
    return TRUE;
}

static CPoint ClientOriginOf(HWND hwnd)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    return record ? ClientOriginOnScreen(*record) : CPoint(0, 0);
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    if (!point || (!IsWindow(hwnd) && hwnd != GetDesktopWindow()))
        return FALSE;
    const CPoint origin = ClientOriginOf(hwnd);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    if (!point || (!IsWindow(hwnd) && hwnd != GetDesktopWindow()))
        return FALSE;
    const CPoint origin = ClientOriginOf(hwnd);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    const CPoint a = ClientOriginOf(from), b = ClientOriginOf(to);
    const int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return int(MAKELONG(WORD(short(dx)), WORD(short(dy))));
}

// The deepest shown window under a screen point inside a window. A disabled child takes no
// input, so its parent answers for it.
static HWND DeepestAt(HWND hwnd, CPoint screen)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    const CPoint origin = ClientOriginOnScreen(*record);
    const CRect client(origin, ClientAreaInWindow(*record).Size());
    if (!client.PtInRect(screen))
        return hwnd;
    for (HWND child : record->children) {
        const WindowRecord* c = FindWindowRecord(child);
        if (!c || !(c->style & WS_VISIBLE) || (c->style & WS_DISABLED))
            continue;
        if (CRect(WindowOriginOnScreen(*c), c->rect.Size()).PtInRect(screen))
            return DeepestAt(child, screen);
    }
    return hwnd;
}

HWND WindowFromPoint(POINT screenPoint)
{
    for (HWND top : WindowTable::Instance().TopLevel()) {
        const WindowRecord* r = FindWindowRecord(top);
        if (r && (r->style & WS_VISIBLE) && CRect(r->rect).PtInRect(screenPoint))
            return DeepestAt(top, screenPoint);
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint)
{
    const WindowRecord* record = FindWindowRecord(parent);
    if (!record || !CRect(CPoint(0, 0), ClientAreaInWindow(*record).Size()).PtInRect(clientPoint))
        return nullptr;
    for (HWND child : record->children)
        if (const WindowRecord* c = FindWindowRecord(child); c && CRect(c->rect).PtInRect(clientPoint))
            return child;
    return parent;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || !placement)
        return FALSE;
    const BOOL minimised = (record->style & WS_MINIMIZE) != 0, maximised = (record->style & WS_MAXIMIZE) != 0;
    placement->flags = 0;
    placement->showCmd = minimised ? SW_SHOWMINIMIZED : maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    placement->ptMinPosition = minimised ? record->rect.TopLeft() : CPoint(-1, -1);
    placement->ptMaxPosition = maximised ? record->rect.TopLeft() : CPoint(-1, -1);
    placement->rcNormalPosition = (minimised || maximised) ? record->normalRect : record->rect;
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || !placement)
        return FALSE;
    const CRect normal(placement->rcNormalPosition);
    if (record->style & (WS_MINIMIZE | WS_MAXIMIZE))
        record->normalRect = normal;
    else
        SetWindowPos(hwnd, nullptr, normal.left, normal.top, normal.Width(), normal.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd, int(placement->showCmd));
    return TRUE;
}
