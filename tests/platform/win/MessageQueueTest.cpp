#include "WindowTestSupport.h"

#include "platform/win/EventLog.h"
#include "platform/win/InputEvent.h"
#include "platform/win/InputState.h"
#include "platform/win/MessageQueue.h"

using namespace wintest;

namespace {

using MessageQueueTest = WindowSystemTest;

TEST_F(MessageQueueTest, PostedMessageArrivesAfterTheSentOnes)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    TheJournal().Watch({WM_USER, WM_USER + 1, WM_USER + 2});
    w.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            w.PostMessage(WM_USER + 2);
            w.SendMessage(WM_USER + 1);
        }
        return std::nullopt;
    };
    w.PostMessage(WM_USER);
    platform::RunUntilIdle();
    EXPECT_EQ(TheJournal().lines, (std::vector<std::string>{"w WM_USER", "w WM_USER+1", "w WM_USER+2"}));
}

TEST_F(MessageQueueTest, PostingToNoWindowFailsAndMessagesOfADestroyedWindowAreDropped)
{
    Recorder w("w");
    HWND hwnd = MakeTop(w, CRect(0, 0, 100, 100));
    EXPECT_TRUE(::PostMessage(hwnd, WM_USER));
    w.DestroyWindow();
    EXPECT_FALSE(::PostMessage(hwnd, WM_USER));
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, QuitEndsGetMessageAfterThePostedMessages)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    w.UpdateWindow();
    PostQuitMessage(3);
    w.PostMessage(WM_USER);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_USER));
    EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0)) << "nothing left: the loop ends instead of waiting";
}

TEST_F(MessageQueueTest, ModalLoopEndsWhenItsConditionComesTrue)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    BOOL done = FALSE;
    w.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER)
            done = TRUE;
        return std::nullopt;
    };
    w.PostMessage(WM_USER);
    w.PostMessage(WM_USER + 1);
    EXPECT_EQ(platform::RunModalLoop([&] { return done; }, "dialog"), platform::LoopEnd::Ended);
    EXPECT_EQ(w.Count(WM_USER + 1), 0) << "the loop stops as soon as it has ended";
}

TEST_F(MessageQueueTest, ModalLoopEndsItselfAsCancelledWhenInputRunsDry)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    w.PostMessage(WM_USER);
    EXPECT_EQ(platform::RunModalLoop([] { return FALSE; }, "Sign treaty dialog"), platform::LoopEnd::RanDry);
    EXPECT_EQ(w.Count(WM_USER), 1);
    EXPECT_TRUE(platform::EventLog::Instance().Contains("Sign treaty dialog: input ran dry, cancelled"));
}

TEST_F(MessageQueueTest, RunawayLoopIsStoppedAndLogged)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    w.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER)
            w.PostMessage(WM_USER);
        return std::nullopt;
    };
    w.PostMessage(WM_USER);
    platform::RunUntilIdle();
    EXPECT_TRUE(platform::EventLog::Instance().Contains("message loop: stopped after"));
}

TEST_F(MessageQueueTest, TimerFiresAtItsVirtualTimeAndNotBefore)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    std::vector<DWORD> firedAt;
    w.onMessage = [&](UINT m, WPARAM id, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER && id == 513)
            firedAt.push_back(GetTickCount());
        return std::nullopt;
    };
    ASSERT_EQ(w.SetTimer(513, 25), 513u);
    auto advance = [](DWORD ms) {
        platform::InputEvent step;
        step.kind = platform::InputEvent::Kind::AdvanceClock;
        step.milliseconds = ms;
        platform::MessageQueue::Instance().QueueInput(step);
        platform::RunUntilIdle();
    };
    advance(24);
    EXPECT_TRUE(firedAt.empty());
    advance(1);
    EXPECT_EQ(firedAt, (std::vector<DWORD>{25}));
    advance(60);
    EXPECT_EQ(firedAt, (std::vector<DWORD>{25, 50, 75})) << "each tick at its own time";
    w.KillTimer(513);
    advance(100);
    EXPECT_EQ(firedAt.size(), 3u);
    EXPECT_EQ(GetTickCount(), 185u);
}

TEST_F(MessageQueueTest, TimersOfZeroPeriodAreRaisedToTheMinimumAndKillingDropsAWaitingTick)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    w.SetTimer(1, 0);
    platform::InputEvent step;
    step.kind = platform::InputEvent::Kind::AdvanceClock;
    step.milliseconds = 10;
    platform::MessageQueue::Instance().QueueInput(step);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_TIMER));
    w.KillTimer(1);
    platform::RunUntilIdle();
    EXPECT_EQ(w.Count(WM_TIMER), 0);
    EXPECT_FALSE(::KillTimer(w.m_hWnd, 1));
}

TEST_F(MessageQueueTest, TranslateMessageMakesCharactersOfKeys)
{
    struct Case {
        UINT key;
        BOOL shift, control;
        int expected;
    } cases[] = {
        {'A', FALSE, FALSE, 'a'}, {'A', TRUE, FALSE, 'A'}, {'C', FALSE, TRUE, 3},      {'5', FALSE, FALSE, '5'},
        {'5', TRUE, FALSE, '%'},  {VK_RETURN, FALSE, FALSE, '\r'}, {VK_ESCAPE, FALSE, FALSE, 27},
        {VK_LEFT, FALSE, FALSE, 0}, {VK_DELETE, FALSE, FALSE, 0},
    };
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 100, 100));
    for (const Case& c : cases) {
        platform::RunUntilIdle();
        auto& input = platform::InputState::Instance();
        input.SetKey(VK_SHIFT, c.shift);
        input.SetKey(VK_CONTROL, c.control);
        MSG key;
        key.hwnd = w.m_hWnd;
        key.message = WM_KEYDOWN;
        key.wParam = c.key;
        EXPECT_EQ(TranslateMessage(&key), c.expected != 0) << c.key;
        MSG ch;
        if (c.expected) {
            ASSERT_TRUE(PeekMessage(&ch, nullptr, 0, 0, PM_REMOVE));
            EXPECT_EQ(ch.message, UINT(WM_CHAR));
            EXPECT_EQ(int(ch.wParam), c.expected) << c.key;
        }
    }
}

} // namespace
