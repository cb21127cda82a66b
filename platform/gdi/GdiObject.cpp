#include "GdiObject.h"

#include <algorithm>
#include <cstring>

#include "StockObjects.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle)
{
    platform::GdiObjectData* data = platform::GdiObjectData::FromHandle(handle);
    return data ? data->Wrapper() : nullptr;
}

platform::GdiObjectData* CGdiObject::Data() const
{
    return m_data ? m_data.get() : platform::GdiObjectData::FromHandle(m_hObject);
}

BOOL CGdiObject::Own(std::shared_ptr<platform::GdiObjectData> data)
{
    if (m_hObject || !data)
        return FALSE;
    if (!data->Owner())
        data->SetOwner(this);
    m_hObject = data->Handle();
    m_data = std::move(data);
    return TRUE;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    if (m_data && m_data->Owner() == this)
        m_data->SetOwner(nullptr);
    // The object itself lives on while a device context still has it selected.
    m_data.reset();
    m_hObject = nullptr;
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    // A stock object never gets an owner: the wrapper that FromHandle gives for it is always one
    // of its own kind, whatever wrapper asked for it here.
    std::shared_ptr<platform::GdiObjectData> data = platform::GdiObjectData::SharedFromHandle(GetStockObject(index));
    if (m_hObject || !data)
        return FALSE;
    m_hObject = data->Handle();
    m_data = std::move(data);
    return TRUE;
}

int CGdiObject::GetObject(int count, LPVOID buffer) const
{
    const platform::GdiObjectData* data = Data();
    if (!data || count <= 0 || !buffer)
        return 0;
    auto copy = [&](const auto& value) {
        const int size = std::min<int>(count, sizeof value);
        std::memcpy(buffer, &value, std::size_t(size));
        return size;
    };
    switch (data->Kind()) {
    case platform::GdiKind::Pen: {
        const auto& pen = static_cast<const platform::PenData&>(*data);
        return copy(LOGPEN{UINT(pen.style), POINT{pen.width, 0}, pen.colour});
    }
    case platform::GdiKind::Brush: {
        const auto& brush = static_cast<const platform::BrushData&>(*data);
        return copy(LOGBRUSH{brush.style, brush.Colour(), 0});
    }
    case platform::GdiKind::Font: return copy(static_cast<const platform::FontData&>(*data).logFont);
    case platform::GdiKind::Bitmap: {
        const auto& surface = static_cast<const platform::BitmapData&>(*data).surface;
        BITMAP info;
        info.bmWidth = surface.width;
        info.bmHeight = surface.height;
        info.bmWidthBytes = surface.width * 4;
        info.bmPlanes = 1;
        info.bmBitsPixel = 32;
        info.bmBits = const_cast<uint32_t*>(surface.pixels.data());
        return copy(info);
    }
    case platform::GdiKind::Region: return 0;
    }
    return 0;
}
