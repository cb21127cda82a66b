#include "RealizedFont.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include "../core/Codepage.h"

namespace platform {

namespace {

constexpr int defaultCharacterHeight = 12;

int scaled(double units, double pixelsPerUnit) { return int(std::lround(units * pixelsPerUnit)); }

// The vertical extent that the window system gives a face: the OS/2 "Win" values when present.
struct VerticalUnits {
    double ascent = 0.8;
    double descent = 0.2;
    double unitsPerEm = 1.0;
    double externalLeading = 0;
    double averageWidth = 0;
};

VerticalUnits verticalUnits(FT_Face face)
{
    VerticalUnits v;
    if (!face)
        return v;
    v.unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    v.ascent = face->ascender;
    v.descent = -face->descender;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        v.ascent = os2->usWinAscent;
        v.descent = os2->usWinDescent;
        v.averageWidth = os2->xAvgCharWidth;
    }
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (hhea)
        v.externalLeading = std::max(0.0, double(hhea->Line_Gap) - ((v.ascent + v.descent) -
                                                                   (hhea->Ascender - hhea->Descender)));
    return v;
}

} // namespace

RealizedFont::RealizedFont(const FontFace& face, const LOGFONT& logFont, int deviceHeight, int deviceWidth)
    : m_face(face), m_monochrome(logFont.lfQuality == NONANTIALIASED_QUALITY)
{
    if (m_face.face && FT_New_Size(m_face.face, &m_size) != 0)
        m_size = nullptr;
    if (!m_size)
        m_face.face = nullptr;
    ComputeMetrics(logFont, deviceHeight, deviceWidth);
}

RealizedFont::~RealizedFont()
{
    if (m_size)
        FT_Done_Size(m_size);
}

void RealizedFont::ComputeMetrics(const LOGFONT& logFont, int deviceHeight, int deviceWidth)
{
    const VerticalUnits v = verticalUnits(m_face.face);
    const double cellUnits = v.ascent + v.descent;
    TEXTMETRIC& tm = m_metrics;
    int em = 0;
    if (deviceHeight > 0) {
        tm.tmAscent = scaled(v.ascent, deviceHeight / cellUnits);
        tm.tmDescent = deviceHeight - tm.tmAscent;
        em = std::max(1, scaled(v.unitsPerEm, deviceHeight / cellUnits));
    } else {
        em = deviceHeight < 0 ? -deviceHeight : defaultCharacterHeight;
        tm.tmAscent = scaled(v.ascent, em / v.unitsPerEm);
        tm.tmDescent = scaled(v.descent, em / v.unitsPerEm);
    }
    const double pixelsPerUnit = em / v.unitsPerEm;
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, int(tm.tmHeight) - em);
    tm.tmExternalLeading = scaled(v.externalLeading, pixelsPerUnit);

    const double naturalAverage = v.averageWidth > 0 ? v.averageWidth * pixelsPerUnit : em * 0.5;
    const double widthScale = deviceWidth != 0 ? std::abs(deviceWidth) / std::max(1.0, naturalAverage) : 1.0;
    if (m_face.face) {
        FT_Activate_Size(m_size);
        FT_Set_Char_Size(m_face.face, FT_F26Dot6(std::lround(em * widthScale * 64)), FT_F26Dot6(em * 64), 72, 72);
        const double underline = -m_face.face->underline_position * pixelsPerUnit;
        m_underlineOffset = std::max(1, int(std::lround(underline)));
        m_lineThickness = std::max(1, int(std::lround(m_face.face->underline_thickness * pixelsPerUnit)));
        tm.tmMaxCharWidth = scaled(m_face.face->max_advance_width, pixelsPerUnit * widthScale);
    } else {
        tm.tmMaxCharWidth = em;
    }
    m_strikeOutOffset = std::max(1, int(tm.tmAscent) / 3);
    tm.tmAveCharWidth = std::max(1, int(std::lround(naturalAverage * widthScale)));
    if (m_face.syntheticBold)
        tm.tmAveCharWidth += 1, tm.tmMaxCharWidth += 1;
    tm.tmWeight = logFont.lfWeight ? logFont.lfWeight : FW_NORMAL;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = logFont.lfItalic ? 1 : 0;
    tm.tmUnderlined = logFont.lfUnderline ? 1 : 0;
    tm.tmStruckOut = logFont.lfStrikeOut ? 1 : 0;
    const bool fixedPitch = m_face.face && FT_IS_FIXED_WIDTH(m_face.face);
    // The low bit set means a variable pitch; 0x06 says vector and TrueType.
    tm.tmPitchAndFamily = BYTE((logFont.lfPitchAndFamily & 0xF0) | 0x06 | (fixedPitch ? 0 : 1));
    tm.tmCharSet = logFont.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : logFont.lfCharSet;
}

void RealizedFont::Load(unsigned char byte)
{
    m_loaded[byte] = true;
    Glyph& glyph = m_glyphs[byte];
    const uint32_t codePoint = Cp1251ToUnicode(byte);
    // Control characters and the undefined byte take no room and show nothing.
    if (!m_face.face || codePoint < 0x20)
        return;
    FT_Face face = m_face.face;
    FT_Activate_Size(m_size);
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    FT_Int32 flags = m_monochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT;
    if (m_face.syntheticBold || m_face.syntheticItalic)
        flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(face, index, flags) != 0)
        return;
    FT_GlyphSlot slot = face->glyph;
    if (m_face.syntheticItalic)
        FT_GlyphSlot_Oblique(slot);
    if (m_face.syntheticBold)
        FT_GlyphSlot_Embolden(slot);
    glyph.advance = int((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, m_monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    glyph.coverage.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        uint8_t* out = glyph.coverage.data() + std::size_t(y) * std::size_t(glyph.width);
        for (int x = 0; x < glyph.width; ++x)
            out[x] = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0) : row[x];
    }
}

} // namespace platform
