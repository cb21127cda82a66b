// The resources that Allyledger carries in its own file.
#pragma once

#include "DialogTemplates.h"
#include "platform/win/WinTypes.h"

namespace allyledger::resources {

inline constexpr unsigned kSignTreatyDialog = 8000;
// The warnings window's document string.
inline constexpr unsigned kWarnDocument = 8003;
inline constexpr unsigned kSettingsPage = 8006;
inline constexpr unsigned kNewConditionDialog = 8009;

inline constexpr const char kWarnDocumentString[] = "\nAllyledger\nAllyledger";

// The plug-in's resource table; the handle makes it the source of resources
// (AfxSetResourceHandle, platform::ResourceScope).
HINSTANCE ResourceHandle();

} // namespace allyledger::resources
