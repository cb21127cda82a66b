// Writes small .bmp files in memory, as the resource compiler's bitmaps are laid out.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/Surface.h"

inline std::vector<uint8_t> MakeBmp(const platform::Surface& picture, int bitCount, bool topDown)
{
    std::vector<uint32_t> palette;
    if (bitCount <= 8)
        for (uint32_t pixel : picture.pixels)
            if (std::find(palette.begin(), palette.end(), pixel) == palette.end())
                palette.push_back(pixel);
    const std::size_t stride = ((std::size_t(picture.width) * std::size_t(bitCount) + 31) / 32) * 4;
    const std::size_t offset = 14 + 40 + palette.size() * 4;
    std::vector<uint8_t> bytes(offset + stride * std::size_t(picture.height));
    auto put16 = [&](std::size_t at, uint32_t v) { bytes[at] = uint8_t(v), bytes[at + 1] = uint8_t(v >> 8); };
    auto put32 = [&](std::size_t at, uint32_t v) { put16(at, v), put16(at + 2, v >> 16); };
    bytes[0] = 'B', bytes[1] = 'M';
    put32(2, uint32_t(bytes.size()));
    put32(10, uint32_t(offset));
    put32(14, 40);
    put32(18, uint32_t(picture.width));
    put32(22, uint32_t(topDown ? -picture.height : picture.height));
    put16(26, 1);
    put16(28, uint32_t(bitCount));
    put32(46, uint32_t(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i)
        put32(54 + 4 * i, palette[i]);
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* row = bytes.data() + offset + stride * std::size_t(topDown ? y : picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t pixel = picture.Row(y)[x];
            const auto index = uint8_t(std::find(palette.begin(), palette.end(), pixel) - palette.begin());
            if (bitCount == 4)
                row[x / 2] |= uint8_t(x % 2 ? index : index << 4);
            else if (bitCount == 8)
                row[x] = index;
            else
                for (int channel = 0; channel < 3; ++channel)
                    row[3 * x + channel] = uint8_t(pixel >> (8 * channel));
        }
    }
    return bytes;
}
