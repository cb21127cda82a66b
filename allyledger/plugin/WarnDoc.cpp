#include "WarnDoc.h"

#include "AllyledgerApp.h"

IMPLEMENT_DYNCREATE(CWarnDoc, CDocument)

namespace {

constexpr int kShowAllThreshold = 999;

} // namespace

CWarnDoc::CWarnDoc()
{
    // The window shows the context of the moment it was opened, with the options its opener set.
    const CAllyledgerApp& app = CAllyledgerApp::Instance();
    m_owner = app.CurrentOwner;
    m_title.Format("Pact expiry warnings (%s turn %d)", app.CurrentOwner.GetString(), app.CurrentTurn);
    const int threshold = app.WarnShowAll ? kShowAllThreshold : app.Settings.ExpThr;
    app.Register.GetExpiryWarnings(app.CurrentOwner, app.CurrentTurn, threshold, m_lines,
                                   app.WarnShowConditions ? CPactRegister::ConditionLines::Include
                                                          : CPactRegister::ConditionLines::Omit);
}

BOOL CWarnDoc::OnNewDocument() { return CDocument::OnNewDocument(); }
