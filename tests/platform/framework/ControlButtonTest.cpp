// Buttons and labels.
#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

class ControlButtonTest : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        sink.Make();
    }
    CButton& Add(const char* text, DWORD style, int id)
    {
        buttons.push_back(std::make_unique<CButton>());
        const int top = 10 + 20 * int(buttons.size());
        buttons.back()->Create(text, WS_VISIBLE | style, CRect(10, top, 200, top + 18), &sink, UINT(id));
        return *buttons.back();
    }
    std::vector<int> Checks() const
    {
        std::vector<int> checks;
        for (const auto& button : buttons)
            checks.push_back(button->GetCheck());
        return checks;
    }

    NotificationSink sink;
    std::vector<std::unique_ptr<CButton>> buttons;
};

TEST_F(ControlButtonTest, AutomaticRadioButtonClearsTheOthersOfItsGroupOnly)
{
    Add("Status", BS_AUTORADIOBUTTON | WS_GROUP, 1);
    Add("Custom1", BS_AUTORADIOBUTTON, 2);
    Add("Custom2", BS_AUTORADIOBUTTON, 3);
    Add("Other group", BS_AUTORADIOBUTTON | WS_GROUP, 4);
    buttons[0]->SetCheck(BST_CHECKED);
    buttons[3]->SetCheck(BST_CHECKED);

    driver.ClickButton(3, sink.m_hWnd);
    driver.RunUntilIdle();
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(sink.commands, (std::vector<std::pair<int, UINT>>{{3, BN_CLICKED}}));
    EXPECT_EQ(::GetFocus(), buttons[2]->m_hWnd);
}

TEST_F(ControlButtonTest, ClickAndSpaceBarPressButtonsAndAutomaticCheckBoxesToggle)
{
    const struct {
        const char* name;
        DWORD style;
        std::function<void(platform::Automation&, CButton&)> press;
        int check;
    } cases[] = {
        {"pointer on a push button", BS_PUSHBUTTON,
         [](auto& d, auto& b) { d.Click(platform::Automation::ToScreen(b.m_hWnd, CPoint(5, 5))); }, 0},
        {"space bar on a push button", BS_DEFPUSHBUTTON, [](auto& d, auto& b) { b.SetFocus(), d.Key(VK_SPACE); }, 0},
        {"pointer on a check box", BS_AUTOCHECKBOX,
         [](auto& d, auto& b) { d.Click(platform::Automation::ToScreen(b.m_hWnd, CPoint(5, 5))); }, 1},
        {"space bar on a check box", BS_AUTOCHECKBOX, [](auto& d, auto& b) { b.SetFocus(), d.Key(VK_SPACE); }, 1},
        {"a plain check box stays", BS_CHECKBOX, [](auto& d, auto& b) { b.SetFocus(), d.Key(VK_SPACE); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        driver.Reset();
        buttons.clear();
        sink.commands.clear();
        sink.Make();
        CButton& button = Add("Press", c.style, 9);
        c.press(driver, button);
        driver.RunUntilIdle();
        EXPECT_EQ(sink.Count(9, BN_CLICKED), 1);
        EXPECT_EQ(button.GetCheck(), c.check);
    }
}

TEST_F(ControlButtonTest, PointerReleasedOutsideTheButtonIsNoClick)
{
    CButton& button = Add("Press", BS_PUSHBUTTON, 9);
    driver.Drag(platform::Automation::ToScreen(button.m_hWnd, CPoint(5, 5)),
                platform::Automation::ToScreen(button.m_hWnd, CPoint(5, 60)));
    driver.RunUntilIdle();
    EXPECT_EQ(sink.Count(9, BN_CLICKED), 0);
}

TEST_F(ControlButtonTest, LabelBreaksItsTextIntoLinesAndAligns)
{
    const struct {
        DWORD style;
        int minLeft, maxLeft;
    } cases[] = {{SS_LEFT, 0, 3}, {SS_CENTER, 60, 140}, {SS_RIGHT, 150, 240}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        CStatic label;
        label.Create("Growth mark 2.02\nPlanet", WS_VISIBLE | c.style, CRect(0, 200, 240, 240), &sink);
        const platform::Surface picture = platform::Automation::Capture(label.m_hWnd);
        std::vector<int> inkRows;
        int left = picture.width;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                if ((picture.Row(y)[x] & 0xFF) < 0x60) {
                    if (inkRows.empty() || inkRows.back() != y)
                        inkRows.push_back(y);
                    // The second line is the shorter one; where it starts tells the alignment.
                    if (y > picture.height / 2)
                        left = std::min(left, x);
                }
        ASSERT_FALSE(inkRows.empty());
        EXPECT_GT(inkRows.back() - inkRows.front(), picture.height / 3);
        EXPECT_GE(left, c.minLeft);
        EXPECT_LE(left, c.maxLeft);
    }
}

} // namespace
