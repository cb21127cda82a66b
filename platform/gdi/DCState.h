// The inside of a device context: where it draws, and the state that SaveDC keeps.
#pragma once

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "GdiObjectData.h"
#include "GdiTypes.h"
#include "Raster.h"
#include "Surface.h"

namespace platform {

enum class DcKind { None, Window, Memory, Printer };

// Rounds a * b / c to the nearest integer, halves away from zero.
inline LONG MulDivRound(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    if (c < 0)
        a = -a, c = -c;
    const int64_t n = a * b;
    return LONG(n >= 0 ? (n + c / 2) / c : -((-n + c / 2) / c));
}

// Everything SaveDC saves and RestoreDC brings back.
struct DcAttributes {
    std::shared_ptr<GdiObjectData> pen;
    std::shared_ptr<GdiObjectData> brush;
    std::shared_ptr<GdiObjectData> font;
    std::shared_ptr<GdiObjectData> bitmap;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int mapMode = MM_TEXT;
    CPoint windowOrg;
    CPoint viewportOrg;
    CSize windowExt{1, 1};
    CSize viewportExt{1, 1};
    std::optional<CRect> clip; // the clip region, device units
    CPoint position;           // the current position, logical units
};

struct DcState {
    DcKind kind = DcKind::None;
    Surface* surface = nullptr; // a window's or a page's; a memory context draws into its bitmap
    CPoint origin;              // the surface pixel of device point (0, 0)
    CRect limit;                // surface pixels that drawing may reach, from the attach call
    int dpi = 96;
    DcAttributes now;
    std::vector<DcAttributes> saved;
    // The wrapper that SelectObject returns for the object it took out must stay usable until the
    // caller selects it back, even when nothing else holds that object (a memory context's first
    // bitmap, a font deleted while selected). The last one taken out of each kind is kept.
    std::shared_ptr<GdiObjectData> defaultBitmap;
    // A printer context's document.
    std::function<void(const Surface&)> pageSink;
    bool inDocument = false;
    bool inPage = false;
    std::shared_ptr<GdiObjectData> deselected[5];

    bool anisotropic() const { return now.mapMode == MM_ANISOTROPIC; }

    Surface* Target() const
    {
        if (kind == DcKind::Memory)
            return now.bitmap ? &static_cast<BitmapData&>(*now.bitmap).surface : nullptr;
        return surface;
    }

    LONG DeviceX(LONG x) const
    {
        if (!anisotropic())
            return x - now.windowOrg.x + now.viewportOrg.x;
        return now.viewportOrg.x + MulDivRound(x - now.windowOrg.x, now.viewportExt.cx, now.windowExt.cx);
    }
    LONG DeviceY(LONG y) const
    {
        if (!anisotropic())
            return y - now.windowOrg.y + now.viewportOrg.y;
        return now.viewportOrg.y + MulDivRound(y - now.windowOrg.y, now.viewportExt.cy, now.windowExt.cy);
    }
    LONG LogicalX(LONG x) const
    {
        if (!anisotropic())
            return x - now.viewportOrg.x + now.windowOrg.x;
        return now.windowOrg.x + MulDivRound(x - now.viewportOrg.x, now.windowExt.cx, now.viewportExt.cx);
    }
    LONG LogicalY(LONG y) const
    {
        if (!anisotropic())
            return y - now.viewportOrg.y + now.windowOrg.y;
        return now.windowOrg.y + MulDivRound(y - now.viewportOrg.y, now.windowExt.cy, now.viewportExt.cy);
    }
    // Lengths, whatever the direction of the axes.
    LONG DeviceWidth(LONG cx) const
    {
        return anisotropic() ? MulDivRound(cx, std::abs(now.viewportExt.cx), std::abs(now.windowExt.cx)) : cx;
    }
    LONG DeviceHeight(LONG cy) const
    {
        return anisotropic() ? MulDivRound(cy, std::abs(now.viewportExt.cy), std::abs(now.windowExt.cy)) : cy;
    }
    LONG LogicalWidth(LONG cx) const
    {
        return anisotropic() ? MulDivRound(cx, std::abs(now.windowExt.cx), std::abs(now.viewportExt.cx)) : cx;
    }
    LONG LogicalHeight(LONG cy) const
    {
        return anisotropic() ? MulDivRound(cy, std::abs(now.windowExt.cy), std::abs(now.viewportExt.cy)) : cy;
    }

    CPoint Device(CPoint p) const { return CPoint(DeviceX(p.x), DeviceY(p.y)); }
    // Surface pixels of a logical point.
    CPoint Pixel(CPoint p) const { return CPoint(DeviceX(p.x) + origin.x, DeviceY(p.y) + origin.y); }
    // Surface pixels of a logical rectangle, normalised when an axis is flipped.
    CRect PixelRect(const RECT& r) const
    {
        CRect out(CPoint(Pixel(CPoint(r.left, r.top))), CPoint(Pixel(CPoint(r.right, r.bottom))));
        out.NormalizeRect();
        return out;
    }

    // The surface pixels that drawing may reach now: the attach limit, the clip region and the
    // surface's edges.
    CRect PixelClip() const
    {
        const Surface* target = Target();
        if (!target)
            return CRect();
        CRect clip;
        clip.IntersectRect(limit, CRect(0, 0, target->width, target->height));
        if (now.clip) {
            CRect region = *now.clip;
            region.OffsetRect(origin);
            clip.IntersectRect(clip, region);
        }
        return clip;
    }

    std::optional<Raster> MakeRaster() const
    {
        Surface* target = Target();
        if (!target)
            return std::nullopt;
        return Raster(*target, PixelClip());
    }
};

} // namespace platform
