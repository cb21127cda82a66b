#include "WindowTestSupport.h"

#include "platform/gdi/SysColors.h"
#include "platform/win/Compose.h"

using namespace wintest;

namespace {

// Remembers what each WM_PAINT was given and leaves the erased background as it is.
class Painter : public Recorder {
public:
    Painter() : Recorder("painter") {}
    std::vector<CRect> painted, clipBoxes;

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        painted.push_back(dc.m_ps.rcPaint);
        CRect clip;
        dc.GetClipBox(&clip);
        clipBoxes.push_back(clip);
    }
};

const char* FaceClass(UINT style)
{
    static std::string names[2] = {"FaceRedraw", "FaceKeep"};
    const std::string& name = names[(style & CS_HREDRAW) ? 0 : 1];
    WNDCLASS info;
    info.style = style;
    info.hbrBackground = reinterpret_cast<HBRUSH>(uintptr_t(COLOR_BTNFACE + 1));
    info.lpszClassName = name.c_str();
    AfxRegisterClass(&info);
    return name.c_str();
}

class PaintTest : public WindowSystemTest {
protected:
    void SetUp() override
    {
        WindowSystemTest::SetUp();
        MakeTop(painter, CRect(10, 10, 210, 110));
        platform::RunUntilIdle();
        painter.painted.clear();
        painter.clipBoxes.clear();
    }
    Painter painter;
};

TEST_F(PaintTest, TwoInvalidationsCoalesceIntoOnePaintOfTheirUnion)
{
    const CRect first(10, 10, 20, 20), second(50, 30, 60, 40);
    painter.InvalidateRect(&first);
    painter.InvalidateRect(&second);
    platform::RunUntilIdle();
    ASSERT_EQ(painter.painted.size(), 1u);
    EXPECT_EQ(painter.painted[0], CRect(10, 10, 60, 40));
    EXPECT_EQ(painter.clipBoxes[0], CRect(10, 10, 60, 40));
    EXPECT_FALSE(painter.GetUpdateRect(nullptr));
}

TEST_F(PaintTest, InvalidationIsClippedToTheClientAreaAndValidationTakesBandsAway)
{
    const CRect outside(500, 500, 600, 600);
    painter.InvalidateRect(&outside);
    EXPECT_FALSE(painter.GetUpdateRect(nullptr));

    painter.Invalidate();
    const CRect top(0, 0, 200, 30);
    painter.ValidateRect(&top);
    CRect update;
    EXPECT_TRUE(painter.GetUpdateRect(&update));
    EXPECT_EQ(update, CRect(0, 30, 200, 100));
}

TEST_F(PaintTest, DefaultPaintingErasesWithTheClassBrush)
{
    Recorder face("face");
    face.CreateEx(0, FaceClass(0), "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr, nullptr);
    platform::RunUntilIdle();
    const platform::Surface picture = platform::ComposeWindow(face.m_hWnd);
    EXPECT_EQ(PixelAt(picture, 25, 20), GetSysColor(COLOR_BTNFACE));
}

TEST_F(PaintTest, ScrollWindowMovesPixelsAndInvalidatesOnlyTheUncoveredBand)
{
    {
        CClientDC dc(&painter);
        for (int y = 0; y < 100; ++y)
            dc.FillSolidRect(0, y, 200, 1, RGB(y, 0, 0));
    }
    painter.ScrollWindow(0, -10);
    CRect update;
    ASSERT_TRUE(painter.GetUpdateRect(&update));
    EXPECT_EQ(update, CRect(0, 90, 200, 100));

    platform::RunUntilIdle();
    const platform::Surface picture = platform::ComposeWindow(painter.m_hWnd);
    for (int y : {0, 45, 89})
        EXPECT_EQ(PixelAt(picture, 5, y), RGB(y + 10, 0, 0)) << y;
    EXPECT_EQ(PixelAt(picture, 5, 95), GetSysColor(COLOR_WINDOW)) << "the band is repainted";
}

TEST_F(PaintTest, ResizingRedrawsAllOrOnlyTheNewPartByClassStyle)
{
    struct Case {
        UINT classStyle;
        CRect expected;
    } cases[] = {{CS_HREDRAW | CS_VREDRAW, CRect(0, 0, 80, 60)}, {0, CRect(0, 40, 80, 60)}};
    for (const Case& c : cases) {
        Recorder w("w");
        w.CreateEx(0, FaceClass(c.classStyle), "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40, nullptr, nullptr);
        platform::RunUntilIdle();
        w.MoveWindow(0, 0, 80, 60);
        CRect update;
        EXPECT_TRUE(w.GetUpdateRect(&update));
        EXPECT_EQ(update, c.expected) << c.classStyle;
        EXPECT_EQ(w.received.back().message, UINT(WM_SIZE));
        EXPECT_EQ(w.received.back().lParam, MAKELPARAM(80, 60));
        w.DestroyWindow();
    }
}

} // namespace
