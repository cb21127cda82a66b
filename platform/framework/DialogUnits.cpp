#include "DialogUnits.h"

#include "../gdi/DC.h"

namespace platform {

namespace {

// units * base / divisor, rounded half away from zero; the divisor is positive.
int Scale(int units, int base, int divisor)
{
    const long long product = (long long)units * base;
    return int(product >= 0 ? (product + divisor / 2) / divisor : (product - divisor / 2) / divisor);
}

} // namespace

DialogBaseUnits BaseUnitsOf(HFONT font)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(font);
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const CSize extent = dc.GetTextExtent(letters, 52);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    return DialogBaseUnits{int((extent.cx / 26 + 1) / 2), int(metrics.tmHeight)};
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base) { return Scale(units, base.x, 4); }
int DialogUnitsToPixelsY(int units, DialogBaseUnits base) { return Scale(units, base.y, 8); }

CRect DialogUnitsToPixels(const RECT& units, DialogBaseUnits base)
{
    return CRect(DialogUnitsToPixelsX(units.left, base), DialogUnitsToPixelsY(units.top, base),
                 DialogUnitsToPixelsX(units.right, base), DialogUnitsToPixelsY(units.bottom, base));
}

} // namespace platform
