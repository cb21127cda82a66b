// Names of the standard cursors, for logs and tests ("IDC_SIZEWE").
#pragma once

#include <string>

#include "WinTypes.h"

namespace platform {

std::string CursorName(HCURSOR cursor);

} // namespace platform
