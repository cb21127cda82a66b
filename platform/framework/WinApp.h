// The application object of a module: one per program and one per plug-in library.
#pragma once

#include "../core/String.h"
#include "../win/CmdTarget.h"

class PLATFORM_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    const char* m_pszAppName = nullptr;
};
