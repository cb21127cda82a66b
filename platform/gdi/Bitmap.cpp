#include "Bitmap.h"

#include "BmpDecoder.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace platform {

namespace {

BitmapResourceFinder& resourceFinder()
{
    static BitmapResourceFinder finder;
    return finder;
}

} // namespace

void SetBitmapResourceFinder(BitmapResourceFinder finder) { resourceFinder() = std::move(finder); }

} // namespace platform

namespace {

// Larger bitmaps than this are refused rather than allocated.
constexpr int64_t maxBitmapPixels = int64_t(1) << 26;

platform::BitmapData* bitmapData(const CBitmap& bitmap)
{
    platform::GdiObjectData* data = bitmap.Data();
    return data && data->Kind() == platform::GdiKind::Bitmap ? static_cast<platform::BitmapData*>(data) : nullptr;
}

} // namespace

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return dynamic_cast<CBitmap*>(CGdiObject::FromHandle(handle)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (width < 0 || height < 0 || int64_t(width) * height > maxBitmapPixels)
        return FALSE;
    // A zero size gives the smallest bitmap there is, as the window system does.
    if (width == 0 || height == 0)
        width = height = 1;
    auto data = std::make_shared<platform::BitmapData>();
    data->surface.Resize(width, height, 0);
    return Own(std::move(data));
}

BOOL CBitmap::LoadFromBmpData(const void* bytes, std::size_t size)
{
    std::optional<platform::Surface> surface = platform::DecodeBmp(bytes, size);
    return surface ? CreateFromSurface(*surface) : FALSE;
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    const platform::BitmapResourceFinder& finder = platform::resourceFinder();
    if (!finder)
        return FALSE;
    const std::optional<platform::BmpBytes> bytes = finder(resourceId);
    return bytes ? LoadFromBmpData(bytes->data, bytes->size) : FALSE;
}

BOOL CBitmap::CreateFromSurface(const platform::Surface& surface)
{
    if (surface.width <= 0 || surface.height <= 0)
        return FALSE;
    auto data = std::make_shared<platform::BitmapData>();
    data->surface = surface;
    return Own(std::move(data));
}

int CBitmap::GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }

CSize CBitmap::GetSize() const
{
    const platform::BitmapData* data = bitmapData(*this);
    return data ? CSize(data->surface.width, data->surface.height) : CSize();
}

platform::Surface* CBitmap::GetSurface() const
{
    platform::BitmapData* data = bitmapData(*this);
    return data ? &data->surface : nullptr;
}
