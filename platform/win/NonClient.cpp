#include "NonClient.h"

#include <algorithm>

#include "WinApi.h"

namespace platform {

int FrameThickness(DWORD style, DWORD exStyle)
{
    if (style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    return (style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
}

int EdgeThickness(DWORD exStyle)
{
    if (exStyle & WS_EX_CLIENTEDGE)
        return GetSystemMetrics(SM_CXEDGE);
    return (exStyle & WS_EX_STATICEDGE) ? 1 : 0;
}

int CaptionHeight(DWORD style, DWORD exStyle)
{
    if ((style & WS_CAPTION) != WS_CAPTION)
        return 0;
    return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

CRect ClientAreaInWindow(const WindowRecord& record)
{
    const int frame = FrameThickness(record.style, record.exStyle);
    const int edge = EdgeThickness(record.exStyle);
    const int caption = CaptionHeight(record.style, record.exStyle);
    CRect area(frame + edge, frame + caption + edge, record.rect.Width() - frame - edge,
               record.rect.Height() - frame - edge);
    if (record.style & WS_VSCROLL)
        area.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (record.style & WS_HSCROLL)
        area.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (record.style & WS_MINIMIZE)
        area.bottom = area.top;
    area.right = std::max(area.right, area.left);
    area.bottom = std::max(area.bottom, area.top);
    return area;
}

CRect CaptionRect(const WindowRecord& record)
{
    const int height = CaptionHeight(record.style, record.exStyle);
    if (!height)
        return CRect();
    const int frame = FrameThickness(record.style, record.exStyle);
    return CRect(frame, frame, record.rect.Width() - frame, frame + height);
}

CRect CloseBoxRect(const WindowRecord& record)
{
    const CRect caption = CaptionRect(record);
    if (caption.IsRectEmpty() || !(record.style & WS_SYSMENU))
        return CRect();
    const int size = caption.Height() - 4;
    return CRect(caption.right - 2 - size, caption.top + 2, caption.right - 2, caption.top + 2 + size);
}

CRect ScrollBarRect(const WindowRecord& record, int bar)
{
    const CRect client = ClientAreaInWindow(record);
    if (bar == SB_VERT && (record.style & WS_VSCROLL))
        return CRect(client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom);
    if (bar == SB_HORZ && (record.style & WS_HSCROLL))
        return CRect(client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL));
    return CRect();
}

int ScrollLimit(const ScrollBarState& state)
{
    const int page = state.page > 0 ? int(state.page) - 1 : 0;
    return std::max(state.min, state.max - page);
}

ThumbGeometry ScrollThumb(const WindowRecord& record, int bar)
{
    const CRect rect = ScrollBarRect(record, bar);
    const int length = bar == SB_VERT ? rect.Height() : rect.Width();
    const int arrow = std::min(GetSystemMetrics(SM_CYVSCROLL), length / 2);
    ThumbGeometry g;
    g.trackStart = arrow;
    g.trackLength = std::max(0, length - 2 * arrow);
    const ScrollBarState& s = record.bars[bar];
    const long long range = (long long)s.max - s.min + 1;
    if (s.disabled || s.max <= s.min || (s.page > 0 && (long long)s.page >= range) || g.trackLength < 8)
        return g;
    const int minimum = 8;
    g.thumbLength = s.page > 0 ? int(std::max<long long>(minimum, g.trackLength * (long long)s.page / range))
                               : GetSystemMetrics(SM_CYVTHUMB);
    g.thumbLength = std::min(g.thumbLength, g.trackLength);
    const int limit = ScrollLimit(s);
    const int room = g.trackLength - g.thumbLength;
    const long long offset = limit > s.min ? (long long)(std::clamp(s.pos, s.min, limit) - s.min) * room / (limit - s.min) : 0;
    g.thumbStart = g.trackStart + int(offset);
    return g;
}

ScrollPart ScrollPartAt(const WindowRecord& record, int bar, CPoint windowPoint)
{
    const CRect rect = ScrollBarRect(record, bar);
    if (!rect.PtInRect(windowPoint) || record.bars[bar].disabled)
        return ScrollPart::None;
    const int along = bar == SB_VERT ? windowPoint.y - rect.top : windowPoint.x - rect.left;
    const int length = bar == SB_VERT ? rect.Height() : rect.Width();
    const ThumbGeometry g = ScrollThumb(record, bar);
    if (along < g.trackStart)
        return ScrollPart::LineUp;
    if (along >= length - g.trackStart)
        return ScrollPart::LineDown;
    if (!g.thumbLength)
        return ScrollPart::None;
    if (along < g.thumbStart)
        return ScrollPart::PageUp;
    return along < g.thumbStart + g.thumbLength ? ScrollPart::Thumb : ScrollPart::PageDown;
}

int ScrollPosForThumb(const WindowRecord& record, int bar, int thumbStart)
{
    const ThumbGeometry g = ScrollThumb(record, bar);
    const ScrollBarState& s = record.bars[bar];
    const int limit = ScrollLimit(s);
    const int room = g.trackLength - g.thumbLength;
    if (room <= 0 || limit <= s.min)
        return s.min;
    const int offset = std::clamp(thumbStart - g.trackStart, 0, room);
    return s.min + int(((long long)offset * (limit - s.min) + room / 2) / room);
}

static int FrameHitTest(const WindowRecord& record, CPoint p)
{
    if (!(record.style & WS_THICKFRAME))
        return HTBORDER;
    const int frame = FrameThickness(record.style, record.exStyle);
    const int w = record.rect.Width(), h = record.rect.Height();
    const BOOL left = p.x < frame, right = p.x >= w - frame, top = p.y < frame, bottom = p.y >= h - frame;
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    return left ? HTLEFT : right ? HTRIGHT : HTBORDER;
}

int NonClientHitTest(const WindowRecord& record, CPoint p)
{
    const CRect window(0, 0, record.rect.Width(), record.rect.Height());
    if (!window.PtInRect(p))
        return HTNOWHERE;
    if (ClientAreaInWindow(record).PtInRect(p))
        return HTCLIENT;
    if (ScrollBarRect(record, SB_VERT).PtInRect(p))
        return HTVSCROLL;
    if (ScrollBarRect(record, SB_HORZ).PtInRect(p))
        return HTHSCROLL;
    if (CloseBoxRect(record).PtInRect(p))
        return HTCLOSE;
    if (CaptionRect(record).PtInRect(p))
        return HTCAPTION;
    const int frame = FrameThickness(record.style, record.exStyle);
    CRect inner = window;
    inner.DeflateRect(frame, frame);
    if (!inner.PtInRect(p))
        return FrameHitTest(record, p);
    const int edge = EdgeThickness(record.exStyle);
    CRect insideEdge = inner;
    insideEdge.top += CaptionHeight(record.style, record.exStyle);
    insideEdge.DeflateRect(edge, edge);
    // Whatever is left (the corner between two scroll bars) belongs to no part.
    return insideEdge.PtInRect(p) ? HTNOWHERE : HTBORDER;
}

} // namespace platform
