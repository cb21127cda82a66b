// The desktop as the framework gives it: message boxes, the settings page in the host's
// settings dialog and, with the projection window, the window itself.
#pragma once

#include <memory>

#include "Desktop.h"

namespace growthmark {

std::unique_ptr<Desktop> MakeFrameworkDesktop();

} // namespace growthmark
