#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "growthmark/GrowthmarkApp.h"

using namespace growthmark_test;

namespace {

struct FakePage : growthmark::SettingsPage {
    unsigned value;
    explicit FakePage(unsigned v) : value(v) {}
    unsigned Value() const override { return value; }
};

// Records what the plug-in asked of the desktop.
struct FakeDesktop : growthmark::Desktop {
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    std::vector<unsigned> pageValues;
    std::vector<std::unique_ptr<FakePage>> pages;
    int registrations = 0;

    void RegisterProjectionWindows() override { ++registrations; }
    void ShowMessage(const char* text) override { messages.push_back(text); }
    void OpenProjection(const char* game) override { opened.push_back(game); }
    growthmark::SettingsPage* CreateSettingsPage(intptr_t, intptr_t, unsigned value) override
    {
        pageValues.push_back(value);
        pages.push_back(std::make_unique<FakePage>(value));
        return pages.back().get();
    }
};

class GrowthmarkAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeHost::current() = &host;
        auto owned = std::make_unique<FakeDesktop>();
        desktop = owned.get();
        app.SetDesktop(std::move(owned));
    }
    void initialise()
    {
        CMapStringToString init;
        init["DataManager"] = FakeHost::Address().c_str();
        app.OnInitialize(init);
        menuItem = init["MenuItem"].str();
        host.received.clear();
    }
    void planetEvent(const Entries& entries)
    {
        CMapStringToString map;
        fill(map, entries);
        app.OnPlanetChanged(map);
    }
    void command(const Entries& entries)
    {
        CMapStringToString map;
        fill(map, entries);
        app.OnUserCommand(map);
    }

    FakeHost host;
    CGrowthmarkApp app;
    FakeDesktop* desktop = nullptr;
    std::string menuItem;
};

const Entries kFullPlanet = {
    {"GameName", "Alpha"}, {"Owner", "Zorgs"}, {"Turn", "42"}, {"Name", "Terra"}, {"Num", "17"},
    {"Size", "1000"}, {"Population", "500.5"}, {"Industry", "200"}, {"Resource", "10"}, {"MAT", "3"},
    {"COL", "4"}, {"CAP", "5"}, {"Production", "Capital"}, {"Productivity", "275"},
};

Entries without(Entries entries, const std::string& key)
{
    entries.erase(key);
    return entries;
}

} // namespace

TEST_F(GrowthmarkAppTest, PlanetEventCopiesKeysUntilTheFirstMissingOne)
{
    planetEvent(kFullPlanet);
    const PlanetSnapshot& s = app.Snapshot;
    EXPECT_EQ(s.number, "17");
    EXPECT_EQ(s.population, 500.5);
    EXPECT_EQ(s.production, "Capital");
    EXPECT_EQ(s.productivity, 275);

    // A second planet that lacks "Population": turn, name, number and size change, the rest stays.
    planetEvent({{"GameName", "Alpha"}, {"Owner", "x"}, {"Turn", "43"}, {"Name", "Mars"}, {"Num", "9"},
                 {"Size", "12,5"}, {"Industry", "1"}});
    EXPECT_EQ(s.turn, "43");
    EXPECT_EQ(s.name, "Mars");
    EXPECT_EQ(s.number, "9");
    EXPECT_EQ(s.size, 12) << "a decimal comma ends the number";
    EXPECT_EQ(s.population, 500.5);
    EXPECT_EQ(s.industry, 200);
    EXPECT_EQ(s.production, "Capital");

    // Without "Owner" or "GameName" nothing changes at all.
    for (const char* key : {"Owner", "GameName"}) {
        Entries other = without(kFullPlanet, key);
        other["Num"] = "99";
        planetEvent(other);
        EXPECT_EQ(s.number, "9") << key;
    }

    // Productivity comes after the production text.
    Entries noProduction = without(kFullPlanet, "Production");
    noProduction["Productivity"] = "1";
    planetEvent(noProduction);
    EXPECT_EQ(s.productivity, 275);
    EXPECT_EQ(s.production, "Capital");
}

TEST_F(GrowthmarkAppTest, DataChangedAsksTheHostForTheHeldPlanet)
{
    initialise();
    CMapStringToString changed;
    changed["GameName"] = "Alpha";
    app.OnDataChanged(changed);
    EXPECT_TRUE(host.received.empty()) << "no planet held after initialisation";

    planetEvent(kFullPlanet);
    host.answer = [](const Entries&) {
        return Entries{{"Turn", "42"}, {"Name", "Terra"}, {"Num", "17"}, {"Size", "1100"}, {"Production", "x"}};
    };
    CMapStringToString noGame;
    app.OnDataChanged(noGame);
    EXPECT_TRUE(host.received.empty());

    app.OnDataChanged(changed);
    ASSERT_EQ(host.received.size(), 1u);
    const Entries expected = {{"GameName", "Alpha"},      {"Turn", "42"},          {"Function", "Get"},
                              {"Parameters.Count", "2"}, {"Parameter.1", "Planet"}, {"Parameter.2", "#17"}};
    EXPECT_EQ(host.received[0], expected);
    EXPECT_EQ(app.Snapshot.size, 1100);
    EXPECT_EQ(app.Snapshot.production, "x");
    EXPECT_EQ(app.Snapshot.population, 0) << "a key missing from the answer reads as empty";
}

TEST_F(GrowthmarkAppTest, DataChangedSendsATurnThatIsNotANumberAsZero)
{
    initialise();
    Entries planet = kFullPlanet;
    planet["Turn"] = "soon";
    planetEvent(planet);
    CMapStringToString changed;
    changed["GameName"] = "Alpha";
    app.OnDataChanged(changed);
    ASSERT_EQ(host.received.size(), 1u);
    EXPECT_EQ(host.received[0]["Turn"], "0");
    // The host added nothing: only the request's own "Turn" is in the answer, so no planet is
    // held any more.
    EXPECT_FALSE(app.Snapshot.HoldsPlanet());
    EXPECT_EQ(app.Snapshot.size, 0);
    EXPECT_EQ(app.Snapshot.name, "");
    EXPECT_EQ(app.Snapshot.turn, "0");
}

TEST_F(GrowthmarkAppTest, InitialisationAnswersTheMenuItemAndReadsTheTurnCount)
{
    struct Case {
        Entries answer;
        int turnCount;
    } cases[] = {
        {{{"Growthmark\\row", "25"}}, 25},
        {{{"Growthmark\\row", "7"}}, 7},
        {{}, 10},
        {{{"Growthmark\\row", "25"}, {"LastError", "Denied"}}, 10},
    };
    for (const auto& c : cases) {
        host.answer = [&](const Entries&) { return c.answer; };
        planetEvent(kFullPlanet);
        host.received.clear();
        CMapStringToString init;
        init["DataManager"] = FakeHost::Address().c_str();
        app.OnInitialize(init);
        EXPECT_EQ(init["MenuItem"], "Growthmark");
        EXPECT_EQ(app.TurnCount, c.turnCount);
        EXPECT_FALSE(app.Snapshot.HoldsPlanet());
        ASSERT_EQ(host.received.size(), 1u);
        EXPECT_EQ(host.received[0]["Function"], "ReadRegistry");
        EXPECT_EQ(host.received[0]["Name"], "Growthmark\\row");
    }
}

TEST_F(GrowthmarkAppTest, CommandNeedsItsOwnTextAndAPlanet)
{
    initialise();
    command({{"GameName", "Alpha"}, {"Command", "Sign treaty"}});
    command({{"Command", "Growthmark"}});
    EXPECT_TRUE(desktop->messages.empty());

    command({{"GameName", "Alpha"}, {"Command", "Growthmark"}});
    EXPECT_EQ(desktop->messages, std::vector<std::string>{"Select planet,pls."});
    EXPECT_TRUE(desktop->opened.empty());

    planetEvent(kFullPlanet);
    command({{"GameName", "Beta"}, {"Command", "growthmark"}});
    command({{"GameName", "Beta"}, {"Command", "Growthmark"}});
    EXPECT_EQ(desktop->opened, std::vector<std::string>{"Beta"});
    EXPECT_EQ(desktop->messages.size(), 1u);
}

TEST_F(GrowthmarkAppTest, SettingsPageStartsFromTheStoredValueAndOkStoresIt)
{
    initialise();
    CMapStringToString ok;
    app.OnOK(ok);
    EXPECT_TRUE(host.received.empty()) << "OK without a page changes nothing";

    const Entries config = {{"GameName", "Alpha"}, {"TreeCtrl", "4096"}, {"Item", "77"}};
    for (const char* missing : {"GameName", "TreeCtrl", "Item"}) {
        CMapStringToString map;
        fill(map, without(config, missing));
        app.CreateConfig(map);
    }
    for (const char* zero : {"TreeCtrl", "Item"}) {
        Entries entries = config;
        entries[zero] = "0x";
        CMapStringToString map;
        fill(map, entries);
        app.CreateConfig(map);
    }
    EXPECT_TRUE(desktop->pageValues.empty());

    host.answer = [](const Entries& request) {
        return request.at("Function") == "ReadRegistry" ? Entries{{"Growthmark\\row", "33"}} : Entries{};
    };
    CMapStringToString map;
    fill(map, config);
    app.CreateConfig(map);
    host.answer = [](const Entries&) { return Entries{}; };
    app.CreateConfig(map);
    EXPECT_EQ(desktop->pageValues, (std::vector<unsigned>{33, 10}));

    // OK takes the newest page's value.
    desktop->pages.back()->value = 7;
    host.received.clear();
    app.OnOK(ok);
    EXPECT_EQ(app.TurnCount, 7);
    ASSERT_EQ(host.received.size(), 1u);
    const Entries written = {{"Function", "WriteRegistry"}, {"Name", "Growthmark\\row"}, {"Growthmark\\row", "7"}};
    EXPECT_EQ(host.received[0], written);
}

TEST_F(GrowthmarkAppTest, LoadRegistersTheProjectionWindows)
{
    app.OnLoad();
    EXPECT_EQ(desktop->registrations, 1);
}
