// A pixel surface: 32-bit pixels, 0x00RRGGBB in memory order of a row, top row first.
// Every window, memory bitmap and printed page draws into one.
#pragma once

#include <cstdint>
#include <vector>

#include "../core/Types.h"

namespace platform {

struct PLATFORM_API Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Surface() = default;
    Surface(int w, int h, uint32_t fill = 0x00FFFFFF) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
    void Resize(int w, int h, uint32_t fill = 0x00FFFFFF)
    {
        width = w;
        height = h;
        pixels.assign(std::size_t(w) * std::size_t(h), fill);
    }
    uint32_t* Row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const uint32_t* Row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
    BOOL Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

} // namespace platform
