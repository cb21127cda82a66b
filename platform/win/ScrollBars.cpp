// The scroll bars of a window: their state, showing and hiding them, and tracking clicks.
#include "EventLog.h"
#include "NonClient.h"
#include "Pump.h"
#include "ScrollTracking.h"
#include "WindowManager.h"
#include "WindowTable.h"
#include "WinApi.h"

namespace platform {

namespace {

ScrollBarState* BarOf(HWND hwnd, int bar)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || bar < SB_HORZ || bar > SB_CTL)
        return nullptr;
    return &record->bars[bar];
}

DWORD StyleBit(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

// Shows or hides a window's own bar; the client area changes and the window hears of it.
void SetBarShown(HWND hwnd, int bar, BOOL show)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || bar == SB_CTL)
        return;
    const DWORD bit = StyleBit(bar);
    if (BOOL(record->style & bit) == show)
        return;
    record->style = show ? (record->style | bit) : (record->style & ~bit);
    FrameChanged(hwnd);
}

void Clamp(ScrollBarState& s)
{
    if (s.max < s.min)
        s.max = s.min;
    const long long range = (long long)s.max - s.min + 1;
    if ((long long)s.page > range)
        s.page = UINT(range);
    s.pos = std::clamp(s.pos, s.min, ScrollLimit(s));
    if (!s.tracking)
        s.trackPos = s.pos;
}

UINT CodeOf(ScrollPart part)
{
    switch (part) {
    case ScrollPart::LineUp: return SB_LINEUP;
    case ScrollPart::PageUp: return SB_PAGEUP;
    case ScrollPart::PageDown: return SB_PAGEDOWN;
    default: return SB_LINEDOWN;
    }
}

BOOL IsPointerMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

} // namespace

void TrackScrollBar(HWND hwnd, int bar, CPoint screenPoint)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return;
    const CPoint origin = WindowOriginOnScreen(*record);
    const CPoint at(screenPoint.x - origin.x, screenPoint.y - origin.y);
    const ScrollPart part = ScrollPartAt(*record, bar, at);
    if (part == ScrollPart::None)
        return;
    const UINT message = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    const CRect rect = ScrollBarRect(*record, bar);
    auto along = [&](POINT screen) { return bar == SB_VERT ? screen.y - origin.y - rect.top : screen.x - origin.x - rect.left; };
    const int grab = along(screenPoint) - ScrollThumb(*record, bar).thumbStart;
    if (part != ScrollPart::Thumb)
        SendMessage(hwnd, message, MAKEWPARAM(CodeOf(part), 0), 0);
    else if (ScrollBarState* s = BarOf(hwnd, bar))
        s->tracking = TRUE;

    SetCapture(hwnd);
    BOOL released = FALSE;
    RunModalLoop([&] { return released || !IsWindow(hwnd); }, "scroll bar", [&](MSG& msg) {
        if (!IsPointerMessage(msg.message))
            return FALSE;
        released = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
        ScrollBarState* s = BarOf(hwnd, bar);
        WindowRecord* r = FindWindowRecord(hwnd);
        if (part == ScrollPart::Thumb && s && r && msg.message == WM_MOUSEMOVE) {
            const int pos = ScrollPosForThumb(*r, bar, along(msg.pt) - grab);
            if (pos != s->trackPos) {
                s->trackPos = pos;
                SendMessage(hwnd, message, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
            }
        }
        return TRUE;
    });
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (ScrollBarState* s = BarOf(hwnd, bar); s && part == ScrollPart::Thumb) {
        const int pos = s->trackPos;
        SendMessage(hwnd, message, MAKEWPARAM(SB_THUMBPOSITION, pos), 0);
        if ((s = BarOf(hwnd, bar))) {
            s->tracking = FALSE;
            s->trackPos = s->pos;
        }
    }
    SendMessage(hwnd, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

} // namespace platform

using namespace platform;

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    ScrollBarState* s = BarOf(hwnd, bar);
    if (!s || !info)
        return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
        s->page = info->nPage;
    if (info->fMask & SIF_POS)
        s->pos = info->nPos;
    Clamp(*s);
    const int pos = s->pos;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const BOOL needed = s->max > s->min && (s->page == 0 || (long long)s->page <= (long long)s->max - s->min);
        const BOOL keep = !needed && (info->fMask & SIF_DISABLENOSCROLL);
        s->disabled = keep;
        SetBarShown(hwnd, bar, needed || keep);
    }
    if (WindowRecord* record = FindWindowRecord(hwnd); record && redraw)
        record->frameNeeded = TRUE;
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info)
{
    const ScrollBarState* s = BarOf(hwnd, bar);
    if (!s || !info)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->min;
        info->nMax = s->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s->page;
    if (info->fMask & SIF_POS)
        info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s->trackPos;
    return TRUE;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return BarOf(hwnd, bar) != nullptr;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos)
{
    const ScrollBarState* s = BarOf(hwnd, bar);
    if (!s)
        return FALSE;
    if (minPos)
        *minPos = s->min;
    if (maxPos)
        *maxPos = s->max;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    const ScrollBarState* s = BarOf(hwnd, bar);
    if (!s)
        return 0;
    const int previous = s->pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar)
{
    const ScrollBarState* s = BarOf(hwnd, bar);
    return s ? s->pos : 0;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    if (!IsWindow(hwnd))
        return FALSE;
    if (bar == SB_HORZ || bar == SB_BOTH)
        SetBarShown(hwnd, SB_HORZ, show);
    if (bar == SB_VERT || bar == SB_BOTH)
        SetBarShown(hwnd, SB_VERT, show);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows)
{
    for (int each : {SB_HORZ, SB_VERT, SB_CTL})
        if (each == bar || (bar == SB_BOTH && each != SB_CTL))
            if (ScrollBarState* s = BarOf(hwnd, each))
                s->disabled = arrows == ESB_DISABLE_BOTH;
    if (WindowRecord* record = FindWindowRecord(hwnd)) {
        record->frameNeeded = TRUE;
        return TRUE;
    }
    return FALSE;
}
