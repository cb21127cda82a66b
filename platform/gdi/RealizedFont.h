// A font made for one device size: its metrics in device pixels and a cache of its rendered
// glyphs. Texts are 8-bit, so the cache is a table of the 256 bytes, filled on first use.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "GdiTypes.h"

struct FT_FaceRec_;
struct FT_SizeRec_;

namespace platform {

struct Glyph {
    int left = 0;    // from the pen position to the first column of the picture
    int top = 0;     // from the baseline up to the first row of the picture
    int width = 0;
    int height = 0;
    int advance = 0; // pixels the pen moves on
    std::vector<uint8_t> coverage; // width * height, 0 transparent to 255 solid
};

struct FontFace {
    FT_FaceRec_* face = nullptr; // none when no face could be found; text then draws nothing
    std::string family;
    bool syntheticBold = false;
    bool syntheticItalic = false;
};

class PLATFORM_API RealizedFont {
public:
    // deviceHeight follows the sign rule of lfHeight: negative for the character height,
    // positive for the cell height, 0 for the default.
    RealizedFont(const FontFace& face, const LOGFONT& logFont, int deviceHeight, int deviceWidth);
    ~RealizedFont();
    RealizedFont(const RealizedFont&) = delete;
    RealizedFont& operator=(const RealizedFont&) = delete;

    const TEXTMETRIC& Metrics() const { return m_metrics; }
    const Glyph& GlyphOf(unsigned char byte)
    {
        if (!m_loaded[byte])
            Load(byte);
        return m_glyphs[byte];
    }
    int Advance(unsigned char byte) { return GlyphOf(byte).advance; }

    bool Underlined() const { return m_metrics.tmUnderlined != 0; }
    bool StruckOut() const { return m_metrics.tmStruckOut != 0; }
    int UnderlineOffset() const { return m_underlineOffset; }  // pixels below the baseline
    int StrikeOutOffset() const { return m_strikeOutOffset; }  // pixels above the baseline
    int LineThickness() const { return m_lineThickness; }
    const std::string& Family() const { return m_face.family; }

private:
    void ComputeMetrics(const LOGFONT& logFont, int deviceHeight, int deviceWidth);
    void Load(unsigned char byte);

    FontFace m_face;
    FT_SizeRec_* m_size = nullptr;
    bool m_monochrome = false;
    TEXTMETRIC m_metrics;
    int m_underlineOffset = 1;
    int m_strikeOutOffset = 3;
    int m_lineThickness = 1;
    std::array<bool, 256> m_loaded = {};
    std::array<Glyph, 256> m_glyphs;
};

} // namespace platform
