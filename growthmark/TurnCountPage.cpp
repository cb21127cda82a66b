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

// A number that fails its check does not stay in the page's value, so OK stores the last number
// that was accepted.
void CTurnCountPage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, kTurnCountSpin, m_spin);
    DDX_Text(pDX, kTurnCountEdit, m_turns);
    DDV_MinMaxUInt(pDX, m_turns, growthmark::kFieldLowest, growthmark::kFieldHighest);
}

void CTurnCountPage::OnFieldKillFocus() { UpdateData(TRUE); }
