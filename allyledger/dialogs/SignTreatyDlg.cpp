#include "SignTreatyDlg.h"

#include <algorithm>
#include <climits>

#include "NewConditionDlg.h"
#include "platform/core/Convert.h"
#include "platform/framework/ComboBox.h"
#include "platform/framework/ControlState.h"
#include "platform/framework/SpinButtonCtrl.h"
#include "resources/allyledger/AllyledgerResources.h"

using namespace allyledger::resources::sign;

namespace {

constexpr int kHighestTurn = 999;

// A turn that lies a number of turns after another, held within the range of int.
int TurnsLater(int turn, int turns) { return int(std::clamp<long long>((long long)turn + turns, INT_MIN, INT_MAX)); }

CString Decimal(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

} // namespace

CSignTreatyDlg::CSignTreatyDlg(CPactRegister& pactRegister, int defaultLength, const CMapStringToString& races, int turn,
                               LPCTSTR conditions, CWnd* parent)
    : CDialog(allyledger::resources::kSignTreatyDialog, parent), m_conditions(conditions), m_turn(turn), m_races(races),
      m_register(pactRegister), m_defaultLength(defaultLength)
{
    BindCommand(kFrom, EN_KILLFOCUS, &CSignTreatyDlg::OnLeaveFirstTurn);
    BindCommand(kTill, EN_KILLFOCUS, &CSignTreatyDlg::OnLeaveLastTurn);
    BindCommand(kAdd, BN_CLICKED, &CSignTreatyDlg::OnAdd);
}

CSpinButtonCtrl* CSignTreatyDlg::Arrows(int id) const { return static_cast<CSpinButtonCtrl*>(GetDlgItem(id)); }

BOOL CSignTreatyDlg::OnInitDialog()
{
    FillRaces();
    const int proposedTill = TurnsLater(m_turn, m_defaultLength);
    if (CSpinButtonCtrl* from = Arrows(kFromSpin)) {
        from->SetRange32(0, proposedTill);
        from->SetPos32(m_turn);
    }
    m_firstTurn = Decimal(m_turn);
    if (CSpinButtonCtrl* till = Arrows(kTillSpin)) {
        till->SetRange32(m_turn, kHighestTurn);
        till->SetPos32(proposedTill);
    }
    m_lastTurn = Decimal(proposedTill);
    if (!m_conditionList.GetSafeHwnd())
        platform::SubclassControl(m_conditionList, ::GetDlgItem(m_hWnd, kConditions));
    m_conditionList.SetCheckStyle(BS_AUTOCHECKBOX);
    m_register.FillConditionList(m_conditionList);
    return CDialog::OnInitDialog();
}

// The entries "1" to "Count" of the host's answer; the box sorts them. A count beyond the
// entries the answer holds stops once every entry is found.
void CSignTreatyDlg::FillRaces()
{
    auto* box = static_cast<CComboBox*>(GetDlgItem(kRace));
    CString count;
    if (!box || !m_races.Lookup("Count", count))
        return;
    const int n = platform::AtoI(count);
    int found = 0;
    for (int i = 1; i <= n && found < m_races.GetCount(); ++i) {
        CString race;
        if (!m_races.Lookup(Decimal(i), race))
            continue;
        ++found;
        box->AddString(race);
    }
}

void CSignTreatyDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kConditions, m_conditionList);
    DDX_CBString(pDX, kRace, m_race);
    DDX_Text(pDX, kFrom, m_firstTurn);
    DDX_Text(pDX, kTill, m_lastTurn);
    if (pDX->m_bSaveAndValidate)
        m_conditions = m_register.GetTickedConditions(m_conditionList);
    else
        m_register.CheckConditions(m_conditions, m_conditionList);
}

// The first turn is held between 0 and the last turn: a text that is no turn in that range
// takes the last turn, and the last turn may then go no lower than the first.
void CSignTreatyDlg::OnLeaveFirstTurn()
{
    CSpinButtonCtrl* from = Arrows(kFromSpin);
    CSpinButtonCtrl* till = Arrows(kTillSpin);
    if (!from || !till)
        return;
    BOOL invalid = FALSE;
    int first = from->GetPos32(&invalid);
    const int last = till->GetPos32();
    if (invalid) {
        from->SetPos32(last);
        first = last;
    }
    till->SetRange32(first, kHighestTurn);
}

// The mirror of the rule above: the last turn is held between the first turn and 999.
void CSignTreatyDlg::OnLeaveLastTurn()
{
    CSpinButtonCtrl* from = Arrows(kFromSpin);
    CSpinButtonCtrl* till = Arrows(kTillSpin);
    if (!from || !till)
        return;
    BOOL invalid = FALSE;
    const int first = from->GetPos32();
    int last = till->GetPos32(&invalid);
    if (invalid) {
        till->SetPos32(first);
        last = first;
    }
    from->SetRange32(0, last);
}

bool CSignTreatyDlg::IsListed(const CString& mainText)
{
    for (int i = 0; i < m_conditionList.GetCount(); ++i) {
        CString shown;
        m_conditionList.GetText(i, shown);
        if (shown.CompareNoCase(mainText) == 0)
            return true;
    }
    return false;
}

// A new dictionary entry rebuilds the list; the ticks of the moment come back, the new item
// stays unticked. A main text already listed, in whatever case, changes nothing.
void CSignTreatyDlg::OnAdd()
{
    CNewConditionDlg newCondition;
    if (newCondition.DoModal() != IDOK || IsListed(newCondition.m_mainText))
        return;
    m_conditions = m_register.GetTickedConditions(m_conditionList);
    m_register.AddCondition(newCondition.m_abbreviation, newCondition.m_mainText);
    m_register.FillConditionList(m_conditionList);
    m_register.CheckConditions(m_conditions, m_conditionList);
}
