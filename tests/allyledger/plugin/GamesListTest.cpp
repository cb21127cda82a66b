#include "PluginFixture.h"

using testing_support::Entries;

class GamesListTest : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        // "List" "Turns" answers keys 1 to turns[game] + 1, with "Count".
        host.functions["List"] = [this](CMapStringToString& request) {
            const int last = turns[request["GameName"].str()] + 1;
            request["Count"] = std::to_string(last).c_str();
            for (int k = 1; k <= last; ++k)
                request[std::to_string(k).c_str()] = "t";
        };
        Initialize();
        host.received.clear();
    }
    void listGames(Entries map)
    {
        CMapStringToString m = MapOf(map);
        app->OnGamesListModified(m);
    }
    std::map<std::string, int> turns{{"Nova", 12}, {"Alpha", 4}, {"Beta", 0}};
};

TEST_F(GamesListTest, HandlesEachOwnerOnceWhileLoaded)
{
    const Entries three{{"Count", "3"}, {"Game.1", "Nova"}, {"Race.1", "Reds"}, {"Game.2", "Alpha"},
                        {"Race.2", "Zorg"}, {"Game.3", "Beta"}, {"Race.3", "Reds"}};
    listGames(three);
    const auto lists = host.Requests("List");
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0], (Entries{{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "0"}, {"Function", "List"},
                                 {"Parameters.Count", "1"}, {"Parameter.1", "Turns"}}));
    // The context keeps the last entry, with its turn worked out from the reply's keys.
    EXPECT_EQ(app->CurrentOwner, "Beta/Reds");
    EXPECT_EQ(app->CurrentTurn, 0);
    listGames(three);
    EXPECT_EQ(host.Requests("List").size(), 3u);
    EXPECT_EQ(app->SeenOwners.GetCount(), 3);
}

TEST_F(GamesListTest, TakesTheTurnFromTheLargestKey)
{
    listGames({{"Count", "1"}, {"Game.1", "Nova"}, {"Race.1", "Reds"}});
    EXPECT_EQ(app->CurrentTurn, 12);
}

TEST_F(GamesListTest, MovesPactsFiledUnderTheBareGameName)
{
    app->Register.AddPact("Nova", "Krell", 1, 20, "N");
    listGames({{"Count", "1"}, {"Game.1", "Nova"}, {"Race.1", "Reds"}});
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Krell", 5), 20);
    EXPECT_EQ(app->Register.GetExpiry("Nova", "Krell", 5), 0);
    // The next save writes them under the owner key.
    app->Register.Save(app->IniPath);
    CPactRegister reloaded;
    reloaded.Load(app->IniPath);
    EXPECT_EQ(reloaded.GetExpiry("Nova/Reds", "Krell", 5), 20);
    EXPECT_EQ(reloaded.FindOwner("Nova"), nullptr);
}

TEST_F(GamesListTest, AMissingEntryEndsTheEvent)
{
    listGames({{"Count", "3"}, {"Game.1", "Nova"}, {"Race.1", "Reds"}, {"Race.2", "Zorg"}, {"Game.3", "Beta"},
               {"Race.3", "Reds"}});
    EXPECT_EQ(host.Requests("List").size(), 1u);
    EXPECT_EQ(app->SeenOwners.GetCount(), 1);
    listGames({{"Game.1", "Nova"}, {"Race.1", "Reds"}});
    EXPECT_EQ(host.Requests("List").size(), 1u);
}

TEST_F(GamesListTest, RemovesExpiredPactsWhenAsked)
{
    app->Register.AddPact("Nova/Reds", "Krell", 1, 5, "");
    app->Register.AddPact("Nova/Reds", "Krell", 6, 30, "");
    app->Settings.DeleteExpired = 1;
    listGames({{"Count", "1"}, {"Game.1", "Nova"}, {"Race.1", "Reds"}});
    EXPECT_EQ(app->Register.FindPact("Nova/Reds", "Krell")->GetCount(), 1);
}
