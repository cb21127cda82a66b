#include "DialogTreatyUi.h"

#include <algorithm>
#include <climits>

#include "SignTreatyDlg.h"
#include "allyledger/plugin/AllyledgerApp.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/ResourceTable.h"
#include "resources/allyledger/AllyledgerResources.h"

namespace allyledger {

namespace {

// A turn field's text as a whole number: its leading digits, 0 when there are none; a number
// too large for a turn stops at the largest one.
int LeadingNumber(const CString& text)
{
    long long value = 0;
    for (int i = 0; i < text.GetLength() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    return int(value);
}

} // namespace

bool DialogTreatyUi::SignTreaty(CAllyledgerApp& app, const CString& game, int turn, SignTerms& terms)
{
    CStringList parameters;
    parameters.AddTail("Races");
    CMapStringToString races;
    app.CallHost(game, app.CurrentRace, uint32_t(turn), "List", parameters, races);

    platform::ResourceScope ownResources(resources::ResourceHandle());
    CSignTreatyDlg dialog(app.Register, app.Settings.DefLen, races, turn, terms.conditions);
    dialog.m_race = terms.race;
    if (dialog.DoModal() != IDOK)
        return false;
    terms.race = dialog.m_race;
    terms.from = LeadingNumber(dialog.m_firstTurn);
    terms.till = LeadingNumber(dialog.m_lastTurn);
    terms.conditions = dialog.m_conditions;
    return true;
}

bool DialogTreatyUi::ConfirmBreak(const CString& question)
{
    return platform::ShowMessageBox(nullptr, question, kQuestionCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace allyledger
