// CBitmap: a pixel surface that a memory device context draws into, or a picture loaded from
// .bmp bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "GdiObject.h"

class CDC;

class PLATFORM_API CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;

    static CBitmap* FromHandle(HBITMAP handle);

    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // Decodes a .bmp file held in memory (a resource embedded at build time).
    BOOL LoadFromBmpData(const void* data, std::size_t size);
    // Loads a bitmap resource through the finder that the resource layer installs.
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateFromSurface(const platform::Surface& surface);
    int GetBitmap(BITMAP* info) const;
    CSize GetSize() const;
    platform::Surface* GetSurface() const;
    operator HBITMAP() const { return m_hObject; }
};

namespace platform {

struct BmpBytes {
    const void* data = nullptr;
    std::size_t size = 0;
};
// The resource layer tells where the .bmp bytes of a bitmap resource are (nullopt when it has no
// such resource); CBitmap::LoadBitmap and CImageList::Create by resource id ask it.
using BitmapResourceFinder = std::function<std::optional<BmpBytes>(UINT resourceId)>;
PLATFORM_API void SetBitmapResourceFinder(BitmapResourceFinder finder);

} // namespace platform
