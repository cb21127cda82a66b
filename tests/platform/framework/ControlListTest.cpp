// Combo boxes and check-list boxes.
#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

class ControlListTest : public DialogFixture {
public:
    void SetUp() override
    {
        DialogFixture::SetUp();
        sink.Make();
    }
    CComboBox& MakeCombo(DWORD style, std::initializer_list<const char*> items)
    {
        combo.Create(WS_VISIBLE | WS_VSCROLL | style, CRect(10, 10, 160, 110), &sink, 20);
        for (const char* item : items)
            combo.AddString(item);
        sink.commands.clear();
        return combo;
    }
    CCheckListBox& MakeCheckList(DWORD style, std::initializer_list<const char*> items)
    {
        list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | style, CRect(10, 10, 160, 110), &sink, 30);
        list.SetCheckStyle(BS_AUTOCHECKBOX);
        for (const char* item : items)
            list.AddString(item);
        sink.commands.clear();
        return list;
    }
    std::vector<std::string> Items(const CComboBox& box) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < box.GetCount(); ++i) {
            CString text;
            box.GetLBText(i, text);
            texts.push_back(text.str());
        }
        return texts;
    }
    std::string FieldText() const
    {
        CString text;
        combo.GetWindowText(text);
        return text.str();
    }
    CPoint ListPoint(int index, int x) const
    {
        const int row = list.GetItemHeight(0);
        return platform::Automation::ToScreen(list.m_hWnd, CPoint(x, index * row + row / 2));
    }

    NotificationSink sink;
    CComboBox combo;
    CCheckListBox list;
};

TEST_F(ControlListTest, SortedComboAddsInOrderAndSearchesWithoutRegardToCase)
{
    MakeCombo(CBS_DROPDOWN | CBS_SORT, {});
    EXPECT_EQ(combo.AddString("Vega"), 0);
    EXPECT_EQ(combo.AddString("antares"), 0);
    EXPECT_EQ(combo.AddString("Sirius"), 1);
    EXPECT_EQ(combo.AddString("Altair"), 0);
    EXPECT_EQ(Items(combo), (std::vector<std::string>{"Altair", "antares", "Sirius", "Vega"}));

    const struct {
        int after;
        const char* text;
        int prefix, exact;
    } searches[] = {
        {-1, "a", 0, CB_ERR}, {0, "A", 1, CB_ERR}, {1, "a", 0, CB_ERR}, {-1, "VEGA", 3, 3}, {-1, "x", CB_ERR, CB_ERR}, {-1, "", 0, CB_ERR},
    };
    for (const auto& s : searches) {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(combo.FindString(s.after, s.text), s.prefix);
        EXPECT_EQ(combo.FindStringExact(s.after, s.text), s.exact);
    }
}

TEST_F(ControlListTest, ComboSelectionShowsInTheFieldAndTheFieldTakesAnyText)
{
    MakeCombo(CBS_DROPDOWN | CBS_SORT, {"Vega", "Antares", "Sirius"});
    EXPECT_EQ(combo.SelectString(-1, "si"), 1);
    EXPECT_EQ(FieldText(), "Sirius");
    EXPECT_EQ(combo.SelectString(-1, "Rigel"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 1);
    combo.SetWindowText("Rigel");
    EXPECT_EQ(FieldText(), "Rigel");
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(FieldText(), "");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    // Programs' changes tell the parent nothing.
    EXPECT_TRUE(sink.commands.empty());
}

TEST_F(ControlListTest, ComboStringExchangeSelectsByPrefixOrShowsTheText)
{
    const struct {
        const char* value;
        int selected;
        const char* field;
    } cases[] = {{"si", 1, "Sirius"}, {"", 0, "Antares"}, {"Rigel", -1, "Rigel"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        driver.Reset();
        sink.Make();
        MakeCombo(CBS_DROPDOWN | CBS_SORT, {"Vega", "Antares", "Sirius"});
        CString value = c.value;
        CDataExchange load(&sink, FALSE);
        DDX_CBString(&load, 20, value);
        EXPECT_EQ(combo.GetCurSel(), c.selected);
        EXPECT_EQ(FieldText(), c.field);
        CString stored;
        CDataExchange save(&sink, TRUE);
        DDX_CBString(&save, 20, stored);
        EXPECT_EQ(stored, c.field);
    }
}

TEST_F(ControlListTest, ComboTellsItsParentOfTheUsersChoicesAndTyping)
{
    MakeCombo(CBS_DROPDOWN | CBS_SORT, {"Vega", "Antares", "Sirius"});
    combo.SetFocus();
    driver.Key(VK_DOWN);
    driver.Type("x");
    platform::ControlActions::PickComboItem(20, "VEGA", sink.m_hWnd);
    driver.RunUntilIdle();

    EXPECT_EQ(sink.commands, (std::vector<std::pair<int, UINT>>{{20, CBN_SETFOCUS},
                                                               {20, CBN_SELCHANGE},
                                                               {20, CBN_EDITUPDATE},
                                                               {20, CBN_EDITCHANGE},
                                                               {20, CBN_SELCHANGE}}));
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(FieldText(), "Vega");
}

TEST_F(ControlListTest, DroppedListPicksTheClickedItem)
{
    MakeCombo(CBS_DROPDOWNLIST, {"Never", "Explicit", "Always"});
    CRect field;
    combo.GetWindowRect(&field);
    driver.Click(CPoint(field.right - 5, field.top + field.Height() / 2));
    driver.RunUntilIdle();
    ASSERT_TRUE(combo.GetDroppedState());
    HWND dropped = platform::Automation::FindByClass("ComboLBox");
    ASSERT_NE(dropped, nullptr);
    const int row = int(combo.SendMessage(CB_GETITEMHEIGHT));
    driver.Click(platform::Automation::ToScreen(dropped, CPoint(10, 2 * row + row / 2)));
    driver.RunUntilIdle();

    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_FALSE(::IsWindow(dropped));
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(FieldText(), "Always");
    EXPECT_EQ(sink.Count(20, CBN_SELCHANGE), 1);
    EXPECT_EQ(sink.Count(20, CBN_CLOSEUP), 1);
}

TEST_F(ControlListTest, CheckListSortsKeepsItemDataAndChecks)
{
    MakeCheckList(LBS_SORT | LBS_NOSEL, {});
    EXPECT_EQ(list.AddString("Trade"), 0);
    list.SetItemData(0, 100);
    EXPECT_EQ(list.AddString("Passage"), 0);
    list.SetItemData(0, 200);
    EXPECT_EQ(list.AddString("research"), 1);
    list.SetCheck(2, BST_CHECKED);

    EXPECT_EQ(list.GetItemData(2), 100u);
    EXPECT_EQ(list.GetItemData(0), 200u);
    EXPECT_EQ(list.GetCheck(2), BST_CHECKED);
    EXPECT_EQ(list.GetCheck(0), BST_UNCHECKED);
    EXPECT_EQ(list.GetCheck(9), LB_ERR);
    EXPECT_EQ(list.SetCurSel(1), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ControlListTest, UserTogglesAutomaticCheckBoxesOfEnabledItemsOnly)
{
    const struct {
        const char* name;
        UINT checkStyle;
        std::function<void(ControlListTest&)> act;
        std::vector<int> checks;
    } cases[] = {
        {"a click on the box", BS_AUTOCHECKBOX, [](auto& t) { t.driver.Click(t.ListPoint(1, 6)); }, {0, 1, 0}},
        {"a click on the text", BS_AUTOCHECKBOX, [](auto& t) { t.driver.Click(t.ListPoint(1, 60)); }, {0, 0, 0}},
        {"a double click on the text", BS_AUTOCHECKBOX, [](auto& t) { t.driver.DoubleClick(t.ListPoint(1, 60)); }, {0, 1, 0}},
        {"the space bar", BS_AUTOCHECKBOX, [](auto& t) { t.list.SetFocus(), t.driver.Key(VK_DOWN), t.driver.Key(VK_SPACE); }, {0, 1, 0}},
        {"a disabled item", BS_AUTOCHECKBOX, [](auto& t) { t.list.Enable(1, FALSE), t.driver.Click(t.ListPoint(1, 6)); }, {0, 0, 0}},
        {"a plain check box", BS_CHECKBOX, [](auto& t) { t.driver.Click(t.ListPoint(1, 6)); }, {0, 0, 0}},
        {"the automation by index", BS_AUTOCHECKBOX, [](auto& t) { platform::ControlActions::TickItem(30, 2, TRUE, t.sink.m_hWnd); }, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        driver.Reset();
        sink.Make();
        MakeCheckList(LBS_NOSEL, {"Non-aggression", "Passage", "Trade"});
        list.SetCheckStyle(c.checkStyle);
        c.act(*this);
        driver.RunUntilIdle();
        std::vector<int> checks;
        for (int i = 0; i < list.GetCount(); ++i)
            checks.push_back(list.GetCheck(i));
        EXPECT_EQ(checks, c.checks);
        EXPECT_EQ(sink.Count(30, CLBN_CHKCHANGE), c.checks == std::vector<int>({0, 0, 0}) ? 0 : 1);
    }
}

} // namespace
