#include "tests/platform/win/WindowTestSupport.h"

#include <filesystem>

#include "platform/automation/Automation.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/SysColors.h"

using namespace wintest;
using platform::Automation;

namespace {

// Fills its client area with one colour.
class Filler : public Recorder {
public:
    explicit Filler(COLORREF colour) : Recorder("filler"), m_colour(colour) {}

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, m_colour);
    }
    COLORREF m_colour;
};

class AutomationTest : public WindowSystemTest {
protected:
    Automation& auto_ = Automation::Instance();
};

TEST_F(AutomationTest, ScreenshotComposesAParentWithItsOverlappingChildrenInZOrder)
{
    Filler parent(RGB(200, 0, 0)), lower(RGB(0, 0, 200)), upper(RGB(0, 160, 0));
    MakeTop(parent, CRect(50, 50, 250, 170), WS_POPUP | WS_VISIBLE | WS_BORDER);
    MakeChild(lower, parent, CRect(20, 20, 120, 80), 1);
    MakeChild(upper, parent, CRect(100, 60, 260, 140), 2); // overlaps lower, sticks out of the parent
    auto_.RunUntilIdle();

    const std::string path = (std::filesystem::temp_directory_path() / "automation_screenshot.png").string();
    ASSERT_TRUE(auto_.Screenshot(parent, path));
    platform::Surface picture;
    ASSERT_TRUE(platform::ReadPng(path.c_str(), picture));
    ASSERT_EQ(picture.width, 200);
    ASSERT_EQ(picture.height, 120);
    struct Case {
        int x, y;
        COLORREF expected;
        const char* what;
    } cases[] = {
        {0, 0, RGB(0, 0, 0), "border"},          {10, 10, RGB(200, 0, 0), "parent"},
        {30, 30, RGB(0, 0, 200), "lower child"}, {110, 70, RGB(0, 160, 0), "upper child over the lower"},
        {150, 110, RGB(0, 160, 0), "upper child"}, {199, 100, RGB(0, 0, 0), "child clipped at the parent's client edge"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelAt(picture, c.x, c.y), c.expected) << c.what;
    EXPECT_TRUE(auto_.LogContains("screenshot of"));
}

// A dialog-like window whose modal loop runs until its OK child is clicked.
class Button : public Recorder {
public:
    Button() : Recorder("ok") {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONUP || message == BM_CLICK)
            GetParent()->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
        return Recorder::WindowProc(message, wParam, lParam);
    }
};

class Dialog : public Recorder {
public:
    Dialog() : Recorder("dialog") {}
    int result = 0;
    platform::LoopEnd Run()
    {
        MakeTop(*this, CRect(300, 300, 500, 400), WS_POPUP | WS_VISIBLE | WS_CAPTION);
        MakeChild(ok, *this, CRect(10, 10, 80, 40), IDOK);
        const auto end = platform::RunModalLoop([&] { return result != 0; }, "dialog 'Sign treaty'");
        if (end != platform::LoopEnd::Ended)
            result = IDCANCEL;
        DestroyWindow();
        return end;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        result = LOWORD(wParam);
        return TRUE;
    }
    Button ok;
};

TEST_F(AutomationTest, ModalLoopTakesItsInputFromTheQueueAndEndsItselfWhenItRunsDry)
{
    Dialog clicked;
    auto_.Click(CPoint(300 + 3 + 20, 300 + 3 + 18 + 20));
    EXPECT_EQ(clicked.Run(), platform::LoopEnd::Ended);
    EXPECT_EQ(clicked.result, IDOK);

    Dialog byId;
    auto_.ClickButton(IDOK);
    EXPECT_EQ(byId.Run(), platform::LoopEnd::Ended);
    EXPECT_EQ(byId.result, IDOK);
    EXPECT_TRUE(auto_.LogContains("action: click button 1"));

    Dialog abandoned;
    EXPECT_EQ(abandoned.Run(), platform::LoopEnd::RanDry);
    EXPECT_EQ(abandoned.result, IDCANCEL);
    EXPECT_TRUE(auto_.LogContains("dialog 'Sign treaty': input ran dry, cancelled"));
}

TEST_F(AutomationTest, ControlActionsFindTheirControlWhenReached)
{
    Recorder dialog("dialog"), edit("edit");
    auto_.Queue("open the dialog", [&] {
        MakeTop(dialog, CRect(0, 0, 200, 100));
        MakeChild(edit, dialog, CRect(0, 0, 100, 20), 8003);
    });
    auto_.SetControlText(8003, "12");
    auto_.FocusControl(8003);
    auto_.SetControlText(9999, "lost");
    auto_.RunUntilIdle();
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "12");
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
    EXPECT_TRUE(auto_.LogContains("no control 9999"));
}

TEST_F(AutomationTest, MessageBoxesTakeQueuedAnswersAndOtherwiseTheWayOut)
{
    auto_.QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(::MessageBox(nullptr, "Break the treaty?", "Allyledger", MB_YESNO | MB_ICONQUESTION), IDYES);
    struct Case {
        UINT type;
        int answer;
    } cases[] = {{MB_OK, IDOK}, {MB_YESNO, IDNO}, {MB_YESNOCANCEL, IDCANCEL}, {MB_OKCANCEL, IDCANCEL}};
    for (const Case& c : cases)
        EXPECT_EQ(auto_.AnswerMessageBox("Select planet,pls.", "Growthmark", c.type), c.answer);
    EXPECT_TRUE(auto_.LogContains("message box 'Allyledger': Break the treaty? -> IDYES"));
    EXPECT_TRUE(auto_.LogContains("message box 'Growthmark': Select planet,pls. -> no answer queued, IDOK"));
}

TEST_F(AutomationTest, ClicksOnAScrollBarSendScrollRequests)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 200, 216), WS_POPUP | WS_VISIBLE);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 399;
    info.nPage = 100;
    w.SetScrollInfo(SB_VERT, &info);
    std::vector<std::pair<UINT, int>> requests;
    w.onMessage = [&](UINT m, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_VSCROLL)
            return std::nullopt;
        SCROLLINFO track;
        w.GetScrollInfo(SB_VERT, &track, SIF_TRACKPOS);
        requests.emplace_back(LOWORD(wParam), LOWORD(wParam) == SB_THUMBTRACK ? track.nTrackPos : HIWORD(wParam));
        if (LOWORD(wParam) == SB_THUMBPOSITION)
            w.SetScrollPos(SB_VERT, HIWORD(wParam));
        return 0;
    };
    using platform::ScrollPart;
    auto_.Click(Automation::ScrollBarPoint(w, SB_VERT, ScrollPart::LineDown));
    auto_.Click(Automation::ScrollBarPoint(w, SB_VERT, ScrollPart::PageDown));
    const CPoint thumb = Automation::ScrollBarPoint(w, SB_VERT, ScrollPart::Thumb);
    auto_.Drag(thumb, thumb + CSize(0, 46), 0, 2);
    auto_.RunUntilIdle();
    // The track is 216 - 32 = 184 pixels and the thumb 46, so 46 pixels are 100 positions.
    EXPECT_EQ(requests, (std::vector<std::pair<UINT, int>>{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}, {SB_PAGEDOWN, 0},
                                                           {SB_ENDSCROLL, 0}, {SB_THUMBTRACK, 50}, {SB_THUMBTRACK, 100},
                                                           {SB_THUMBPOSITION, 100}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 100);
}

TEST_F(AutomationTest, DesktopChangesReachEveryWindow)
{
    Recorder top("top"), child("child"), other("other");
    MakeTop(top, CRect(0, 0, 100, 100));
    MakeChild(child, top, CRect(0, 0, 10, 10), 1);
    MakeTop(other, CRect(0, 0, 100, 100), WS_POPUP);
    TheJournal().Watch({WM_SYSCOLORCHANGE, WM_SETTINGCHANGE});

    auto_.SetSysColor(COLOR_WINDOW, RGB(1, 2, 3));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(1, 2, 3));
    auto_.SetWheelScrollLines("-1");
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(int(lines), -1);
    EXPECT_EQ(TheJournal().lines.size(), 6u);
    EXPECT_EQ(top.Count(WM_SYSCOLORCHANGE) + child.Count(WM_SYSCOLORCHANGE) + other.Count(WM_SYSCOLORCHANGE), 3);

    auto_.SetWheelScrollLines(std::nullopt);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key), ERROR_SUCCESS);
    char text[128];
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueEx(key, "WheelScrollLines", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 3u);
}

TEST_F(AutomationTest, WindowsAreFoundByClassTitleAndId)
{
    Recorder top("top"), child("child");
    MakeTop(top, CRect(0, 0, 100, 100));
    top.SetWindowText("Pact warnings");
    MakeChild(child, top, CRect(0, 0, 10, 10), 100);
    EXPECT_EQ(Automation::FindByTitle("Pact warnings"), top.m_hWnd);
    EXPECT_EQ(Automation::FindByClass(TestClass(), top), child.m_hWnd);
    EXPECT_EQ(Automation::FindControl(100, top), child.m_hWnd);
    EXPECT_EQ(Automation::FindByClass("MFCGridCtrl"), nullptr);
}

} // namespace
