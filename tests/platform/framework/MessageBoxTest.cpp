#include <filesystem>

#include "DialogTestSupport.h"
#include "platform/framework/ModuleState.h"
#include "platform/gdi/Png.h"

using namespace dialogtest;

namespace {

class MessageBoxTest : public DialogFixture {
protected:
    void TearDown() override
    {
        platform::SetMessageBoxObserver(nullptr);
        DialogFixture::TearDown();
    }
};

TEST_F(MessageBoxTest, AnswersComeFromTheScriptOrAreTheWayOutAndEveryBoxIsLogged)
{
    const struct {
        UINT type;
        int queued; // 0: none
        int answer;
        const char* logged;
    } cases[] = {
        {MB_YESNO | MB_ICONQUESTION, IDYES, IDYES, "message box 'Pacts': Break the pact? -> IDYES"},
        {MB_OK, 0, IDOK, "message box 'Pacts': Break the pact? -> no answer queued, IDOK"},
        {MB_OKCANCEL, 0, IDCANCEL, "-> no answer queued, IDCANCEL"},
        {MB_YESNO, 0, IDNO, "-> no answer queued, IDNO"},
        {MB_YESNOCANCEL | MB_ICONSTOP, 0, IDCANCEL, "-> no answer queued, IDCANCEL"},
    };
    NotificationSink owner;
    owner.Make();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        driver.ClearLog();
        if (c.queued)
            driver.QueueMessageBoxAnswer(c.queued);
        EXPECT_EQ(owner.MessageBox("Break the pact?", "Pacts", c.type), c.answer);
        EXPECT_TRUE(driver.LogContains(c.logged));
    }
}

TEST_F(MessageBoxTest, AfxMessageBoxIsCaptionedWithTheApplicationsName)
{
    AFX_MODULE_STATE plugin("plugin");
    plugin.m_lpszCurrentAppName = "Growthmark";
    AFX_MAINTAIN_STATE scope(&plugin);
    EXPECT_EQ(AfxMessageBox("Select planet,pls."), IDOK);
    EXPECT_TRUE(driver.LogContains("message box 'Growthmark': Select planet,pls. -> no answer queued, IDOK"));
}

// While the box is up it covers its owner, which takes no input, and shows the buttons of its
// type and the icon of its kind.
TEST_F(MessageBoxTest, BoxShowsButtonsAndIconOverItsDisabledOwner)
{
    const struct {
        UINT type;
        std::vector<int> buttons;
        int preferred;
        POINT inIcon;
        COLORREF colour;
    } cases[] = {
        {MB_OK | MB_ICONSTOP, {IDOK}, IDOK, {16, 4}, RGB(255, 0, 0)},
        {MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL, {10, 26}, RGB(255, 255, 0)},
        {MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}, IDYES, {16, 3}, RGB(255, 255, 255)},
        {MB_YESNO | MB_ICONINFORMATION, {IDYES, IDNO}, IDYES, {16, 3}, RGB(255, 255, 255)},
    };
    NotificationSink owner;
    owner.Make();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        std::vector<int> buttons;
        int preferred = 0;
        BOOL ownerEnabled = TRUE;
        COLORREF inIcon = 0;
        platform::SetMessageBoxObserver([&](HWND box) {
            ownerEnabled = owner.IsWindowEnabled();
            for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                buttons.insert(buttons.begin(), ::GetDlgCtrlID(child));
                if (::SendMessage(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
                    preferred = ::GetDlgCtrlID(child);
            }
            const platform::Surface picture = platform::Automation::Capture(box);
            // The icon's square starts 12 pixels into the client area.
            POINT at{12 + c.inIcon.x, 12 + c.inIcon.y};
            ::ClientToScreen(box, &at);
            CRect window;
            ::GetWindowRect(box, &window);
            const uint32_t pixel = picture.Row(at.y - window.top)[at.x - window.left];
            inIcon = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        });
        owner.MessageBox("The pact with Vega ends in 2 turns.", "Pacts", c.type);
        EXPECT_FALSE(ownerEnabled);
        EXPECT_TRUE(owner.IsWindowEnabled());
        EXPECT_EQ(buttons, c.buttons);
        EXPECT_EQ(preferred, c.preferred);
        EXPECT_EQ(inIcon, c.colour);
    }
}

TEST_F(MessageBoxTest, PictureOfABox)
{
    const std::string path = (std::filesystem::current_path() / "message-box.png").string();
    platform::SetMessageBoxObserver([&](HWND box) { platform::Automation::Screenshot(box, path); });
    AfxMessageBox("Sign a pact with Vega from turn 10 till turn 20?", MB_YESNO | MB_ICONQUESTION);
    platform::Surface picture;
    EXPECT_TRUE(platform::ReadPng(path.c_str(), picture));
    EXPECT_GT(picture.width, 200);
}

} // namespace
