#include "NewConditionDlg.h"

#include "resources/allyledger/AllyledgerResources.h"

using namespace allyledger::resources::newcondition;

CNewConditionDlg::CNewConditionDlg(CWnd* parent) : CDialog(allyledger::resources::kNewConditionDialog, parent) {}

// Any text is taken as it is, empty or not.
void CNewConditionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kAbbreviation, m_abbreviation);
    DDX_Text(pDX, kMainText, m_mainText);
}
