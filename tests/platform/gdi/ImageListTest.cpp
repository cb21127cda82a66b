#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "BmpWriter.h"
#include "Canvas.h"
#include "platform/gdi/BmpDecoder.h"
#include "platform/gdi/ImageList.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF green = RGB(0, 128, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF black = RGB(0, 0, 0);

void fill(platform::Surface& s, int left, int top, int right, int bottom, COLORREF colour)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            s.Row(y)[x] = platform::ToPixel(colour);
}

// Two 16 x 16 pictures on white: a red square, and a blue square with a black bottom-left pixel.
platform::Surface strip()
{
    platform::Surface s(32, 16, platform::ToPixel(white));
    fill(s, 3, 4, 7, 8, red);
    fill(s, 24, 2, 28, 6, blue);
    fill(s, 16, 15, 17, 16, black);
    return s;
}

TEST(Bmp, DecodesEveryDepthAndRowOrder)
{
    const platform::Surface picture = strip();
    for (int bits : {4, 8, 24})
        for (bool topDown : {false, true}) {
            const std::vector<uint8_t> bytes = MakeBmp(picture, bits, topDown);
            const std::optional<platform::Surface> decoded = platform::DecodeBmp(bytes.data(), bytes.size());
            ASSERT_TRUE(decoded) << bits << " bits";
            EXPECT_EQ(decoded->pixels, picture.pixels) << bits << " bits, top-down " << topDown;
        }
}

TEST(Bmp, RefusesBrokenFiles)
{
    const std::vector<uint8_t> good = MakeBmp(strip(), 4, false);
    auto set32 = [](std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = uint8_t(v >> (8 * i));
    };
    const struct {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> spoil;
    } cases[] = {
        {"cut short", [](std::vector<uint8_t>& b) { b.pop_back(); }},
        {"not a bitmap", [](std::vector<uint8_t>& b) { b[0] = 'X'; }},
        {"compressed", [&](std::vector<uint8_t>& b) { set32(b, 30, 2); }},
        {"no width", [&](std::vector<uint8_t>& b) { set32(b, 18, 0); }},
        {"absurdly large", [&](std::vector<uint8_t>& b) { set32(b, 18, 1u << 20), set32(b, 22, 1u << 20); }},
        {"pixels beyond the end", [&](std::vector<uint8_t>& b) { set32(b, 10, 0xFFFFFFF0u); }},
        {"palette beyond the end", [&](std::vector<uint8_t>& b) { set32(b, 46, 0x10000000u); }},
        {"only the headers", [](std::vector<uint8_t>& b) { b.resize(20); }},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = good;
        c.spoil(bytes);
        EXPECT_FALSE(platform::DecodeBmp(bytes.data(), bytes.size())) << c.name;
        CBitmap bitmap;
        EXPECT_FALSE(bitmap.LoadFromBmpData(bytes.data(), bytes.size())) << c.name;
    }
    EXPECT_FALSE(platform::DecodeBmp(nullptr, 100));
}

struct ImageListFixture : ::testing::Test {
    CImageList list;
    void SetUp() override
    {
        const std::vector<uint8_t> bytes = MakeBmp(strip(), 4, false);
        ASSERT_TRUE(list.CreateFromBmpData(bytes.data(), bytes.size(), 16, 1, white));
    }
};

TEST_F(ImageListFixture, CutsTheStripIntoPicturesAndDrawsWhiteAsTransparent)
{
    EXPECT_EQ(list.GetImageCount(), 2);
    IMAGEINFO info;
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(CRect(info.rcImage), CRect(16, 0, 32, 16));
    EXPECT_FALSE(list.GetImageInfo(2, &info));

    Canvas canvas(60, 30, green);
    ASSERT_TRUE(list.Draw(&canvas.dc, 0, CPoint(5, 5), ILD_TRANSPARENT));
    ASSERT_TRUE(list.Draw(&canvas.dc, 1, CPoint(30, 5), ILD_NORMAL));
    EXPECT_EQ(canvas.At(5 + 3, 5 + 4), red);
    EXPECT_EQ(canvas.At(5 + 6, 5 + 7), red);
    EXPECT_EQ(canvas.At(5, 5), green);
    EXPECT_EQ(canvas.At(5 + 7, 5 + 7), green);
    EXPECT_EQ(canvas.At(30 + 8, 5 + 2), blue);
    EXPECT_EQ(canvas.At(30, 5 + 15), black);
    EXPECT_EQ(canvas.At(31, 5), green);
    EXPECT_FALSE(list.Draw(&canvas.dc, 2, CPoint(0, 0), ILD_NORMAL));
}

TEST_F(ImageListFixture, BackgroundColourFillsTransparentPartsUnlessDrawnTransparent)
{
    constexpr COLORREF yellow = RGB(255, 255, 0);
    EXPECT_EQ(list.SetBkColor(yellow), CLR_NONE);
    Canvas canvas(40, 20, green);
    list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_NORMAL);
    list.Draw(&canvas.dc, 0, CPoint(20, 0), ILD_TRANSPARENT);
    EXPECT_EQ(canvas.At(0, 0), yellow);
    EXPECT_EQ(canvas.At(3, 4), red);
    EXPECT_EQ(canvas.At(20, 0), green);
    EXPECT_EQ(canvas.dc.GetBkColor(), white); // the context's own background colour is left alone
}

TEST_F(ImageListFixture, DrawsThroughTheMapping)
{
    Canvas canvas(40, 40, green);
    canvas.dc.SetMapMode(MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(1, 1);
    canvas.dc.SetViewportExt(2, 2);
    list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(canvas.At(6, 8), red);
    EXPECT_EQ(canvas.At(13, 15), red);
    EXPECT_EQ(canvas.At(5, 8), green);
    EXPECT_EQ(canvas.At(14, 15), green);
}

TEST(ImageList, AddsBitmapsToAnEmptyList)
{
    platform::Surface picture(16, 8, platform::ToPixel(white));
    fill(picture, 0, 0, 4, 4, red);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromSurface(picture));
    for (UINT flags : {ILC_COLOR24 | ILC_MASK, ILC_COLOR24}) {
        CImageList list;
        ASSERT_TRUE(list.Create(8, 8, flags, 0, 1));
        EXPECT_EQ(list.GetImageCount(), 0);
        EXPECT_EQ(list.Add(&bitmap, white), 0);
        EXPECT_EQ(list.Add(&bitmap, white), 2);
        EXPECT_EQ(list.GetImageCount(), 4);
        Canvas canvas(10, 10, green);
        list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_TRANSPARENT);
        EXPECT_EQ(canvas.At(1, 1), red);
        // Only a list with masks has transparent parts.
        EXPECT_EQ(canvas.At(6, 6), (flags & ILC_MASK) ? green : white);
    }
}

TEST(ImageList, LoadsABitmapResourceByNumber)
{
    const std::vector<uint8_t> bytes = MakeBmp(strip(), 4, false);
    platform::SetBitmapResourceFinder([&](UINT id) -> std::optional<platform::BmpBytes> {
        if (id != 141)
            return std::nullopt;
        return platform::BmpBytes{bytes.data(), bytes.size()};
    });
    CImageList found, missing;
    EXPECT_TRUE(found.Create(141, 16, 1, white));
    EXPECT_EQ(found.GetImageCount(), 2);
    EXPECT_FALSE(missing.Create(142, 16, 1, white));
    platform::SetBitmapResourceFinder(nullptr);
}

} // namespace
