#include <fstream>
#include <sstream>

#include "DialogsFixture.h"
#include "platform/gdi/Png.h"

using namespace allyledger::resources::sign;
namespace newcondition = allyledger::resources::newcondition;
using platform::ControlActions;
using testing_support::Entries;

namespace {

using Range = std::pair<int, int>;

class SignTreatyDialogTest : public DialogsFixture {
protected:
    void SetUp() override
    {
        DialogsFixture::SetUp();
        AddDictionary();
    }
    void AddDictionary()
    {
        app->Register.AddCondition("T", "Trade");
        app->Register.AddCondition("N", "No attack");
    }
    // A new application object, for a case that needs the dictionary as it started.
    void FreshApp()
    {
        MakeApp();
        Initialize();
        app->CurrentRace = "Reds";
        AddDictionary();
    }

    // Runs the New condition dialog from the Add button and confirms the texts.
    void AddCondition(const char* abbreviation, const char* mainText)
    {
        driver.ClickButton(kAdd);
        driver.SetControlText(newcondition::kAbbreviation, abbreviation);
        driver.SetControlText(newcondition::kMainText, mainText);
        EndNestedDialog(IDOK);
    }

    std::vector<std::string> Dictionary() const
    {
        std::vector<std::string> entries;
        app->Register.GetConditionDictionary().ForEach(
            [&](const CString& abbreviation, const CString& text) { entries.push_back(abbreviation.str() + "=" + text.str()); });
        return entries;
    }
};

TEST_F(SignTreatyDialogTest, OpensWithTheProposedTurnsTheirArrowRangesAndTheGamesRaces)
{
    app->Settings.DefLen = 10;
    std::string from, till;
    Range fromRange, tillRange;
    std::vector<std::string> listed;
    Look([&](HWND dialog) {
        from = Text(dialog, kFrom);
        till = Text(dialog, kTill);
        fromRange = ArrowRange(dialog, kFromSpin);
        tillRange = ArrowRange(dialog, kTillSpin);
        HWND box = ::GetDlgItem(dialog, kRace);
        for (int i = 0; i < int(::SendMessage(box, CB_GETCOUNT, 0, 0)); ++i) {
            char text[64] = {};
            ::SendMessage(box, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
            listed.push_back(text);
        }
    });
    driver.ClickButton(IDCANCEL);

    allyledger::SignTerms terms;
    terms.race = "Vega";
    terms.conditions = "T";
    EXPECT_FALSE(RunSignTreaty(terms, 10));

    EXPECT_EQ(from, "10");
    EXPECT_EQ(till, "20");
    EXPECT_EQ(fromRange, Range(0, 20));
    EXPECT_EQ(tillRange, Range(10, 999));
    EXPECT_EQ(listed, (std::vector<std::string>{"Altair", "Antares", "Sirius", "Vega"}));
    const auto lists = host.Requests("List");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].at("GameName"), "Nova");
    EXPECT_EQ(lists[0].at("RaceName"), "Reds");
    EXPECT_EQ(lists[0].at("Turn"), "10");
    EXPECT_EQ(lists[0].at("Parameters.Count"), "1");
    EXPECT_EQ(lists[0].at("Parameter.1"), "Races");
    // Cancel leaves the terms as they came.
    EXPECT_EQ(terms.race, "Vega");
    EXPECT_EQ(terms.conditions, "T");
    EXPECT_EQ(terms.from, 0);
}

TEST_F(SignTreatyDialogTest, LeavingATurnFieldHoldsItBetweenZeroTheOtherTurnAnd999)
{
    const struct {
        int field;
        const char* typed;
        const char* from;
        const char* till;
        Range fromRange;
        Range tillRange;
    } cases[] = {
        // Beyond the last turn: the first turn takes it, and the last turn may go no lower.
        {kFrom, "30", "20", "20", {0, 20}, {20, 999}},
        {kFrom, "", "20", "20", {0, 20}, {20, 999}},
        {kFrom, "15", "15", "20", {0, 20}, {15, 999}},
        // Cleared, before the first turn or past 999: the last turn takes the first.
        {kTill, "", "10", "10", {0, 10}, {10, 999}},
        {kTill, "5", "10", "10", {0, 10}, {10, 999}},
        {kTill, "1000", "10", "10", {0, 10}, {10, 999}},
        {kTill, "40", "10", "40", {0, 40}, {10, 999}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field == kFrom ? "from " : "till ") + c.typed);
        driver.Reset();
        driver.FocusControl(c.field);
        driver.SetControlText(c.field, c.typed);
        driver.FocusControl(kRace);
        std::string from, till;
        Range fromRange, tillRange;
        Look([&](HWND dialog) {
            from = Text(dialog, kFrom);
            till = Text(dialog, kTill);
            fromRange = ArrowRange(dialog, kFromSpin);
            tillRange = ArrowRange(dialog, kTillSpin);
        });
        driver.ClickButton(IDOK);

        allyledger::SignTerms terms;
        EXPECT_TRUE(RunSignTreaty(terms, 10));
        EXPECT_EQ(from, c.from);
        EXPECT_EQ(till, c.till);
        EXPECT_EQ(fromRange, c.fromRange);
        EXPECT_EQ(tillRange, c.tillRange);
        EXPECT_EQ(terms.from, std::stoi(c.from));
        EXPECT_EQ(terms.till, std::stoi(c.till));
    }
}

TEST_F(SignTreatyDialogTest, PresetRaceSelectsTheFirstListedRaceBeginningWithItOrShowsAsTyped)
{
    const struct {
        const char* preset;
        const char* shown;
        int selected;
    } cases[] = {
        {"Zorg", "Zorg", -1},
        {"", "Altair", 0},
        {"sir", "Sirius", 2},
        {"Vega", "Vega", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        driver.Reset();
        std::string shown;
        LRESULT selected = 0;
        Look([&](HWND dialog) {
            shown = Text(dialog, kRace);
            selected = ::SendMessage(::GetDlgItem(dialog, kRace), CB_GETCURSEL, 0, 0);
        });
        driver.ClickButton(IDOK);

        allyledger::SignTerms terms;
        terms.race = c.preset;
        EXPECT_TRUE(RunSignTreaty(terms));
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(terms.race, c.shown);
    }
}

TEST_F(SignTreatyDialogTest, RaceMayBeTypedAndAListWithoutCountLeavesTheBoxEmpty)
{
    host.functions["List"] = [](CMapStringToString& request) { request["1"] = "Vega"; };
    LRESULT count = -1;
    Look([&](HWND dialog) { count = ::SendMessage(::GetDlgItem(dialog, kRace), CB_GETCOUNT, 0, 0); });
    driver.SetControlText(kRace, "Krell");
    driver.ClickButton(IDOK);

    allyledger::SignTerms terms;
    terms.race = "Vega";
    EXPECT_TRUE(RunSignTreaty(terms));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(terms.race, "Krell");
}

TEST_F(SignTreatyDialogTest, TurnTextsAreReadFromTheirLeadingDigits)
{
    const struct {
        const char* from;
        const char* till;
        int first;
        int last;
    } cases[] = {
        {"12", "30", 12, 30},
        {"", "7x", 0, 7},
        {"99999999999", "0012", 2147483647, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        driver.Reset();
        // Texts put in directly, without leaving the fields, reach OK as they are.
        driver.SetControlText(kFrom, c.from);
        driver.SetControlText(kTill, c.till);
        driver.ClickButton(IDOK);
        allyledger::SignTerms terms;
        EXPECT_TRUE(RunSignTreaty(terms));
        EXPECT_EQ(terms.from, c.first);
        EXPECT_EQ(terms.till, c.last);
    }
}

TEST_F(SignTreatyDialogTest, ConditionsAreTheTickedAbbreviationsInListOrder)
{
    app->Register.AddCondition("Z", "Zone");
    app->Register.AddCondition("A", "Alliance");
    std::vector<std::string> shown;
    Look([&](HWND dialog) { shown = CheckList(dialog, kConditions); });
    ControlActions::TickItem(kConditions, "Zone");
    ControlActions::TickItem(kConditions, "alliance");
    ControlActions::TickItem(kConditions, "Trade", FALSE);
    driver.ClickButton(IDOK);

    allyledger::SignTerms terms;
    terms.conditions = "T/N";
    EXPECT_TRUE(RunSignTreaty(terms));
    // The preset conditions come ticked; the list sorts by main text.
    EXPECT_EQ(shown, (std::vector<std::string>{"[ ] Alliance", "[x] No attack", "[x] Trade", "[ ] Zone"}));
    EXPECT_EQ(terms.conditions, "A/N/Z");
}

TEST_F(SignTreatyDialogTest, AddPutsANewConditionIntoTheListAndKeepsTheTicks)
{
    const struct {
        const char* abbreviation;
        const char* mainText;
        std::vector<std::string> list;
        std::vector<std::string> dictionary;
    } cases[] = {
        {"P", "Passage", {"[ ] No attack", "[ ] Passage", "[x] Trade"}, {"T=Trade", "N=No attack", "P=Passage"}},
        // A main text that is listed already, whatever its case, changes nothing.
        {"X", "trade", {"[ ] No attack", "[x] Trade"}, {"T=Trade", "N=No attack"}},
        // A known abbreviation takes the new main text, and its tick stays with it.
        {"T", "Free trade", {"[x] Free trade", "[ ] No attack"}, {"T=Free trade", "N=No attack"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mainText);
        driver.Reset();
        FreshApp();
        // A tick of the moment, not yet stored, survives the rebuilt list.
        ControlActions::TickItem(kConditions, "Trade");
        AddCondition(c.abbreviation, c.mainText);
        std::vector<std::string> shown;
        Look([&](HWND dialog) { shown = CheckList(dialog, kConditions); });
        driver.ClickButton(IDOK);

        allyledger::SignTerms terms;
        EXPECT_TRUE(RunSignTreaty(terms));
        EXPECT_EQ(shown, c.list);
        EXPECT_EQ(Dictionary(), c.dictionary);
        EXPECT_EQ(terms.conditions, "T");
        EXPECT_TRUE(driver.LogContains("dialog 'New condition': ended with IDOK"));
    }
}

TEST_F(SignTreatyDialogTest, NewConditionTypesItsAbbreviationInCapitalsAndStaysWhenSigningIsCancelled)
{
    driver.ClickButton(kAdd);
    driver.FocusControl(newcondition::kAbbreviation);
    driver.Type("dmz");
    driver.FocusControl(newcondition::kMainText);
    driver.Type("Demilitarised zone");
    driver.Key(VK_RETURN);
    driver.ClickButton(kAdd);
    driver.SetControlText(newcondition::kMainText, "Unused");
    EndNestedDialog(IDCANCEL);
    driver.ClickButton(IDCANCEL);

    allyledger::SignTerms terms;
    EXPECT_FALSE(RunSignTreaty(terms));
    EXPECT_EQ(Dictionary(), (std::vector<std::string>{"T=Trade", "N=No attack", "DMZ=Demilitarised zone"}));
}

TEST_F(SignTreatyDialogTest, SignCommandThroughTheDialogRecordsThePact)
{
    allyledger::DialogTreatyUi ui;
    app->Ui = &ui;
    host.functions["Selection"] = [](CMapStringToString& request) {
        request["Count"] = "1";
        request["1"] = "Vega";
    };
    driver.SetControlText(kFrom, "12");
    driver.SetControlText(kTill, "30");
    ControlActions::TickItem(kConditions, "No attack");
    driver.ClickButton(IDOK);

    CMapStringToString command = MapOf(
        {{"GameName", "Nova"}, {"RaceName", "Reds"}, {"Turn", "10"}, {"Command", "Sign treaty"}, {"SID", "51467"}});
    app->OnUserCommand(command);

    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Vega", 12), 30);
    EXPECT_EQ(app->Register.GetExpiry("Nova/Reds", "Vega", 11), 0);
    EXPECT_EQ(app->Register.GetConditions("Nova/Reds", "Vega", 20), "N");
    const auto adds = host.Requests("Add");
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].at("Parameter.1"), "DeclarePeace");
    EXPECT_EQ(adds[0].at("Parameter.2"), "Vega");
    EXPECT_EQ(host.Requests("Refresh").size(), 1u);
    std::ifstream file(folder / "PLUGINS" / "Allyledger.ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("Vega,12,30,N"), std::string::npos) << text.str();
    EXPECT_EQ(host.settings["Allyledger\\Conditions"], "2");
}

TEST_F(SignTreatyDialogTest, BreakQuestionIsAYesNoBoxWhoseYesAloneConfirms)
{
    const struct {
        int answer;
        bool confirmed;
    } cases[] = {{IDYES, true}, {IDNO, false}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        driver.Reset();
        if (c.answer)
            driver.QueueMessageBoxAnswer(c.answer);
        allyledger::DialogTreatyUi ui;
        EXPECT_EQ(ui.ConfirmBreak("Are you sure you want to break treaty with 2 race(s)?"), c.confirmed);
        // With no answer queued the box takes its way out, which is No.
        EXPECT_TRUE(driver.LogContains("message box 'Allyledger': Are you sure you want to break treaty with 2 race(s)? -> " +
                                       std::string(c.answer ? "" : "no answer queued, ") + (c.confirmed ? "IDYES" : "IDNO")));
    }
}

TEST_F(SignTreatyDialogTest, ScreenshotOfTheDialog)
{
    app->Register.AddCondition("P", "Free passage through home systems");
    const std::string path = PicturePath("allyledger-sign-treaty.png");
    BOOL saved = FALSE;
    CRect window;
    ControlActions::TickItem(kConditions, "Trade");
    driver.FocusControl(kFrom);
    Look([&](HWND dialog) {
        saved = platform::Automation::Screenshot(dialog, path);
        ::GetWindowRect(dialog, &window);
    });
    driver.ClickButton(IDCANCEL);

    allyledger::SignTerms terms;
    terms.race = "Sirius";
    terms.conditions = "N";
    RunSignTreaty(terms, 42);
    ASSERT_TRUE(saved);
    platform::Surface picture;
    ASSERT_TRUE(platform::ReadPng(path.c_str(), picture));
    EXPECT_EQ(picture.width, window.Width());
    EXPECT_EQ(picture.height, window.Height());
}

} // namespace
