#include "Rgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

platform::RegionData* region(const CRgn& rgn)
{
    platform::GdiObjectData* data = rgn.Data();
    return data && data->Kind() == platform::GdiKind::Region ? static_cast<platform::RegionData*>(data) : nullptr;
}

CRect normalized(int left, int top, int right, int bottom)
{
    CRect rect(left, top, right, bottom);
    rect.NormalizeRect();
    return rect;
}

} // namespace

CRgn* CRgn::FromHandle(HRGN handle) { return dynamic_cast<CRgn*>(CGdiObject::FromHandle(handle)); }

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Own(std::make_shared<platform::RegionData>(normalized(left, top, right, bottom)));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

void CRgn::SetRectRgn(int left, int top, int right, int bottom)
{
    if (auto* data = region(*this))
        data->rect = normalized(left, top, right, bottom);
}

void CRgn::SetRectRgn(LPCRECT rect)
{
    if (rect)
        SetRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int CRgn::GetRgnBox(LPRECT rect) const
{
    const auto* data = region(*this);
    if (!data || !rect)
        return RGN_ERROR;
    *rect = data->rect;
    return data->rect.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CRgn::OffsetRgn(int dx, int dy)
{
    auto* data = region(*this);
    if (!data)
        return RGN_ERROR;
    data->rect.OffsetRect(dx, dy);
    return data->rect.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    const auto* data = region(*this);
    return data && data->rect.PtInRect(POINT{x, y});
}

BOOL CRgn::RectInRegion(LPCRECT rect) const
{
    const auto* data = region(*this);
    CRect common;
    return data && rect && common.IntersectRect(data->rect, *rect);
}
