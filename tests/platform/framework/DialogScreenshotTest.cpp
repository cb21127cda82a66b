#include <filesystem>

#include "DialogTestSupport.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/SysColors.h"

using namespace dialogtest;

namespace {

COLORREF PixelAt(const platform::Surface& surface, POINT p)
{
    const uint32_t pixel = surface.Row(p.y)[p.x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// Where a control's client point lies in a picture of its dialog.
POINT InPicture(HWND dialog, int id, POINT client)
{
    POINT p = client;
    ::ClientToScreen(::GetDlgItem(dialog, id), &p);
    CRect window;
    ::GetWindowRect(dialog, &window);
    return POINT{p.x - window.left, p.y - window.top};
}

TEST_F(DialogFixture, ScreenshotOfADialogWithOneControlOfEachKind)
{
    TreatyOptionsDialog dialog;
    platform::DialogTemplate shown = TreatyOptionsTemplate();
    shown.style |= WS_VISIBLE;
    ASSERT_TRUE(dialog.CreateIndirect(shown));
    driver.SetControlText(kTill, "1200");
    platform::ControlActions::TickItem(kConditions, "Passage");
    platform::ControlActions::PickRadio(kCustom2);
    platform::ControlActions::PickComboItem(kRace, "Sirius");
    driver.FocusControl(kRace);
    driver.Key(VK_TAB);
    driver.RunUntilIdle();

    const std::string path = (std::filesystem::current_path() / "dialog-controls.png").string();
    ASSERT_TRUE(platform::Automation::Screenshot(dialog.m_hWnd, path));
    platform::Surface picture;
    ASSERT_TRUE(platform::ReadPng(path.c_str(), picture));
    CRect window;
    dialog.GetWindowRect(&window);
    EXPECT_EQ(picture.width, window.Width());
    EXPECT_EQ(picture.height, window.Height());

    // The focused edit shows its text selected, the ticked item its check mark, the picked
    // radio button its dot.
    bool highlighted = false;
    for (int y = 2; y < 12 && !highlighted; ++y)
        for (int x = 1; x < 10 && !highlighted; ++x)
            highlighted = PixelAt(picture, InPicture(dialog.m_hWnd, kFrom, {x, y})) == GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_TRUE(highlighted);
    const int row = int(dialog.conditions.SendMessage(LB_GETITEMHEIGHT));
    const int passage = dialog.conditions.FindStringExact(-1, "Passage");
    EXPECT_EQ(PixelAt(picture, InPicture(dialog.m_hWnd, kConditions, {1 + 6, passage * row + row / 2})),
              GetSysColor(COLOR_WINDOWTEXT));
    CRect radio;
    ::GetClientRect(::GetDlgItem(dialog.m_hWnd, kCustom2), &radio);
    EXPECT_EQ(PixelAt(picture, InPicture(dialog.m_hWnd, kCustom2, {5, radio.Height() / 2})), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(PixelAt(picture, InPicture(dialog.m_hWnd, kCustom1, {5, radio.Height() / 2})), GetSysColor(COLOR_WINDOW));
}

} // namespace
