// Decoding of .bmp files: uncompressed 1, 4, 8, 24 and 32 bits a pixel, bottom-up or top-down.
#pragma once

#include <cstddef>
#include <optional>

#include "Surface.h"

namespace platform {

// nullopt for anything that is not a complete, uncompressed bitmap of a supported depth.
PLATFORM_API std::optional<Surface> DecodeBmp(const void* data, std::size_t size);

} // namespace platform
