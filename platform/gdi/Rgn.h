// CRgn: a clipping region. Regions here are single rectangles, which is all that the drawing
// code asks of them.
#pragma once

#include "GdiObject.h"

class PLATFORM_API CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    CRgn() = default;

    static CRgn* FromHandle(HRGN handle);

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    void SetRectRgn(int left, int top, int right, int bottom);
    void SetRectRgn(LPCRECT rect);
    int GetRgnBox(LPRECT rect) const;
    int OffsetRgn(int dx, int dy);
    BOOL PtInRegion(int x, int y) const;
    BOOL RectInRegion(LPCRECT rect) const;
    operator HRGN() const { return m_hObject; }
};
