// Painting of the non-client area in the classic look: frames, sunken client edge, caption
// with title and close box, and scroll bars with arrows and thumb.
#include "../gdi/DC.h"
#include "../gdi/StockObjects.h"
#include "../gdi/SysColors.h"
#include "InputState.h"
#include "NonClient.h"
#include "Painting.h"
#include "WinApi.h"

namespace platform {

namespace {

void RaisedBox(CDC& dc, CRect box)
{
    dc.FillSolidRect(&box, GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&box, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    box.DeflateRect(1, 1);
    dc.Draw3dRect(&box, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

void PaintFrame(CDC& dc, const WindowRecord& record)
{
    CRect box(0, 0, record.rect.Width(), record.rect.Height());
    const int frame = FrameThickness(record.style, record.exStyle);
    if (frame == 1) {
        dc.Draw3dRect(&box, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    } else if (frame > 1) {
        for (int i = 2; i < frame; ++i) {
            CRect inner = box;
            inner.DeflateRect(i, i);
            dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
        }
        RaisedBox(dc, box);
        box.DeflateRect(frame, frame);
        CRect inner = box;
        inner.InflateRect(frame - 2, frame - 2);
        if (frame > 2)
            dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    }
    const int edge = EdgeThickness(record.exStyle);
    if (!edge)
        return;
    CRect client = ClientAreaInWindow(record);
    client.InflateRect(edge, edge);
    if (record.style & WS_VSCROLL)
        client.right += GetSystemMetrics(SM_CXVSCROLL);
    if (record.style & WS_HSCROLL)
        client.bottom += GetSystemMetrics(SM_CYHSCROLL);
    dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    if (edge > 1) {
        client.DeflateRect(1, 1);
        dc.Draw3dRect(&client, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    }
}

void PaintCaption(CDC& dc, const WindowRecord& record)
{
    CRect caption = CaptionRect(record);
    if (caption.IsRectEmpty())
        return;
    const BOOL active = record.parent ? record.captionActive : InputState::Instance().active == record.handle;
    dc.FillSolidRect(&caption, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    LOGFONT description = MessageFontDescription();
    description.lfWeight = FW_BOLD;
    CFont font;
    font.CreateFontIndirect(&description);
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    CRect text = caption;
    text.left += 3;
    const CRect close = CloseBoxRect(record);
    if (!close.IsRectEmpty())
        text.right = close.left - 2;
    dc.DrawText(record.text.c_str(), int(record.text.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    dc.SelectObject(old);
    if (close.IsRectEmpty())
        return;
    RaisedBox(dc, close);
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    CPen* oldPen = dc.SelectObject(&pen);
    const int inset = std::max(3, close.Width() / 4);
    for (int shift = 0; shift < 2; ++shift) {
        dc.MoveTo(close.left + inset + shift, close.top + inset);
        dc.LineTo(close.right - inset + shift, close.bottom - inset);
        dc.MoveTo(close.right - inset - 1 + shift, close.top + inset);
        dc.LineTo(close.left + inset - 1 + shift, close.bottom - inset);
    }
    dc.SelectObject(oldPen);
}

// A small filled triangle pointing along the bar, centred in an arrow button.
void PaintArrow(CDC& dc, const CRect& box, int bar, BOOL towardsStart, BOOL enabled)
{
    RaisedBox(dc, box);
    const CPoint c = box.CenterPoint();
    const COLORREF colour = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 4; ++i) {
        const int along = towardsStart ? i - 2 : 1 - i;
        if (bar == SB_VERT)
            dc.FillSolidRect(c.x - i, c.y + along, 2 * i + 1, 1, colour);
        else
            dc.FillSolidRect(c.x + along, c.y - i, 1, 2 * i + 1, colour);
    }
}

void PaintScrollBar(CDC& dc, const WindowRecord& record, int bar)
{
    const CRect rect = ScrollBarRect(record, bar);
    if (rect.IsRectEmpty())
        return;
    dc.FillSolidRect(&rect, GetSysColor(COLOR_SCROLLBAR));
    const ThumbGeometry g = ScrollThumb(record, bar);
    const BOOL enabled = g.thumbLength > 0;
    const int length = bar == SB_VERT ? rect.Height() : rect.Width();
    auto span = [&](int from, int to) {
        return bar == SB_VERT ? CRect(rect.left, rect.top + from, rect.right, rect.top + to)
                              : CRect(rect.left + from, rect.top, rect.left + to, rect.bottom);
    };
    PaintArrow(dc, span(0, g.trackStart), bar, TRUE, enabled);
    PaintArrow(dc, span(length - g.trackStart, length), bar, FALSE, enabled);
    if (enabled)
        RaisedBox(dc, span(g.thumbStart, g.thumbStart + g.thumbLength));
}

} // namespace

void PaintNonClient(WindowRecord& record)
{
    CDC dc;
    if (!AttachWindowSurface(record.handle, dc, TRUE, nullptr))
        return;
    PaintFrame(dc, record);
    PaintCaption(dc, record);
    PaintScrollBar(dc, record, SB_VERT);
    PaintScrollBar(dc, record, SB_HORZ);
    if ((record.style & WS_VSCROLL) && (record.style & WS_HSCROLL)) {
        const CRect v = ScrollBarRect(record, SB_VERT), h = ScrollBarRect(record, SB_HORZ);
        const CRect corner(v.left, h.top, v.right, h.bottom);
        dc.FillSolidRect(&corner, GetSysColor(COLOR_BTNFACE));
    }
    DetachWindowSurface(dc);
}

} // namespace platform
