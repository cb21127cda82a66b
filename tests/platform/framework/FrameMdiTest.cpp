#include <algorithm>

#include "DocViewFixture.h"

using namespace docview;

namespace {

// An MDI child that may set its outer size before creation, as a plug-in's frame does, and that
// writes its resize and MDI activation notifications into the journal.
class CDvChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(CDvChild)
public:
    static inline int presetWidth = 0;
    static inline int presetHeight = 0;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        if (presetWidth)
            cs.cx = presetWidth;
        if (presetHeight)
            cs.cy = presetHeight;
        return CMDIChildWnd::PreCreateWindow(cs);
    }
    CSize lastSize;

protected:
    void OnSize(UINT type, int cx, int cy) override
    {
        CMDIChildWnd::OnSize(type, cx, cy);
        lastSize = CSize(cx, cy);
    }
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) override
    {
        Journal().push_back(NameOf(this) + (activate ? " activated" : " deactivated") + " (on: " + NameOf(activated) +
                            ", off: " + NameOf(deactivated) + ")");
        CMDIChildWnd::OnMDIActivate(activate, activated, deactivated);
    }
    static std::string NameOf(CWnd* wnd)
    {
        auto* frame = dynamic_cast<CFrameWnd*>(wnd);
        return frame && frame->GetActiveView() ? Name(frame->GetActiveView()) : "null";
    }
};

IMPLEMENT_DYNCREATE(CDvChild, CMDIChildWnd)

class FrameTest : public DocViewTest {
protected:
    void SetUp() override
    {
        DocViewTest::SetUp();
        CDvChild::presetWidth = CDvChild::presetHeight = 0;
        templ = new CMultiDocTemplate(130, RUNTIME_CLASS(CDvDoc), RUNTIME_CLASS(CDvChild), RUNTIME_CLASS(CDvView),
                                      kDocString);
        app->AddDocTemplate(templ);
    }
    static CDvChild* ChildOf(CDocument* doc) { return dynamic_cast<CDvChild*>(FrameOf(doc)); }
    // The window rectangle in the MDI client's coordinates.
    CRect InClient(CWnd* frame) const
    {
        CRect rect;
        frame->GetWindowRect(&rect);
        ::ScreenToClient(mainFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rect.left));
        ::ScreenToClient(mainFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rect.right));
        return rect;
    }
    CRect ClientArea() const
    {
        CRect client;
        ::GetClientRect(mainFrame->m_hWndMDIClient, &client);
        return client;
    }
};

} // namespace

TEST_F(FrameTest, APresetSizeIsTheOuterSizeAndResizesReportTheClientSize)
{
    CDvChild::presetWidth = 400;
    CDvChild::presetHeight = 300;
    CDvDoc* doc = Open("a");
    ASSERT_NE(doc, nullptr);
    CDvChild* frame = ChildOf(doc);
    EXPECT_EQ(InClient(frame).Size(), CSize(400, 300));
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(frame->lastSize, client.Size());
    EXPECT_LT(client.Width(), 400);

    frame->MoveWindow(10, 10, 500, 350);
    frame->GetClientRect(&client);
    EXPECT_EQ(frame->lastSize, client.Size());
    // The view fills the frame's client area.
    CRect view;
    ViewOf(doc)->GetWindowRect(&view);
    EXPECT_EQ(view.Size(), client.Size());
}

TEST_F(FrameTest, WithoutAPresetSizeChildrenTakeThreeQuartersOfTheClientAreaCascading)
{
    CDvDoc* first = Open("a");
    CDvDoc* second = Open("b");
    ASSERT_TRUE(first && second);
    const CRect area = ClientArea();
    const CSize expected(area.Width() * 3 / 4, area.Height() * 3 / 4);
    const CRect a = InClient(FrameOf(first)), b = InClient(FrameOf(second));
    EXPECT_EQ(a.Size(), expected);
    EXPECT_EQ(b.Size(), expected);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    EXPECT_EQ(b.TopLeft(), a.TopLeft() + CSize(step, step));

    // Only a width: the height is the default.
    CDvChild::presetWidth = 333;
    CDvDoc* third = Open("c");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(InClient(FrameOf(third)).Size(), CSize(333, expected.cy));
}

TEST_F(FrameTest, PlacementKeepsTheNormalRectangleThroughEveryShowState)
{
    CDvDoc* doc = Open("a");
    ASSERT_NE(doc, nullptr);
    CMDIChildWnd* frame = FrameOf(doc);
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(frame->GetWindowPlacement(&placement));
    EXPECT_EQ(placement.showCmd, UINT(SW_SHOWNORMAL));
    EXPECT_EQ(CRect(placement.rcNormalPosition), InClient(frame));

    placement.rcNormalPosition = CRect(30, 40, 330, 240);
    ASSERT_TRUE(frame->SetWindowPlacement(&placement));
    EXPECT_EQ(InClient(frame), CRect(30, 40, 330, 240));
    WINDOWPLACEMENT again;
    frame->GetWindowPlacement(&again);
    EXPECT_EQ(CRect(again.rcNormalPosition), CRect(30, 40, 330, 240));

    frame->MDIMaximize();
    ASSERT_TRUE(frame->IsZoomed());
    EXPECT_EQ(InClient(frame), ClientArea());
    frame->GetWindowPlacement(&again);
    EXPECT_EQ(again.showCmd, UINT(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CRect(again.rcNormalPosition), CRect(30, 40, 330, 240));
    // A new normal rectangle for a maximised window waits for the restore.
    again.rcNormalPosition = CRect(50, 60, 250, 200);
    frame->SetWindowPlacement(&again);
    EXPECT_TRUE(frame->IsZoomed());
    frame->MDIRestore();
    EXPECT_FALSE(frame->IsZoomed());
    EXPECT_EQ(InClient(frame), CRect(50, 60, 250, 200));

    frame->ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(frame->IsIconic());
    frame->GetWindowPlacement(&again);
    EXPECT_EQ(again.showCmd, UINT(SW_SHOWMINIMIZED));
    EXPECT_EQ(CRect(again.rcNormalPosition), CRect(50, 60, 250, 200));
    // Bringing the frame forward restores it.
    frame->ActivateFrame();
    EXPECT_FALSE(frame->IsIconic());
    EXPECT_EQ(InClient(frame), CRect(50, 60, 250, 200));
    EXPECT_EQ(mainFrame->MDIGetActive(), frame);
}

TEST_F(FrameTest, SwitchingChildrenDeactivatesTheOldViewAndActivatesTheNew)
{
    CDvDoc* a = Open("a");
    CDvDoc* b = Open("b");
    ASSERT_TRUE(a && b);
    ASSERT_EQ(mainFrame->MDIGetActive(), FrameOf(b));

    Journal().clear();
    FrameOf(a)->MDIActivate();
    const std::vector<std::string> byCall = {
        "b deactivated (on: a, off: b)", "b deactivate(b, b)",
        "a activated (on: a, off: b)",   "a activate(a, a)",
    };
    EXPECT_EQ(Journal(), byCall);
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(a));
    EXPECT_EQ(CWnd::GetFocus(), ViewOf(a));

    // A click into the other child's view activates that child first.
    Journal().clear();
    ViewOf(b)->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    platform::RunUntilIdle();
    const std::vector<std::string> byClick = {
        "a deactivated (on: b, off: a)", "a deactivate(a, a)",
        "b activated (on: b, off: a)",   "b activate(b, b)",
    };
    EXPECT_EQ(Journal(), byClick);
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(b));

    // Brought to the front, a child becomes the active one.
    FrameOf(a)->BringWindowToTop();
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(a));
    EXPECT_EQ(::GetWindow(mainFrame->m_hWndMDIClient, GW_CHILD), FrameOf(a)->m_hWnd);
}

TEST_F(FrameTest, HidingOrClosingTheActiveChildActivatesTheNextShownOne)
{
    CDvDoc* a = Open("a");
    CDvDoc* b = Open("b");
    ASSERT_TRUE(a && b);
    FrameOf(b)->ShowWindow(SW_HIDE);
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(a));
    EXPECT_EQ(CWnd::GetFocus(), ViewOf(a));

    // Shown again while another is active, it stays in the background.
    FrameOf(b)->ShowWindow(SW_SHOW);
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(a));

    Journal().clear();
    FrameOf(a)->SendMessage(WM_CLOSE);
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(b));
    EXPECT_NE(std::find(Journal().begin(), Journal().end(), "a deactivate(a, a)"), Journal().end());
    EXPECT_NE(std::find(Journal().begin(), Journal().end(), "b activate(b, b)"), Journal().end());

    // With every child hidden none is active; the first one shown again becomes active.
    FrameOf(b)->ShowWindow(SW_HIDE);
    EXPECT_EQ(mainFrame->MDIGetActive(), nullptr);
    FrameOf(b)->ShowWindow(SW_SHOW);
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(b));
}
