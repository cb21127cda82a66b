#include <cstddef>
#include <memory>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"

namespace {

TEST(GdiObjects, FontDeletedWhileSelectedKeepsDrawingAndDiesWhenDeselected)
{
    Canvas canvas(80, 30);
    auto font = std::make_unique<CFont>();
    const LOGFONT lf = platform::MakeLogFont(-12, "Arial");
    ASSERT_TRUE(font->CreateFontIndirect(&lf));
    const HFONT handle = *font;
    CFont* old = canvas.dc.SelectObject(font.get());
    font.reset();
    EXPECT_TRUE(canvas.dc.TextOut(2, 2, CString("Hi")));
    EXPECT_GT(canvas.InkCount(), 0);

    // Taken out again, it is still there to be asked about...
    CFont* taken = canvas.dc.SelectObject(old);
    ASSERT_NE(taken, nullptr);
    LOGFONT back;
    EXPECT_EQ(taken->GetLogFont(&back), int(sizeof(LOGFONT)));
    EXPECT_EQ(back.lfHeight, -12);
    // ...until the next font comes out; then its handle names nothing.
    canvas.dc.SelectStockObject(ANSI_VAR_FONT);
    EXPECT_EQ(CGdiObject::FromHandle(handle), nullptr);
}

TEST(GdiObjects, HandlesFindTheirWrappersOfTheRightKindOnly)
{
    CFont font;
    const LOGFONT lf = platform::MessageFontDescription();
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_EQ(CFont::FromHandle(font), &font);
    EXPECT_EQ(CPen::FromHandle(font), nullptr);
    EXPECT_FALSE(font.CreateFontIndirect(&lf)); // a wrapper holds one object
    const HFONT handle = font;
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_EQ(CGdiObject::FromHandle(handle), nullptr);
    EXPECT_EQ(font.GetSafeHandle(), nullptr);
}

TEST(GdiObjects, StockObjectsDescribeThemselves)
{
    LOGPEN pen;
    ASSERT_GT(GetObject(GetStockObject(BLACK_PEN), sizeof pen, &pen), 0);
    EXPECT_EQ(pen.lopnStyle, UINT(PS_SOLID));
    EXPECT_EQ(pen.lopnColor, RGB(0, 0, 0));
    LOGBRUSH brush;
    ASSERT_GT(GetObject(GetStockObject(NULL_BRUSH), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbStyle, BS_NULL);
    LOGFONT font;
    ASSERT_GT(GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font), 0);
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_NE(CGdiObject::FromHandle(GetStockObject(WHITE_BRUSH)), nullptr);

    // A plain wrapper of a stock font does not stand in for the font itself.
    CGdiObject plain;
    ASSERT_TRUE(plain.CreateStockObject(ANSI_VAR_FONT));
    EXPECT_NE(CFont::FromHandle(plain.m_hObject), nullptr);
    plain.DeleteObject();
    EXPECT_NE(CGdiObject::FromHandle(GetStockObject(ANSI_VAR_FONT)), nullptr);
}

TEST(GdiObjects, FontDescriptionKeepsItsStoredLayout)
{
    EXPECT_EQ(sizeof(LOGFONT), 60u);
    EXPECT_EQ(offsetof(LOGFONT, lfWeight), 16u);
    EXPECT_EQ(offsetof(LOGFONT, lfItalic), 20u);
    EXPECT_EQ(offsetof(LOGFONT, lfPitchAndFamily), 27u);
    EXPECT_EQ(offsetof(LOGFONT, lfFaceName), 28u);
    const LOGFONT message = platform::MessageFontDescription();
    EXPECT_EQ(message.lfHeight, -11);
    EXPECT_STREQ(message.lfFaceName, "MS Sans Serif");
}

TEST(SystemColours, HaveTheClassicDefaultsAtTheirIndices)
{
    const struct {
        int index;
        int number;
        COLORREF colour;
    } cases[] = {
        {COLOR_WINDOW, 5, 0xFFFFFF},         {COLOR_WINDOWTEXT, 8, 0x000000},  {COLOR_HIGHLIGHT, 13, 0x800000},
        {COLOR_HIGHLIGHTTEXT, 14, 0xFFFFFF}, {COLOR_BTNFACE, 15, 0xC0C0C0},    {COLOR_BTNSHADOW, 16, 0x808080},
        {COLOR_GRAYTEXT, 17, 0x808080},      {COLOR_BTNHIGHLIGHT, 20, 0xFFFFFF}, {COLOR_3DDKSHADOW, 21, 0x000000},
        {COLOR_INFOTEXT, 23, 0x000000},      {COLOR_INFOBK, 24, 0xE1FFFF},     {COLOR_ACTIVECAPTION, 2, 0x800000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.index, c.number);
        EXPECT_EQ(GetSysColor(c.index), c.colour) << "index " << c.index;
    }
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(1000), 0u);
}

TEST(SystemColours, BrushesPaintTheCurrentValue)
{
    Canvas canvas(4, 4);
    const HBRUSH brush = GetSysColorBrush(COLOR_INFOBK);
    EXPECT_EQ(brush, GetSysColorBrush(COLOR_INFOBK));
    platform::SetSysColorValue(COLOR_INFOBK, RGB(10, 20, 30));
    const CRect all(0, 0, 4, 4);
    canvas.dc.FillRect(&all, CBrush::FromHandle(brush));
    platform::ResetSysColors();
    EXPECT_EQ(canvas.At(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), 0xE1FFFFu);
}

TEST(Fonts, FaceNamesMapToTheirKindOfFace)
{
    const struct {
        const char* name;
        const char* family;
    } cases[] = {
        {"MS Sans Serif", "DejaVu Sans"}, {"MS Shell Dlg", "DejaVu Sans"},     {"Tahoma", "DejaVu Sans"},
        {"Arial", "DejaVu Sans"},         {"Times New Roman", "DejaVu Serif"}, {"Courier New", "DejaVu Sans Mono"},
        {"", "DejaVu Sans"},
    };
    for (const auto& c : cases) {
        const LOGFONT lf = platform::MakeLogFont(-11, c.name);
        EXPECT_EQ(platform::FontEngine::Instance().Realize(lf, -11, 0).Family(), c.family) << c.name;
    }
}

TEST(Fonts, RealizedFontsAreSharedPerFaceSizeAndStyle)
{
    platform::FontEngine& engine = platform::FontEngine::Instance();
    const LOGFONT plain = platform::MakeLogFont(-11, "Arial");
    platform::RealizedFont& font = engine.Realize(plain, -11, 0);
    EXPECT_EQ(&engine.Realize(plain, -11, 0), &font);
    EXPECT_EQ(&font.GlyphOf('A'), &font.GlyphOf('A'));
    EXPECT_NE(&engine.Realize(plain, -12, 0), &font);
    LOGFONT bold = plain, italic = plain;
    bold.lfWeight = FW_BOLD;
    italic.lfItalic = 1;
    EXPECT_NE(&engine.Realize(bold, -11, 0), &font);
    EXPECT_NE(&engine.Realize(italic, -11, 0), &font);
    EXPECT_NE(&engine.Realize(bold, -11, 0), &engine.Realize(italic, -11, 0));
}

TEST(Fonts, HeightSignSelectsCharacterOrCellHeight)
{
    Canvas canvas(10, 10);
    TEXTMETRIC tm;
    CFont character, cell;
    LOGFONT lf = platform::MakeLogFont(-20, "Arial");
    character.CreateFontIndirect(&lf);
    lf.lfHeight = 20;
    cell.CreateFontIndirect(&lf);

    canvas.dc.SelectObject(&character);
    canvas.dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    canvas.dc.SelectObject(&cell);
    canvas.dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 20);
    canvas.dc.SelectStockObject(SYSTEM_FONT);
}

TEST(Fonts, BoldWeightInksMore)
{
    auto inkOf = [](int weight) {
        Canvas canvas(120, 30);
        CFont font;
        const LOGFONT lf = platform::MakeLogFont(-12, "MS Sans Serif", weight);
        font.CreateFontIndirect(&lf);
        canvas.dc.SelectObject(&font);
        canvas.dc.TextOut(2, 2, CString("Weight test"));
        canvas.dc.SelectStockObject(SYSTEM_FONT);
        return canvas.InkCount();
    };
    const int normal = inkOf(FW_NORMAL);
    EXPECT_GT(inkOf(FW_BOLD), normal * 11 / 10);
    EXPECT_GT(inkOf(FW_SEMIBOLD), normal * 11 / 10);
}

TEST(Fonts, PointSizesFollowTheContextResolution)
{
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(80, "MS Sans Serif"));
    LOGFONT lf;
    screenFont.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");

    platform::Surface page(100, 100);
    CDC printer;
    printer.AttachPrinterSurface(&page, 300);
    CFont printerFont;
    ASSERT_TRUE(printerFont.CreatePointFont(80, "Times New Roman", &printer));
    printerFont.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -33);
}

} // namespace
