#include "TurnCountPage.h"

#include "TurnCountSetting.h"
#include "resources/growthmark/GrowthmarkResources.h"

using growthmark::resources::kTurnCountEdit;
using growthmark::resources::kTurnCountSpin;

CTurnCountPage::CTurnCountPage() : CDialog(growthmark::resources::kSettingsDialog)
{
    BindCommand(kTurnCountEdit, EN_KILLFOCUS, &CTurnCountPage::OnFieldKillFocus);
}

BOOL CTurnCountPage::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    if (m_spin.GetSafeHwnd())
        m_spin.SetRange(short(growthmark::kArrowsLowest), short(growthmark::kArrowsHighest));
    return result;
}

// A number that fails the check never reaches the page's value, so OK stores the last number
// that was accepted.
void CTurnCountPage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, kTurnCountSpin, m_spin);
    UINT turns = m_turns;
    DDX_Text(pDX, kTurnCountEdit, turns);
    DDV_MinMaxUInt(pDX, turns, growthmark::kFieldLowest, growthmark::kFieldHighest);
    m_turns = turns;
}

void CTurnCountPage::OnFieldKillFocus() { UpdateData(TRUE); }
