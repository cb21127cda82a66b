#include "WindowTestSupport.h"

using namespace wintest;

namespace {

class FocusCaptureTest : public WindowSystemTest {
protected:
    void SetUp() override
    {
        WindowSystemTest::SetUp();
        MakeTop(top, CRect(0, 0, 300, 200));
        MakeChild(a, top, CRect(0, 0, 100, 100), 1);
        MakeChild(b, top, CRect(100, 0, 200, 100), 2);
    }
    Recorder top{"top"}, a{"a"}, b{"b"};
};

TEST_F(FocusCaptureTest, FocusMovesWithKillFocusToTheOldWindowBeforeSetFocusToTheNew)
{
    a.SetFocus();
    TheJournal().Watch({WM_SETFOCUS, WM_KILLFOCUS});
    HWND focusDuringKill = nullptr;
    a.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KILLFOCUS)
            focusDuringKill = ::GetFocus();
        return std::nullopt;
    };

    EXPECT_EQ(::SetFocus(b), a.m_hWnd);

    EXPECT_EQ(TheJournal().lines, (std::vector<std::string>{"a WM_KILLFOCUS", "b WM_SETFOCUS"}));
    EXPECT_EQ(a.received.back().wParam, reinterpret_cast<WPARAM>(b.m_hWnd));
    EXPECT_EQ(b.received.back().wParam, reinterpret_cast<WPARAM>(a.m_hWnd));
    EXPECT_EQ(focusDuringKill, b.m_hWnd);
    EXPECT_EQ(::GetFocus(), b.m_hWnd);
}

// An editor that hands the focus on while it loses it must not be told twice, and the window
// that was passed over must not be told it has the focus.
TEST_F(FocusCaptureTest, FocusMovedAgainWhileBeingLostIsReportedOnce)
{
    Recorder c("c");
    MakeChild(c, top, CRect(0, 100, 100, 200), 3);
    a.SetFocus();
    a.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KILLFOCUS)
            c.SetFocus();
        return std::nullopt;
    };
    TheJournal().Watch({WM_SETFOCUS, WM_KILLFOCUS});

    top.SetFocus();

    EXPECT_EQ(TheJournal().lines,
              (std::vector<std::string>{"a WM_KILLFOCUS", "top WM_KILLFOCUS", "c WM_SETFOCUS"}));
    EXPECT_EQ(::GetFocus(), c.m_hWnd);
}

TEST_F(FocusCaptureTest, CaptureChangesAreReportedToTheWindowLosingIt)
{
    TheJournal().Watch({WM_CAPTURECHANGED});
    EXPECT_EQ(a.SetCapture(), nullptr);
    b.SetCapture();
    EXPECT_EQ(a.received.back().lParam, reinterpret_cast<LPARAM>(b.m_hWnd));
    ::ReleaseCapture();
    EXPECT_EQ(b.received.back().lParam, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(TheJournal().lines, (std::vector<std::string>{"a WM_CAPTURECHANGED", "b WM_CAPTURECHANGED"}));
}

TEST_F(FocusCaptureTest, HidingOrDestroyingAWindowGivesUpItsFocusAndCapture)
{
    a.SetFocus();
    a.SetCapture();
    a.ShowWindow(SW_HIDE);
    EXPECT_EQ(::GetFocus(), top.m_hWnd);
    EXPECT_EQ(::GetCapture(), nullptr);

    b.SetFocus();
    b.SetCapture();
    HWND gone = b.m_hWnd;
    b.DestroyWindow();
    EXPECT_FALSE(IsWindow(gone));
    EXPECT_EQ(::GetFocus(), top.m_hWnd);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(FocusCaptureTest, FocusInAnotherTopLevelWindowActivatesIt)
{
    Recorder other("other");
    MakeTop(other, CRect(400, 0, 500, 100), WS_POPUP | WS_VISIBLE);
    a.SetFocus();
    EXPECT_EQ(::GetActiveWindow(), top.m_hWnd);
    TheJournal().Watch({WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS});
    other.SetFocus();
    EXPECT_EQ(::GetActiveWindow(), other.m_hWnd);
    EXPECT_EQ(TheJournal().lines, (std::vector<std::string>{"top WM_ACTIVATE", "other WM_ACTIVATE", "a WM_KILLFOCUS",
                                                            "other WM_SETFOCUS"}));
    EXPECT_EQ(::GetTopWindow(nullptr), other.m_hWnd);
}

} // namespace
