#include "ModuleState.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "WinApp.h"

AFX_MODULE_STATE::AFX_MODULE_STATE(const char* name, HINSTANCE instance)
    : m_hCurrentInstanceHandle(instance ? instance : reinterpret_cast<HINSTANCE>(this)),
      m_hCurrentResourceHandle(m_hCurrentInstanceHandle), m_strModuleName(name ? name : "")
{
}

namespace platform {

namespace {

struct ModuleRegistry {
    // Keyed by the loader's record of each library, which is unique while the library is loaded.
    std::map<const void*, std::unique_ptr<AFX_MODULE_STATE>> libraries;
    // States of libraries whose application object is gone. They are kept, not freed, because a
    // scope may still refer to one; a library loaded later in the same place gets a fresh state.
    std::vector<std::unique_ptr<AFX_MODULE_STATE>> retired;
    AFX_MODULE_STATE* current = nullptr;
    std::vector<CWinApp*> applications;
};

// Never destroyed: libraries unloaded during the program's exit still report their
// application objects going away.
ModuleRegistry& Registry()
{
    static auto* registry = new ModuleRegistry;
    return *registry;
}

const void* MainProgramRecord()
{
    static const void* record = [] {
        link_map* map = nullptr;
        if (void* handle = dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD)) {
            dlinfo(handle, RTLD_DI_LINKMAP, &map);
            dlclose(handle);
        }
        return static_cast<const void*>(map);
    }();
    return record;
}

const char* BaseName(const char* path)
{
    if (!path)
        return "";
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

AFX_MODULE_STATE& ProgramState()
{
    static AFX_MODULE_STATE* state = [] {
        Dl_info info{};
        const auto* map = static_cast<const link_map*>(MainProgramRecord());
        if (map && dladdr(reinterpret_cast<const void*>(map->l_ld), &info) && info.dli_fbase)
            return new AFX_MODULE_STATE(BaseName(info.dli_fname), static_cast<HINSTANCE>(info.dli_fbase));
        return new AFX_MODULE_STATE("program");
    }();
    return *state;
}

} // namespace

AFX_MODULE_STATE* ModuleStateOf(const void* address)
{
    Dl_info info{};
    link_map* map = nullptr;
    if (!address || !dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) || !map)
        return nullptr;
    if (map == MainProgramRecord())
        return &ProgramState();
    auto& state = Registry().libraries[map];
    if (!state)
        state = std::make_unique<AFX_MODULE_STATE>(BaseName(info.dli_fname), static_cast<HINSTANCE>(info.dli_fbase));
    return state.get();
}

std::vector<CWinApp*> Applications() { return Registry().applications; }

namespace detail {

AFX_MODULE_STATE* ApplicationCreated(CWinApp* app)
{
    AFX_MODULE_STATE* state = ModuleStateOf(app);
    if (!state)
        state = AfxGetModuleState();
    state->m_pCurrentWinApp = app;
    state->m_lpszCurrentAppName = app->m_pszAppName;
    Registry().applications.push_back(app);
    return state;
}

void ApplicationDestroyed(CWinApp* app)
{
    auto& registry = Registry();
    std::erase(registry.applications, app);
    AFX_MODULE_STATE* state = app->m_pModuleState;
    if (!state || state->m_pCurrentWinApp != app)
        return;
    state->m_pCurrentWinApp = nullptr;
    state->m_lpszCurrentAppName = nullptr;
    for (auto it = registry.libraries.begin(); it != registry.libraries.end(); ++it)
        if (it->second.get() == state) {
            registry.retired.push_back(std::move(it->second));
            registry.libraries.erase(it);
            break;
        }
}

} // namespace detail

} // namespace platform

AFX_MODULE_STATE* AfxGetModuleState()
{
    AFX_MODULE_STATE* current = platform::Registry().current;
    return current ? current : &platform::ProgramState();
}

AFX_MODULE_STATE* AfxGetAppModuleState() { return &platform::ProgramState(); }

// The caller's return address lies in the caller's module, which is the module asked about; so
// this function must stay a real call.
__attribute__((noinline)) AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    AFX_MODULE_STATE* state = platform::ModuleStateOf(__builtin_extract_return_addr(__builtin_return_address(0)));
    return state ? state : AfxGetAppModuleState();
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state)
{
    AFX_MODULE_STATE* previous = AfxGetModuleState();
    platform::Registry().current = state;
    return previous;
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

AFX_MAINTAIN_STATE::AFX_MAINTAIN_STATE(AFX_MODULE_STATE* state) : m_pPrevModuleState(AfxSetModuleState(state)) {}

AFX_MAINTAIN_STATE::~AFX_MAINTAIN_STATE() { AfxSetModuleState(m_pPrevModuleState); }
