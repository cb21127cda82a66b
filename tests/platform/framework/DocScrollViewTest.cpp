#include "DocViewFixture.h"
#include "platform/framework/ScrollView.h"

using namespace docview;

namespace {

const COLORREF kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);

// Content of a given size, white, with a red square at (300, 200) to (340, 240).
class CDvScrollView : public CScrollView {
    DECLARE_DYNCREATE(CDvScrollView)
public:
    static inline CSize content = CSize(1000, 800);

    void OnInitialUpdate() override
    {
        CScrollView::OnInitialUpdate();
        SetScrollSizes(MM_TEXT, content);
    }
    void OnDraw(CDC* dc) override
    {
        const CRect all(0, 0, content.cx, content.cy), square(300, 200, 340, 240);
        dc->FillSolidRect(&all, kWhite);
        dc->FillSolidRect(&square, kRed);
    }
};

IMPLEMENT_DYNCREATE(CDvScrollView, CScrollView)

class ScrollViewTest : public DocViewTest {
protected:
    void SetUp() override
    {
        DocViewTest::SetUp();
        CDvScrollView::content = CSize(1000, 800);
        templ = new CMultiDocTemplate(1, RUNTIME_CLASS(CDvDoc), RUNTIME_CLASS(CMDIChildWnd),
                                      RUNTIME_CLASS(CDvScrollView), kDocString);
        app->AddDocTemplate(templ);
    }
    CDvScrollView* OpenScrollView(CSize frameSize)
    {
        CDocument* doc = templ->OpenDocumentFile(nullptr);
        if (!doc)
            return nullptr;
        POSITION pos = doc->GetFirstViewPosition();
        auto* view = dynamic_cast<CDvScrollView*>(doc->GetNextView(pos));
        view->GetParentFrame()->MoveWindow(0, 0, frameSize.cx, frameSize.cy);
        platform::RunUntilIdle();
        return view;
    }
    static CSize ClientSize(CWnd* wnd)
    {
        CRect client;
        wnd->GetClientRect(&client);
        return client.Size();
    }
};

} // namespace

TEST_F(ScrollViewTest, AScrolledViewDrawsItsContentMovedByTheScrollPosition)
{
    CDvScrollView* view = OpenScrollView(CSize(400, 300));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ClientPixel(view->m_hWnd, 305, 205), kRed);
    EXPECT_EQ(ClientPixel(view->m_hWnd, 5, 5), kWhite);

    view->ScrollToPosition(CPoint(250, 150));
    platform::RunUntilIdle();
    EXPECT_EQ(view->GetScrollPosition(), CPoint(250, 150));
    EXPECT_EQ(ClientPixel(view->m_hWnd, 55, 55), kRed);
    EXPECT_EQ(ClientPixel(view->m_hWnd, 49, 49), kWhite);
    EXPECT_EQ(ClientPixel(view->m_hWnd, 91, 91), kWhite);

    // The whole window repainted gives the same picture as the scrolled pixels.
    view->Invalidate();
    platform::RunUntilIdle();
    EXPECT_EQ(ClientPixel(view->m_hWnd, 55, 55), kRed);
    EXPECT_EQ(ClientPixel(view->m_hWnd, 91, 91), kWhite);
}

TEST_F(ScrollViewTest, ScrollBarsAppearOnlyWhereTheContentDoesNotFit)
{
    CDvScrollView::content = CSize(10, 10);
    CDvScrollView* view = OpenScrollView(CSize(400, 300));
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
    const CSize room = ClientSize(view);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    struct Case {
        const char* what;
        CSize content;
        BOOL horizontal, vertical;
    };
    const Case cases[] = {
        {"exactly fits", room, FALSE, FALSE},
        {"too high", CSize(room.cx / 2, room.cy + 1), FALSE, TRUE},
        {"too wide", CSize(room.cx + 1, room.cy / 2), TRUE, FALSE},
        {"too high, and too wide beside the vertical bar", CSize(room.cx - bar / 2, room.cy * 3), TRUE, TRUE},
        {"fits again", CSize(room.cx / 2, room.cy / 2), FALSE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view->SetScrollSizes(MM_TEXT, c.content);
        EXPECT_EQ((view->GetStyle() & WS_HSCROLL) != 0, c.horizontal != 0);
        EXPECT_EQ((view->GetStyle() & WS_VSCROLL) != 0, c.vertical != 0);
        const CSize visible = ClientSize(view);
        EXPECT_EQ(view->GetScrollLimit(SB_VERT), c.vertical ? c.content.cy - visible.cy : 0);
        EXPECT_EQ(view->GetScrollLimit(SB_HORZ), c.horizontal ? c.content.cx - visible.cx : 0);
    }
}

TEST_F(ScrollViewTest, BarsWheelAndKeysStepByLinePageAndWheelLines)
{
    CDvScrollView* view = OpenScrollView(CSize(400, 300));
    ASSERT_NE(view, nullptr);
    const int page = ClientSize(view).cy, line = page / 10;
    const int limit = 800 - page;
    struct Step {
        const char* what;
        void (*act)(CWnd* view);
        int expected; // vertical position after the step, from the top
    };
    const Step steps[] = {
        {"line down", [](CWnd* v) { v->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0)); }, line},
        {"page down", [](CWnd* v) { v->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0)); }, line + page},
        {"wheel towards the user",
         [](CWnd* v) { v->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(-WHEEL_DELTA))), 0); },
         line + page + 3 * line},
        {"line up", [](CWnd* v) { v->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0)); }, page + 3 * line},
        {"bottom", [](CWnd* v) { v->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0)); }, limit},
        {"page down at the bottom", [](CWnd* v) { v->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0)); }, limit},
        {"top", [](CWnd* v) { v->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0)); }, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act(view);
        EXPECT_EQ(view->GetScrollPosition().y, std::min(s.expected, limit));
    }
    EXPECT_EQ(view->GetScrollPosition().x, 0);
}
