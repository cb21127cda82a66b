// The resources that Growthmark carries in its own file.
#pragma once

#include <cstddef>
#include <optional>

#include "SettingsDialogTemplate.h"
#include "platform/win/WinTypes.h"

namespace growthmark::resources {

inline constexpr unsigned kProjectionDocument = 130;
inline constexpr unsigned kSettingsDialog = 134;
inline constexpr unsigned kProductionModesBitmap = 141;

struct Bytes {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// The .bmp bytes of a bitmap resource; nullopt for an id the plug-in does not carry.
std::optional<Bytes> FindBitmap(unsigned id);

// The plug-in's resource table, with the settings page in the given language; the handle makes
// it the source of resources (AfxSetResourceHandle, platform::ResourceScope).
HINSTANCE ResourceHandle(DialogLanguage language);

} // namespace growthmark::resources
