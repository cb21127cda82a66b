// The texts that the register writes: pact file lines and expiry warnings. Non-ASCII bytes are
// code page 1251 (0x95 bullet, 0xA7 section sign), as everywhere in the plug-in's 8-bit text.
#pragma once

#include <string_view>

namespace allyledger::pacts {

// Pact file.
inline constexpr char kOwnerMark = '@';
inline constexpr char kFieldSeparator = ',';
inline constexpr std::string_view kLineEnd = "\r\n";

// Conditions strings join abbreviations with this character.
inline constexpr char kConditionSeparator = '/';

// Expiry warnings.
inline constexpr const char* kExpiryWarningFormat = "Pact with %s will expire at the turn %d (after %d turns)";
inline constexpr const char* kNoConditionsLine = "  \x95 No special conditions";
inline constexpr const char* kConditionLinePrefix = "  \xA7 ";

} // namespace allyledger::pacts
