#include <cstdlib>
#include <functional>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>

#include "Canvas.h"
#include "platform/gdi/StockObjects.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);

// A canvas with the message font selected.
struct TextCanvas : Canvas {
    CFont font;
    TEXTMETRIC tm;

    TextCanvas(int width, int height, int fontHeight = -11) : Canvas(width, height)
    {
        const LOGFONT lf = platform::MakeLogFont(fontHeight, "MS Sans Serif");
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.GetTextMetrics(&tm);
    }
    ~TextCanvas() { dc.SelectStockObject(SYSTEM_FONT); }

    CRect Calc(const char* text, int width, UINT format)
    {
        CRect r(0, 0, width, 1);
        dc.DrawText(text, -1, &r, format | DT_CALCRECT);
        return r;
    }
    int Width(const char* text) { return dc.GetTextExtent(text, -1).cx; }
};

struct PlacementCase {
    const char* name;
    UINT format;
    std::function<void(const CRect& ink, const CRect& box, const TEXTMETRIC& tm)> check;
};

TEST(DrawText, PlacesTheInkAsTheFormatSays)
{
    auto near = [](int value, int low, int high) { return value >= low && value <= high; };
    const PlacementCase cases[] = {
        {"left", DT_LEFT | DT_SINGLELINE,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC&) {
             EXPECT_TRUE(near(ink.left - box.left, 0, 2));
         }},
        {"centre", DT_CENTER | DT_SINGLELINE,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC&) {
             EXPECT_LE(std::abs((ink.left + ink.right) - (box.left + box.right)), 4);
         }},
        {"right", DT_RIGHT | DT_SINGLELINE,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC&) {
             EXPECT_TRUE(near(box.right - ink.right, 0, 2));
         }},
        {"top", DT_TOP | DT_SINGLELINE,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC& tm) {
             EXPECT_TRUE(near(ink.top - box.top, 0, tm.tmInternalLeading + 2));
         }},
        {"vertical centre", DT_VCENTER | DT_SINGLELINE,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC&) {
             EXPECT_LE(std::abs((ink.top + ink.bottom) - (box.top + box.bottom)), 6);
         }},
        {"bottom", DT_BOTTOM | DT_SINGLELINE,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC& tm) {
             EXPECT_TRUE(near(box.bottom - ink.bottom, 0, tm.tmDescent + 1)); // the baseline sits a descent up
         }},
        {"vertical centre applies to single lines only", DT_VCENTER | DT_WORDBREAK,
         [&](const CRect& ink, const CRect& box, const TEXTMETRIC& tm) {
             EXPECT_TRUE(near(ink.top - box.top, 0, tm.tmInternalLeading + 2));
         }},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextCanvas canvas(200, 60);
        CRect box(10, 5, 190, 55);
        canvas.dc.DrawText("Turn 12", -1, &box, c.format);
        const std::optional<CRect> ink = canvas.Ink();
        ASSERT_TRUE(ink);
        c.check(*ink, box, canvas.tm);
    }
}

TEST(DrawText, CutsAnOverlongSingleLineWithDots)
{
    const char* text = "llllllllllllllllllllllllllllllllllll";
    TextCanvas canvas(100, 20);
    CRect box(0, 0, 60, 20);
    canvas.dc.DrawText(text, -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS);
    const std::optional<CRect> ink = canvas.Ink();
    ASSERT_TRUE(ink);
    EXPECT_LE(ink->right, box.right);
    // The last columns hold the three dots, which sit on the baseline; no tall letter is there.
    const int dots = canvas.Width("...");
    const int baseline = box.top + canvas.tm.tmAscent;
    for (int x = ink->right - dots + 2; x < ink->right; ++x)
        for (int y = 0; y < baseline - 3; ++y)
            ASSERT_EQ(canvas.At(x, y), white) << x << "," << y;
    EXPECT_NE(canvas.At(ink->left, baseline - 6), white);
    EXPECT_LE(canvas.Calc(text, 60, DT_SINGLELINE | DT_END_ELLIPSIS).Width(), 60);
    EXPECT_EQ(canvas.Calc("ll", 60, DT_SINGLELINE | DT_END_ELLIPSIS).Width(), canvas.Width("ll"));

    TextCanvas plain(100, 20);
    plain.dc.DrawText(text, -1, &box, DT_SINGLELINE);
    // Without the flag the text runs to the edge (up to the gap between two letters) and is clipped there.
    EXPECT_LE(plain.Ink()->right, box.right);
    EXPECT_GT(plain.Ink()->right, box.right - plain.Width("l"));
}

TEST(DrawText, WordBreaksAddLinesAndCalcRectCountsThem)
{
    TextCanvas canvas(10, 10);
    const int line = canvas.tm.tmHeight;
    const char* text = "one two three four five six";
    const CRect narrow = canvas.Calc(text, 60, DT_WORDBREAK);
    EXPECT_GE(narrow.Height(), 3 * line);
    EXPECT_EQ(narrow.Height() % line, 0);
    EXPECT_LE(narrow.Width(), 60);
    const CRect wide = canvas.Calc(text, 1000, DT_WORDBREAK);
    EXPECT_EQ(wide.Height(), line);
    EXPECT_EQ(wide.Width(), canvas.Width(text));
    // A word wider than the rectangle keeps a line of its own and widens the rectangle, unless
    // the text is laid out as an edit control does.
    const char* longWord = "ab abcdefghijklmnopqrstuvwxyz cd";
    const CRect word = canvas.Calc(longWord, 40, DT_WORDBREAK);
    EXPECT_EQ(word.Width(), canvas.Width("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(word.Height(), 3 * line);
    const CRect edit = canvas.Calc(longWord, 40, DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_LE(edit.Width(), 40);
    EXPECT_GT(edit.Height(), 3 * line);
    // Line ends start new lines, unless the text is one line.
    EXPECT_EQ(canvas.Calc("a\r\nb\nc", 1000, 0).Height(), 3 * line);
    EXPECT_EQ(canvas.Calc("a\r\nb\nc", 1000, DT_SINGLELINE).Height(), line);
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing)
{
    TextCanvas canvas(100, 30);
    CRect r(5, 5, 6, 6);
    EXPECT_EQ(canvas.dc.DrawText("Turn", -1, &r, DT_CALCRECT | DT_SINGLELINE), canvas.tm.tmHeight);
    EXPECT_EQ(r, CRect(5, 5, 5 + canvas.Width("Turn"), 5 + canvas.tm.tmHeight));
    EXPECT_EQ(canvas.InkCount(), 0);
}

TEST(DrawText, AmpersandsMarkUnderlinedLettersUnlessNoPrefix)
{
    TextCanvas canvas(100, 30);
    EXPECT_EQ(canvas.Calc("&File", 1000, DT_SINGLELINE).Width(), canvas.Width("File"));
    EXPECT_EQ(canvas.Calc("A&&B", 1000, DT_SINGLELINE).Width(), canvas.Width("A&B"));
    EXPECT_EQ(canvas.Calc("&File", 1000, DT_SINGLELINE | DT_NOPREFIX).Width(), canvas.Width("&File"));

    CRect box(2, 2, 98, 28);
    canvas.dc.DrawText("&File", -1, &box, DT_SINGLELINE);
    // The underline runs below the baseline under the F, where the letters leave no ink.
    const int baseline = box.top + canvas.tm.tmAscent;
    bool underlined = false;
    for (int y = baseline; y < box.top + canvas.tm.tmHeight; ++y)
        underlined = underlined || canvas.At(box.left + 2, y) != white;
    EXPECT_TRUE(underlined);
}

TEST(DrawText, ExpandsTabsToEightAverageCharacters)
{
    TextCanvas canvas(10, 10);
    const int tab = 8 * canvas.tm.tmAveCharWidth;
    EXPECT_EQ(canvas.Calc("a\tb", 1000, DT_SINGLELINE | DT_EXPANDTABS).Width(), tab + canvas.Width("b"));
    EXPECT_EQ(canvas.Calc("a\tb", 1000, DT_SINGLELINE).Width(), canvas.Width("ab"));
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip)
{
    for (UINT noClip : {0u, DT_NOCLIP}) {
        TextCanvas canvas(100, 30);
        CRect box(10, 10, 20, 15);
        canvas.dc.DrawText("Wide text", -1, &box, DT_SINGLELINE | noClip);
        const CRect ink = *canvas.Ink();
        CRect inside;
        inside.IntersectRect(ink, box);
        if (noClip)
            EXPECT_NE(inside, ink);
        else
            EXPECT_EQ(inside, ink);
    }
}

TEST(Text, AnisotropicMappingScalesGlyphsButNotLogicalMetrics)
{
    auto measure = [](bool scaled) {
        TextCanvas canvas(200, 80, -9);
        if (scaled) {
            canvas.dc.SetMapMode(MM_ANISOTROPIC);
            canvas.dc.SetWindowExt(100, 100);
            canvas.dc.SetViewportExt(300, 300);
        }
        TEXTMETRIC tm;
        canvas.dc.GetTextMetrics(&tm);
        const int width = canvas.dc.GetTextExtent("HHHH", 4).cx;
        canvas.dc.TextOut(1, 1, "H", 1);
        return std::tuple(tm.tmHeight, width, canvas.Ink()->Height());
    };
    const auto [height, width, ink] = measure(false);
    const auto [scaledHeight, scaledWidth, scaledInk] = measure(true);
    EXPECT_NEAR(scaledHeight, height, 1);
    EXPECT_NEAR(scaledWidth, width, 2);
    EXPECT_GE(scaledInk * 10, ink * 26);
    EXPECT_LE(scaledInk * 10, ink * 34);
}

TEST(Text, OpaqueModeFillsTheCellAndTransparentDoesNot)
{
    constexpr COLORREF yellow = RGB(255, 255, 0);
    for (int mode : {OPAQUE, TRANSPARENT}) {
        TextCanvas canvas(60, 20);
        canvas.dc.SetBkColor(yellow);
        canvas.dc.SetBkMode(mode);
        canvas.dc.SetTextColor(RGB(0, 0, 255));
        canvas.dc.TextOut(2, 2, CString("Ab"));
        EXPECT_EQ(canvas.At(2, 2) == yellow, mode == OPAQUE);
        EXPECT_EQ(canvas.At(2, 2 + canvas.tm.tmHeight), white);
    }
}

TEST(Text, ExtTextOutFillsAndClipsToItsRectangle)
{
    TextCanvas canvas(100, 30);
    canvas.dc.SetBkColor(RGB(0, 255, 0));
    const CRect box(5, 5, 15, 25);
    canvas.dc.ExtTextOut(5, 5, ETO_OPAQUE | ETO_CLIPPED, &box, CString("Wide text"), nullptr);
    EXPECT_EQ(canvas.At(14, 24), RGB(0, 255, 0));
    EXPECT_EQ(*canvas.Ink(), box);
}

TEST(Text, CodePageBytesFindTheirGlyphs)
{
    TextCanvas canvas(100, 20);
    // The bullet, the section sign and a Cyrillic capital are all drawn, and no two alike.
    int previous = -1;
    for (const char* text : {"\x95", "\xA7", "\xC0"}) {
        Canvas cell(20, 20);
        cell.dc.SelectObject(&canvas.font);
        cell.dc.TextOut(2, 2, text, 1);
        cell.dc.SelectStockObject(SYSTEM_FONT);
        EXPECT_GT(cell.InkCount(), 0) << int(static_cast<unsigned char>(*text));
        EXPECT_NE(cell.InkCount(), previous);
        previous = cell.InkCount();
    }
}

} // namespace
