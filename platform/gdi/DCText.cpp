// Text of CDC: metrics and extents, TextOut, ExtTextOut and DrawText.
#include <algorithm>
#include <cstring>

#include "DC.h"
#include "TextRecorder.h"
#include "DCState.h"
#include "Pixel.h"
#include "RealizedFont.h"
#include "TextLayout.h"

namespace {

int textLength(LPCTSTR text, int count)
{
    if (!text)
        return 0;
    return count < 0 ? int(std::strlen(text)) : count;
}

// Underline and strike-out of a run of text, from x0 to x1 on the given baseline.
void decorate(platform::Raster& raster, platform::RealizedFont& font, int x0, int x1, int baseline, uint32_t pixel)
{
    const int thickness = font.LineThickness();
    if (font.Underlined())
        raster.Fill(CRect(x0, baseline + font.UnderlineOffset(), x1, baseline + font.UnderlineOffset() + thickness),
                    pixel);
    if (font.StruckOut())
        raster.Fill(CRect(x0, baseline - font.StrikeOutOffset(), x1, baseline - font.StrikeOutOffset() + thickness),
                    pixel);
}

struct LineInk {
    uint32_t text = 0;
    uint32_t background = 0;
    bool opaque = false;
};

void drawLine(platform::Raster& ink, platform::RealizedFont& font, const platform::TextLayout& layout,
              const platform::LayoutLine& line, CPoint at, const LineInk& colours)
{
    const TEXTMETRIC& tm = font.Metrics();
    const int baseline = at.y + tm.tmAscent;
    if (colours.opaque)
        ink.Fill(CRect(at.x, at.y, at.x + line.width, at.y + tm.tmHeight), colours.background);
    int pen = 0;
    for (int i = line.begin; i < line.end; ++i) {
        const platform::LayoutChar& c = layout.Chars()[std::size_t(i)];
        ink.DrawGlyph(at.x + pen, baseline, font.GlyphOf(c.ch), colours.text);
        const int next = layout.Advance(pen, c.ch);
        if (c.underlined)
            ink.Fill(CRect(at.x + pen, baseline + font.UnderlineOffset(), at.x + next,
                           baseline + font.UnderlineOffset() + font.LineThickness()),
                     colours.text);
        pen = next;
    }
    for (int dot = 0; line.ellipsis && dot < 3; ++dot) {
        ink.DrawGlyph(at.x + pen, baseline, font.GlyphOf('.'), colours.text);
        pen += font.Advance('.');
    }
    decorate(ink, font, at.x, at.x + pen, baseline, colours.text);
}

} // namespace

BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const
{
    if (!metrics || !m_hDC)
        return FALSE;
    const platform::DcState& s = *m_state;
    TEXTMETRIC tm = CurrentFont().Metrics();
    tm.tmHeight = s.LogicalHeight(tm.tmHeight);
    tm.tmAscent = s.LogicalHeight(tm.tmAscent);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmInternalLeading = s.LogicalHeight(tm.tmInternalLeading);
    tm.tmExternalLeading = s.LogicalHeight(tm.tmExternalLeading);
    tm.tmAveCharWidth = s.LogicalWidth(tm.tmAveCharWidth);
    tm.tmMaxCharWidth = s.LogicalWidth(tm.tmMaxCharWidth);
    *metrics = tm;
    return TRUE;
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    if (!m_hDC)
        return CSize();
    platform::RealizedFont& font = CurrentFont();
    const int length = textLength(text, count);
    int width = 0;
    for (int i = 0; i < length; ++i)
        width += font.Advance(static_cast<unsigned char>(text[i]));
    return CSize(m_state->LogicalWidth(width), m_state->LogicalHeight(font.Metrics().tmHeight));
}

int CDC::GetTextFace(int count, LPTSTR faceName) const
{
    const auto* font = static_cast<const platform::FontData*>(m_state->now.font.get());
    if (!font || !faceName || count <= 0)
        return 0;
    const std::size_t length = std::min<std::size_t>(strnlen(font->logFont.lfFaceName, LF_FACESIZE), count - 1);
    std::memcpy(faceName, font->logFont.lfFaceName, length);
    faceName[length] = '\0';
    return int(length);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    return ExtTextOut(x, y, 0, nullptr, text, UINT(textLength(text, count)), nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* widths)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster)
        return FALSE;
    platform::DcState& s = *m_state;
    platform::RealizedFont& font = CurrentFont();
    const TEXTMETRIC& tm = font.Metrics();
    const int length = text ? int(count) : 0;
    auto advance = [&](int i) {
        return widths ? s.DeviceWidth(widths[i]) : font.Advance(static_cast<unsigned char>(text[i]));
    };
    int width = 0;
    for (int i = 0; i < length; ++i)
        width += advance(i);

    const bool updateCp = s.now.textAlign & TA_UPDATECP;
    CPoint at = s.Pixel(updateCp ? s.now.position : CPoint(x, y));
    const UINT horizontal = s.now.textAlign & TA_CENTER, vertical = s.now.textAlign & TA_BASELINE;
    at.x -= horizontal == TA_CENTER ? width / 2 : horizontal == TA_RIGHT ? width : 0;
    const int top = vertical == TA_BASELINE ? at.y - tm.tmAscent : vertical == TA_BOTTOM ? at.y - tm.tmHeight : at.y;
    if (updateCp)
        s.now.position.x += s.LogicalWidth(width);

    const CRect box = rect ? s.PixelRect(*rect) : CRect();
    if (rect && (options & ETO_OPAQUE))
        raster->Fill(box, platform::ToPixel(s.now.bkColor));
    CRect textClip = raster->Clip();
    if (rect && (options & ETO_CLIPPED))
        textClip.IntersectRect(textClip, box);
    platform::Raster ink(*s.Target(), textClip);
    if (s.now.bkMode == OPAQUE)
        ink.Fill(CRect(at.x, top, at.x + width, top + tm.tmHeight), platform::ToPixel(s.now.bkColor));
    const uint32_t pixel = platform::ToPixel(s.now.textColor);
    const int baseline = top + tm.tmAscent;
    int pen = at.x;
    for (int i = 0; i < length; ++i) {
        ink.DrawGlyph(pen, baseline, font.GlyphOf(static_cast<unsigned char>(text[i])), pixel);
        pen += advance(i);
    }
    decorate(ink, font, at.x, pen, baseline, pixel);
    platform::TextRecorder::Report(s.Target(), CRect(at.x, top, pen, top + tm.tmHeight), text, length);
    return TRUE;
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    std::optional<platform::Raster> raster = m_state->MakeRaster();
    if (!raster || !rect)
        return 0;
    const platform::DcState& s = *m_state;
    platform::RealizedFont& font = CurrentFont();
    const TEXTMETRIC& tm = font.Metrics();
    const CRect box = s.PixelRect(*rect);
    // One layout serves every call; its buffers keep their capacity from paint to paint.
    static platform::TextLayout layout;
    layout.Build(font, text, textLength(text, count), box.Width(), format);
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const int height = lineHeight * int(layout.Lines().size());
    if (format & DT_CALCRECT) {
        rect->right = rect->left + s.LogicalWidth(layout.Width());
        rect->bottom = rect->top + s.LogicalHeight(height);
        return s.LogicalHeight(height);
    }
    // Vertical placement applies to a single line only; other text starts at the top.
    int y = box.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y += (box.Height() - lineHeight) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = box.bottom - lineHeight;
    CRect clip = raster->Clip();
    if (!(format & DT_NOCLIP))
        clip.IntersectRect(clip, box);
    platform::Raster ink(*s.Target(), clip);
    const LineInk colours{platform::ToPixel(s.now.textColor), platform::ToPixel(s.now.bkColor), s.now.bkMode == OPAQUE};
    platform::TextRecorder::Report(s.Target(), box, text, textLength(text, count));
    for (const platform::LayoutLine& line : layout.Lines()) {
        int x = box.left;
        if (format & DT_CENTER)
            x += (box.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            x = box.right - line.width;
        drawLine(ink, font, layout, line, CPoint(x, y), colours);
        y += lineHeight;
    }
    return s.LogicalHeight(y - box.top);
}
