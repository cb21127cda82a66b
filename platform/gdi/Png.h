// PNG files of surfaces, through libpng: screenshots, printed pages and test pictures.
#pragma once

#include "Surface.h"

namespace platform {

// FALSE when the file cannot be written.
PLATFORM_API BOOL WritePng(const Surface& surface, const char* path);
// Reads any PNG into opaque pixels; FALSE (and the surface untouched) when it cannot be read.
PLATFORM_API BOOL ReadPng(const char* path, Surface& surface);

} // namespace platform
