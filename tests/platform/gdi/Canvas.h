// A small surface with a context attached, and ways to look at what was drawn.
#pragma once

#include <optional>

#include "platform/gdi/DC.h"
#include "platform/gdi/Pixel.h"
#include "platform/gdi/Surface.h"

struct Canvas {
    platform::Surface surface;
    CDC dc;

    explicit Canvas(int width, int height, COLORREF background = RGB(255, 255, 255))
        : surface(width, height, platform::ToPixel(background))
    {
        dc.AttachSurface(&surface);
    }

    COLORREF At(int x, int y) const { return platform::FromPixel(surface.Row(y)[x]); }

    // The smallest rectangle holding every pixel that differs from the background, if any.
    std::optional<CRect> Ink(COLORREF background = RGB(255, 255, 255)) const
    {
        const uint32_t empty = platform::ToPixel(background);
        std::optional<CRect> box;
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x) {
                if (surface.Row(y)[x] == empty)
                    continue;
                if (!box)
                    box = CRect(x, y, x + 1, y + 1);
                box->UnionRect(*box, CRect(x, y, x + 1, y + 1));
            }
        return box;
    }

    int InkCount(COLORREF background = RGB(255, 255, 255)) const
    {
        int count = 0;
        for (uint32_t pixel : surface.pixels)
            count += pixel != platform::ToPixel(background);
        return count;
    }
};
