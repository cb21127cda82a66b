#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "allyledger/register/PactRegister.h"
#include "platform/automation/Automation.h"
#include "platform/framework/Dialogs.h"
#include "platform/win/Win.h"

namespace {

using Dictionary = std::vector<std::pair<const char*, const char*>>;

// A sorted check list in a window of its own, as the Sign treaty dialog has it.
class ConditionListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Automation::Instance().Reset();
        window.CreateEx(0, nullptr, "conditions", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr);
        list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOSEL,
                    CRect(0, 0, 280, 180), &window, 8020);
        list.SetCheckStyle(BS_AUTOCHECKBOX);
    }
    void TearDown() override { platform::Automation::Instance().Reset(); }

    void Fill(const Dictionary& entries)
    {
        for (const auto& [abbreviation, text] : entries)
            pacts.AddCondition(abbreviation, text);
        pacts.FillConditionList(list);
    }
    std::vector<std::string> Shown()
    {
        std::vector<std::string> items;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            items.push_back((list.GetCheck(i) == BST_CHECKED ? "[x] " : "[ ] ") + text.str());
        }
        return items;
    }
    int TickedCount()
    {
        int ticked = 0;
        for (int i = 0; i < list.GetCount(); ++i)
            ticked += list.GetCheck(i) == BST_CHECKED;
        return ticked;
    }

    CPactRegister pacts;
    CWnd window;
    CCheckListBox list;
};

TEST_F(ConditionListTest, FillListsTheMainTextsSortedAndTheTicksComeBackInListOrder)
{
    Fill({{"Z", "Zone"}, {"N", "No attack"}, {"A", "Alliance"}});
    pacts.CheckConditions("Z/A", list);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"[x] Alliance", "[ ] No attack", "[x] Zone"}));
    EXPECT_EQ(pacts.GetTickedConditions(list), "A/Z");

    // Filling again starts from an empty list, and checking unticks what it does not name.
    pacts.AddCondition("B", "Border");
    pacts.FillConditionList(list);
    for (int i = 0; i < list.GetCount(); ++i)
        list.SetCheck(i, BST_CHECKED);
    pacts.CheckConditions("N", list);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"[ ] Alliance", "[ ] Border", "[x] No attack", "[ ] Zone"}));
    EXPECT_EQ(pacts.GetTickedConditions(list), "N");
}

TEST_F(ConditionListTest, ConditionsStringTicksExactlyTheEntriesItNames)
{
    const struct {
        const char* name;
        Dictionary dictionary;
        const char* conditions;
        int ticked;
        const char* readBack;
    } cases[] = {
        {"none", {{"N", "No attack"}}, "", 0, ""},
        {"repeated and empty parts", {{"N", "No attack"}, {"T", "Trade"}}, "T//T", 1, "T"},
        {"unknown abbreviation", {{"N", "No attack"}}, "Q", 0, ""},
        // An entry with an empty main text is not what an unknown abbreviation stands for.
        {"unknown beside an empty main text", {{"E", ""}, {"T", "Trade"}}, "Q/T", 1, "T"},
        {"empty main text named", {{"E", ""}, {"T", "Trade"}}, "E", 1, "E"},
        // Two entries whose main texts differ only in case keep their own abbreviations.
        {"main texts equal but for case", {{"N", "No attack"}, {"M", "no attack"}}, "M", 1, "M"},
        {"main texts equal but for case, first", {{"N", "No attack"}, {"M", "no attack"}}, "N", 1, "N"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPactRegister fresh;
        for (const auto& [abbreviation, text] : c.dictionary)
            fresh.AddCondition(abbreviation, text);
        fresh.FillConditionList(list);
        fresh.CheckConditions(c.conditions, list);
        EXPECT_EQ(TickedCount(), c.ticked);
        EXPECT_EQ(fresh.GetTickedConditions(list), c.readBack);
    }
}

TEST_F(ConditionListTest, ItemsThatNameNoEntryAreLeftOutOfTheConditions)
{
    Fill({{"N", "No attack"}});
    const int foreign = list.AddString("Written by hand");
    list.SetCheck(foreign, BST_CHECKED);
    list.SetCheck(list.FindStringExact(-1, "No attack"), BST_CHECKED);
    EXPECT_EQ(pacts.GetTickedConditions(list), "N");
}

} // namespace
