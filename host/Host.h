// The reference host: loads the plug-ins, serves their requests through the host callback,
// and keeps the settings store.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Plugin.h"
#include "SettingsStore.h"
#include "World.h"

namespace refhost {

struct Options {
    std::string home;          // folder the host runs in; empty: the current directory
    std::string pluginFolder;  // empty: PLUGINS under the home folder
};

}  // namespace refhost

class CMDIFrameWnd;

namespace refhost {

class Host {
public:
    using HostFunction = std::function<void(CMapStringToString&)>;

    Host(std::ostream& out, std::ostream& err);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Enters the home folder, reads the settings and loads every plug-in. An error text when
    // the host cannot run at all (a missing plug-in folder, an unreadable settings store).
    std::optional<std::string> Start(const Options& options);
    // Tells every plug-in that the host closes, then writes the settings store.
    void Stop();

    // The function the host answers for a request's "Function".
    void Serve(const std::string& function, HostFunction handler);
    void Answer(CMapStringToString& request);

    SettingsStore& Settings() { return *m_settings; }
    World& GetWorld() { return m_world; }
    // The host's main window, in which the plug-ins open their windows.
    CMDIFrameWnd* MainFrame() { return m_mainFrame; }
    // Lets every queued message and input be handled (windows paint, posted closes happen), then
    // prints what the user saw meanwhile: message boxes, and dialogs that ended.
    void Idle();
    std::vector<std::unique_ptr<Plugin>>& Plugins() { return m_plugins; }
    Plugin* FindPlugin(const std::string& name);
    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }

    // The one host whose callback the plug-ins hold.
    static Host* Current() { return s_current; }
    static void Callback(CMapStringToString* request);

private:
    void LoadPlugins(const std::string& folder);
    void InitializePlugin(Plugin& plugin);
    void ServeRegistry();
    void ServeGames();
    void CreateMainFrame();

    std::ostream& m_out;
    std::ostream& m_err;
    std::unique_ptr<SettingsStore> m_settings;
    World m_world;
    CMDIFrameWnd* m_mainFrame = nullptr;
    std::vector<std::unique_ptr<Plugin>> m_plugins;
    std::map<std::string, HostFunction> m_functions;
    bool m_stopped = false;
    std::size_t m_logSeen = 0;
    static Host* s_current;
};

} // namespace refhost
