#include "WindowTestSupport.h"

#include <algorithm>

using namespace wintest;

namespace {

using WindowTreeTest = WindowSystemTest;

TEST_F(WindowTreeTest, ClientAreaLeavesRoomForFrameEdgeCaptionAndScrollBars)
{
    struct Case {
        DWORD style, exStyle;
        CRect client; // relative to the window's top-left corner
    } cases[] = {
        {WS_POPUP, 0, CRect(0, 0, 200, 100)},
        {WS_POPUP | WS_BORDER, 0, CRect(1, 1, 199, 99)},
        {WS_POPUP, WS_EX_CLIENTEDGE, CRect(2, 2, 198, 98)},
        {WS_POPUP | WS_BORDER | WS_VSCROLL, 0, CRect(1, 1, 183, 99)},
        {WS_POPUP | WS_BORDER | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, CRect(3, 3, 181, 81)},
        {WS_OVERLAPPEDWINDOW, 0, CRect(4, 22, 196, 96)},
        {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, CRect(3, 18, 197, 97)},
    };
    for (const Case& c : cases) {
        Recorder w("w");
        MakeTop(w, CRect(100, 50, 300, 150), c.style | WS_VISIBLE, c.exStyle);
        CRect client;
        w.GetClientRect(&client);
        EXPECT_EQ(client, CRect(0, 0, c.client.Width(), c.client.Height())) << std::hex << c.style;
        CPoint origin(0, 0);
        w.ClientToScreen(&origin);
        EXPECT_EQ(origin, CPoint(100 + c.client.left, 50 + c.client.top)) << std::hex << c.style;
        w.DestroyWindow();
    }
}

TEST_F(WindowTreeTest, HitTestNamesThePartUnderThePoint)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 200, 120), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_VSCROLL | WS_HSCROLL);
    struct Case {
        CPoint at;
        LRESULT hit;
    } cases[] = {
        {{50, 50}, HTCLIENT},  {{190, 50}, HTVSCROLL}, {{50, 110}, HTHSCROLL}, {{50, 10}, HTCAPTION},
        {{188, 10}, HTCLOSE},  {{0, 50}, HTBORDER},    {{190, 110}, HTNOWHERE}, {{250, 50}, HTNOWHERE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(w.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.hit) << c.at.x << "," << c.at.y;
}

TEST_F(WindowTreeTest, PointsMapThroughNestedChildrenAndFindTheTopmostWindow)
{
    Recorder top("top"), child("child"), grandchild("grandchild"), popup("popup");
    MakeTop(top, CRect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE | WS_BORDER);
    MakeChild(child, top, CRect(10, 20, 110, 120), 5, WS_CHILD | WS_VISIBLE | WS_BORDER);
    MakeChild(grandchild, child, CRect(5, 5, 25, 25), 6);
    CPoint p(0, 0);
    grandchild.ClientToScreen(&p);
    EXPECT_EQ(p, CPoint(100 + 1 + 10 + 1 + 5, 100 + 1 + 20 + 1 + 5));
    EXPECT_EQ(::WindowFromPoint(p), grandchild.m_hWnd);
    EXPECT_EQ(::ChildWindowFromPoint(top, CPoint(15, 25)), child.m_hWnd);
    EXPECT_EQ(::ChildWindowFromPoint(top, CPoint(200, 150)), top.m_hWnd);
    EXPECT_EQ(top.GetDlgItem(5), &child);
    EXPECT_EQ(top.GetDescendantWindow(6), &grandchild);
    EXPECT_TRUE(top.IsChild(&grandchild));

    grandchild.EnableWindow(FALSE);
    EXPECT_EQ(::WindowFromPoint(p), child.m_hWnd) << "a disabled child leaves the point to its parent";
    MakeTop(popup, CRect(110, 110, 150, 150), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(::WindowFromPoint(CPoint(120, 120)), popup.m_hWnd);
    top.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    popup.BringWindowToTop();
    EXPECT_EQ(::WindowFromPoint(CPoint(120, 120)), top.m_hWnd) << "a topmost window stays above the others";
}

TEST_F(WindowTreeTest, DestructionReachesParentsBeforeChildrenAndOwnedWindowsFirst)
{
    Recorder top("top"), child("child"), owned("owned");
    MakeTop(top, CRect(0, 0, 100, 100));
    MakeChild(child, top, CRect(0, 0, 10, 10), 1);
    owned.CreateEx(0, TestClass(), "", WS_POPUP, 0, 0, 10, 10, top.m_hWnd, nullptr);
    EXPECT_EQ(owned.GetParent(), &top) << "the owner of a top-level window";
    TheJournal().Watch({WM_DESTROY, WM_NCDESTROY});
    HWND handle = top.m_hWnd;
    top.DestroyWindow();
    EXPECT_EQ(TheJournal().lines,
              (std::vector<std::string>{"owned WM_DESTROY", "owned WM_NCDESTROY", "top WM_DESTROY", "child WM_DESTROY",
                                        "child WM_NCDESTROY", "top WM_NCDESTROY"}));
    EXPECT_EQ(top.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(handle), nullptr) << "a stale handle names nothing";
}

class Refusing : public CWnd {
protected:
    int OnCreate(LPCREATESTRUCT) override { return -1; }
    void PostNcDestroy() override { ended = TRUE; }

public:
    BOOL ended = FALSE;
};

TEST_F(WindowTreeTest, CreationFailsForAnUnknownClassOrARefusingWindow)
{
    CWnd unknown;
    EXPECT_FALSE(unknown.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(unknown.m_hWnd, nullptr);
    Refusing refusing;
    EXPECT_FALSE(refusing.CreateEx(0, TestClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
    EXPECT_TRUE(refusing.ended);
}

TEST_F(WindowTreeTest, ClassesRegisterOnceByName)
{
    WNDCLASS info;
    info.style = CS_SAVEBITS;
    info.lpszClassName = "ZTitleTip";
    EXPECT_FALSE(GetClassInfo(nullptr, "ZTitleTip", &info));
    EXPECT_NE(RegisterClass(&info), 0);
    EXPECT_EQ(RegisterClass(&info), 0) << "a second class of the same name";
    EXPECT_TRUE(AfxRegisterClass(&info)) << "AfxRegisterClass accepts the registered one";
    WNDCLASS found;
    ASSERT_TRUE(GetClassInfo(nullptr, "ztitletip", &found));
    EXPECT_EQ(found.style, UINT(CS_SAVEBITS));
    EXPECT_EQ(found.lpfnWndProc, &::DefWindowProc);
}

TEST_F(WindowTreeTest, TextStylesAndShowStates)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 300, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    w.SetWindowText("Grothmark #12  Alpha  (Game:7)");
    CString text;
    w.GetWindowText(text);
    EXPECT_EQ(text, "Grothmark #12  Alpha  (Game:7)");
    char small[6];
    EXPECT_EQ(w.GetWindowText(small, sizeof small), 5);
    EXPECT_STREQ(small, "Groth");

    w.ShowWindow(SW_MAXIMIZE);
    EXPECT_TRUE(w.IsZoomed());
    auto lastSize = std::find_if(w.received.rbegin(), w.received.rend(), [](const MSG& m) { return m.message == WM_SIZE; });
    ASSERT_NE(lastSize, w.received.rend());
    EXPECT_EQ(lastSize->wParam, WPARAM(SIZE_MAXIMIZED));
    EXPECT_EQ(lastSize->lParam, MAKELPARAM(1024 - 8, 768 - 8 - 18));
    w.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(w.IsIconic());
    w.ShowWindow(SW_RESTORE);
    CRect rect;
    w.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 300, 200));
    EXPECT_TRUE(w.ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED));
    w.GetClientRect(&rect);
    EXPECT_EQ(rect.Width(), 300 - 8 - 16);
}

} // namespace
