// The objects behind graphics handles. A handle is a number registered for as long as its object
// lives; device contexts share the ownership of what they have selected, so that deleting a pen or
// font that is still selected never leaves a context drawing with freed memory.
#pragma once

#include <cstdint>
#include <memory>

#include "GdiTypes.h"
#include "Surface.h"

class CGdiObject;

namespace platform {

class RealizedFont;

enum class GdiKind { Pen, Brush, Font, Bitmap, Region };

class PLATFORM_API GdiObjectData : public std::enable_shared_from_this<GdiObjectData> {
public:
    explicit GdiObjectData(GdiKind kind);
    virtual ~GdiObjectData();
    GdiObjectData(const GdiObjectData&) = delete;
    GdiObjectData& operator=(const GdiObjectData&) = delete;

    GdiKind Kind() const { return m_kind; }
    HGDIOBJ Handle() const { return m_handle; }

    // The live object of a handle, or nullptr when the handle names nothing (any more).
    static GdiObjectData* FromHandle(HGDIOBJ handle);
    static std::shared_ptr<GdiObjectData> SharedFromHandle(HGDIOBJ handle);

    // The wrapper that created the object, or else a non-owning wrapper made on demand and kept
    // until the object dies.
    CGdiObject* Wrapper();
    CGdiObject* Owner() const { return m_owner; }
    void SetOwner(CGdiObject* owner) { m_owner = owner; }

private:
    GdiKind m_kind;
    HGDIOBJ m_handle = nullptr;
    CGdiObject* m_owner = nullptr;
    std::unique_ptr<CGdiObject> m_temporary;
};

struct PLATFORM_API PenData : GdiObjectData {
    PenData(int style_, int width_, COLORREF colour_)
        : GdiObjectData(GdiKind::Pen), style(style_), width(width_), colour(colour_) {}
    int style;
    int width;
    COLORREF colour;
};

struct PLATFORM_API BrushData : GdiObjectData {
    BrushData(UINT style_, COLORREF colour_, int sysColorIndex_ = -1)
        : GdiObjectData(GdiKind::Brush), style(style_), colour(colour_), sysColorIndex(sysColorIndex_) {}
    // A system-colour brush follows its system colour when that changes.
    COLORREF Colour() const;
    UINT style;
    COLORREF colour;
    int sysColorIndex;
};

struct PLATFORM_API FontData : GdiObjectData {
    explicit FontData(const LOGFONT& lf) : GdiObjectData(GdiKind::Font), logFont(lf) {}
    // The font made for a device size (pixels, signed like lfHeight); remembered for the last size
    // asked, as a paint asks for the same size again and again.
    RealizedFont& Realize(int deviceHeight, int deviceWidth);
    LOGFONT logFont;

private:
    uint64_t m_generation = 0;
    int m_height = 0;
    int m_width = 0;
    RealizedFont* m_realized = nullptr;
};

struct PLATFORM_API BitmapData : GdiObjectData {
    BitmapData() : GdiObjectData(GdiKind::Bitmap) {}
    Surface surface;
};

struct PLATFORM_API RegionData : GdiObjectData {
    explicit RegionData(const CRect& rect_) : GdiObjectData(GdiKind::Region), rect(rect_) {}
    CRect rect;
};

} // namespace platform
