#include "DialogTestSupport.h"
#include "platform/framework/DialogNavigation.h"

using namespace dialogtest;
using platform::ControlActions;

namespace {

// The id of the dialog control that has the focus now (the combo box for its edit).
int FocusedControlId()
{
    HWND focus = ::GetFocus();
    return ::GetDlgCtrlID(platform::DialogControlOf(::GetActiveWindow(), focus));
}

std::string ItemText(HWND dialog, int id)
{
    char text[64] = {};
    ::GetWindowText(::GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

LRESULT SendToItem(HWND dialog, int id, UINT message)
{
    return ::SendMessage(::GetDlgItem(dialog, id), message, 0, 0);
}

TEST_F(DialogFixture, ModalDialogDrivenByTheAutomationExchangesEveryKindOfValueOnOk)
{
    TreatyOptionsDialog dialog;
    driver.SetControlText(kFrom, "12");
    driver.SetControlText(kTill, "30");
    ControlActions::TickItem(kConditions, "Passage");
    ControlActions::TickItem(kConditions, "trade", FALSE);
    ControlActions::PickRadio(kCustom2);
    ControlActions::PickComboItem(kShowAll, "Always");
    ControlActions::PickComboItem(kRace, "Sirius");
    driver.ClickButton(kWarn);
    driver.ClickButton(kPeace);
    driver.ClickButton(IDOK);

    EXPECT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(dialog.race, "Sirius");
    EXPECT_EQ(dialog.firstTurn, 12u);
    EXPECT_EQ(dialog.lastTurn, "30");
    EXPECT_EQ(dialog.ticked, std::vector<std::string>{"Passage"});
    EXPECT_EQ(dialog.column, 2);
    EXPECT_EQ(dialog.showAll, 2);
    EXPECT_EQ(dialog.warn, 0);
    EXPECT_EQ(dialog.peace, 1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(driver.LogContains("dialog 'Treaty options': ended with IDOK"));
}

TEST_F(DialogFixture, ModalDialogLoadsTheMembersIntoItsControlsAndFocusesTheFirstTabStop)
{
    TreatyOptionsDialog dialog;
    dialog.race = "an";
    dialog.column = 3;
    dialog.showAll = 0;
    dialog.ticked = {"Research", "Passage"};
    std::string race, from, showAll;
    int focused = 0;
    std::vector<int> checks;
    driver.Queue("look", [&] {
        HWND window = ::GetActiveWindow();
        race = ItemText(window, kRace);
        from = ItemText(window, kFrom);
        showAll = ItemText(window, kShowAll);
        focused = FocusedControlId();
        for (int id : {kStatus, kCustom1, kCustom2, kCustom3})
            checks.push_back(int(SendToItem(window, id, BM_GETCHECK)));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    // The race selects the first listed name that begins with it, whatever the case.
    EXPECT_EQ(race, "Antares");
    EXPECT_EQ(from, "10");
    EXPECT_EQ(showAll, "Never");
    EXPECT_EQ(focused, kRace);
    EXPECT_EQ(checks, (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(dialog.ticked, (std::vector<std::string>{"Research", "Passage"}));
}

TEST_F(DialogFixture, RefusedValueShowsTheStandardMessageAndKeepsTheDialogOpenWithTheFocusOnTheEdit)
{
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {
        {"4", "Please enter an integer between 5 and 50."},
        {"51", "Please enter an integer between 5 and 50."},
        {"abc", "Please enter a positive integer."},
        {"-3", "Please enter a positive integer."},
        {"", "Please enter a positive integer."},
        {"99999999999", "Please enter a positive integer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        driver.Reset();
        TreatyOptionsDialog dialog;
        driver.SetControlText(kFrom, c.typed);
        driver.ClickButton(IDOK);
        BOOL stillOpen = FALSE;
        int focused = 0;
        LRESULT selection = 0;
        driver.Queue("look", [&] {
            stillOpen = ::IsWindow(dialog.m_hWnd) && dialog.IsWindowVisible();
            focused = FocusedControlId();
            selection = SendToItem(dialog.m_hWnd, kFrom, EM_GETSEL);
        });

        // Nothing more comes, so the dialog ends itself as cancelled.
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(driver.LogContains(std::string(c.message) + " -> no answer queued, IDOK"));
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(focused, kFrom);
        EXPECT_EQ(selection, MAKELRESULT(0, std::string(c.typed).size()));
        EXPECT_TRUE(driver.LogContains("dialog 'Treaty options': input ran dry, cancelled"));
        // A refused number does not stay in the member, whether it was no number or out of range.
        EXPECT_EQ(dialog.firstTurn, 10u);
    }
}

TEST_F(DialogFixture, CancelLeavesTheMembersAsTheyWere)
{
    TreatyOptionsDialog dialog;
    driver.SetControlText(kFrom, "33");
    ControlActions::PickRadio(kCustom3);
    ControlActions::TickItem(kConditions, "Research");
    ControlActions::PickComboItem(kRace, "Vega");
    driver.ClickButton(IDCANCEL);

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.firstTurn, 10u);
    EXPECT_EQ(dialog.column, 0);
    EXPECT_EQ(dialog.race, "");
    EXPECT_EQ(dialog.ticked, std::vector<std::string>{"Trade"});
}

TEST_F(DialogFixture, EnterPressesTheDefaultButtonOrTheFocusedOneAndEscapeCancels)
{
    const struct {
        int focus;
        int key;
        INT_PTR result;
    } cases[] = {
        {kFrom, VK_RETURN, IDOK},
        {kConditions, VK_RETURN, IDOK},
        {IDCANCEL, VK_RETURN, IDCANCEL},
        {kAdd, VK_RETURN, -2},
        {kFrom, VK_ESCAPE, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        driver.Reset();
        TreatyOptionsDialog dialog;
        driver.SetControlText(kFrom, "7");
        driver.FocusControl(c.focus);
        driver.Key(c.key);
        const INT_PTR result = dialog.DoModal();
        if (c.result == -2) {
            // A focused push button that is not OK or Cancel is pressed instead of the default.
            EXPECT_EQ(result, IDCANCEL);
            EXPECT_EQ(dialog.addClicks, 1);
            continue;
        }
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(dialog.firstTurn, c.result == IDOK ? 7u : 10u);
    }
}

TEST_F(DialogFixture, TabVisitsTheTabStopsInTemplateOrderAndArrowsMoveWithinTheRadioGroup)
{
    TreatyOptionsDialog dialog;
    dialog.column = 2;
    std::vector<int> visited;
    auto note = [&] { driver.Queue("note the focus", [&] { visited.push_back(FocusedControlId()); }); };
    note();
    for (int i = 0; i < 11; ++i) {
        driver.Key(VK_TAB);
        note();
    }
    driver.Key(VK_TAB, MK_SHIFT);
    note();
    driver.FocusControl(kCustom2);
    driver.Key(VK_DOWN);
    note();
    driver.Key(VK_RETURN);

    EXPECT_EQ(dialog.DoModal(), IDOK);
    // The radio group's stop is its checked button.
    EXPECT_EQ(visited, (std::vector<int>{kRace, kFrom, kTill, kWarn, kPeace, kShowAll, kCustom2, kAdd, kConditions, IDOK,
                                         IDCANCEL, kRace, IDCANCEL, kCustom3}));
    EXPECT_EQ(dialog.column, 3);
}

// A dialog that holds the first turn to its up-down control's range when the focus leaves it,
// as the plug-ins' settings pages do.
class HeldTurnDialog : public TreatyOptionsDialog {
public:
    HeldTurnDialog() { BindCommand(kFrom, EN_KILLFOCUS, &HeldTurnDialog::OnLeaveFrom); }
    std::vector<BOOL> errors;

private:
    void OnLeaveFrom()
    {
        auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(kFromSpin));
        BOOL error = FALSE;
        spin->GetPos32(&error);
        errors.push_back(error);
        if (error)
            spin->SetPos32(10);
    }
};

TEST_F(DialogFixture, FocusLeavingAnEditReachesTheBoundHandler)
{
    HeldTurnDialog dialog;
    for (const char* typed : {"", "150", "42"}) {
        driver.FocusControl(kFrom);
        driver.SetControlText(kFrom, typed);
        driver.FocusControl(kTill);
    }
    driver.ClickButton(IDOK);

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.errors, (std::vector<BOOL>{TRUE, TRUE, FALSE}));
    EXPECT_EQ(dialog.firstTurn, 42u);
}

TEST_F(DialogFixture, ClickedButtonReachesTheBoundHandlerAndClosingTheWindowCancels)
{
    TreatyOptionsDialog dialog;
    driver.ClickButton(kAdd);
    driver.ClickButton(kAdd);
    driver.Queue("close", [] { ::SendMessage(::GetActiveWindow(), WM_CLOSE, 0, 0); });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.addClicks, 2);
    EXPECT_FALSE(driver.LogContains("input ran dry"));
}

TEST_F(DialogFixture, ModalDialogDisablesItsOwnerAndGivesTheActivationBackWhenItEnds)
{
    NotificationSink owner;
    owner.Make();
    CEdit edit;
    edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 100, 30), &owner, 5);
    edit.SetFocus();
    BOOL ownerEnabled = TRUE;
    driver.Queue("look", [&] { ownerEnabled = owner.IsWindowEnabled(); });
    driver.ClickButton(IDCANCEL);

    TreatyOptionsDialog dialog;
    dialog.m_pParentWnd = &owner;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(::GetActiveWindow(), owner.m_hWnd);
}

TEST_F(DialogFixture, DialogFromTheCurrentModulesResourcesAndAMissingTemplate)
{
    platform::ResourceTable resources("test module");
    resources.AddDialog(134, TreatyOptionsTemplate());
    platform::ResourceScope scope(resources.Handle());

    CDialog missing(135);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(driver.LogContains("dialog 135: no such template"));

    CDialog found(134);
    driver.ClickButton(IDOK);
    EXPECT_EQ(found.DoModal(), IDOK);
}

} // namespace
