// The application object of a module: one for the program (the host's) and one per plug-in
// library. It belongs to its module's state (ModuleState.h), owns the module's document
// templates and, for the program, names the main window.
#pragma once

#include "../core/Collections.h"
#include "../core/String.h"
#include "../win/Wnd.h"
#include "ModuleState.h"

class CDocTemplate;

class PLATFORM_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* appName = nullptr);
    // Closes the documents of the application's templates (a library's windows must not outlive
    // its code) and deletes the templates.
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Document templates, in the order they were added; the application owns them.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    int GetOpenDocumentCount() const;
    virtual void CloseAllDocuments(BOOL bEndSession);

    // The New command: a new document from the first template (there is no one to ask which).
    virtual void OnFileNew();
    // Handles ID_FILE_NEW.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    const char* m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    // The program's main window (the host's MDI frame); null in a library's application.
    CWnd* m_pMainWnd = nullptr;
    AFX_MODULE_STATE* m_pModuleState = nullptr;

private:
    platform::detail::LinkedList<CDocTemplate*> m_templates;
};

// The application object of the current module state, and its main window.
PLATFORM_API CWinApp* AfxGetApp();
PLATFORM_API CWnd* AfxGetMainWnd();
