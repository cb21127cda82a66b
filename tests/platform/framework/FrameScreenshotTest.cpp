#include <filesystem>

#include "DocViewFixture.h"
#include "platform/automation/Automation.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/SysColors.h"

using namespace docview;

namespace {

COLORREF PicturePixel(const platform::Surface& picture, CPoint at)
{
    const uint32_t p = picture.Row(at.y)[at.x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// A point of a child's caption (its title bar, left of the close box) in the main frame's picture.
CPoint CaptionPoint(CWnd* mainFrame, CWnd* child)
{
    CRect frameRect, childRect;
    mainFrame->GetWindowRect(&frameRect);
    child->GetWindowRect(&childRect);
    const int border = GetSystemMetrics(SM_CXFRAME);
    return CPoint(childRect.left - frameRect.left + childRect.Width() / 2,
                  childRect.top - frameRect.top + border + GetSystemMetrics(SM_CYCAPTION) / 2);
}

} // namespace

// The picture is kept in the test's working folder for people to look at.
TEST_F(DocViewTest, ScreenshotOfTheMainFrameShowsBothChildrenWithTheActiveCaptionOnTop)
{
    CDvDoc* first = Open("first", RGB(255, 255, 200));
    CDvDoc* second = Open("second", RGB(200, 230, 255));
    ASSERT_TRUE(first && second);
    first->SetTitle("First document");
    second->SetTitle("Second document");
    platform::RunUntilIdle();

    const std::string path = (std::filesystem::current_path() / "docview-mdi-two-children.png").string();
    ASSERT_TRUE(platform::Automation::Screenshot(mainFrame->m_hWnd, path));
    platform::Surface picture;
    ASSERT_TRUE(platform::ReadPng(path.c_str(), picture));
    CRect frameRect;
    mainFrame->GetWindowRect(&frameRect);
    EXPECT_EQ(picture.width, frameRect.Width());

    EXPECT_EQ(PicturePixel(picture, CaptionPoint(mainFrame, FrameOf(second))), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(PicturePixel(picture, CaptionPoint(mainFrame, FrameOf(first))), GetSysColor(COLOR_INACTIVECAPTION));
    // The second child lies over the first: its view's colour shows where they overlap.
    CRect secondView;
    ViewOf(second)->GetWindowRect(&secondView);
    const CPoint inside(secondView.left - frameRect.left + 20, secondView.top - frameRect.top + 20);
    EXPECT_EQ(PicturePixel(picture, inside), RGB(200, 230, 255));
}
