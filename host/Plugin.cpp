#include "Plugin.h"

#include <dlfcn.h>

#include <filesystem>

namespace refhost {

namespace {

template <class F>
void resolve(void* handle, F& slot, const char* decorated, const char* bare)
{
    void* address = dlsym(handle, decorated);
    if (!address)
        address = dlsym(handle, bare);
    slot = reinterpret_cast<F>(address);
}

} // namespace

Plugin::~Plugin()
{
    if (m_handle)
        dlclose(m_handle);
}

std::string Plugin::Open(const std::string& path)
{
    m_path = path;
    m_name = std::filesystem::path(path).stem().string();
    if (m_name.rfind("lib", 0) == 0)
        m_name.erase(0, 3);
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* reason = dlerror();
        return reason ? reason : "cannot be loaded";
    }
    auto& e = m_entry;
    resolve(m_handle, e.OnLoad, "_Z6OnLoadv", "OnLoad");
    resolve(m_handle, e.OnInitialize, "_Z12OnInitializeR18CMapStringToString", "OnInitialize");
    resolve(m_handle, e.OnClose, "_Z7OnClosev", "OnClose");
    resolve(m_handle, e.OnDataChanged, "_Z13OnDataChangedR18CMapStringToString", "OnDataChanged");
    resolve(m_handle, e.OnGamesListModified, "_Z19OnGamesListModifiedR18CMapStringToString", "OnGamesListModified");
    resolve(m_handle, e.OnTurnChanged, "_Z13OnTurnChangedR18CMapStringToString", "OnTurnChanged");
    resolve(m_handle, e.OnReportLoaded, "_Z14OnReportLoadedR18CMapStringToString", "OnReportLoaded");
    resolve(m_handle, e.OnUserCommand, "_Z13OnUserCommandR18CMapStringToString", "OnUserCommand");
    resolve(m_handle, e.OnPlanetChanged, "_Z15OnPlanetChangedR18CMapStringToString", "OnPlanetChanged");
    resolve(m_handle, e.OnAbout, "_Z7OnAboutR18CMapStringToString", "OnAbout");
    resolve(m_handle, e.OnTableProcessor, "_Z16OnTableProcessorR18CMapStringToStringR12CStringArray", "OnTableProcessor");
    resolve(m_handle, e.OnTableFilter, "_Z13OnTableFilterR18CMapStringToStringR12CStringArray", "OnTableFilter");
    resolve(m_handle, e.OnCallFunction, "_Z14OnCallFunctionR18CMapStringToStringR12CStringArray", "OnCallFunction");
    resolve(m_handle, e.OnActivate, "_Z10OnActivateR18CMapStringToString", "OnActivate");
    resolve(m_handle, e.CreateConfig, "_Z12CreateConfigR18CMapStringToString", "CreateConfig");
    resolve(m_handle, e.OnOK, "_Z4OnOKR18CMapStringToString", "OnOK");
    if (!e.OnInitialize)
        return "it has no OnInitialize entry point";
    return {};
}

} // namespace refhost
