#include "BmpDecoder.h"

#include <cstdint>
#include <vector>

namespace platform {

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t coreHeaderSize = 12;
constexpr std::size_t infoHeaderSize = 40;
// Larger pictures than this are refused rather than allocated.
constexpr int64_t maxPixels = int64_t(1) << 26;

uint32_t u16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t u32(const uint8_t* p) { return u16(p) | u16(p + 2) << 16; }

struct Header {
    int width = 0;
    int height = 0; // positive; the sign went into topDown
    bool topDown = false;
    int bitCount = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntries = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t pixelOffset = 0;
};

std::optional<Header> readHeader(const uint8_t* bytes, std::size_t size)
{
    if (size < fileHeaderSize + coreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    Header h;
    h.pixelOffset = u32(bytes + 10);
    const uint8_t* info = bytes + fileHeaderSize;
    const std::size_t infoSize = u32(info);
    int32_t height = 0;
    if (infoSize == coreHeaderSize) {
        h.width = int(u16(info + 4));
        height = int32_t(u16(info + 6));
        h.bitCount = int(u16(info + 10));
        h.paletteEntrySize = 3;
    } else {
        if (infoSize < infoHeaderSize || size < fileHeaderSize + infoHeaderSize)
            return std::nullopt;
        h.width = int32_t(u32(info + 4));
        height = int32_t(u32(info + 8));
        h.bitCount = int(u16(info + 14));
        if (u32(info + 16) != 0) // only uncompressed pixels
            return std::nullopt;
        h.paletteEntries = u32(info + 32);
    }
    if (height == INT32_MIN || h.width <= 0 || height == 0)
        return std::nullopt;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    if (int64_t(h.width) * h.height > maxPixels)
        return std::nullopt;
    if (h.bitCount <= 8 && h.paletteEntries == 0)
        h.paletteEntries = std::size_t(1) << h.bitCount;
    h.paletteOffset = fileHeaderSize + infoSize;
    return h;
}

std::optional<std::vector<uint32_t>> readPalette(const uint8_t* bytes, std::size_t size, const Header& h)
{
    std::vector<uint32_t> palette;
    if (h.bitCount > 8)
        return palette;
    if (h.paletteEntries > 256 || h.paletteOffset + h.paletteEntries * h.paletteEntrySize > size)
        return std::nullopt;
    for (std::size_t i = 0; i < h.paletteEntries; ++i) {
        const uint8_t* entry = bytes + h.paletteOffset + i * h.paletteEntrySize;
        palette.push_back(uint32_t(entry[2]) << 16 | uint32_t(entry[1]) << 8 | entry[0]);
    }
    return palette;
}

uint32_t pixelAt(const uint8_t* row, int x, int bitCount, const std::vector<uint32_t>& palette)
{
    auto indexed = [&](std::size_t index) { return index < palette.size() ? palette[index] : 0u; };
    switch (bitCount) {
    case 1: return indexed((row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return indexed((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8: return indexed(row[x]);
    case 24: return uint32_t(row[3 * x + 2]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x];
    default: return uint32_t(row[4 * x + 2]) << 16 | uint32_t(row[4 * x + 1]) << 8 | row[4 * x];
    }
}

} // namespace

std::optional<Surface> DecodeBmp(const void* data, std::size_t size)
{
    if (!data)
        return std::nullopt;
    const auto* bytes = static_cast<const uint8_t*>(data);
    const std::optional<Header> h = readHeader(bytes, size);
    if (!h)
        return std::nullopt;
    const int bits = h->bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    const std::optional<std::vector<uint32_t>> palette = readPalette(bytes, size, *h);
    if (!palette)
        return std::nullopt;
    const std::size_t stride = ((std::size_t(h->width) * std::size_t(bits) + 31) / 32) * 4;
    if (h->pixelOffset > size || stride * std::size_t(h->height) > size - h->pixelOffset)
        return std::nullopt;

    Surface surface(h->width, h->height, 0);
    for (int y = 0; y < h->height; ++y) {
        const int fileRow = h->topDown ? y : h->height - 1 - y;
        const uint8_t* row = bytes + h->pixelOffset + std::size_t(fileRow) * stride;
        uint32_t* out = surface.Row(y);
        for (int x = 0; x < h->width; ++x)
            out[x] = pixelAt(row, x, bits, *palette);
    }
    return surface;
}

} // namespace platform
