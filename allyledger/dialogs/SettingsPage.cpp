#include "SettingsPage.h"

#include "platform/framework/ResourceTable.h"
#include "platform/framework/SpinButtonCtrl.h"
#include "resources/allyledger/AllyledgerResources.h"

using namespace allyledger::resources::settings;

namespace {

constexpr int kArrowsLowest = 0;
constexpr int kArrowsHighest = 99;
constexpr int kDefaultLengthFallback = 10;
constexpr int kThresholdFallback = 5;

} // namespace

CSettingsPage::CSettingsPage(allyledger::Settings& settings) : m_settings(settings)
{
    BindCommand(kDefLen, EN_KILLFOCUS, &CSettingsPage::OnLeaveDefaultLength);
    BindCommand(kExpThr, EN_KILLFOCUS, &CSettingsPage::OnLeaveThreshold);
}

CSettingsPage* CSettingsPage::Open(allyledger::Settings& settings, CWnd* parent)
{
    platform::ResourceScope ownResources(allyledger::resources::ResourceHandle());
    auto* page = new CSettingsPage(settings);
    if (!page->Create(allyledger::resources::kSettingsPage, parent)) {
        delete page;
        return nullptr;
    }
    page->m_ownedByWindow = true;
    return page;
}

// The host keeps the page as its tree item's data while its settings window lives, and the page
// goes when that window destroys it; a page that never got its window is its maker's to delete.
void CSettingsPage::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    if (m_ownedByWindow)
        delete this;
}

BOOL CSettingsPage::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    for (int id : {kDefLenSpin, kExpThrSpin})
        if (auto* arrows = static_cast<CSpinButtonCtrl*>(GetDlgItem(id)))
            arrows->SetRange32(kArrowsLowest, kArrowsHighest);
    return result;
}

void CSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kDefLen, m_settings.DefLenText);
    DDX_Text(pDX, kExpThr, m_settings.ExpThrText);
    DDX_Check(pDX, kWarnOnReport, m_settings.WarnOnReport);
    DDX_Check(pDX, kWarnOnGame, m_settings.WarnOnGame);
    DDX_CBIndex(pDX, kShowInfo, m_settings.ShowInfo);
    DDX_CBIndex(pDX, kShowAll, m_settings.ShowAll);
    DDX_Check(pDX, kDeclarePeace, m_settings.DeclarePeaceOnSign);
    DDX_Check(pDX, kDeclareWar, m_settings.DeclareWarOnBreak);
    DDX_Check(pDX, kDeleteExpired, m_settings.DeleteExpired);
    DDX_Radio(pDX, kStatusColumn, m_settings.ColNum);
    DDX_Radio(pDX, kInfoColumn, m_settings.InfNum);
}

void CSettingsPage::OnLeaveDefaultLength() { HoldWithinArrows(kDefLenSpin, kDefaultLengthFallback); }

void CSettingsPage::OnLeaveThreshold() { HoldWithinArrows(kExpThrSpin, kThresholdFallback); }

// A text that is no number within the arrows' range gives way to the fallback.
void CSettingsPage::HoldWithinArrows(int spinId, int fallback)
{
    auto* arrows = static_cast<CSpinButtonCtrl*>(GetDlgItem(spinId));
    if (!arrows)
        return;
    BOOL invalid = FALSE;
    arrows->GetPos32(&invalid);
    if (invalid)
        arrows->SetPos32(fallback);
}
