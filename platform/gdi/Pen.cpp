#include "Pen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen* CPen::FromHandle(HPEN handle) { return dynamic_cast<CPen*>(CGdiObject::FromHandle(handle)); }

BOOL CPen::CreatePen(int style, int width, COLORREF colour)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return FALSE;
    return Own(std::make_shared<platform::PenData>(style, width < 0 ? 0 : width, colour & 0x00FFFFFFu));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen)
{
    return logPen ? CreatePen(int(logPen->lopnStyle), logPen->lopnWidth.x, logPen->lopnColor) : FALSE;
}

int CPen::GetLogPen(LOGPEN* logPen) const { return GetObject(sizeof(LOGPEN), logPen); }
