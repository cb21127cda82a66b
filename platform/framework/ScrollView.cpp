#include "ScrollView.h"

#include <cassert>
#include <climits>
#include <cstdlib>

#include "../gdi/DC.h"
#include "../win/ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = {0, 0};

CScrollView::CScrollView() = default;

void CScrollView::SetScrollSizes([[maybe_unused]] int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    assert(nMapMode == MM_TEXT);
    m_nMapMode = MM_TEXT;
    m_totalLog = CSize(std::max<int>(0, sizeTotal.cx), std::max<int>(0, sizeTotal.cy));
    m_totalDev = m_totalLog;
    m_pageDev = CSize(std::max<int>(0, sizePage.cx), std::max<int>(0, sizePage.cy));
    m_lineDev = CSize(std::max<int>(0, sizeLine.cx), std::max<int>(0, sizeLine.cy));
    if (m_hWnd)
        UpdateBars();
}

CPoint CScrollView::GetDeviceScrollPosition() const { return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)); }

CPoint CScrollView::GetScrollPosition() const { return GetDeviceScrollPosition(); }

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = PageStep();
    sizeLine = LineStep();
}

CSize CScrollView::PageStep() const
{
    CRect client;
    GetClientRect(&client);
    return CSize(m_pageDev.cx ? m_pageDev.cx : std::max(1, client.Width()),
                 m_pageDev.cy ? m_pageDev.cy : std::max(1, client.Height()));
}

CSize CScrollView::LineStep() const
{
    const CSize page = PageStep();
    return CSize(m_lineDev.cx ? m_lineDev.cx : std::max(1, page.cx / 10),
                 m_lineDev.cy ? m_lineDev.cy : std::max(1, page.cy / 10));
}

void CScrollView::UpdateBars()
{
    // Showing or hiding a bar resizes the client area, which brings us back here.
    if (m_bInsideUpdate || !m_hWnd)
        return;
    m_bInsideUpdate = TRUE;
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    CRect client;
    GetClientRect(&client);
    const DWORD style = GetStyle();
    const CSize full(client.Width() + ((style & WS_VSCROLL) ? barWidth : 0),
                     client.Height() + ((style & WS_HSCROLL) ? barHeight : 0));
    BOOL needH = m_totalDev.cx > full.cx, needV = m_totalDev.cy > full.cy;
    if (needH && !needV)
        needV = m_totalDev.cy > full.cy - barHeight;
    if (needV && !needH)
        needH = m_totalDev.cx > full.cx - barWidth;
    const CSize visible(full.cx - (needV ? barWidth : 0), full.cy - (needH ? barHeight : 0));
    const CPoint before = GetDeviceScrollPosition();
    auto setBar = [&](int bar, BOOL needed, int total, int page, int pos) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = needed ? total - 1 : 0;
        info.nPage = needed ? UINT(page) : 0;
        info.nPos = needed ? std::clamp(pos, 0, total - page) : 0;
        SetScrollInfo(bar, &info, TRUE);
    };
    setBar(SB_HORZ, needH, m_totalDev.cx, visible.cx, before.x);
    setBar(SB_VERT, needV, m_totalDev.cy, visible.cy, before.y);
    m_bInsideUpdate = FALSE;
    // A larger window may have pulled the position back; the drawing follows it.
    if (GetDeviceScrollPosition() != before)
        Invalidate(TRUE);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC && !pDC->IsPrinting()) {
        pDC->SetMapMode(MM_TEXT);
        const CPoint position = GetDeviceScrollPosition();
        pDC->SetViewportOrg(-position.x, -position.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::ScrollToPosition(POINT pt) { ScrollToDevicePosition(pt); }

void CScrollView::ScrollToDevicePosition(CPoint target)
{
    const CPoint now = GetDeviceScrollPosition();
    OnScrollBy(CSize(target.x - now.x, target.y - now.y), TRUE);
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT, BOOL bDoScroll)
{
    const CPoint origin = GetDeviceScrollPosition();
    const CSize page = PageStep(), line = LineStep();
    auto target = [&](UINT code, int bar, int pos, int pageStep, int lineStep) {
        switch (code) {
        case SB_TOP: return 0;
        case SB_BOTTOM: return INT_MAX / 2;
        case SB_LINEUP: return pos - lineStep;
        case SB_LINEDOWN: return pos + lineStep;
        case SB_PAGEUP: return pos - pageStep;
        case SB_PAGEDOWN: return pos + pageStep;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info;
            return GetScrollInfo(bar, &info, SIF_TRACKPOS) ? info.nTrackPos : pos;
        }
        default: return pos;
        }
    };
    const int x = target(nScrollCode & 0xFF, SB_HORZ, origin.x, page.cx, line.cx);
    const int y = target((nScrollCode >> 8) & 0xFF, SB_VERT, origin.y, page.cy, line.cy);
    const BOOL scrolled = OnScrollBy(CSize(x - origin.x, y - origin.y), bDoScroll);
    if (scrolled && bDoScroll)
        UpdateWindow();
    return scrolled;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    const DWORD style = GetStyle();
    if (!(style & WS_HSCROLL))
        sizeScroll.cx = 0;
    if (!(style & WS_VSCROLL))
        sizeScroll.cy = 0;
    const CPoint origin = GetDeviceScrollPosition();
    const int x = std::clamp(origin.x + sizeScroll.cx, 0, std::max(0, GetScrollLimit(SB_HORZ)));
    const int y = std::clamp(origin.y + sizeScroll.cy, 0, std::max(0, GetScrollLimit(SB_VERT)));
    if (x == origin.x && y == origin.y)
        return FALSE;
    if (!bDoScroll)
        return TRUE;
    ScrollWindow(origin.x - x, origin.y - y);
    if (x != origin.x)
        SetScrollPos(SB_HORZ, x);
    if (y != origin.y)
        SetScrollPos(SB_VERT, y);
    return TRUE;
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush)
{
    if (!pDC || !pBrush)
        return;
    CRect client;
    GetClientRect(&client);
    pDC->DPtoLP(&client);
    const CRect right(m_totalLog.cx, client.top, std::max<int>(client.right, m_totalLog.cx), client.bottom);
    const CRect below(client.left, m_totalLog.cy, m_totalLog.cx, std::max<int>(client.bottom, m_totalLog.cy));
    if (!right.IsRectEmpty())
        pDC->FillRect(&right, pBrush);
    if (!below.IsRectEmpty())
        pDC->FillRect(&below, pBrush);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    // A scroll-bar control of the view's own is not the view's scrolling.
    if (pScrollBar) {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(0xFF00 | (nSBCode & 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar) {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(((nSBCode & 0xFF) << 8) | 0xFF, nPos);
}

BOOL CScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    if (nFlags & (MK_SHIFT | MK_CONTROL))
        return FALSE;
    const DWORD style = GetStyle();
    const BOOL vertical = (style & WS_VSCROLL) != 0;
    if (!vertical && !(style & WS_HSCROLL))
        return FALSE;
    UINT lines = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int page = vertical ? PageStep().cy : PageStep().cx, line = vertical ? LineStep().cy : LineStep().cx;
    int distance = 0;
    if (lines == WHEEL_PAGESCROLL)
        distance = zDelta > 0 ? -page : page;
    else
        distance = std::clamp(-zDelta * int(lines) / WHEEL_DELTA * line, -page, page);
    const BOOL scrolled = OnScrollBy(vertical ? CSize(0, distance) : CSize(distance, 0), TRUE);
    if (scrolled)
        UpdateWindow();
    return scrolled;
}
