#include "WindowTestSupport.h"

using namespace wintest;

namespace {

using ScrollBarTest = WindowSystemTest;

TEST_F(ScrollBarTest, ScrollInfoDecidesWhetherTheBarShowsAndClampsThePosition)
{
    struct Case {
        int min, max;
        UINT page;
        int pos;
        UINT extraMask;
        BOOL shown;
        int expectedPos;
    } cases[] = {
        {0, 99, 10, 95, 0, TRUE, 90},                       // the last page is the limit
        {0, 99, 100, 5, 0, FALSE, 0},                       // everything fits
        {0, 99, 100, 5, SIF_DISABLENOSCROLL, TRUE, 0},      // kept, but disabled
        {0, 0, 0, 0, 0, FALSE, 0},                          // an empty range hides the bar
        {0, 50, 0, -5, 0, TRUE, 0},                         // no page: any position in the range
        {10, 20, 0, 30, 0, TRUE, 20},
    };
    for (const Case& c : cases) {
        Recorder w("w");
        MakeTop(w, CRect(0, 0, 200, 100));
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | c.extraMask;
        info.nMin = c.min;
        info.nMax = c.max;
        info.nPage = c.page;
        info.nPos = c.pos;
        EXPECT_EQ(::SetScrollInfo(w.m_hWnd, SB_VERT, &info, TRUE), c.expectedPos);
        EXPECT_EQ((w.GetStyle() & WS_VSCROLL) != 0, c.shown != 0) << c.max << " page " << c.page;
        SCROLLINFO read;
        ASSERT_TRUE(w.GetScrollInfo(SB_VERT, &read));
        EXPECT_EQ(read.nPos, c.expectedPos);
        EXPECT_EQ(read.nTrackPos, c.expectedPos);
        w.DestroyWindow();
    }
}

TEST_F(ScrollBarTest, ShowingAndHidingABarResizesTheClientAreaAndSaysSo)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 200, 100));
    w.received.clear();
    w.SetScrollRange(SB_HORZ, 0, 500);
    ASSERT_EQ(w.Count(WM_SIZE), 1);
    EXPECT_EQ(w.received.back().lParam, MAKELPARAM(200, 84));
    w.SetScrollRange(SB_VERT, 0, 500);
    CRect client;
    w.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 184, 84));
    w.SetScrollRange(SB_HORZ, 0, 0);
    w.ShowScrollBar(SB_VERT, FALSE);
    w.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 200, 100));
    EXPECT_EQ(w.Count(WM_SIZE), 4);
}

TEST_F(ScrollBarTest, PositionsAndLimits)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 200, 100));
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = 199;
    info.nPage = 50;
    w.SetScrollInfo(SB_HORZ, &info);
    EXPECT_EQ(w.GetScrollLimit(SB_HORZ), 150);
    EXPECT_EQ(w.SetScrollPos(SB_HORZ, 400), 0);
    EXPECT_EQ(w.GetScrollPos(SB_HORZ), 150);
    int low = -1, high = -1;
    w.GetScrollRange(SB_HORZ, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 199);
}

} // namespace
