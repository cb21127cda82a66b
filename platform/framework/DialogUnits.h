// Dialog units: a quarter of the average character width and an eighth of the character height
// of the dialog's font, as the window system measures them.
#pragma once

#include "../gdi/GdiTypes.h"

namespace platform {

struct DialogBaseUnits {
    int x = 0; // average width of the letters, in pixels
    int y = 0; // height of a line, in pixels
};

DialogBaseUnits BaseUnitsOf(HFONT font);
int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
// Each edge on its own, as MapDialogRect does.
CRect DialogUnitsToPixels(const RECT& units, DialogBaseUnits base);

} // namespace platform
