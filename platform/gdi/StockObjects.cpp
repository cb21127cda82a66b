#include "StockObjects.h"

#include <array>
#include <cstring>
#include <memory>

#include "GdiObject.h"
#include "GdiObjectData.h"

namespace platform {

LOGFONT MakeLogFont(int height, const char* faceName, int weight, BYTE italic)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return lf;
}

LOGFONT MessageFontDescription() { return MakeLogFont(-11, "MS Sans Serif"); }

} // namespace platform

namespace {

constexpr int stockCount = 18;

std::shared_ptr<platform::GdiObjectData> makeStock(int index)
{
    using platform::BrushData;
    using platform::FontData;
    using platform::MakeLogFont;
    using platform::PenData;
    switch (index) {
    case WHITE_BRUSH: return std::make_shared<BrushData>(BS_SOLID, 0xFFFFFF);
    case LTGRAY_BRUSH: return std::make_shared<BrushData>(BS_SOLID, 0xC0C0C0);
    case GRAY_BRUSH: return std::make_shared<BrushData>(BS_SOLID, 0x808080);
    case DKGRAY_BRUSH: return std::make_shared<BrushData>(BS_SOLID, 0x404040);
    case BLACK_BRUSH: return std::make_shared<BrushData>(BS_SOLID, 0x000000);
    case NULL_BRUSH: return std::make_shared<BrushData>(BS_NULL, 0);
    case WHITE_PEN: return std::make_shared<PenData>(PS_SOLID, 0, 0xFFFFFF);
    case BLACK_PEN: return std::make_shared<PenData>(PS_SOLID, 0, 0x000000);
    case NULL_PEN: return std::make_shared<PenData>(PS_NULL, 0, 0);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: return std::make_shared<FontData>(MakeLogFont(16, "Courier New"));
    case ANSI_VAR_FONT: return std::make_shared<FontData>(MakeLogFont(-12, "MS Sans Serif"));
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: return std::make_shared<FontData>(MakeLogFont(16, "System", FW_BOLD));
    case DEFAULT_GUI_FONT: return std::make_shared<FontData>(MakeLogFont(-11, "MS Shell Dlg"));
    default: return nullptr;
    }
}

} // namespace

HGDIOBJ GetStockObject(int index)
{
    if (index < 0 || index >= stockCount)
        return nullptr;
    // Stock objects are never freed, like the system's.
    static auto* stock = new std::array<std::shared_ptr<platform::GdiObjectData>, stockCount>;
    auto& object = (*stock)[std::size_t(index)];
    if (!object)
        object = makeStock(index);
    return object ? object->Handle() : nullptr;
}

BOOL DeleteObject(HGDIOBJ handle)
{
    platform::GdiObjectData* data = platform::GdiObjectData::FromHandle(handle);
    if (!data)
        return FALSE;
    if (CGdiObject* owner = data->Owner())
        return owner->DeleteObject();
    return TRUE;
}

int GetObject(HGDIOBJ handle, int count, LPVOID buffer)
{
    CGdiObject* object = CGdiObject::FromHandle(handle);
    return object ? object->GetObject(count, buffer) : 0;
}
