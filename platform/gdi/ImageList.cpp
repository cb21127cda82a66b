#include "ImageList.h"

#include <algorithm>
#include <utility>

#include "Bitmap.h"
#include "DC.h"
#include "Pixel.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

namespace platform {

// The pictures side by side, picture i at x = i * cx. The mask is white where a picture is
// transparent and black where it shows; masked pixels of the image are black, so that the
// picture can be laid over anything by an AND of the mask and an OR of the image.
struct ImageStrip {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    int count = 0;
    COLORREF background = CLR_NONE;
    CBitmap image;
    CBitmap mask;

    bool masked() const { return flags & ILC_MASK; }
};

} // namespace platform

namespace {

constexpr uint32_t maskTransparent = 0x00FFFFFFu;
constexpr uint32_t maskOpaque = 0;

void widen(platform::Surface& surface, int width, uint32_t fill)
{
    platform::Surface wider(width, surface.height, fill);
    for (int y = 0; y < surface.height; ++y)
        std::copy_n(surface.Row(y), std::min(surface.width, width), wider.Row(y));
    surface = std::move(wider);
}

} // namespace

CImageList::CImageList() = default;

CImageList::~CImageList() = default;

BOOL CImageList::Create(int cx, int cy, UINT flags, int, int)
{
    if (m_strip || cx <= 0 || cy <= 0)
        return FALSE;
    auto strip = std::make_unique<platform::ImageStrip>();
    strip->cx = cx;
    strip->cy = cy;
    strip->flags = flags;
    const platform::Surface empty(1, cy, 0);
    const platform::Surface clear(1, cy, maskTransparent);
    if (!strip->image.CreateFromSurface(empty) || !strip->mask.CreateFromSurface(clear))
        return FALSE;
    m_strip = std::move(strip);
    m_hImageList = reinterpret_cast<HIMAGELIST>(m_strip.get());
    return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    CBitmap strip;
    return strip.LoadBitmap(bitmapId) ? Create(&strip, cx, grow, mask) : FALSE;
}

BOOL CImageList::Create(CBitmap* strip, int cx, int grow, COLORREF mask)
{
    if (!strip || cx <= 0)
        return FALSE;
    const CSize size = strip->GetSize();
    const UINT flags = ILC_COLOR | (mask != CLR_NONE ? ILC_MASK : 0);
    if (!Create(cx, size.cy, flags, size.cx / cx, grow))
        return FALSE;
    if (Add(strip, mask) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::CreateFromBmpData(const void* data, std::size_t size, int cx, int grow, COLORREF mask)
{
    CBitmap strip;
    return strip.LoadFromBmpData(data, size) ? Create(&strip, cx, grow, mask) : FALSE;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_strip)
        return FALSE;
    m_strip.reset();
    m_hImageList = nullptr;
    return TRUE;
}

int CImageList::Add(CBitmap* image, COLORREF mask)
{
    const platform::Surface* source = image ? image->GetSurface() : nullptr;
    if (!m_strip || !source || source->width < m_strip->cx)
        return -1;
    platform::ImageStrip& strip = *m_strip;
    const int added = source->width / strip.cx;
    const int first = strip.count;
    platform::Surface& pictures = *strip.image.GetSurface();
    platform::Surface& masks = *strip.mask.GetSurface();
    widen(pictures, (first + added) * strip.cx, 0);
    widen(masks, (first + added) * strip.cx, maskTransparent);
    // The default mask colour is the colour of the top-left pixel.
    const uint32_t key = mask == CLR_DEFAULT ? source->Row(0)[0] : platform::ToPixel(mask);
    const bool keyed = strip.masked() && mask != CLR_NONE;
    for (int y = 0; y < std::min(strip.cy, source->height); ++y) {
        const uint32_t* from = source->Row(y);
        uint32_t* to = pictures.Row(y) + first * strip.cx;
        uint32_t* toMask = masks.Row(y) + first * strip.cx;
        for (int x = 0; x < added * strip.cx; ++x) {
            const bool transparent = keyed && from[x] == key;
            to[x] = transparent ? 0 : from[x];
            toMask[x] = transparent ? maskTransparent : maskOpaque;
        }
    }
    strip.count += added;
    return first;
}

int CImageList::Add(CBitmap* image, CBitmap* mask)
{
    const int first = Add(image, CLR_NONE);
    const platform::Surface* source = mask ? mask->GetSurface() : nullptr;
    if (first < 0 || !source || !m_strip->masked())
        return first;
    platform::ImageStrip& strip = *m_strip;
    platform::Surface& pictures = *strip.image.GetSurface();
    platform::Surface& masks = *strip.mask.GetSurface();
    const int width = std::min(source->width, (strip.count - first) * strip.cx);
    for (int y = 0; y < std::min(strip.cy, source->height); ++y) {
        for (int x = 0; x < width; ++x) {
            const bool transparent = (source->Row(y)[x] & 0x00FFFFFFu) != 0;
            masks.Row(y)[first * strip.cx + x] = transparent ? maskTransparent : maskOpaque;
            if (transparent)
                pictures.Row(y)[first * strip.cx + x] = 0;
        }
    }
    return first;
}

int CImageList::GetImageCount() const { return m_strip ? m_strip->count : 0; }

BOOL CImageList::GetImageInfo(int index, IMAGEINFO* info) const
{
    if (!m_strip || !info || index < 0 || index >= m_strip->count)
        return FALSE;
    info->hbmImage = m_strip->image.m_hObject;
    info->hbmMask = m_strip->masked() ? m_strip->mask.m_hObject : nullptr;
    info->rcImage = CRect(index * m_strip->cx, 0, (index + 1) * m_strip->cx, m_strip->cy);
    return TRUE;
}

COLORREF CImageList::SetBkColor(COLORREF colour)
{
    if (!m_strip)
        return CLR_NONE;
    return std::exchange(m_strip->background, colour);
}

COLORREF CImageList::GetBkColor() const { return m_strip ? m_strip->background : CLR_NONE; }

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style)
{
    if (!m_strip || !dc || index < 0 || index >= m_strip->count)
        return FALSE;
    platform::ImageStrip& strip = *m_strip;
    CDC source;
    source.CreateCompatibleDC(dc);
    const int x = point.x, y = point.y, cx = strip.cx, cy = strip.cy, sx = index * cx;
    if (style & ILD_MASK) {
        source.SelectObject(&strip.mask);
        return dc->StretchBlt(x, y, cx, cy, &source, sx, 0, cx, cy, SRCCOPY);
    }
    if (!strip.masked()) {
        source.SelectObject(&strip.image);
        return dc->StretchBlt(x, y, cx, cy, &source, sx, 0, cx, cy, SRCCOPY);
    }
    // A background colour fills the transparent parts, unless the picture is drawn transparent.
    if (!(style & ILD_TRANSPARENT) && strip.background != CLR_NONE) {
        const COLORREF previous = dc->GetBkColor();
        dc->FillSolidRect(x, y, cx, cy, strip.background);
        dc->SetBkColor(previous);
    }
    source.SelectObject(&strip.mask);
    dc->StretchBlt(x, y, cx, cy, &source, sx, 0, cx, cy, SRCAND);
    source.SelectObject(&strip.image);
    return dc->StretchBlt(x, y, cx, cy, &source, sx, 0, cx, cy, SRCPAINT);
}
