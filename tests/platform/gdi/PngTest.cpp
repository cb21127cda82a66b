#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "BmpWriter.h"
#include "Canvas.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"

namespace {

std::string tempPath(const char* name) { return ::testing::TempDir() + name; }

// A bit of everything: fonts of three faces and two weights, a sunken edge, pictures, lines.
void drawSample(CDC& dc)
{
    const CRect all(0, 0, 320, 140);
    dc.FillSolidRect(&all, GetSysColor(COLOR_BTNFACE));
    const struct {
        const char* face;
        int height;
        int weight;
        const char* text;
    } lines[] = {
        {"MS Sans Serif", -11, FW_NORMAL, "Pact with Reds will expire at the turn 12 (after 2 turns)"},
        {"MS Sans Serif", -11, FW_BOLD, "  \x95 No special conditions  \xA7 \xCC\xE8\xF0"},
        {"Times New Roman", -14, FW_NORMAL, "Page 1 of 3"},
        {"Courier New", -12, FW_NORMAL, "12.50 : 3.00"},
    };
    dc.SetBkMode(TRANSPARENT);
    int y = 4;
    for (const auto& line : lines) {
        CFont font;
        const LOGFONT lf = platform::MakeLogFont(line.height, line.face, line.weight);
        font.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&font);
        dc.TextOut(6, y, CString(line.text));
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        y += tm.tmHeight + 2;
        dc.SelectObject(old);
    }
    CRect well(6, 76, 200, 132);
    dc.DrawEdge(&well, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    dc.FillSolidRect(&well, GetSysColor(COLOR_WINDOW));
    CPen grid(PS_SOLID, 1, 0xC0C0C0);
    CPen* oldPen = dc.SelectObject(&grid);
    for (int x = well.left + 40; x < well.right; x += 40)
        dc.MoveTo(x, well.top), dc.LineTo(x, well.bottom);
    dc.SelectObject(oldPen);
    CRect cell(well.left + 41, well.top, well.left + 79, well.top + 20);
    dc.DrawText("1234.56789", -1, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);

    platform::Surface pictures(32, 16, 0x00FFFFFF);
    for (int i = 0; i < 16; ++i) {
        pictures.Row(i)[i] = 0x000000FF;
        pictures.Row(i)[31 - i] = 0x00FF0000;
        pictures.Row(8)[16 + i] = 0x00FFC000;
    }
    const std::vector<uint8_t> bmp = MakeBmp(pictures, 4, false);
    CImageList list;
    list.CreateFromBmpData(bmp.data(), bmp.size(), 16, 1, RGB(255, 255, 255));
    list.Draw(&dc, 0, CPoint(well.left + 4, well.top + 24), ILD_TRANSPARENT);
    list.Draw(&dc, 1, CPoint(well.left + 24, well.top + 24), ILD_TRANSPARENT);
}

TEST(Png, SurfaceWrittenAndReadBackIsEqual)
{
    Canvas canvas(320, 140);
    drawSample(canvas.dc);
    const std::string path = tempPath("gdi-sample.png");
    ASSERT_TRUE(platform::WritePng(canvas.surface, path.c_str()));
    platform::Surface back;
    ASSERT_TRUE(platform::ReadPng(path.c_str(), back));
    EXPECT_EQ(back.width, canvas.surface.width);
    EXPECT_EQ(back.height, canvas.surface.height);
    EXPECT_EQ(back.pixels, canvas.surface.pixels);
}

TEST(Png, FailuresLeaveTheSurfaceAlone)
{
    platform::Surface surface(2, 2, 0x00123456);
    EXPECT_FALSE(platform::ReadPng(tempPath("no-such-picture.png").c_str(), surface));
    const std::string notPng = tempPath("not-a-picture.png");
    if (FILE* file = std::fopen(notPng.c_str(), "wb")) {
        std::fputs("plain text", file);
        std::fclose(file);
    }
    EXPECT_FALSE(platform::ReadPng(notPng.c_str(), surface));
    EXPECT_EQ(surface.pixels[0], 0x00123456u);
    EXPECT_FALSE(platform::WritePng(surface, "/nonexistent-folder/picture.png"));
    EXPECT_FALSE(platform::WritePng(platform::Surface(), tempPath("empty.png").c_str()));
}

} // namespace
