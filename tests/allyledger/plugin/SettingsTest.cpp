#include <fstream>

#include "PluginFixture.h"

using testing_support::Entries;

using SettingsTest = PluginFixture;

TEST_F(SettingsTest, FlagsTextsSetTheFiveFlags)
{
    struct Case {
        const char* flags;
        int expected[5];
    } cases[] = {
        {"10100", {1, 0, 1, 0, 0}},
        {"010", {0, 1, 0, 1, 1}},   // flags 4 and 5 keep their defaults
        {"0000", {0, 0, 0, 0, 1}},  // the fifth position lies at the end of the text
        {"x0x0x", {1, 0, 1, 0, 1}}, // anything but "0" is on
        {"", {1, 0, 0, 1, 1}},      // empty keeps the defaults
    };
    for (const auto& c : cases) {
        allyledger::Settings settings;
        settings.SetFlags(c.flags);
        const int actual[] = {settings.WarnOnReport, settings.WarnOnGame, settings.DeleteExpired,
                              settings.DeclarePeaceOnSign, settings.DeclareWarOnBreak};
        EXPECT_TRUE(std::equal(std::begin(actual), std::end(actual), c.expected)) << c.flags;
    }
}

TEST_F(SettingsTest, ColumnChoicesGiveTableCells)
{
    struct Case {
        int colNum, infNum, status, info;
    } cases[] = {{0, 0, 8, 17}, {1, 1, 17, 18}, {2, 2, 18, 19}, {3, 0, 19, 17}};
    for (const auto& c : cases) {
        host.settings = {{"Allyledger\\ColNum", std::to_string(c.colNum)}, {"Allyledger\\InfNum", std::to_string(c.infNum)}};
        MakeApp();
        Initialize();
        EXPECT_EQ(app->Settings.StatusColumn, c.status) << c.colNum;
        EXPECT_EQ(app->Settings.InfoColumn, c.info) << c.infNum;
    }
}

TEST_F(SettingsTest, StartReadsEverySettingInOrderAndRegisters)
{
    host.settings = {{"Allyledger\\DefLen", "abc"}, {"Allyledger\\ExpThr", "7"}, {"Allyledger\\pos\\right", "640"},
                     {"Allyledger\\Conditions", "3"}, {"Allyledger\\Conditions\\0", "N"},
                     {"Allyledger\\Conditions\\0\\string", "Non-aggression"}, {"Allyledger\\Conditions\\1", "T"},
                     {"Allyledger\\Conditions\\2", "S"}, {"Allyledger\\Conditions\\2\\string", "Shared vision"}};
    const CMapStringToString map = Initialize();

    std::vector<std::string> names;
    for (const auto& request : host.Requests("ReadRegistry"))
        names.push_back(request.at("Name"));
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Allyledger\\DefLen", "Allyledger\\ExpThr", "Allyledger\\ColNum", "Allyledger\\InfNum",
                         "Allyledger\\ShowAll", "Allyledger\\ShowInfo", "Allyledger\\flags", "Allyledger\\pos\\left",
                         "Allyledger\\pos\\top", "Allyledger\\pos\\right", "Allyledger\\pos\\bottom",
                         "Allyledger\\Conditions", "Allyledger\\Conditions\\0", "Allyledger\\Conditions\\0\\string",
                         "Allyledger\\Conditions\\1", "Allyledger\\Conditions\\1\\string", "Allyledger\\Conditions\\2",
                         "Allyledger\\Conditions\\2\\string"}));
    // A non-numeric length keeps its text and reads as 0.
    EXPECT_EQ(app->Settings.DefLenText, "abc");
    EXPECT_EQ(app->Settings.DefLen, 0);
    EXPECT_EQ(app->Settings.ExpThr, 7);
    EXPECT_EQ(app->Settings.WarnRect, CRect(0, 0, 640, 300));
    // The entry with an empty main text is skipped.
    EXPECT_EQ(testing_support::EntriesOf(app->Register.GetConditionDictionary()),
              (Entries{{"N", "Non-aggression"}, {"S", "Shared vision"}}));

    std::vector<std::string> keys;
    map.ForEach([&](const CString& k, const CString&) { keys.push_back(k.str()); });
    EXPECT_EQ(keys, (std::vector<std::string>{"DataManager", "MenuItem", "MenuItem:51467", "1:51467", "2:51467",
                                              "MenuItem:1", "1:1", "2:1", "MenuItem:51691", "1:51691", "2:51691",
                                              "PrepareTable:51467", "Function:GetPact", "Function:GetPactEx"}));
    EXPECT_EQ(app->IniPath, (folder / "PLUGINS" / "Allyledger.ini").string().c_str());
}

TEST_F(SettingsTest, StartLoadsThePactFileBeforeReadingSettings)
{
    std::ofstream(folder / "PLUGINS" / "Allyledger.ini") << "@Nova/Reds\r\nKrell,10,20,N\r\n\r\n";
    Initialize();
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Krell", 15), 20);
}

TEST_F(SettingsTest, ConfirmingStoresEverythingAndRefreshesTheTableWhenAGameIsOpen)
{
    Initialize();
    host.received.clear();
    CMapStringToString map = MapOf({{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "12"}});
    app->OnOK(map);
    EXPECT_EQ(host.settings, (std::map<std::string, std::string>{
                                 {"Allyledger\\DefLen", "10"}, {"Allyledger\\ExpThr", "5"}, {"Allyledger\\ColNum", "0"},
                                 {"Allyledger\\InfNum", "0"}, {"Allyledger\\ShowInfo", "2"}, {"Allyledger\\ShowAll", "1"},
                                 {"Allyledger\\flags", "10011"}}));
    const auto refreshes = host.Requests("Refresh");
    ASSERT_EQ(refreshes.size(), 1u);
    EXPECT_EQ(refreshes[0], (Entries{{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "12"}, {"Function", "Refresh"},
                                     {"Parameters.Count", "1"}, {"Parameter.1", "51467"}}));
    EXPECT_EQ(app->CurrentOwner, "Nova/Reds");
    EXPECT_EQ(app->CurrentTurn, 12);
}

TEST_F(SettingsTest, ConfirmingWithoutARaceChangesOnlyTheGame)
{
    Initialize();
    app->CurrentRace = "Reds";
    app->CurrentOwner = "Nova/Reds";
    host.received.clear();
    CMapStringToString map = MapOf({{"GameName", "Alpha"}, {"Turn", "3"}});
    app->OnOK(map);
    EXPECT_EQ(app->CurrentGame, "Alpha");
    EXPECT_EQ(app->CurrentOwner, "Nova/Reds");
    EXPECT_TRUE(host.Requests("Refresh").empty());
    EXPECT_EQ(host.Requests("WriteRegistry").size(), 7u);
}

TEST_F(SettingsTest, ClosingStoresTheWarningsWindowRectangle)
{
    Initialize();
    app->Settings.WarnRect = CRect(10, 20, 410, 320);
    app->OnClose();
    EXPECT_EQ(host.settings.at("Allyledger\\pos\\left"), "10");
    EXPECT_EQ(host.settings.at("Allyledger\\pos\\top"), "20");
    EXPECT_EQ(host.settings.at("Allyledger\\pos\\right"), "410");
    EXPECT_EQ(host.settings.at("Allyledger\\pos\\bottom"), "320");
}
