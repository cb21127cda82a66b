#include <filesystem>
#include <fstream>
#include <sstream>

#include "PluginFixture.h"

using testing_support::Entries;

namespace {

// Answers the treaty questions as a test scripts them, and remembers what was asked.
struct ScriptedUi : allyledger::TreatyUi {
    bool confirm = true;
    allyledger::SignTerms chosen;  // terms returned on OK; an empty race keeps the offered one
    std::vector<std::string> offered;  // race and conditions offered, per dialog
    std::vector<std::string> questions;

    bool SignTreaty(CAllyledgerApp&, const CString&, int, allyledger::SignTerms& terms) override
    {
        offered.push_back(terms.race.str() + "|" + terms.conditions.str());
        if (!confirm)
            return false;
        const CString race = chosen.race.IsEmpty() ? terms.race : chosen.race;
        terms = chosen;
        terms.race = race;
        return true;
    }
    bool ConfirmBreak(const CString& question) override
    {
        questions.push_back(question.str());
        return confirm;
    }
};

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class TreatyCommandsTest : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        host.functions["Selection"] = [this](CMapStringToString& request) {
            const auto& rows = selection[request["Parameter.1"].str() + ":" + request["Parameter.2"].str()];
            if (rows.size() == 1 && rows[0] == "(no count)")
                return;
            request["Count"] = std::to_string(rows.size()).c_str();
            for (size_t i = 0; i < rows.size(); ++i)
                if (!rows[i].empty())
                    request[std::to_string(i + 1).c_str()] = rows[i].c_str();
        };
        Initialize();
        app->Ui = &ui;
        app->Register.AddCondition("N", "Non-aggression");
        app->Register.AddPact("Nova/Reds", "Krell", 1, 30, "N");
        app->Register.AddPact("Nova/Reds", "Vex", 1, 30, "");
        host.received.clear();
    }
    void command(const char* text, const char* view)
    {
        CMapStringToString map = MapOf({{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "10"},
                                        {"Command", text}, {"SID", view}});
        app->OnUserCommand(map);
    }
    std::vector<std::string> adds()
    {
        std::vector<std::string> out;
        for (const auto& request : host.Requests("Add")) {
            std::string line;
            for (int i = 1; request.count("Parameter." + std::to_string(i)); ++i)
                line += (i > 1 ? " " : "") + request.at("Parameter." + std::to_string(i));
            out.push_back(line);
        }
        return out;
    }
    std::filesystem::path pactFile() const { return folder / "PLUGINS" / "Allyledger.ini"; }

    std::map<std::string, std::vector<std::string>> selection;
    ScriptedUi ui;
};

TEST_F(TreatyCommandsTest, SignFromTheRaceTableOffersTheFirstSelectedRace)
{
    selection["51467:Name"] = {"Krell", "Vex", "Oomi"};
    ui.chosen = {"", 10, 25, "N"};
    command("Sign treaty", "51467");
    EXPECT_EQ(ui.offered, (std::vector<std::string>{"Krell|N"}));
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Krell", 10), 25);
    EXPECT_EQ(adds(), (std::vector<std::string>{"DeclarePeace Krell"}));
    // The final steps: refresh, the pact file, the condition dictionary.
    EXPECT_EQ(host.Requests("Refresh").size(), 1u);
    EXPECT_NE(fileText(pactFile()).find("Krell,1,25,N\r\n"), std::string::npos);
    EXPECT_EQ(host.settings.at("Allyledger\\Conditions"), "1");
    EXPECT_EQ(host.settings.at("Allyledger\\Conditions\\0"), "N");
    EXPECT_EQ(host.settings.at("Allyledger\\Conditions\\0\\string"), "Non-aggression");
}

TEST_F(TreatyCommandsTest, BreakAsksAboutEveryTargetAndDeclaresWarInReplyOrder)
{
    selection["51467:Name"] = {"Vex", "Krell", "Oomi"};
    command("Break treaty", "51467");
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"Are you sure you want to break treaty with 3 race(s)?"}));
    EXPECT_EQ(adds(), (std::vector<std::string>{"DeclareWar Vex Krell Oomi"}));
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Krell", 10), 10);
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Vex", 10), 10);
}

TEST_F(TreatyCommandsTest, BreakWithNothingSelectedStillDeclaresAndFinishes)
{
    selection["51467:Name"] = {};
    command("Break treaty", "51467");
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"Are you sure you want to break treaty with 0 race(s)?"}));
    EXPECT_EQ(adds(), (std::vector<std::string>{"DeclareWar"}));
    EXPECT_EQ(host.Requests("Refresh").size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(pactFile()));
}

TEST_F(TreatyCommandsTest, BreakSkipsAGapInTheReply)
{
    selection["51467:Name"] = {"Vex", "", "Krell"};
    command("Break treaty", "51467");
    EXPECT_EQ(adds(), (std::vector<std::string>{"DeclareWar Vex Krell"}));
    EXPECT_EQ(app->Register.FindOwner("Nova/Reds")->FindPact(""), nullptr);
}

TEST_F(TreatyCommandsTest, TheFromToListTargetsTheOtherRaceOfTheRow)
{
    struct Case {
        std::vector<std::string> from, to;
        const char* offered;
    } cases[] = {
        {{"Reds"}, {"Vex"}, "Vex|"},    // a row the user wrote: its "To" race
        {{"Krell"}, {"Reds"}, "Krell|N"},  // a row another race wrote: its "From" race
    };
    for (const auto& c : cases) {
        selection["51691:From"] = c.from;
        selection["51691:To"] = c.to;
        ui.offered.clear();
        ui.confirm = false;
        command("Sign treaty", "51691");
        EXPECT_EQ(ui.offered, (std::vector<std::string>{c.offered}));
    }
}

TEST_F(TreatyCommandsTest, CommandsThatFindNoTargetChangeNothing)
{
    struct Case {
        const char* name;
        const char* view;
        std::map<std::string, std::vector<std::string>> selection;
    } cases[] = {
        {"race table reply without Count", "51467", {{"51467:Name", {"(no count)"}}}},
        {"From/To list with two rows", "51691", {{"51691:From", {"Krell", "Vex"}}}},
        {"From/To list with none", "51691", {{"51691:From", {}}}},
        {"planet view without a planet", "1", {}},
        {"unknown view", "7", {}},
    };
    for (const auto& c : cases) {
        selection = c.selection;
        host.received.clear();
        command("Break treaty", c.view);
        EXPECT_TRUE(ui.questions.empty()) << c.name;
        EXPECT_TRUE(host.Requests("Refresh").empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(pactFile())) << c.name;
    }
}

TEST_F(TreatyCommandsTest, ThePlanetViewActsOnlyForTheOwnerKeyOfThePlanetSelection)
{
    CMapStringToString planet = MapOf({{"GameName", "Nova"}, {"Owner", "Vex"}});
    app->CurrentRace = "Reds";
    app->OnPlanetChanged(planet);
    ui.confirm = false;
    command("Sign treaty", "1");
    EXPECT_EQ(ui.offered, (std::vector<std::string>{"Vex|"}));

    // After a switch of race the planet belongs to another owner key's context.
    CMapStringToString activate = MapOf({{"GameName", "Nova"}, {"RaceName", "Blues"}});
    app->OnActivate(activate);
    CMapStringToString map = MapOf({{"GameName", "Nova"}, {"RaceName", "Blues"}, {"Turn", "10"},
                                    {"Command", "Sign treaty"}, {"SID", "1"}});
    app->OnUserCommand(map);
    EXPECT_EQ(ui.offered.size(), 1u);
}

TEST_F(TreatyCommandsTest, ACancelledCommandChangesAndSavesNothing)
{
    selection["51467:Name"] = {"Krell"};
    ui.confirm = false;
    for (const char* text : {"Sign treaty", "Break treaty"})
        command(text, "51467");
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Krell", 10), 30);
    EXPECT_TRUE(adds().empty());
    EXPECT_TRUE(host.Requests("Refresh").empty());
    EXPECT_TRUE(host.Requests("WriteRegistry").empty());
    EXPECT_FALSE(std::filesystem::exists(pactFile()));
}

TEST_F(TreatyCommandsTest, SigningBackwardsStoresNothingButStillFinishes)
{
    selection["51467:Name"] = {"Oomi"};
    ui.chosen = {"", 20, 10, ""};
    app->Settings.DeclarePeaceOnSign = 0;
    command("Sign treaty", "51467");
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Oomi", 15), 0);
    EXPECT_TRUE(adds().empty());
    EXPECT_EQ(host.Requests("Refresh").size(), 1u);
}

TEST_F(TreatyCommandsTest, IncompleteCommandsDoNothing)
{
    for (const auto& missing : {"GameName", "RaceName", "Turn", "Command", "SID"}) {
        Entries entries{{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "10"}, {"Command", "Pact warnings"},
                        {"SID", "51467"}};
        entries.erase(missing);
        CMapStringToString map = MapOf(entries);
        host.received.clear();
        app->OnUserCommand(map);
        EXPECT_TRUE(host.received.empty()) << missing;
    }
}
