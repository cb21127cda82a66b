// Lines, shapes, fills, edges and blocks of pixels of CDC.
#include <algorithm>
#include <utility>

#include "DC.h"
#include "DCState.h"
#include "Pixel.h"
#include "SysColors.h"

namespace {

struct PenInk {
    bool visible = false;
    uint32_t pixel = 0;
    int width = 1;
    int style = PS_SOLID;
};

PenInk penInk(const platform::DcState& s)
{
    const auto* pen = static_cast<const platform::PenData*>(s.now.pen.get());
    if (!pen || pen->style == PS_NULL)
        return {};
    // Width 0 is one pixel at any scale; other widths are logical units. Wide pens are solid.
    const int width = pen->width == 0 ? 1 : std::max<int>(1, s.DeviceWidth(pen->width));
    return {true, platform::ToPixel(pen->colour), width, width > 1 ? PS_SOLID : pen->style};
}

std::optional<uint32_t> brushInk(const std::shared_ptr<platform::GdiObjectData>& data)
{
    if (!data || data->Kind() != platform::GdiKind::Brush)
        return std::nullopt;
    const auto& brush = static_cast<const platform::BrushData&>(*data);
    if (brush.style == BS_NULL)
        return std::nullopt;
    return platform::ToPixel(brush.Colour());
}

std::optional<uint32_t> brushInk(const CBrush* brush)
{
    return brush ? brushInk(platform::GdiObjectData::SharedFromHandle(brush->m_hObject)) : std::nullopt;
}

} // namespace

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_state->now.position, CPoint(x, y)); }

CPoint CDC::GetCurrentPosition() const { return m_state->now.position; }

BOOL CDC::LineTo(int x, int y)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster)
        return FALSE;
    const PenInk ink = penInk(*m_state);
    const CPoint from = m_state->Pixel(m_state->now.position);
    m_state->now.position = CPoint(x, y);
    if (ink.visible)
        raster->Line(from, m_state->Pixel(CPoint(x, y)), ink.pixel, ink.width, ink.style);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster || !points || count < 2)
        return FALSE;
    const PenInk ink = penInk(*m_state);
    int phase = 0;
    for (int i = 1; ink.visible && i < count; ++i)
        phase = raster->Line(m_state->Pixel(points[i - 1]), m_state->Pixel(points[i]), ink.pixel, ink.width,
                             ink.style, phase);
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster || !points || count < 2)
        return FALSE;
    std::vector<CPoint> pixels;
    for (int i = 0; i < count; ++i)
        pixels.push_back(m_state->Pixel(points[i]));
    if (const std::optional<uint32_t> fill = brushInk(m_state->now.brush))
        raster->FillPolygon(pixels.data(), count, *fill);
    const PenInk ink = penInk(*m_state);
    int phase = 0;
    for (int i = 0; ink.visible && i < count; ++i)
        phase = raster->Line(pixels[std::size_t(i)], pixels[std::size_t((i + 1) % count)], ink.pixel, ink.width,
                             ink.style, phase);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster)
        return FALSE;
    const CRect r = m_state->PixelRect(CRect(left, top, right, bottom));
    const PenInk ink = penInk(*m_state);
    if (const std::optional<uint32_t> fill = brushInk(m_state->now.brush)) {
        // Without a pen the filled area is one pixel smaller to the right and bottom.
        const CRect inside = ink.visible ? CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1)
                                         : CRect(r.left, r.top, r.right - 1, r.bottom - 1);
        raster->Fill(inside, *fill);
    }
    if (!ink.visible || r.IsRectEmpty())
        return TRUE;
    const CPoint corners[] = {r.TopLeft(), CPoint(r.right - 1, r.top), CPoint(r.right - 1, r.bottom - 1),
                              CPoint(r.left, r.bottom - 1)};
    int phase = 0;
    for (int i = 0; i < 4; ++i)
        phase = raster->Line(corners[i], corners[(i + 1) % 4], ink.pixel, ink.width, ink.style, phase);
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect) { return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE; }

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    const std::optional<uint32_t> fill = brushInk(brush);
    if (raster && rect && fill)
        raster->Fill(m_state->PixelRect(*rect), *fill);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    const std::optional<uint32_t> fill = brushInk(brush);
    if (!raster || !rect || !fill)
        return;
    const CRect r = m_state->PixelRect(*rect);
    if (r.IsRectEmpty())
        return;
    raster->Fill(CRect(r.left, r.top, r.right, r.top + 1), *fill);
    raster->Fill(CRect(r.left, r.bottom - 1, r.right, r.bottom), *fill);
    raster->Fill(CRect(r.left, r.top, r.left + 1, r.bottom), *fill);
    raster->Fill(CRect(r.right - 1, r.top, r.right, r.bottom), *fill);
}

void CDC::InvertRect(LPCRECT rect)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (raster && rect)
        raster->Invert(m_state->PixelRect(*rect));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour)
{
    SetBkColor(colour);
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (raster && rect)
        raster->Fill(m_state->PixelRect(*rect), platform::ToPixel(colour));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, colour);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

namespace {

struct EdgeColours {
    COLORREF topLeft;
    COLORREF bottomRight;
};

// One ring of an edge, outer or inner, in the system's three-dimensional colours.
std::optional<EdgeColours> ringColours(UINT ring, UINT flags, bool outer)
{
    if (!ring)
        return std::nullopt;
    if (flags & BF_MONO)
        return EdgeColours{GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)};
    if (flags & BF_FLAT) {
        const COLORREF flat = GetSysColor(outer ? COLOR_BTNSHADOW : COLOR_BTNFACE);
        return EdgeColours{flat, flat};
    }
    switch (ring) {
    case BDR_RAISEDOUTER: return EdgeColours{GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)};
    case BDR_SUNKENOUTER: return EdgeColours{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)};
    case BDR_RAISEDINNER: return EdgeColours{GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)};
    case BDR_SUNKENINNER: return EdgeColours{GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
    default: return std::nullopt;
    }
}

} // namespace

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster || !rect)
        return FALSE;
    CRect r(*rect);
    const platform::DcState& s = *m_state;
    auto line = [&](int x0, int y0, int x1, int y1, COLORREF colour) {
        raster->Line(s.Pixel(CPoint(x0, y0)), s.Pixel(CPoint(x1, y1)), platform::ToPixel(colour), 1, PS_SOLID);
    };
    const std::optional<EdgeColours> rings[] = {ringColours(edge & BDR_OUTER, flags, true),
                                                ringColours(edge & BDR_INNER, flags, false)};
    for (const std::optional<EdgeColours>& ring : rings) {
        if (!ring || r.IsRectEmpty())
            continue;
        // The bottom-right colour owns the top-right and bottom-left corners.
        if (flags & BF_TOP)
            line(r.left, r.top, (flags & BF_RIGHT) ? r.right - 1 : r.right, r.top, ring->topLeft);
        if (flags & BF_LEFT)
            line(r.left, r.top, r.left, (flags & BF_BOTTOM) ? r.bottom - 1 : r.bottom, ring->topLeft);
        if (flags & BF_BOTTOM)
            line(r.left, r.bottom - 1, r.right, r.bottom - 1, ring->bottomRight);
        if (flags & BF_RIGHT)
            line(r.right - 1, r.top, r.right - 1, r.bottom, ring->bottomRight);
        r.left += (flags & BF_LEFT) ? 1 : 0;
        r.top += (flags & BF_TOP) ? 1 : 0;
        r.right -= (flags & BF_RIGHT) ? 1 : 0;
        r.bottom -= (flags & BF_BOTTOM) ? 1 : 0;
    }
    if ((flags & BF_MIDDLE) && !r.IsRectEmpty())
        raster->Fill(s.PixelRect(r), platform::ToPixel(GetSysColor(COLOR_BTNFACE)));
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster || !rect)
        return;
    // Every other pixel of the frame is inverted, so drawing it twice takes it away.
    const CRect r = m_state->PixelRect(*rect);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            raster->Invert(CRect(x, y, x + 1, y + 1));
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    const CPoint p = m_state->Pixel(CPoint(x, y));
    if (!raster || !raster->Clip().PtInRect(p))
        return CLR_INVALID;
    raster->Plot(p.x, p.y, platform::ToPixel(colour));
    return colour & 0x00FFFFFFu;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const platform::Surface* target = m_state->Target();
    const CPoint p = m_state->Pixel(CPoint(x, y));
    if (!target || !m_state->PixelClip().PtInRect(p))
        return CLR_INVALID;
    return platform::FromPixel(target->Row(p.y)[p.x]);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster)
        return FALSE;
    const CRect r = m_state->PixelRect(CRect(x, y, x + width, y + height));
    const std::optional<uint32_t> brush = brushInk(m_state->now.brush);
    switch (rop) {
    case PATCOPY:
        if (brush)
            raster->Fill(r, *brush);
        return TRUE;
    case PATINVERT:
        if (brush)
            raster->Xor(r, *brush);
        return TRUE;
    case DSTINVERT: raster->Invert(r); return TRUE;
    case BLACKNESS: raster->Fill(r, 0); return TRUE;
    case WHITENESS: raster->Fill(r, 0x00FFFFFFu); return TRUE;
    default: return FALSE;
    }
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop)
{
    return StretchBlt(x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int sourceWidth,
                     int sourceHeight, DWORD rop)
{
    if (rop == PATCOPY || rop == PATINVERT || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS)
        return PatBlt(x, y, width, height, rop);
    platform::Surface* target = m_state->Target();
    const platform::Surface* from = source ? source->m_state->Target() : nullptr;
    if (!target || !from)
        return FALSE;
    const CRect targetRect = m_state->PixelRect(CRect(x, y, x + width, y + height));
    const CRect sourceRect =
        source->m_state->PixelRect(CRect(xSource, ySource, xSource + sourceWidth, ySource + sourceHeight));
    return platform::Blit(*target, m_state->PixelClip(), targetRect, *from, sourceRect, rop) ? TRUE : FALSE;
}
