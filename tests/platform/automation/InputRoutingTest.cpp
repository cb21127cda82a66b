#include "tests/platform/win/WindowTestSupport.h"

#include "platform/automation/Automation.h"
#include "platform/win/Cursor.h"

using namespace wintest;
using platform::Automation;

namespace {

class InputRoutingTest : public WindowSystemTest {
protected:
    void SetUp() override
    {
        WindowSystemTest::SetUp();
        MakeTop(top, CRect(100, 100, 400, 300));
        MakeChild(left, top, CRect(0, 0, 150, 200), 1);
        MakeChild(right, top, CRect(150, 0, 300, 200), 2);
        auto_.RunUntilIdle();
        for (Recorder* r : {&top, &left, &right})
            r->received.clear();
    }
    Automation& auto_ = Automation::Instance();
    Recorder top{"top"}, left{"left"}, right{"right"};
};

TEST_F(InputRoutingTest, PointerGoesToTheWindowUnderItAfterHitTestAndCursorQueries)
{
    TheJournal().Watch({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP});
    auto_.Click(CPoint(260, 110));
    auto_.RunUntilIdle();
    EXPECT_EQ(TheJournal().lines,
              (std::vector<std::string>{"right WM_NCHITTEST", "right WM_SETCURSOR", "top WM_SETCURSOR", "right WM_MOUSEMOVE",
                                        "right WM_NCHITTEST", "right WM_SETCURSOR", "top WM_SETCURSOR",
                                        "right WM_LBUTTONDOWN", "right WM_NCHITTEST", "right WM_SETCURSOR",
                                        "top WM_SETCURSOR", "right WM_LBUTTONUP"}));
    const MSG& up = right.received.back();
    EXPECT_EQ(CPoint(GET_X_LPARAM(up.lParam), GET_Y_LPARAM(up.lParam)), CPoint(10, 10)) << "client coordinates";
    EXPECT_EQ(::GetCursor(), LoadStandardCursor(IDC_ARROW)) << "the class cursor";
}

TEST_F(InputRoutingTest, PointerGoesToTheCaptureWindowWhereverItIs)
{
    left.SetCapture();
    auto_.Press(CPoint(260, 110));
    auto_.MoveTo(CPoint(600, 500));
    auto_.Release(CPoint(600, 500));
    auto_.RunUntilIdle();
    EXPECT_EQ(right.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(left.Count(WM_SETCURSOR), 0) << "no cursor queries while captured";
    ASSERT_EQ(left.Count(WM_LBUTTONUP), 1);
    const MSG& up = left.received.back();
    EXPECT_EQ(CPoint(GET_X_LPARAM(up.lParam), GET_Y_LPARAM(up.lParam)), CPoint(500, 400));
}

TEST_F(InputRoutingTest, ModifiersAndButtonsShowInTheFlagsAndTheKeyState)
{
    short shiftDuringPress = 0;
    left.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_LBUTTONDOWN)
            shiftDuringPress = GetKeyState(VK_SHIFT);
        return std::nullopt;
    };
    auto_.Click(CPoint(110, 110), MK_SHIFT);
    auto_.RunUntilIdle();
    auto down = std::find_if(left.received.begin(), left.received.end(), [](const MSG& m) { return m.message == WM_LBUTTONDOWN; });
    ASSERT_NE(down, left.received.end());
    EXPECT_EQ(down->wParam, WPARAM(MK_LBUTTON | MK_SHIFT));
    EXPECT_LT(shiftDuringPress, 0);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0) << "released";
}

TEST_F(InputRoutingTest, DoubleClickNeedsAClassThatAsksForIt)
{
    WNDCLASS plain;
    plain.lpszClassName = "PlainClicks";
    AfxRegisterClass(&plain);
    Recorder single("single");
    single.CreateEx(0, "PlainClicks", "", WS_CHILD | WS_VISIBLE, CRect(0, 100, 100, 200), &top, 3);
    auto_.DoubleClick(CPoint(110, 110));
    auto_.DoubleClick(CPoint(110, 210));
    auto_.RunUntilIdle();
    EXPECT_EQ(left.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(left.Count(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(single.Count(WM_LBUTTONDOWN), 2);
    EXPECT_EQ(single.Count(WM_LBUTTONDBLCLK), 0);
}

TEST_F(InputRoutingTest, KeysAndCharactersGoToTheFocusWindow)
{
    right.SetFocus();
    TheJournal().Watch({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
    auto_.Type("a1");
    auto_.Key(VK_DOWN);
    auto_.RunUntilIdle();
    EXPECT_EQ(TheJournal().lines,
              (std::vector<std::string>{"right WM_KEYDOWN", "right WM_CHAR", "right WM_KEYUP", "right WM_KEYDOWN",
                                        "right WM_CHAR", "right WM_KEYUP", "right WM_KEYDOWN", "right WM_KEYUP"}));
    EXPECT_EQ(left.Count(WM_KEYDOWN), 0);
}

TEST_F(InputRoutingTest, ControlKeyStateFollowsQueuedInputAndMakesControlCharacters)
{
    right.SetFocus();
    std::vector<std::pair<WPARAM, bool>> keys;
    right.onMessage = [&](UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KEYDOWN || m == WM_CHAR)
            keys.emplace_back(m == WM_CHAR ? w + 1000 : w, GetKeyState(VK_CONTROL) < 0);
        return std::nullopt;
    };
    auto_.Key('C', MK_CONTROL);
    auto_.Key('C');
    auto_.RunUntilIdle();
    EXPECT_EQ(keys, (std::vector<std::pair<WPARAM, bool>>{
                        {VK_CONTROL, true}, {'C', true}, {1003, true}, {'C', false}, {1000 + 'c', false}}));
}

TEST_F(InputRoutingTest, WheelGoesToTheFocusWindowAndUpToItsParent)
{
    left.SetFocus();
    auto_.Wheel(-240, CPoint(300, 150));
    auto_.RunUntilIdle();
    ASSERT_EQ(left.Count(WM_MOUSEWHEEL), 1);
    ASSERT_EQ(top.Count(WM_MOUSEWHEEL), 1) << "passed on by default processing";
    const MSG& wheel = top.received.back();
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel.wParam), -240);
    EXPECT_EQ(CPoint(GET_X_LPARAM(wheel.lParam), GET_Y_LPARAM(wheel.lParam)), CPoint(300, 150)) << "screen point";
}

TEST_F(InputRoutingTest, ClicksOnADisabledWindowAreIgnored)
{
    top.EnableWindow(FALSE);
    auto_.Click(CPoint(110, 110));
    auto_.RunUntilIdle();
    EXPECT_EQ(left.Count(WM_LBUTTONDOWN) + top.Count(WM_LBUTTONDOWN), 0);
    EXPECT_TRUE(auto_.LogContains("disabled"));
}

TEST_F(InputRoutingTest, ConfinedPointerStaysInItsRectangle)
{
    const CRect area(150, 150, 200, 200);
    ClipCursor(&area);
    auto_.MoveTo(CPoint(10, 400));
    auto_.RunUntilIdle();
    POINT at;
    GetCursorPos(&at);
    EXPECT_EQ(CPoint(at), CPoint(150, 199));
    ClipCursor(nullptr);
}

TEST_F(InputRoutingTest, TimerTicksArriveInOrderWithQueuedInput)
{
    right.SetFocus();
    right.SetTimer(513, 25);
    TheJournal().Watch({WM_TIMER, WM_KEYDOWN});
    auto_.KeyDown(VK_LEFT);
    auto_.AdvanceClock(50);
    auto_.KeyDown(VK_RIGHT);
    auto_.RunUntilIdle();
    EXPECT_EQ(TheJournal().lines,
              (std::vector<std::string>{"right WM_KEYDOWN", "right WM_TIMER", "right WM_TIMER", "right WM_KEYDOWN"}));
    EXPECT_TRUE(auto_.LogContains("clock: advance 50 ms to 50"));
}

} // namespace
