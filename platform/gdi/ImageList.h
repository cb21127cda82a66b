// CImageList: pictures of one size kept side by side in one strip, each with an optional mask
// that makes parts of it transparent.
#pragma once

#include <cstddef>
#include <memory>

#include "../core/Object.h"
#include "GdiTypes.h"

class CBitmap;
class CDC;

namespace platform {
struct ImageStrip;
}

class PLATFORM_API CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList();
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // An empty list of cx x cy pictures; ILC_MASK gives the pictures masks.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // A list cut from a bitmap strip into pictures cx wide; pixels of the mask colour are
    // transparent (none with CLR_NONE).
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL Create(CBitmap* strip, int cx, int grow, COLORREF mask);
    BOOL CreateFromBmpData(const void* data, std::size_t size, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // Adds every picture of the bitmap (its width divided by the picture width); the index of the
    // first, or -1.
    int Add(CBitmap* image, COLORREF mask);
    int Add(CBitmap* image, CBitmap* mask);
    int GetImageCount() const;
    BOOL GetImageInfo(int index, IMAGEINFO* info) const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    // Draws through the context's mapping: the picture fills its cx x cy logical units at point.
    BOOL Draw(CDC* dc, int index, POINT point, UINT style);

    HIMAGELIST m_hImageList = nullptr;

private:
    std::unique_ptr<platform::ImageStrip> m_strip;
};
