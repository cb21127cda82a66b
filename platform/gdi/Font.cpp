#include "Font.h"

#include <cstdlib>
#include <cstring>

#include "DC.h"
#include "DCState.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

namespace {

constexpr int screenDpi = 96;
constexpr int decipointsPerInch = 720;

} // namespace

CFont* CFont::FromHandle(HFONT handle) { return dynamic_cast<CFont*>(CGdiObject::FromHandle(handle)); }

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return FALSE;
    LOGFONT lf = *logFont;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return Own(std::make_shared<platform::FontData>(lf));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    LOGFONT lf;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSize;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc)
{
    if (!logFont)
        return FALSE;
    // lfHeight comes in tenths of a point; it becomes a character height in the context's
    // logical units.
    LOGFONT lf = *logFont;
    const int dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : screenDpi;
    POINT points[2] = {{0, platform::MulDivRound(dpi, lf.lfHeight, decipointsPerInch)}, {0, 0}};
    if (dc)
        dc->DPtoLP(points, 2);
    lf.lfHeight = -std::abs(points[0].y - points[1].y);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* logFont) const { return GetObject(sizeof(LOGFONT), logFont); }
