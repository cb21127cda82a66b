#include "Brush.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush* CBrush::FromHandle(HBRUSH handle) { return dynamic_cast<CBrush*>(CGdiObject::FromHandle(handle)); }

BOOL CBrush::CreateSolidBrush(COLORREF colour)
{
    return Own(std::make_shared<platform::BrushData>(BS_SOLID, colour & 0x00FFFFFFu));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    if (!logBrush || (logBrush->lbStyle != BS_SOLID && logBrush->lbStyle != BS_NULL))
        return FALSE;
    return Own(std::make_shared<platform::BrushData>(logBrush->lbStyle, logBrush->lbColor & 0x00FFFFFFu));
}

BOOL CBrush::CreateSysColorBrush(int index)
{
    return Own(std::make_shared<platform::BrushData>(BS_SOLID, 0, index));
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const { return GetObject(sizeof(LOGBRUSH), logBrush); }
