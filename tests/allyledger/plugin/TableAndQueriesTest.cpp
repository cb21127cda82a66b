#include "PluginFixture.h"

using testing_support::Entries;

namespace {

CStringArray rowOf(const char* race, std::map<int, const char*> cells = {}, int size = 20)
{
    CStringArray row;
    row.SetSize(size);
    if (size > 0)
        row[0] = race;
    for (const auto& [i, text] : cells)
        row[i] = text;
    return row;
}

} // namespace

class TableTest : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        Initialize();
        app->Register.AddPact("Nova/Reds", "Krell", 5, 9, "N");
        app->Register.AddPact("Nova/Reds", "Krell", 10, 20, "T");
        app->Register.AddPact("Nova/Reds", "Vex", 1, 3, "");
        app->Register.AddPact("Nova/Reds", "Oomi", 1, 30, "");
        app->Register.AddPact("Nova/Reds", "Reds", 1, 30, "S");
    }
    CMapStringToString tableMap(const char* turn = "7", const char* id = "13")
    {
        return MapOf({{"ID", id}, {"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", turn}});
    }
};

TEST_F(TableTest, MarksRacesWithAPactInForce)
{
    struct Case {
        const char* name;
        int colNum, infNum;
        CStringArray row;
        std::map<int, std::string> expected;  // cells that must hold these texts afterwards
    } cases[] = {
        {"adjacent periods read as one pact; only the covering period's conditions",
         0, 0, rowOf("Krell"), {{8, "Pact(20)"}, {17, "N"}}},
        {"a pact that ended earlier shows nothing", 0, 0, rowOf("Vex", {{8, "host"}}), {{8, "host"}, {17, ""}}},
        {"no conditions: the mark alone", 0, 0, rowOf("Oomi"), {{8, "Pact(30)"}, {17, ""}}},
        {"the host's info text gets the conditions after a slash", 0, 1, rowOf("Krell", {{18, "ally"}}),
         {{8, "Pact(20)"}, {18, "ally/N"}}},
        {"the same custom column holds mark and conditions", 2, 1, rowOf("Krell"), {{18, "Pact(20)/N"}}},
        {"the user's own row is like any other", 0, 0, rowOf("Reds"), {{8, "Pact(30)"}, {17, "S"}}},
    };
    for (auto& c : cases) {
        app->Settings.ColNum = c.colNum;
        app->Settings.InfNum = c.infNum;
        app->Settings.UpdateColumns();
        CMapStringToString map = tableMap();
        app->OnTableProcessor(map, c.row);
        for (const auto& [cell, text] : c.expected)
            EXPECT_EQ(c.row[cell], text.c_str()) << c.name << ", cell " << cell;
        EXPECT_EQ(map.GetCount(), 4) << c.name;
    }
}

TEST_F(TableTest, LeavesOtherTablesShortRowsAndIncompleteCallsAlone)
{
    struct Case {
        const char* name;
        Entries map;
        int rowSize;
    } cases[] = {
        {"another table", {{"ID", "12"}, {"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "7"}}, 20},
        {"no turn", {{"ID", "13"}, {"GameName", "Nova"}, {"RaceName", "Reds"}}, 20},
        {"no race", {{"ID", "13"}, {"GameName", "Nova"}, {"Turn", "7"}}, 20},
        {"row shorter than the info column", {{"ID", "13"}, {"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "7"}}, 17},
        {"empty row", {{"ID", "13"}, {"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "7"}}, 0},
    };
    for (const auto& c : cases) {
        CStringArray row = rowOf("Krell", {}, c.rowSize);
        const CStringArray before = row;
        CMapStringToString map = MapOf(c.map);
        app->OnTableProcessor(map, row);
        EXPECT_TRUE(row == before) << c.name;
    }
}

class QueryTest : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        app->Register.AddPact("Nova/A", "B", 1, 12, "");
        app->Register.AddPact("Nova/B", "A", 1, 30, "");
        app->Register.AddPact("Nova/C", "A", 1, 9, "");
    }
    // Calls a function and returns its "Return", or "(none)".
    std::string call(Entries map)
    {
        CMapStringToString m = MapOf(map);
        CStringArray unused;
        app->OnCallFunction(m, unused);
        CString result;
        return m.Lookup("Return", result) ? result.str() : "(none)";
    }
};

TEST_F(QueryTest, AnswersGetPactAndGetPactEx)
{
    struct Case {
        const char* name;
        Entries map;
        const char* expected;
    } cases[] = {
        {"own register", {{"GameName", "Nova"}, {"RaceName", "A"}, {"Turn", "5"}, {"FuncName", "GetPact"},
                          {"Parameters.Count", "1"}, {"Parameter.1", "B"}}, "12"},
        {"ends exactly at the turn", {{"GameName", "Nova"}, {"RaceName", "A"}, {"Turn", "12"}, {"FuncName", "GetPact"},
                                      {"Parameters.Count", "1"}, {"Parameter.1", "B"}}, "12"},
        {"ended a turn earlier", {{"GameName", "Nova"}, {"RaceName", "A"}, {"Turn", "13"}, {"FuncName", "GetPact"},
                                  {"Parameters.Count", "1"}, {"Parameter.1", "B"}}, "0"},
        {"wrong count", {{"GameName", "Nova"}, {"RaceName", "A"}, {"Turn", "5"}, {"FuncName", "GetPact"},
                         {"Parameters.Count", "2"}, {"Parameter.1", "B"}}, "(none)"},
        {"missing count", {{"GameName", "Nova"}, {"RaceName", "A"}, {"Turn", "5"}, {"FuncName", "GetPact"}}, "(none)"},
        {"first direction wins", {{"GameName", "Nova"}, {"Turn", "5"}, {"FuncName", "GetPactEx"},
                                  {"Parameters.Count", "2"}, {"Parameter.1", "A"}, {"Parameter.2", "B"}}, "12"},
        {"other direction when the first has none", {{"GameName", "Nova"}, {"Turn", "5"}, {"FuncName", "GetPactEx"},
                                                     {"Parameters.Count", "2"}, {"Parameter.1", "A"}, {"Parameter.2", "C"}}, "9"},
        {"unknown races", {{"GameName", "Nova"}, {"Turn", "5"}, {"FuncName", "GetPactEx"},
                           {"Parameters.Count", "2"}, {"Parameter.1", "X"}, {"Parameter.2", "Y"}}, "0"},
        {"another function", {{"GameName", "Nova"}, {"Turn", "5"}, {"FuncName", "GetWar"},
                              {"Parameters.Count", "1"}, {"Parameter.1", "A"}}, "(none)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(call(c.map), c.expected) << c.name;
    // The query does not touch the current context.
    EXPECT_TRUE(app->CurrentOwner.IsEmpty());
}

TEST_F(QueryTest, PlanetSelectionRemembersTheOwnerUnderTheCurrentRace)
{
    app->CurrentRace = "Reds";
    CMapStringToString map = MapOf({{"GameName", "Nova"}, {"Owner", "Krell"}});
    app->OnPlanetChanged(map);
    EXPECT_EQ(app->PlanetOwnerKey, "Nova/Reds");
    EXPECT_EQ(app->PlanetOwner, "Krell");
    // Without "Owner" the owner stays; without "GameName" nothing changes.
    map = MapOf({{"GameName", "Alpha"}});
    app->OnPlanetChanged(map);
    EXPECT_EQ(app->PlanetOwnerKey, "Alpha/Reds");
    EXPECT_EQ(app->PlanetOwner, "Krell");
    map = MapOf({{"Owner", "Vex"}});
    app->OnPlanetChanged(map);
    EXPECT_EQ(app->PlanetOwner, "Krell");
}
