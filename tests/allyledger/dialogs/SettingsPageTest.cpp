#include "DialogsFixture.h"
#include "platform/gdi/Png.h"

using namespace allyledger::resources::settings;
using platform::ControlActions;

namespace {

// The host's settings window: its tree, with a page of another plug-in already in place.
class SettingsPageTest : public DialogsFixture {
protected:
    void SetUp() override
    {
        DialogsFixture::SetUp();
        settingsWindow.CreateEx(0, nullptr, "Settings", WS_POPUP | WS_CAPTION | WS_VISIBLE, 80, 60, 560, 360, nullptr,
                                nullptr);
        tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 150, 330), &settingsWindow, 100);
        plugins = tree.InsertItem("Plug-ins");
        tree.InsertItem("Growth Mark", plugins);
    }

    CMapStringToString ConfigMap() const
    {
        return MapOf({{"TreeCtrl", std::to_string(reinterpret_cast<intptr_t>(&tree))},
                      {"Item", std::to_string(reinterpret_cast<intptr_t>(plugins))}});
    }
    // CreateConfig with the host's map; the page of the item it added, or null.
    CDialog* CreateConfig()
    {
        CMapStringToString map = ConfigMap();
        app->CreateConfig(map);
        HTREEITEM last = tree.GetChildItem(plugins);
        while (last && tree.GetNextSiblingItem(last))
            last = tree.GetNextSiblingItem(last);
        if (!last || tree.GetItemText(last) != "Allyledger")
            return nullptr;
        return reinterpret_cast<CDialog*>(tree.GetItemData(last));
    }
    // The page as the host shows it when its item is selected.
    CDialog* ShownPage()
    {
        CDialog* page = CreateConfig();
        if (page) {
            page->SetWindowPos(nullptr, 154, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            page->ShowWindow(SW_SHOW);
        }
        return page;
    }
    int ChildWindows() const
    {
        int count = 0;
        for (HWND child = ::GetWindow(settingsWindow.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            ++count;
        return count;
    }

    CWnd settingsWindow;
    CTreeCtrl tree;
    HTREEITEM plugins = nullptr;
};

TEST_F(SettingsPageTest, CreateConfigHangsThePageAfterTheLastPluginPageWithTheSettingsLoaded)
{
    app->Settings.ColNum = 2;
    app->Settings.InfNum = 1;
    app->Settings.ShowInfo = 0;
    app->Settings.DefLenText = "12";

    CDialog* page = CreateConfig();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(tree.GetItemText(tree.GetChildItem(plugins)), "Growth Mark");
    EXPECT_EQ(page->GetParent(), &settingsWindow);
    EXPECT_FALSE(page->IsWindowVisible()) << "the host shows the page";
    HWND hwnd = page->m_hWnd;
    EXPECT_EQ(Text(hwnd, kDefLen), "12");
    EXPECT_EQ(Text(hwnd, kExpThr), "5");
    EXPECT_EQ(Text(hwnd, kShowInfo), "Never");
    EXPECT_EQ(Text(hwnd, kShowAll), "Explicit");
    std::vector<UINT> checks;
    for (int id : {kWarnOnReport, kWarnOnGame, kDeleteExpired, kDeclarePeace, kDeclareWar})
        checks.push_back(page->IsDlgButtonChecked(id));
    EXPECT_EQ(checks, (std::vector<UINT>{1, 0, 0, 1, 1}));
    EXPECT_EQ(page->GetCheckedRadioButton(kStatusColumn, kStatusColumnLast), kStatusColumn + 2);
    EXPECT_EQ(page->GetCheckedRadioButton(kInfoColumn, kInfoColumnLast), kInfoColumn + 1);
    EXPECT_EQ(ArrowRange(hwnd, kDefLenSpin), std::make_pair(0, 99));
    EXPECT_EQ(ArrowRange(hwnd, kExpThrSpin), std::make_pair(0, 99));
}

TEST_F(SettingsPageTest, WithoutATreeOrAnItemNoPageIsMade)
{
    const struct {
        const char* name;
        testing_support::Entries keys;
    } cases[] = {
        {"no tree", {{"Item", "5"}}},
        {"tree 0", {{"TreeCtrl", "0"}, {"Item", "5"}}},
        {"no item", {{"TreeCtrl", "5"}}},
        {"item not a number", {{"TreeCtrl", "5"}, {"Item", "none"}}},
    };
    const int children = ChildWindows();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Entries keys = c.keys;
        // A usable value is the real one; "5" stands for any non-zero number.
        CMapStringToString real = ConfigMap();
        for (auto& [key, value] : keys)
            if (value == "5")
                value = real[key.c_str()].str();
        CMapStringToString map = MapOf(keys);
        app->CreateConfig(map);
        EXPECT_EQ(ChildWindows(), children);
        EXPECT_EQ(tree.GetCount(), 2u);
    }
}

TEST_F(SettingsPageTest, LeavingALengthFieldWithNoNumberFromZeroTo99PutsItsDefaultBack)
{
    const struct {
        int field;
        const char* typed;
        const char* kept;
    } cases[] = {
        {kDefLen, "", "10"}, {kDefLen, "150", "10"}, {kDefLen, "100", "10"}, {kDefLen, "0", "0"},   {kDefLen, "99", "99"},
        {kExpThr, "", "5"},  {kExpThr, "150", "5"},  {kExpThr, "7", "7"},
    };
    CDialog* page = ShownPage();
    ASSERT_NE(page, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " '" + c.typed + "'");
        driver.FocusControl(c.field, page->m_hWnd);
        driver.SetControlText(c.field, c.typed, page->m_hWnd);
        driver.FocusControl(kWarnOnReport, page->m_hWnd);
        driver.RunUntilIdle();
        EXPECT_EQ(Text(page->m_hWnd, c.field), c.kept);
    }
}

TEST_F(SettingsPageTest, StoringCopiesTheControlsIntoTheSettingsAndOkWritesThem)
{
    CDialog* page = ShownPage();
    ASSERT_NE(page, nullptr);
    const HWND within = page->m_hWnd;
    driver.SetControlText(kDefLen, "7", within);
    driver.SetControlText(kExpThr, "3", within);
    for (int id : {kWarnOnReport, kWarnOnGame, kDeleteExpired, kDeclareWar})
        driver.ClickButton(id, within);
    ControlActions::PickRadio(kStatusColumnLast, within);
    ControlActions::PickRadio(kInfoColumn + 2, within);
    ControlActions::PickComboItem(kShowInfo, "Explicit", within);
    ControlActions::PickComboItem(kShowAll, "Always", within);
    driver.RunUntilIdle();

    // The host has the page store its controls, then confirms.
    ASSERT_TRUE(page->UpdateData(TRUE));
    CMapStringToString ok;
    app->OnOK(ok);

    const allyledger::Settings& settings = app->Settings;
    EXPECT_EQ(settings.DefLen, 7);
    EXPECT_EQ(settings.ExpThr, 3);
    EXPECT_EQ(settings.StatusColumn, 19);
    EXPECT_EQ(settings.InfoColumn, 19);
    const std::map<std::string, std::string> expected{
        {"Allyledger\\DefLen", "7"},   {"Allyledger\\ExpThr", "3"},   {"Allyledger\\ColNum", "3"},
        {"Allyledger\\InfNum", "2"},   {"Allyledger\\ShowInfo", "1"}, {"Allyledger\\ShowAll", "2"},
        {"Allyledger\\flags", "01110"},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(host.settings[name], value) << name;
}

TEST_F(SettingsPageTest, ScreenshotOfThePageInTheSettingsWindow)
{
    CDialog* page = ShownPage();
    ASSERT_NE(page, nullptr);
    tree.Expand(plugins, TVE_EXPAND);
    driver.RunUntilIdle();

    const std::string path = PicturePath("allyledger-settings-page.png");
    ASSERT_TRUE(platform::Automation::Screenshot(settingsWindow.m_hWnd, path));
    platform::Surface picture;
    ASSERT_TRUE(platform::ReadPng(path.c_str(), picture));
    CRect window;
    settingsWindow.GetWindowRect(&window);
    EXPECT_EQ(picture.width, window.Width());
    EXPECT_EQ(picture.height, window.Height());
}

} // namespace
