#include "WinApp.h"

#include "DocTemplate.h"
#include "FrameworkIds.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    m_pModuleState = platform::detail::ApplicationCreated(this);
    m_hInstance = m_pModuleState->m_hCurrentInstanceHandle;
}

CWinApp::~CWinApp()
{
    CloseAllDocuments(TRUE);
    for (auto* node = m_templates.head(); node; node = node->next)
        delete node->value;
    m_templates.clear();
    platform::detail::ApplicationDestroyed(this);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate)
        m_templates.insertBefore(nullptr, pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return m_templates.head(); }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const
{
    auto* node = decltype(m_templates)::node(rPosition);
    rPosition = node->next;
    return node->value;
}

int CWinApp::GetOpenDocumentCount() const
{
    int count = 0;
    for (auto* node = m_templates.head(); node; node = node->next)
        for (POSITION pos = node->value->GetFirstDocPosition(); pos; node->value->GetNextDoc(pos))
            ++count;
    return count;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (auto* node = m_templates.head(); node; node = node->next)
        node->value->CloseAllDocuments(bEndSession);
}

void CWinApp::OnFileNew()
{
    if (CDocTemplate* first = m_templates.head() ? m_templates.head()->value : nullptr)
        first->OpenDocumentFile(nullptr);
}

BOOL CWinApp::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (nCode == CN_COMMAND && nID == ID_FILE_NEW) {
        OnFileNew();
        return TRUE;
    }
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}
