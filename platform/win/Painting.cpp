// Update areas and paint requests; window surfaces as device contexts see them; ScrollWindow.
#include "Painting.h"

#include <algorithm>
#include <map>
#include <memory>

#include "../gdi/DC.h"
#include "NonClient.h"
#include "WinApi.h"
#include "WindowTable.h"

namespace platform {

namespace {

// Contexts attached to window surfaces, so they can be cut loose when their window goes.
std::multimap<HWND, CDC*>& OpenContexts()
{
    static auto& contexts = *new std::multimap<HWND, CDC*>;
    return contexts;
}

// Contexts made by ::BeginPaint and ::GetDC, owned here until given back.
std::map<HDC, std::unique_ptr<CDC>>& OwnedContexts()
{
    static auto& contexts = *new std::map<HDC, std::unique_ptr<CDC>>;
    return contexts;
}

CRect ClientRectOf(const WindowRecord& record) { return CRect(CPoint(0, 0), ClientAreaInWindow(record).Size()); }

// What is left of a rectangle after taking another away, when that is still a rectangle;
// otherwise the rectangle unchanged (a larger update area is always safe).
CRect Subtract(const CRect& from, const CRect& away)
{
    CRect overlap;
    if (!overlap.IntersectRect(from, away))
        return from;
    if (overlap == from)
        return CRect();
    CRect rest = from;
    if (overlap.left == from.left && overlap.right == from.right) {
        if (overlap.top == from.top)
            rest.top = overlap.bottom;
        else if (overlap.bottom == from.bottom)
            rest.bottom = overlap.top;
    } else if (overlap.top == from.top && overlap.bottom == from.bottom) {
        if (overlap.left == from.left)
            rest.left = overlap.right;
        else if (overlap.right == from.right)
            rest.right = overlap.left;
    }
    return rest;
}

} // namespace

HWND NextWindowToPaint(HWND filter)
{
    auto& table = WindowTable::Instance();
    for (HWND hwnd : table.AllWindows()) {
        WindowRecord* record = table.Find(hwnd);
        if (!record || (filter && hwnd != filter) || record->redrawOff || !table.IsShown(hwnd))
            continue;
        if (!CRect(record->update).IsRectEmpty())
            return hwnd;
        if (record->frameNeeded) {
            record->frameNeeded = FALSE;
            SendMessage(hwnd, WM_NCPAINT, 1, 0);
            return NextWindowToPaint(filter);
        }
    }
    return nullptr;
}

void PaintNow(HWND hwnd)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || record->redrawOff || !WindowTable::Instance().IsShown(hwnd))
        return;
    if (record->frameNeeded) {
        record->frameNeeded = FALSE;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
    }
    if ((record = FindWindowRecord(hwnd)) && !CRect(record->update).IsRectEmpty()) {
        MSG msg;
        msg.hwnd = hwnd;
        msg.message = WM_PAINT;
        DispatchMessage(&msg);
    }
}

void ResizeSurface(WindowRecord& record, const CRect& oldClient)
{
    const Surface old = std::move(record.surface);
    record.surface.Resize(record.rect.Width(), record.rect.Height());
    const CRect client = ClientAreaInWindow(record);
    const int w = std::min(oldClient.Width(), client.Width()), h = std::min(oldClient.Height(), client.Height());
    for (int y = 0; y < h; ++y) {
        if (!old.Contains(oldClient.left, oldClient.top + y) || !record.surface.Contains(client.left, client.top + y))
            continue;
        const uint32_t* from = old.Row(oldClient.top + y) + oldClient.left;
        std::copy(from, from + w, record.surface.Row(client.top + y) + client.left);
    }
    record.frameNeeded = TRUE;
    const UINT classStyle = record.windowClass ? record.windowClass->info.style : 0;
    const BOOL wider = client.Width() != oldClient.Width(), taller = client.Height() != oldClient.Height();
    if (((classStyle & CS_HREDRAW) && wider) || ((classStyle & CS_VREDRAW) && taller)) {
        InvalidateRect(record.handle, nullptr, TRUE);
        return;
    }
    const CRect band1(oldClient.Width(), 0, client.Width(), client.Height());
    const CRect band2(0, oldClient.Height(), client.Width(), client.Height());
    InvalidateRect(record.handle, &band1, TRUE);
    InvalidateRect(record.handle, &band2, TRUE);
}

BOOL AttachWindowSurface(HWND hwnd, CDC& dc, BOOL wholeWindow, const RECT* clientClip)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    const CRect client = ClientAreaInWindow(*record);
    CRect clip = wholeWindow ? CRect(0, 0, record->rect.Width(), record->rect.Height()) : client;
    if (!wholeWindow && clientClip) {
        CRect inner(*clientClip);
        inner.OffsetRect(client.left, client.top);
        clip.IntersectRect(clip, inner);
    }
    const CPoint origin = wholeWindow ? CPoint(0, 0) : client.TopLeft();
    if (!dc.AttachSurface(&record->surface, origin, &clip))
        return FALSE;
    OpenContexts().emplace(hwnd, &dc);
    return TRUE;
}

void DetachWindowSurface(CDC& dc)
{
    auto& open = OpenContexts();
    for (auto it = open.begin(); it != open.end(); ++it)
        if (it->second == &dc) {
            open.erase(it);
            break;
        }
    dc.DetachSurface();
}

BOOL StartPaint(HWND hwnd, CDC& dc, PAINTSTRUCT& paint)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    if (record->frameNeeded) {
        record->frameNeeded = FALSE;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(record = FindWindowRecord(hwnd)))
            return FALSE;
    }
    paint = PAINTSTRUCT();
    paint.rcPaint = record->update;
    const BOOL erase = record->eraseNeeded;
    record->update.SetRectEmpty();
    record->eraseNeeded = FALSE;
    if (!AttachWindowSurface(hwnd, dc, FALSE, &paint.rcPaint))
        return FALSE;
    paint.hdc = dc.GetSafeHdc();
    if (erase)
        paint.fErase = !SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint.hdc), 0);
    return TRUE;
}

void WindowSurfaceGone(HWND hwnd)
{
    auto& open = OpenContexts();
    auto range = open.equal_range(hwnd);
    for (auto it = range.first; it != range.second; ++it)
        it->second->DetachSurface();
    open.erase(range.first, range.second);
}

// Owned contexts of ::BeginPaint and ::GetDC.
static HDC OpenOwnedContext(HWND hwnd, BOOL wholeWindow, PAINTSTRUCT* paint)
{
    auto dc = std::make_unique<CDC>();
    const BOOL ok = paint ? StartPaint(hwnd, *dc, *paint) : AttachWindowSurface(hwnd, *dc, wholeWindow, nullptr);
    if (!ok)
        return nullptr;
    HDC handle = dc->GetSafeHdc();
    OwnedContexts()[handle] = std::move(dc);
    return handle;
}

static BOOL CloseOwnedContext(HDC handle)
{
    auto it = OwnedContexts().find(handle);
    if (it == OwnedContexts().end())
        return FALSE;
    DetachWindowSurface(*it->second);
    OwnedContexts().erase(it);
    return TRUE;
}

} // namespace platform

using namespace platform;

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    PAINTSTRUCT local;
    HDC dc = OpenOwnedContext(hwnd, FALSE, paint ? paint : &local);
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) { return paint && CloseOwnedContext(paint->hdc); }

HDC GetDC(HWND hwnd) { return OpenOwnedContext(hwnd, FALSE, nullptr); }

HDC GetWindowDC(HWND hwnd) { return OpenOwnedContext(hwnd, TRUE, nullptr); }

int ReleaseDC(HWND, HDC dc) { return CloseOwnedContext(dc) ? 1 : 0; }

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    if (!hwnd) {
        for (HWND each : WindowTable::Instance().AllWindows())
            InvalidateRect(each, nullptr, erase);
        return TRUE;
    }
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    CRect area = ClientRectOf(*record);
    if (rect && !area.IntersectRect(area, CRect(*rect)))
        return TRUE;
    if (area.IsRectEmpty())
        return TRUE;
    CRect update(record->update);
    update.UnionRect(update, area);
    record->update = update;
    if (erase)
        record->eraseNeeded = TRUE;
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    record->update = rect ? Subtract(CRect(record->update), CRect(*rect)) : CRect();
    if (CRect(record->update).IsRectEmpty())
        record->eraseNeeded = FALSE;
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    if (rect)
        *rect = record->update;
    const BOOL pending = !CRect(record->update).IsRectEmpty();
    if (pending && erase && record->eraseNeeded) {
        HDC dc = GetDC(hwnd);
        record->eraseNeeded = !SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(hwnd, dc);
    }
    return pending;
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return FALSE;
    PaintNow(hwnd);
    return TRUE;
}

static void ForSubtree(HWND hwnd, BOOL children, void (*action)(HWND, const RECT*, UINT), const RECT* rect, UINT flags)
{
    action(hwnd, rect, flags);
    if (!children)
        return;
    std::vector<HWND> all;
    WindowTable::Instance().CollectSubtree(hwnd, all);
    for (HWND each : all)
        if (each != hwnd)
            action(each, nullptr, flags);
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, void*, UINT flags)
{
    if (!IsWindow(hwnd))
        return FALSE;
    const BOOL children = (flags & RDW_ALLCHILDREN) != 0;
    ForSubtree(hwnd, children, [](HWND h, const RECT* r, UINT f) {
        if (f & RDW_INVALIDATE)
            InvalidateRect(h, r, (f & RDW_ERASE) != 0);
        if (f & RDW_VALIDATE)
            ValidateRect(h, r);
        if (WindowRecord* record = FindWindowRecord(h); record && (f & RDW_FRAME))
            record->frameNeeded = TRUE;
    }, rect, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        ForSubtree(hwnd, children, [](HWND h, const RECT*, UINT) { PaintNow(h); }, nullptr, flags);
    return TRUE;
}

static void MovePixels(WindowRecord& record, const CRect& area, const CRect& clip, int dx, int dy)
{
    const CPoint offset = ClientAreaInWindow(record).TopLeft();
    Surface& s = record.surface;
    const Surface copy = s;
    CRect target = area;
    target.OffsetRect(dx, dy);
    target.IntersectRect(target, clip);
    for (int y = target.top; y < target.bottom; ++y)
        for (int x = target.left; x < target.right; ++x) {
            const int sx = x - dx + offset.x, sy = y - dy + offset.y;
            if (copy.Contains(sx, sy) && s.Contains(x + offset.x, y + offset.y))
                s.Row(y + offset.y)[x + offset.x] = copy.Row(sy)[sx];
        }
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* rect, const RECT* clip)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    const CRect client = ClientRectOf(*record);
    CRect area = client, clipArea = client;
    if (rect)
        area.IntersectRect(area, CRect(*rect));
    if (clip)
        clipArea.IntersectRect(clipArea, CRect(*clip));
    MovePixels(*record, area, clipArea, dx, dy);

    // Pending invalid pixels travel with the content, and the uncovered band is invalid.
    CRect moved;
    if (moved.IntersectRect(CRect(record->update), area)) {
        moved.OffsetRect(dx, dy);
        InvalidateRect(hwnd, &moved, record->eraseNeeded);
    }
    CRect bands[2] = {area, area};
    bands[0].SetRectEmpty();
    bands[1].SetRectEmpty();
    if (dy > 0)
        bands[0] = CRect(area.left, area.top, area.right, area.top + dy);
    if (dy < 0)
        bands[0] = CRect(area.left, area.bottom + dy, area.right, area.bottom);
    if (dx > 0)
        bands[1] = CRect(area.left, area.top, area.left + dx, area.bottom);
    if (dx < 0)
        bands[1] = CRect(area.right + dx, area.top, area.right, area.bottom);
    for (CRect& band : bands)
        if (band.IntersectRect(band, clipArea))
            InvalidateRect(hwnd, &band, TRUE);

    if (!rect) {
        const std::vector<HWND> children = record->children;
        for (HWND child : children)
            if (WindowRecord* c = FindWindowRecord(child))
                SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}
