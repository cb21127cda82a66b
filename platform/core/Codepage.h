// Code page 1251, the 8-bit code page of the texts this system stores and exchanges.
#pragma once

#include <string>
#include <string_view>

#include "Types.h"

namespace platform {

// The Unicode code point of a code page 1251 byte (U+FFFD for the one unassigned byte, 0x98).
PLATFORM_API char32_t Cp1251ToUnicode(unsigned char byte);
PLATFORM_API std::string Cp1251ToUtf8(std::string_view text);

} // namespace platform
