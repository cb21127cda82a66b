// The application object of a module: one per program and one per plug-in library.
#pragma once

#include "../core/Object.h"
#include "../core/String.h"

class PLATFORM_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
};

class PLATFORM_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    const char* m_pszAppName = nullptr;
};
