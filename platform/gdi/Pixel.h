// Colour values at the interface are COLORREF (0x00BBGGRR); surfaces hold 0x00RRGGBB.
#pragma once

#include <cstdint>

#include "../core/Types.h"

namespace platform {

inline uint32_t ToPixel(COLORREF colour)
{
    return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

inline COLORREF FromPixel(uint32_t pixel)
{
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

} // namespace platform
