// Desktop settings that programs read and the automation may change.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "../core/Types.h"

namespace platform {

class PLATFORM_API DesktopSettings {
public:
    static DesktopSettings& Instance();
    void Reset();

    // The values under the desktop key of the settings store, as text. WheelScrollLines is
    // "3" unless changed; erasing it leaves the value missing.
    std::map<std::string, std::string> values;

    // Lines per wheel notch as SPI_GETWHEELSCROLLLINES answers it: the stored text read as an
    // unsigned number (so "-1" and "4294967295" both mean a page), 3 when missing.
    UINT WheelScrollLines() const;
    void SetWheelScrollLinesText(std::optional<std::string> text);
};

} // namespace platform
