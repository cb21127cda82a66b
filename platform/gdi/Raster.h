// Pixel operations on a surface, every one clipped to one rectangle of surface pixels. Rectangles
// exclude their right and bottom edges; lines exclude their end point.
#pragma once

#include <cstdint>

#include "../core/Geometry.h"
#include "Surface.h"

namespace platform {

struct Glyph;

class PLATFORM_API Raster {
public:
    Raster(Surface& surface, const CRect& clip);

    const CRect& Clip() const { return m_clip; }
    void Fill(const CRect& rect, uint32_t pixel);
    void Invert(const CRect& rect) { Xor(rect, 0x00FFFFFFu); }
    void Xor(const CRect& rect, uint32_t pixel);
    void Plot(int x, int y, uint32_t pixel);
    // A pen of the given width and style (PS_SOLID, PS_DASH, ...); the pattern runs on from
    // `phase` and the phase after the line is returned, so that a polyline keeps its dashes.
    int Line(CPoint from, CPoint to, uint32_t pixel, int width, int style, int phase = 0);
    // The glyph's pen position is (x, baseline).
    void DrawGlyph(int x, int baseline, const Glyph& glyph, uint32_t pixel);
    // Fills the inside of a closed polygon by the alternate (even-odd) rule.
    void FillPolygon(const CPoint* points, int count, uint32_t pixel);

private:
    void Dot(int x, int y, uint32_t pixel, int width);
    bool ClipLong(CPoint& from, CPoint& to, int width, int& phase) const;

    Surface& m_surface;
    CRect m_clip;
};

// Copies (and scales, nearest pixel) a rectangle of one surface into a rectangle of another,
// combining with the destination by a raster operation (SRCCOPY, SRCPAINT, SRCAND, SRCINVERT,
// NOTSRCCOPY). The same surface may be both source and destination, overlapping or not.
PLATFORM_API bool Blit(Surface& target, const CRect& clip, const CRect& targetRect, const Surface& source,
                       const CRect& sourceRect, uint32_t rop);

} // namespace platform
