#include <filesystem>

#include "platform/win/ClientDC.h"

#include "PluginFixture.h"
#include "allyledger/plugin/WarnDoc.h"
#include "allyledger/plugin/WarnView.h"
#include "platform/automation/Automation.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/ModuleState.h"
#include "platform/framework/MultiDocTemplate.h"
#include "platform/framework/WinApp.h"

namespace {

// The program's application object stands for the host's.
CWinApp hostApp("host");

std::vector<CWarnDoc*> openWindows(CAllyledgerApp& app)
{
    std::vector<CWarnDoc*> docs;
    for (POSITION pos = app.WarnTemplate->GetFirstDocPosition(); pos;)
        docs.push_back(static_cast<CWarnDoc*>(app.WarnTemplate->GetNextDoc(pos)));
    return docs;
}

CFrameWnd* frameOf(CWarnDoc* doc)
{
    POSITION pos = doc->GetFirstViewPosition();
    return doc->GetNextView(pos)->GetParentFrame();
}

} // namespace

class WarningsWindowTest : public PluginFixture {
protected:
    void SetUp() override
    {
        platform::Automation::Instance().Reset();
        mainFrame = new CMDIFrameWnd;
        mainFrame->Create(nullptr, "Host");
        hostApp.m_pMainWnd = mainFrame;
        mainFrame->ShowWindow(SW_SHOW);
        PluginFixture::SetUp();
        Initialize();
        app->Register.AddCondition("N", "Non-aggression");
        app->Register.AddPact("Nova/Reds", "Krell", 1, 12, "N/X");
        app->Register.AddPact("Nova/Reds", "Vex", 1, 10, "");
        app->Register.AddPact("Nova/Reds", "Oomi", 1, 16, "");
        app->Register.AddPact("Nova/Reds", "Blue", 5, 9, "");
        app->Register.AddPact("Nova/Reds", "Blue", 10, 40, "");
    }
    void TearDown() override
    {
        app.reset();
        platform::Automation::Instance().Reset();
        hostApp.m_pMainWnd = nullptr;
        PluginFixture::TearDown();
    }
    void reportLoaded(const char* game, const char* race, const char* turn)
    {
        CMapStringToString map = MapOf({{"GameName", game}, {"RaceName", race}, {"Turn", turn}});
        app->OnReportLoaded(map);
        platform::Automation::Instance().RunUntilIdle();
    }
    void activate(const char* game, const char* race)
    {
        CMapStringToString map = MapOf({{"GameName", game}, {"RaceName", race}});
        app->OnActivate(map);
        platform::Automation::Instance().RunUntilIdle();
    }

    CMDIFrameWnd* mainFrame = nullptr;
};

TEST_F(WarningsWindowTest, AReportOpensAWindowOfPactsAboutToExpire)
{
    reportLoaded("Nova", "Reds", "10");
    const auto docs = openWindows(*app);
    ASSERT_EQ(docs.size(), 1u);
    EXPECT_EQ(docs[0]->GetTitle(), "Pact expiry warnings (Nova/Reds turn 10)");
    std::vector<std::string> lines;
    for (const CString& line : docs[0]->m_lines)
        lines.push_back(line.str());
    EXPECT_EQ(lines, (std::vector<std::string>{"Pact with Vex will expire at the turn 10 (after 0 turns)",
                                               "  \x95 No special conditions",
                                               "Pact with Krell will expire at the turn 12 (after 2 turns)",
                                               "  \xA7 Non-aggression", "  \xA7 "}));
    // The window is an MDI child of the host's main frame.
    CFrameWnd* frame = frameOf(docs[0]);
    EXPECT_TRUE(::IsChild(mainFrame->GetSafeHwnd(), frame->GetSafeHwnd()));
}

TEST_F(WarningsWindowTest, BandsAreColouredByTurnsLeft)
{
    reportLoaded("Nova", "Reds", "10");
    CWarnDoc* doc = openWindows(*app).at(0);
    POSITION pos = doc->GetFirstViewPosition();
    CView* view = doc->GetNextView(pos);
    const platform::Surface shot = platform::Automation::Capture(view->GetSafeHwnd());
    std::filesystem::create_directories(folder);
    platform::Automation::Screenshot(frameOf(doc)->GetSafeHwnd(), (folder / "warnings.png").string());
    // Line heights come from the view's font; find each band by walking down the left column.
    CClientDC dc(view);
    const int h = dc.GetTextExtent("Pact").cy + 2;
    // The capture holds the whole window; client points sit past its border.
    CRect window;
    view->GetWindowRect(&window);
    const CSize origin = platform::Automation::ToScreen(view->GetSafeHwnd(), CPoint(0, 0)) - window.TopLeft();
    auto pixelAt = [&](int x, int y) { return shot.Row(origin.cy + y)[origin.cx + x] & 0xFFFFFF; };
    // Surface pixels are 0x00RRGGBB.
    EXPECT_EQ(pixelAt(0, 0), 0xFFFFFFu);          // the pixel of room above the first pact line
    EXPECT_EQ(pixelAt(0, 1), 0x700000u);          // 0 turns left: dark red
    EXPECT_EQ(pixelAt(0, 1 + h + 1), 0xFFFFFFu);  // its condition line: white
    EXPECT_EQ(pixelAt(0, 1 + 2 * h + 1), 0x606060u);  // 2 turns left: grey
}

TEST_F(WarningsWindowTest, ShowAllListsEveryPactOnDemandAndColoursTheFarOnesGreen)
{
    CMapStringToString map = MapOf({{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "10"},
                                    {"Command", "Pact warnings"}, {"SID", "whatever"}});
    app->OnUserCommand(map);
    const auto docs = openWindows(*app);
    ASSERT_EQ(docs.size(), 1u);
    // Blue's two adjacent periods are one pact, to turn 40.
    EXPECT_NE(docs[0]->m_lines[docs[0]->m_lines.GetSize() - 2].Find("Blue will expire at the turn 40 (after 30"), -1);
    EXPECT_EQ(CWarnView::ColoursOf("Pact with Blue will expire at the turn 40 (after 30 turns)", 5).band, 0x007020u);
    EXPECT_EQ(CWarnView::ColoursOf("Pact with Oomi will expire at the turn 15 (after 5 turns)", 5).band, 0x606060u);
    EXPECT_EQ(CWarnView::ColoursOf("  \xA7 Non-aggression", 5).band, 0xFFFFFFu);
}

TEST_F(WarningsWindowTest, NothingToWarnAboutOpensNoWindow)
{
    reportLoaded("Nova", "Reds", "41");
    EXPECT_TRUE(openWindows(*app).empty());
    app->Settings.WarnOnReport = 0;
    reportLoaded("Nova", "Reds", "10");
    EXPECT_TRUE(openWindows(*app).empty());
}

TEST_F(WarningsWindowTest, SwitchingGameHidesTheWindowAndSwitchingBackShowsIt)
{
    reportLoaded("Nova", "Reds", "10");
    CFrameWnd* frame = frameOf(openWindows(*app).at(0));
    EXPECT_TRUE(frame->IsWindowVisible());
    activate("Alpha", "Zorg");
    EXPECT_FALSE(frame->IsWindowVisible());
    activate("Nova", "Reds");
    EXPECT_TRUE(frame->IsWindowVisible());
}

TEST_F(WarningsWindowTest, EscapeClosesTheWindow)
{
    reportLoaded("Nova", "Reds", "10");
    CWarnDoc* doc = openWindows(*app).at(0);
    POSITION pos = doc->GetFirstViewPosition();
    CView* view = doc->GetNextView(pos);
    view->SetFocus();
    auto& automation = platform::Automation::Instance();
    automation.Char(27);
    automation.RunUntilIdle();
    EXPECT_TRUE(openWindows(*app).empty());
}

TEST_F(WarningsWindowTest, PlacementComesFromAndGoesBackToTheStoredRectangle)
{
    app->Settings.WarnRect = CRect(20, 30, 420, 230);
    reportLoaded("Nova", "Reds", "10");
    CFrameWnd* frame = frameOf(openWindows(*app).at(0));
    WINDOWPLACEMENT placement;
    ::GetWindowPlacement(frame->GetSafeHwnd(), &placement);
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(20, 30, 420, 230));
    frame->MoveWindow(40, 50, 300, 200);
    // A second window takes the activation; the first stores where it was.
    app->Settings.WarnRect = CRect(0, 0, 500, 300);
    reportLoaded("Nova", "Reds", "11");
    ::GetWindowPlacement(frame->GetSafeHwnd(), &placement);
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(40, 50, 340, 250));
}
