#include "GrowthmarkResources.h"

namespace growthmark::resources {

extern const unsigned char kProductionModesBmp[];
extern const std::size_t kProductionModesBmpSize;

std::optional<Bytes> FindBitmap(unsigned id)
{
    if (id != kProductionModesBitmap)
        return std::nullopt;
    return Bytes{kProductionModesBmp, kProductionModesBmpSize};
}

} // namespace growthmark::resources
