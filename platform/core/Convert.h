// Number conversion with the C library's rules: leading white space, an optional sign, the
// longest valid prefix, 0 when there is none. The 32-bit forms stop at the 32-bit limits, as
// they do where long is 32 bits wide; AtoL64 is wide enough for an address.
#pragma once

#include <cstdint>

#include "Types.h"

namespace platform {

PLATFORM_API int32_t AtoI(const char* text);
PLATFORM_API int32_t AtoL(const char* text);
PLATFORM_API int64_t AtoL64(const char* text);
PLATFORM_API double AtoF(const char* text);

// Reads a signed decimal number at text as strtol does and saturates it to 32 bits; end gets
// the place where reading stopped (text itself when there were no digits).
PLATFORM_API int32_t ParseInt32(const char* text, const char** end);

} // namespace platform
