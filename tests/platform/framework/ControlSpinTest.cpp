#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

constexpr DWORD kBuddyStyle = UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS;

class ControlSpinTest : public DialogFixture {
protected:
    // An edit and, made right after it, an up-down control that takes it as its buddy.
    void Make(DWORD spinStyle, int lower, int upper)
    {
        sink.Make();
        edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 70, 30), &sink, 10);
        spin.Create(WS_VISIBLE | spinStyle, CRect(200, 100, 216, 140), &sink, 11);
        spin.SetRange32(lower, upper);
    }
    std::string BuddyText() const
    {
        CString text;
        edit.GetWindowText(text);
        return text.str();
    }
    CPoint Arrow(BOOL up) const
    {
        CRect client;
        spin.GetClientRect(&client);
        return platform::Automation::ToScreen(spin.m_hWnd, CPoint(client.Width() / 2, up ? 2 : client.bottom - 3));
    }

    NotificationSink sink;
    CEdit edit;
    CSpinButtonCtrl spin;
};

TEST_F(ControlSpinTest, PositionIsInvalidWhenTheBuddyTextIsNotAWholeNumberWithinTheRange)
{
    const struct {
        DWORD extraStyle;
        const char* text;
        BOOL error;
        int position;
    } cases[] = {
        {0, "42", FALSE, 42},
        {0, " 7 ", FALSE, 7},
        {0, "0", FALSE, 0},
        {0, "", TRUE, 25},
        {0, "abc", TRUE, 25},
        {0, "4 2", TRUE, 25},
        {0, "100", TRUE, 25},
        {0, "-1", TRUE, 25},
        {0, "99999999999", TRUE, 25},
        {0, "1,5", FALSE, 15},
        {UDS_NOTHOUSANDS, "1,5", TRUE, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        driver.Reset();
        Make(kBuddyStyle | c.extraStyle, 0, 99);
        spin.SetPos32(25);
        edit.SetWindowText(c.text);
        BOOL error = !c.error;
        EXPECT_EQ(spin.GetPos32(&error), c.position);
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(ControlSpinTest, SetPositionStaysInTheRangeAndWritesTheBuddysNumber)
{
    Make(kBuddyStyle, 0, 5000);
    EXPECT_EQ(spin.SetPos32(1234), 0);
    EXPECT_EQ(BuddyText(), "1,234");
    spin.SetPos32(9000);
    EXPECT_EQ(BuddyText(), "5,000");
    EXPECT_EQ(spin.GetPos32(), 5000);
    int lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(std::make_pair(lower, upper), std::make_pair(0, 5000));
}

TEST_F(ControlSpinTest, ArrowClicksStepWithinTheRangeAndTellTheParent)
{
    Make(kBuddyStyle | UDS_NOTHOUSANDS, 10, 12);
    spin.SetPos32(11);
    for (BOOL up : {TRUE, TRUE, FALSE, FALSE, FALSE})
        driver.Click(Arrow(up));
    driver.RunUntilIdle();

    EXPECT_EQ(spin.GetPos32(), 10);
    EXPECT_EQ(BuddyText(), "10");
    std::vector<UINT> positions;
    for (const auto& [code, pos] : sink.scrolls)
        if (code == SB_THUMBPOSITION)
            positions.push_back(pos);
    // The second click up and the last click down find the position at the end of the range.
    EXPECT_EQ(positions, (std::vector<UINT>{12, 11, 10}));
}

TEST_F(ControlSpinTest, ArrowKeysInTheBuddyStepOnlyWithUdsArrowKeys)
{
    for (DWORD style : {kBuddyStyle, kBuddyStyle & ~DWORD(UDS_ARROWKEYS)}) {
        SCOPED_TRACE(style);
        driver.Reset();
        Make(style, 0, 20);
        spin.SetPos32(5);
        edit.SetFocus();
        driver.Key(VK_UP);
        driver.Key(VK_UP);
        driver.Key(VK_DOWN);
        driver.RunUntilIdle();
        EXPECT_EQ(BuddyText(), (style & UDS_ARROWKEYS) ? "6" : "5");
    }
}

TEST_F(ControlSpinTest, StepTakesTheTypedNumberFirst)
{
    Make(kBuddyStyle, 0, 99);
    spin.SetPos32(5);
    edit.SetWindowText("40");
    driver.Click(Arrow(TRUE));
    driver.RunUntilIdle();
    EXPECT_EQ(BuddyText(), "41");
}

TEST_F(ControlSpinTest, AttachedToTheRightEdgeOfItsBuddy)
{
    Make(kBuddyStyle, 0, 10);
    CRect buddy, self;
    edit.GetWindowRect(&buddy);
    spin.GetWindowRect(&self);
    EXPECT_EQ(spin.GetBuddy(), &edit);
    EXPECT_EQ(buddy.Width(), 60 - 16);
    EXPECT_EQ(self, CRect(buddy.right, buddy.top, buddy.right + 16, buddy.bottom));
}

} // namespace
