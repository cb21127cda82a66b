// CPen: a line style, width and colour.
#pragma once

#include "GdiObject.h"

class PLATFORM_API CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }

    static CPen* FromHandle(HPEN handle);

    BOOL CreatePen(int style, int width, COLORREF colour);
    BOOL CreatePenIndirect(const LOGPEN* logPen);
    int GetLogPen(LOGPEN* logPen) const;
    operator HPEN() const { return m_hObject; }
};
