// CBrush: a fill, solid or none.
#pragma once

#include "GdiObject.h"

class PLATFORM_API CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }

    static CBrush* FromHandle(HBRUSH handle);

    BOOL CreateSolidBrush(COLORREF colour);
    BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
    // A brush of a system colour, which follows that colour when it changes.
    BOOL CreateSysColorBrush(int index);
    int GetLogBrush(LOGBRUSH* logBrush) const;
    operator HBRUSH() const { return m_hObject; }
};
