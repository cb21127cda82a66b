#include "Host.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "platform/automation/Automation.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"

namespace fs = std::filesystem;

namespace refhost {

namespace {

constexpr const char* kSettingsFile = "refhost.settings";
constexpr const char* kInitKeys[] = {"MainFrame", "DataManager", "EventMask", "MainFramePtr"};

} // namespace

Host* Host::s_current = nullptr;

Host::Host(std::ostream& out, std::ostream& err) : m_out(out), m_err(err)
{
    s_current = this;
    ServeRegistry();
    ServeGames();
}

Host::~Host()
{
    Stop();
    if (m_mainFrame && ::IsWindow(m_mainFrame->GetSafeHwnd()))
        m_mainFrame->DestroyWindow();
    m_plugins.clear();
    if (s_current == this)
        s_current = nullptr;
}

std::optional<std::string> Host::Start(const Options& options)
{
    std::error_code error;
    if (!options.home.empty()) {
        fs::create_directories(options.home, error);
        fs::current_path(options.home, error);
        if (error)
            return "cannot enter the host folder '" + options.home + "': " + error.message();
    }
    // The host's folder always has a PLUGINS folder: the pact file is kept there.
    fs::create_directories("PLUGINS", error);
    m_settings = std::make_unique<SettingsStore>(kSettingsFile);
    if (auto problem = m_settings->Load())
        return problem;
    CreateMainFrame();
    const std::string folder = options.pluginFolder.empty() ? "PLUGINS" : options.pluginFolder;
    if (!fs::is_directory(folder, error))
        return "plug-in folder '" + folder + "' does not exist";
    LoadPlugins(folder);
    return std::nullopt;
}

void Host::LoadPlugins(const std::string& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".so")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        auto plugin = std::make_unique<Plugin>();
        if (std::string problem = plugin->Open(fs::absolute(file).string()); !problem.empty()) {
            m_err << "refhost: " << file.string() << ": not a plug-in: " << problem << '\n';
            continue;
        }
        m_plugins.push_back(std::move(plugin));
        InitializePlugin(*m_plugins.back());
    }
}

void Host::CreateMainFrame()
{
    m_mainFrame = new CMDIFrameWnd;
    m_mainFrame->Create(nullptr, "refhost");
    if (CWinApp* app = AfxGetApp())
        app->m_pMainWnd = m_mainFrame;
    m_mainFrame->ShowWindow(SW_SHOW);
    Idle();
}

void Host::Idle()
{
    auto& automation = platform::Automation::Instance();
    automation.RunUntilIdle();
    const auto& log = automation.Log();
    for (; m_logSeen < log.size(); ++m_logSeen) {
        const std::string& line = log[m_logSeen];
        if (line.rfind("message box", 0) == 0 || line.find(": ended with") != std::string::npos ||
            line.find("input ran dry") != std::string::npos)
            m_out << "host: " << Shown(line) << '\n';
    }
}

void Host::InitializePlugin(Plugin& plugin)
{
    const auto& entry = plugin.Entry();
    if (entry.OnLoad)
        entry.OnLoad();
    CMapStringToString map;
    map["MainFrame"] = std::to_string(reinterpret_cast<intptr_t>(m_mainFrame->GetSafeHwnd())).c_str();
    map["DataManager"] = std::to_string(reinterpret_cast<intptr_t>(&Host::Callback)).c_str();
    map["EventMask"] = "65535";
    map["MainFramePtr"] = std::to_string(reinterpret_cast<intptr_t>(m_mainFrame)).c_str();
    entry.OnInitialize(map);
    for (const char* key : kInitKeys)
        map.RemoveKey(key);
    plugin.Registration() = map;
}

void Host::Stop()
{
    if (m_stopped || !m_settings)
        return;
    m_stopped = true;
    for (auto& plugin : m_plugins)
        if (plugin->Entry().OnClose)
            plugin->Entry().OnClose();
    Idle();
    if (auto problem = m_settings->Save())
        m_err << "refhost: " << *problem << '\n';
}

void Host::Serve(const std::string& function, HostFunction handler) { m_functions[function] = std::move(handler); }

void Host::Answer(CMapStringToString& request)
{
    CString function;
    if (!request.Lookup("Function", function)) {
        request["LastError"] = "The request names no Function";
        return;
    }
    auto hit = m_functions.find(function.str());
    if (hit == m_functions.end()) {
        request["LastError"] = CString("This host does not serve the function ") + function;
        return;
    }
    hit->second(request);
}

void Host::Callback(CMapStringToString* request)
{
    if (s_current && request)
        s_current->Answer(*request);
}

Plugin* Host::FindPlugin(const std::string& name)
{
    for (auto& plugin : m_plugins)
        if (plugin->Name() == name)
            return plugin.get();
    return nullptr;
}

void Host::ServeRegistry()
{
    Serve("ReadRegistry", [this](CMapStringToString& request) {
        const CString name = request["Name"];
        if (auto value = m_settings->Get(name.str()))
            request[name] = value->c_str();
        request["LastError"] = "";
    });
    Serve("WriteRegistry", [this](CMapStringToString& request) {
        const CString name = request["Name"];
        m_settings->Set(name.str(), request[name].str());
        // Written at once, so that a setting survives a host that does not close cleanly.
        if (auto problem = m_settings->Save())
            m_err << "refhost: " << *problem << '\n';
        request["LastError"] = "";
    });
}

} // namespace refhost
