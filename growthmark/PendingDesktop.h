// The desktop the plug-in uses until the framework's windows are available to it: it registers
// nothing, opens nothing and shows nothing.
#pragma once

#include <memory>

#include "Desktop.h"

namespace growthmark {

std::unique_ptr<Desktop> MakePendingDesktop();

} // namespace growthmark
