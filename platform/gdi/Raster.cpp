#include "Raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "GdiTypes.h"
#include "RealizedFont.h"

namespace platform {

namespace {

// Lines longer than this are clipped before they are walked.
constexpr int longLine = 4096;

// On and off runs of the dashed pen styles, in pixels.
bool patternOn(int style, int phase)
{
    static const std::array<std::vector<int>, 5> patterns = {
        std::vector<int>{}, {18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
    if (style < PS_DASH || style > PS_DASHDOTDOT)
        return true;
    const std::vector<int>& runs = patterns[std::size_t(style)];
    int period = 0;
    for (int run : runs)
        period += run;
    int position = phase % period;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (position < runs[i])
            return i % 2 == 0;
        position -= runs[i];
    }
    return true;
}

// Mixes two pixels by alpha / 255, exactly rounded: red and blue go through one multiply
// together in separate 16-bit lanes, green through another.
uint32_t blend(uint32_t under, uint32_t over, uint32_t alpha)
{
    const uint32_t rest = 255 - alpha;
    uint32_t rb = (over & 0x00FF00FFu) * alpha + (under & 0x00FF00FFu) * rest + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    uint32_t g = (over & 0x0000FF00u) * alpha + (under & 0x0000FF00u) * rest + 0x00008000u;
    g = ((g + ((g >> 8) & 0x0000FF00u)) >> 8) & 0x0000FF00u;
    return rb | g;
}

bool combine(uint32_t rop, uint32_t source, uint32_t& target)
{
    switch (rop) {
    case SRCCOPY: target = source; return true;
    case SRCPAINT: target |= source; return true;
    case SRCAND: target &= source; return true;
    case SRCINVERT: target ^= source; return true;
    case NOTSRCCOPY: target = ~source & 0x00FFFFFFu; return true;
    default: return false;
    }
}

} // namespace

Raster::Raster(Surface& surface, const CRect& clip) : m_surface(surface)
{
    m_clip.IntersectRect(clip, CRect(0, 0, surface.width, surface.height));
}

void Raster::Fill(const CRect& rect, uint32_t pixel)
{
    CRect area;
    if (!area.IntersectRect(rect, m_clip))
        return;
    for (int y = area.top; y < area.bottom; ++y)
        std::fill_n(m_surface.Row(y) + area.left, area.Width(), pixel);
}

void Raster::Xor(const CRect& rect, uint32_t pixel)
{
    CRect area;
    if (!area.IntersectRect(rect, m_clip))
        return;
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = m_surface.Row(y);
        for (int x = area.left; x < area.right; ++x)
            row[x] ^= pixel;
    }
}

void Raster::Plot(int x, int y, uint32_t pixel)
{
    if (m_clip.PtInRect(POINT{x, y}))
        m_surface.Row(y)[x] = pixel;
}

void Raster::Dot(int x, int y, uint32_t pixel, int width)
{
    if (width <= 1)
        Plot(x, y, pixel);
    else
        Fill(CRect(x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width), pixel);
}

int Raster::Line(CPoint from, CPoint to, uint32_t pixel, int width, int style, int phase)
{
    if (style == PS_NULL || from == to)
        return phase;
    const bool solid = !(style >= PS_DASH && style <= PS_DASHDOTDOT);
    const int half = width > 1 ? width / 2 : 0;
    const int thick = std::max(width, 1);
    if (solid && (from.x == to.x || from.y == to.y)) {
        // Straight lines are rectangles: from the start up to, but not including, the end.
        if (from.y == to.y) {
            const int left = from.x < to.x ? from.x : to.x + 1;
            const int right = from.x < to.x ? to.x : from.x + 1;
            Fill(CRect(left - half, from.y - half, right - half + (thick - 1), from.y - half + thick), pixel);
        } else {
            const int top = from.y < to.y ? from.y : to.y + 1;
            const int bottom = from.y < to.y ? to.y : from.y + 1;
            Fill(CRect(from.x - half, top - half, from.x - half + thick, bottom - half + (thick - 1)), pixel);
        }
        return phase + std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    }
    const int64_t steps = std::max(std::llabs(int64_t(to.x) - from.x), std::llabs(int64_t(to.y) - from.y));
    if (steps > longLine && !ClipLong(from, to, thick, phase))
        return int(phase + steps);
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        if (solid || patternOn(style, phase))
            Dot(x, y, pixel, width);
        ++phase;
        const int twice = 2 * error;
        if (twice >= dy)
            error += dy, x += sx;
        if (twice <= dx)
            error += dx, y += sy;
    }
    return phase;
}

bool Raster::ClipLong(CPoint& from, CPoint& to, int width, int& phase) const
{
    // Liang-Barsky against the clip grown by the pen, so that far-off ends cost no steps.
    CRect area = m_clip;
    area.InflateRect(width + 1, width + 1);
    const double x0 = from.x, y0 = from.y, dx = double(to.x) - from.x, dy = double(to.y) - from.y;
    double enter = 0, leave = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - area.left, area.right - x0, y0 - area.top, area.bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    const CPoint start(int(std::lround(x0 + enter * dx)), int(std::lround(y0 + enter * dy)));
    const CPoint stop(int(std::lround(x0 + leave * dx)), int(std::lround(y0 + leave * dy)));
    // Both new ends lie outside the clip unless they were the line's own; the dashes keep their
    // phase over the part left out.
    phase += std::max(std::abs(start.x - from.x), std::abs(start.y - from.y));
    from = start;
    if (leave < 1)
        to = stop;
    return true;
}

void Raster::DrawGlyph(int x, int baseline, const Glyph& glyph, uint32_t pixel)
{
    if (glyph.width == 0 || glyph.height == 0)
        return;
    const int left = x + glyph.left, top = baseline - glyph.top;
    CRect area;
    if (!area.IntersectRect(CRect(left, top, left + glyph.width, top + glyph.height), m_clip))
        return;
    for (int y = area.top; y < area.bottom; ++y) {
        const uint8_t* coverage = glyph.coverage.data() + std::size_t(y - top) * std::size_t(glyph.width) - left;
        uint32_t* row = m_surface.Row(y);
        for (int px = area.left; px < area.right; ++px) {
            const uint32_t alpha = coverage[px];
            if (alpha == 255)
                row[px] = pixel;
            else if (alpha != 0)
                row[px] = blend(row[px], pixel, alpha);
        }
    }
}

void Raster::FillPolygon(const CPoint* points, int count, uint32_t pixel)
{
    if (!points || count < 3)
        return;
    int top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < count; ++i)
        top = std::min<int>(top, points[i].y), bottom = std::max<int>(bottom, points[i].y);
    top = std::max<int>(top, m_clip.top);
    bottom = std::min<int>(bottom, m_clip.bottom);
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        // Pixel centres inside the outline are filled.
        const double centre = y + 0.5;
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const CPoint& a = points[i];
            const CPoint& b = points[(i + 1) % count];
            if (a.y == b.y || centre < std::min(a.y, b.y) || centre >= std::max(a.y, b.y))
                continue;
            crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int left = int(std::ceil(crossings[i] - 0.5));
            const int right = int(std::ceil(crossings[i + 1] - 0.5));
            Fill(CRect(left, y, right, y + 1), pixel);
        }
    }
}

bool Blit(Surface& target, const CRect& clip, const CRect& targetRect, const Surface& source,
          const CRect& sourceRect, uint32_t rop)
{
    uint32_t probe = 0;
    if (!combine(rop, 0, probe))
        return false;
    if (targetRect.IsRectEmpty() || sourceRect.IsRectEmpty())
        return true;
    if (&target == &source) {
        // Copying within one surface reads from a snapshot, so overlapping moves come out right.
        const Surface snapshot = source;
        return Blit(target, clip, targetRect, snapshot, sourceRect, rop);
    }
    CRect area;
    if (!area.IntersectRect(targetRect, clip) || !area.IntersectRect(area, CRect(0, 0, target.width, target.height)))
        return true;
    const int64_t tw = targetRect.Width(), th = targetRect.Height();
    const int64_t sw = sourceRect.Width(), sh = sourceRect.Height();
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = int(sourceRect.top + ((2 * (y - targetRect.top) + 1) * sh) / (2 * th));
        if (sy < 0 || sy >= source.height)
            continue;
        const uint32_t* from = source.Row(sy);
        uint32_t* to = target.Row(y);
        for (int x = area.left; x < area.right; ++x) {
            const int sx = int(sourceRect.left + ((2 * (x - targetRect.left) + 1) * sw) / (2 * tw));
            if (sx >= 0 && sx < source.width)
                combine(rop, from[sx], to[x]);
        }
    }
    return true;
}

} // namespace platform
