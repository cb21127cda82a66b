#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF face = 0xC0C0C0;
constexpr COLORREF shadow = 0x808080;
constexpr COLORREF light = 0xDFDFDF;

struct Probe {
    int x;
    int y;
    COLORREF colour;
};

struct PixelCase {
    const char* name;
    COLORREF background;
    std::function<void(CDC&)> draw;
    std::vector<Probe> probes;
};

CRect rect(int l, int t, int r, int b) { return CRect(l, t, r, b); }

const std::vector<PixelCase> pixelCases = {
    {"a horizontal line leaves out its end point", white,
     [](CDC& dc) { dc.MoveTo(2, 5), dc.LineTo(8, 5); },
     {{2, 5, black}, {7, 5, black}, {8, 5, white}, {1, 5, white}}},
    {"a line drawn leftwards leaves out its end point too", white,
     [](CDC& dc) { dc.MoveTo(8, 5), dc.LineTo(2, 5); },
     {{8, 5, black}, {3, 5, black}, {2, 5, white}}},
    {"a diagonal line leaves out its end point", white,
     [](CDC& dc) { dc.MoveTo(1, 1), dc.LineTo(6, 6); },
     {{1, 1, black}, {5, 5, black}, {6, 6, white}}},
    {"a wide pen draws a band centred on the line", white,
     [](CDC& dc) {
         CPen pen(PS_SOLID, 3, red);
         dc.SelectObject(&pen);
         dc.MoveTo(2, 5), dc.LineTo(9, 5);
         dc.SelectStockObject(BLACK_PEN);
     },
     {{4, 4, red}, {4, 5, red}, {4, 6, red}, {4, 3, white}, {4, 7, white}}},
    {"the null pen draws nothing", white,
     [](CDC& dc) {
         CPen pen(PS_NULL, 1, red);
         dc.SelectObject(&pen);
         dc.MoveTo(2, 5), dc.LineTo(9, 5);
         dc.SelectStockObject(BLACK_PEN);
     },
     {{4, 5, white}}},
    {"a solid fill leaves out the right and bottom edges", white,
     [](CDC& dc) { dc.FillSolidRect(2, 2, 4, 3, red); },
     {{2, 2, red}, {5, 4, red}, {6, 4, white}, {5, 5, white}, {1, 2, white}, {2, 1, white}}},
    {"a rectangle with the null brush is an outline", face,
     [](CDC& dc) {
         dc.SelectStockObject(NULL_BRUSH);
         dc.Rectangle(2, 2, 8, 8);
     },
     {{2, 2, black}, {7, 2, black}, {7, 7, black}, {2, 7, black}, {5, 5, face}, {8, 8, face}}},
    {"a rectangle fills its inside with the brush", face,
     [](CDC& dc) { dc.Rectangle(2, 2, 8, 8); },
     {{2, 2, black}, {5, 5, white}, {6, 6, white}, {7, 7, black}}},
    {"a sunken edge is shadow over dark, highlight under light", face,
     [](CDC& dc) {
         CRect r = rect(1, 1, 9, 9);
         dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT);
     },
     {{1, 1, shadow}, {5, 1, shadow}, {1, 5, shadow}, {8, 1, white}, {1, 8, white}, {8, 8, white},
      {2, 2, black}, {5, 2, black}, {2, 5, black}, {7, 7, light}, {7, 4, light}, {4, 7, light}, {4, 4, face}}},
    {"a sunken inner edge alone lies on the rectangle's border", face,
     [](CDC& dc) {
         CRect r = rect(1, 1, 9, 9);
         dc.DrawEdge(&r, BDR_SUNKENINNER, BF_RECT);
     },
     {{1, 1, black}, {5, 1, black}, {8, 8, light}, {8, 1, light}, {2, 2, face}}},
    {"a raised edge is light over highlight, dark under shadow", face,
     [](CDC& dc) {
         CRect r = rect(1, 1, 9, 9);
         dc.DrawEdge(&r, EDGE_RAISED, BF_RECT);
     },
     {{1, 1, light}, {8, 8, black}, {2, 2, white}, {7, 7, shadow}}},
    {"an edge on some sides draws only those", face,
     [](CDC& dc) {
         CRect r = rect(1, 1, 9, 9);
         dc.DrawEdge(&r, BDR_SUNKENOUTER, BF_BOTTOM | BF_RIGHT);
     },
     {{4, 8, white}, {8, 4, white}, {4, 1, face}, {1, 4, face}}},
    {"inverting once turns white black", white,
     [](CDC& dc) { dc.PatBlt(2, 2, 3, 3, DSTINVERT); },
     {{2, 2, black}, {4, 4, black}, {5, 5, white}}},
    {"a pixel set is the pixel read", white,
     [](CDC& dc) { dc.SetPixel(3, 4, red); },
     {{3, 4, red}, {4, 4, white}}},
    {"the clip region keeps drawing inside it", white,
     [](CDC& dc) {
         dc.IntersectClipRect(3, 3, 6, 6);
         dc.FillSolidRect(0, 0, 10, 10, red);
     },
     {{3, 3, red}, {5, 5, red}, {2, 3, white}, {6, 5, white}}},
    {"the anisotropic mapping scales lines and fills", white,
     [](CDC& dc) {
         dc.SetMapMode(MM_ANISOTROPIC);
         dc.SetWindowExt(10, 10);
         dc.SetViewportExt(30, 30);
         dc.MoveTo(0, 1), dc.LineTo(3, 1);
         dc.FillSolidRect(1, 2, 1, 1, red);
     },
     {{0, 3, black}, {8, 3, black}, {9, 3, white}, {3, 6, red}, {5, 8, red}, {6, 8, white}, {3, 9, white}}},
    {"a line from far outside shows its visible part", white,
     [](CDC& dc) { dc.MoveTo(-1000000, -1000000), dc.LineTo(1000000, 1000000); },
     {{0, 0, black}, {5, 5, black}, {11, 11, black}, {5, 6, white}, {6, 5, white}}},
    {"the window origin moves logical points", white,
     [](CDC& dc) {
         dc.SetWindowOrg(10, 10);
         dc.SetPixel(12, 13, red);
     },
     {{2, 3, red}}},
};

TEST(Drawing, PutsEachPrimitiveOnThePixelsItOwns)
{
    for (const PixelCase& c : pixelCases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(12, 12, c.background);
        c.draw(canvas.dc);
        for (const Probe& p : c.probes)
            EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
    }
}

TEST(Drawing, InvertingABandTwiceRestoresIt)
{
    Canvas canvas(20, 10);
    canvas.dc.FillSolidRect(0, 0, 10, 10, RGB(12, 200, 99));
    const platform::Surface before = canvas.surface;
    const CRect band(5, 0, 7, 10);
    canvas.dc.InvertRect(&band);
    EXPECT_NE(canvas.surface.pixels, before.pixels);
    canvas.dc.InvertRect(&band);
    EXPECT_EQ(canvas.surface.pixels, before.pixels);
}

TEST(Drawing, FillSolidRectLeavesItsColourAsTheBackground)
{
    Canvas canvas(4, 4);
    canvas.dc.FillSolidRect(0, 0, 2, 2, red);
    EXPECT_EQ(canvas.dc.GetBkColor(), red);
}

TEST(Drawing, EdgesFollowChangedSystemColours)
{
    Canvas canvas(10, 10, face);
    platform::SetSysColorValue(COLOR_3DDKSHADOW, red);
    CRect r(1, 1, 9, 9);
    canvas.dc.DrawEdge(&r, BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
    platform::ResetSysColors();
    EXPECT_EQ(canvas.At(1, 1), red);
    EXPECT_EQ(r, CRect(2, 2, 8, 8));
}

TEST(Drawing, SaveAndRestoreBringBackObjectsColoursModesMappingAndClip)
{
    Canvas canvas(20, 20);
    CDC& dc = canvas.dc;
    CPen redPen(PS_SOLID, 1, red), bluePen(PS_SOLID, 1, RGB(0, 0, 255));
    dc.SelectObject(&redPen);
    dc.SetTextColor(RGB(1, 2, 3));
    const int outer = dc.SaveDC();
    dc.SelectObject(&bluePen);
    dc.SetTextColor(RGB(4, 5, 6));
    dc.SetBkMode(TRANSPARENT);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(2, 2);
    dc.IntersectClipRect(0, 0, 1, 1);
    const int inner = dc.SaveDC();
    EXPECT_EQ(inner, outer + 1);
    dc.SetTextColor(RGB(7, 8, 9));

    ASSERT_TRUE(dc.RestoreDC(outer)); // restoring an older state drops the newer ones too
    EXPECT_EQ(dc.GetCurrentPen(), &redPen);
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    CRect clip;
    dc.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, 20, 20));
    dc.MoveTo(2, 10), dc.LineTo(12, 10);
    EXPECT_EQ(canvas.At(5, 10), red);
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(inner));
}

TEST(Drawing, AttachedSurfaceHasItsOriginAndClip)
{
    platform::Surface surface(40, 30, 0x00FFFFFF);
    CDC dc;
    const RECT clip{10, 5, 30, 25};
    ASSERT_TRUE(dc.AttachSurface(&surface, CPoint(10, 5), &clip));
    EXPECT_NE(dc.GetSafeHdc(), nullptr);
    EXPECT_EQ(CDC::FromHandle(dc.GetSafeHdc()), &dc);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 20, 20));
    dc.FillSolidRect(-5, -5, 100, 100, red);
    EXPECT_EQ(surface.Row(5)[10], platform::ToPixel(red));
    EXPECT_EQ(surface.Row(24)[29], platform::ToPixel(red));
    EXPECT_EQ(surface.Row(4)[10], 0x00FFFFFFu);
    EXPECT_EQ(surface.Row(5)[30], 0x00FFFFFFu);
    // The clip box is in logical units: moving the window origin moves it.
    dc.SetWindowOrg(3, 4);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(3, 4, 23, 24));
    dc.DetachSurface();
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
}

TEST(Drawing, MemoryContextDrawsIntoItsBitmapAndBlitsOut)
{
    Canvas screen(20, 20);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen.dc));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen.dc, 6, 4));
    CBitmap* old = memory.SelectObject(&bitmap);
    ASSERT_NE(old, nullptr);
    memory.FillSolidRect(0, 0, 6, 4, red);
    memory.SetPixel(5, 3, black);
    // The memory context's window origin stands for the part of the screen it will cover.
    memory.SetWindowOrg(10, 10);
    EXPECT_EQ(memory.GetPixel(15, 13), black);
    screen.dc.BitBlt(10, 10, 6, 4, &memory, 10, 10, SRCCOPY);
    memory.SelectObject(old);
    EXPECT_EQ(screen.At(10, 10), red);
    EXPECT_EQ(screen.At(15, 13), black);
    EXPECT_EQ(screen.At(16, 13), white);
    EXPECT_EQ(screen.At(9, 10), white);
}

TEST(Drawing, OverlappingBlitWithinOneSurfaceMovesPixels)
{
    Canvas canvas(10, 3);
    for (int x = 0; x < 10; ++x)
        canvas.dc.SetPixel(x, 1, RGB(x * 20, 0, 0));
    canvas.dc.BitBlt(2, 1, 8, 1, &canvas.dc, 0, 1, SRCCOPY);
    for (int x = 2; x < 10; ++x)
        EXPECT_EQ(canvas.At(x, 1), RGB((x - 2) * 20, 0, 0));
}

TEST(Drawing, DeviceCapsTellScreenFromPrinter)
{
    Canvas screen(10, 10);
    EXPECT_EQ(screen.dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(screen.dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_FALSE(screen.dc.IsPrinting());

    platform::Surface page(2400, 3300, 0x00FFFFFF);
    CDC printer;
    ASSERT_TRUE(printer.AttachPrinterSurface(&page, 300));
    EXPECT_TRUE(printer.IsPrinting());
    EXPECT_EQ(printer.GetDeviceCaps(HORZRES), 2400);
    EXPECT_EQ(printer.GetDeviceCaps(VERTRES), 3300);
    EXPECT_EQ(printer.GetDeviceCaps(LOGPIXELSY), 300);
    EXPECT_EQ(printer.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
}

TEST(Printing, PagesStartWhiteAndGoToTheSinkWhenEnded)
{
    platform::Surface page(40, 50, 0x00123456);
    CDC printer;
    ASSERT_TRUE(printer.AttachPrinterSurface(&page, 300));
    std::vector<platform::Surface> printed;
    printer.SetPageSink([&](const platform::Surface& done) { printed.push_back(done); });
    EXPECT_EQ(printer.StartPage(), SP_ERROR); // no document yet
    ASSERT_GT(printer.StartDoc("Projection"), 0);
    for (COLORREF ink : {red, black}) {
        ASSERT_GT(printer.StartPage(), 0);
        printer.FillSolidRect(0, 0, 10, 10, ink);
        ASSERT_GT(printer.EndPage(), 0);
    }
    EXPECT_EQ(printer.EndPage(), SP_ERROR);
    EXPECT_GT(printer.EndDoc(), 0);
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].Row(5)[5], platform::ToPixel(red));
    EXPECT_EQ(printed[1].Row(5)[5], platform::ToPixel(black));
    EXPECT_EQ(printed[1].Row(20)[20], 0x00FFFFFFu);

    Canvas screen(4, 4);
    EXPECT_EQ(screen.dc.StartDoc("Projection"), SP_ERROR);
}

} // namespace
