// Module state: what the framework keeps per module (the program, and each loaded library):
// its application object, its instance handle and the handle its resources come from.
//
// One state is current at any time. Without a scope that says otherwise it is the program's
// (the host's), so AfxGetApp() and AfxGetMainWnd() answer the host's application and main frame.
// A handler that must open its windows inside the host's main frame, whatever state its caller
// left current, runs under the host's state:
//
//     AFX_MANAGE_STATE(AfxGetAppModuleState());   // or: platform::HostModuleScope scope;
//
// and a library that wants its own state current says AFX_MANAGE_STATE(AfxGetStaticModuleState()).
#pragma once

#include <vector>

#include "../core/String.h"
#include "../win/WinTypes.h"

class CWinApp;

class PLATFORM_API AFX_MODULE_STATE {
public:
    // A state of its own, not tied to a loaded module (a test's stand-in for a library). Its
    // instance handle is unique to it unless one is given.
    explicit AFX_MODULE_STATE(const char* name = nullptr, HINSTANCE instance = nullptr);
    AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
    AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

    // The module's application object; null until one is constructed, and again after it is gone.
    CWinApp* m_pCurrentWinApp = nullptr;
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    // Where the module's resources are looked up; the instance handle unless changed.
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    const char* m_lpszCurrentAppName = nullptr;
    // For logs and tests: the library's file name, or the name given.
    CString m_strModuleName;
};

// The state current now.
PLATFORM_API AFX_MODULE_STATE* AfxGetModuleState();
// The program's state: the host's, or a test program's.
PLATFORM_API AFX_MODULE_STATE* AfxGetAppModuleState();
// The state of the module whose code calls this function.
PLATFORM_API AFX_MODULE_STATE* AfxGetStaticModuleState();
// Makes a state current and returns the one that was; null puts the program's state back.
PLATFORM_API AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state);
PLATFORM_API HINSTANCE AfxGetInstanceHandle();

// Keeps a state current for as long as it lives, then restores the previous one.
class PLATFORM_API AFX_MAINTAIN_STATE {
public:
    explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE* state);
    ~AFX_MAINTAIN_STATE();
    AFX_MAINTAIN_STATE(const AFX_MAINTAIN_STATE&) = delete;
    AFX_MAINTAIN_STATE& operator=(const AFX_MAINTAIN_STATE&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevModuleState;
};

#define AFX_MANAGE_STATE(state) AFX_MAINTAIN_STATE afxManagedState_(state)

namespace platform {

// The state of the loaded module (program or library) whose image holds the address; null for
// an address outside every module (the heap, a stack).
PLATFORM_API AFX_MODULE_STATE* ModuleStateOf(const void* address);

// Runs a block under the host application's module state.
class PLATFORM_API HostModuleScope {
public:
    HostModuleScope() : m_state(AfxGetAppModuleState()) {}

private:
    AFX_MAINTAIN_STATE m_state;
};

// The application objects alive now, in the order they were made.
PLATFORM_API std::vector<CWinApp*> Applications();

namespace detail {
// Called by CWinApp as it comes and goes. An application object that is a module's global
// belongs to that module; one made at run time (a test's) belongs to the state current then.
AFX_MODULE_STATE* ApplicationCreated(CWinApp* app);
void ApplicationDestroyed(CWinApp* app);
} // namespace detail

} // namespace platform
