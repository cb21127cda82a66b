// CScrollView: a view larger than its window. The drawing is moved by the scroll position
// through the viewport origin that OnPrepareDC sets, so OnDraw draws in content coordinates.
// Scroll bars are shown for a direction only while the content does not fit; the bars, the
// wheel and ScrollToPosition move the content.
//
// Only the text mapping mode (MM_TEXT: one unit a pixel) is supported. The default page step
// is the size of the window's client area, the default line step a tenth of the page step.
#pragma once

#include "View.h"

class CBrush;

class PLATFORM_API CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    static const SIZE sizeDefault;

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);

    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    // Scrolls so that the content point is at the top-left corner, as far as the bars allow.
    void ScrollToPosition(POINT pt);
    // Fills what lies outside the content (right of it and below it) with the brush.
    void FillOutsideRect(CDC* pDC, CBrush* pBrush);

    // Moves the viewport origin by the scroll position (not when printing).
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // nScrollCode: the horizontal bar's code in the low byte and the vertical one's in the high
    // byte, 0xFF for a direction not scrolled.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    CScrollView();

    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;

    // Shows, hides and sets the bars for the content size and the client area.
    void UpdateBars();
    CSize PageStep() const;
    CSize LineStep() const;

    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_totalDev;
    // Zero components stand for the defaults above.
    CSize m_pageDev;
    CSize m_lineDev;

private:
    void ScrollToDevicePosition(CPoint target);
    BOOL m_bInsideUpdate = FALSE;
};
