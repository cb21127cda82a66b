// Finds faces through fontconfig, opens them with FreeType and keeps every font made for a device
// size, so that a paint that uses the same few fonts again finds them, and their glyphs, ready.
#pragma once

#include <cstdint>
#include <memory>

#include "GdiTypes.h"
#include "RealizedFont.h"

namespace platform {

class PLATFORM_API FontEngine {
public:
    static FontEngine& Instance();

    // The font of a description at a device size (pixels, signed like lfHeight; width 0 for the
    // face's own proportions). The reference stays valid until DropCaches.
    RealizedFont& Realize(const LOGFONT& logFont, int deviceHeight, int deviceWidth);

    // Changes whenever the caches are dropped, so that holders of a RealizedFont know to ask again.
    uint64_t Generation() const { return m_generation; }
    // Forgets every face, font and glyph and shuts the font libraries down; the next text starts
    // as the first text of a program does (for measurements).
    void DropCaches();

private:
    FontEngine();
    ~FontEngine();
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    uint64_t m_generation = 1;
};

} // namespace platform
