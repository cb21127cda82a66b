#include "Png.h"

#include <cstring>
#include <vector>

#include <png.h>

namespace platform {

BOOL WritePng(const Surface& surface, const char* path)
{
    if (!path || surface.width <= 0 || surface.height <= 0)
        return FALSE;
    std::vector<uint8_t> rgb(std::size_t(surface.width) * std::size_t(surface.height) * 3);
    uint8_t* out = rgb.data();
    for (uint32_t pixel : surface.pixels) {
        *out++ = uint8_t(pixel >> 16);
        *out++ = uint8_t(pixel >> 8);
        *out++ = uint8_t(pixel);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(surface.width);
    image.height = png_uint_32(surface.height);
    image.format = PNG_FORMAT_RGB;
    const int written = png_image_write_to_file(&image, path, 0, rgb.data(), 0, nullptr);
    png_image_free(&image);
    return written ? TRUE : FALSE;
}

BOOL ReadPng(const char* path, Surface& surface)
{
    if (!path)
        return FALSE;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path))
        return FALSE;
    // Pictures larger than any window or page are refused rather than allocated.
    if (uint64_t(image.width) * image.height > (uint64_t(1) << 28)) {
        png_image_free(&image);
        return FALSE;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    // Transparent parts are composed over white, the colour of an empty surface.
    png_color white{255, 255, 255};
    if (!png_image_finish_read(&image, &white, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return FALSE;
    }
    Surface result(int(image.width), int(image.height));
    const uint8_t* in = rgb.data();
    for (uint32_t& pixel : result.pixels) {
        pixel = uint32_t(in[0]) << 16 | uint32_t(in[1]) << 8 | in[2];
        in += 3;
    }
    surface = std::move(result);
    return TRUE;
}

} // namespace platform
