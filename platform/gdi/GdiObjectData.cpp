#include "GdiObjectData.h"

#include <unordered_map>

#include "Bitmap.h"
#include "Brush.h"
#include "Font.h"
#include "FontEngine.h"
#include "Pen.h"
#include "Rgn.h"
#include "SysColors.h"

namespace platform {

namespace {

std::unordered_map<HGDIOBJ, GdiObjectData*>& handles()
{
    static auto* table = new std::unordered_map<HGDIOBJ, GdiObjectData*>;
    return *table;
}

// Handles are never reused, so a stale handle finds nothing instead of another object.
HGDIOBJ nextHandle()
{
    static uintptr_t next = 0x1000;
    next += 4;
    return reinterpret_cast<HGDIOBJ>(next);
}

std::unique_ptr<CGdiObject> makeWrapper(GdiKind kind)
{
    switch (kind) {
    case GdiKind::Pen: return std::make_unique<CPen>();
    case GdiKind::Brush: return std::make_unique<CBrush>();
    case GdiKind::Font: return std::make_unique<CFont>();
    case GdiKind::Bitmap: return std::make_unique<CBitmap>();
    case GdiKind::Region: return std::make_unique<CRgn>();
    }
    return std::make_unique<CGdiObject>();
}

} // namespace

GdiObjectData::GdiObjectData(GdiKind kind) : m_kind(kind), m_handle(nextHandle()) { handles()[m_handle] = this; }

GdiObjectData::~GdiObjectData() { handles().erase(m_handle); }

GdiObjectData* GdiObjectData::FromHandle(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    auto hit = handles().find(handle);
    return hit == handles().end() ? nullptr : hit->second;
}

std::shared_ptr<GdiObjectData> GdiObjectData::SharedFromHandle(HGDIOBJ handle)
{
    GdiObjectData* data = FromHandle(handle);
    return data ? data->shared_from_this() : nullptr;
}

CGdiObject* GdiObjectData::Wrapper()
{
    if (m_owner)
        return m_owner;
    if (!m_temporary) {
        m_temporary = makeWrapper(m_kind);
        m_temporary->m_hObject = m_handle;
    }
    return m_temporary.get();
}

COLORREF BrushData::Colour() const { return sysColorIndex >= 0 ? GetSysColor(sysColorIndex) : colour; }

RealizedFont& FontData::Realize(int deviceHeight, int deviceWidth)
{
    FontEngine& engine = FontEngine::Instance();
    if (m_realized && m_generation == engine.Generation() && m_height == deviceHeight && m_width == deviceWidth)
        return *m_realized;
    m_realized = &engine.Realize(logFont, deviceHeight, deviceWidth);
    m_generation = engine.Generation();
    m_height = deviceHeight;
    m_width = deviceWidth;
    return *m_realized;
}

} // namespace platform
