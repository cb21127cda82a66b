#include "GrowthmarkResources.h"

#include "platform/framework/ResourceTable.h"

namespace growthmark::resources {

extern const unsigned char kProductionModesBmp[];
extern const std::size_t kProductionModesBmpSize;

std::optional<Bytes> FindBitmap(unsigned id)
{
    if (id != kProductionModesBitmap)
        return std::nullopt;
    return Bytes{kProductionModesBmp, kProductionModesBmpSize};
}

HINSTANCE ResourceHandle(DialogLanguage language)
{
    // A global of the module, so the table answers for the module's own instance handle.
    static platform::ResourceTable table("Growthmark");
    table.AddDialog(kSettingsDialog, SettingsDialogTemplate(language));
    table.AddBitmap(kProductionModesBitmap, kProductionModesBmp, kProductionModesBmpSize);
    return table.Handle();
}

} // namespace growthmark::resources
