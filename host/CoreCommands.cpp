// Commands that look at the loaded plug-ins and the settings store.
#include <ostream>

#include "Host.h"
#include "Session.h"

namespace refhost {

namespace {

void printPlugin(Host& host, Plugin& plugin)
{
    std::ostream& out = host.Out();
    out << "plug-in " << plugin.Name() << '\n';
    CMapStringToString about;
    if (plugin.Entry().OnAbout)
        plugin.Entry().OnAbout(about);
    about.ForEach([&](const CString& key, const CString& value) { out << "  about " << key << ": " << Shown(value) << '\n'; });
    plugin.Registration().ForEach(
        [&](const CString& key, const CString& value) { out << "  registers " << key << " = " << Shown(value) << '\n'; });
}

} // namespace

void AddCoreCommands(Session& session)
{
    Host& host = session.GetHost();
    session.Add("plugins", {"plugins", "lists the loaded plug-ins with their about entries and registration entries",
                            [&host](const CommandLine&) {
                                for (auto& plugin : host.Plugins())
                                    printPlugin(host, *plugin);
                                return std::optional<std::string>();
                            }});
    session.Add("read-setting", {"read-setting NAME", "prints a setting of the settings store",
                                 [&host](const CommandLine& command) -> std::optional<std::string> {
                                     if (command.words.size() != 1)
                                         return "usage: read-setting NAME";
                                     const auto value = host.Settings().Get(command.words[0]);
                                     if (value)
                                         host.Out() << command.words[0] << " = " << *value << '\n';
                                     else
                                         host.Out() << command.words[0] << " is not set\n";
                                     return std::nullopt;
                                 }});
    session.Add("write-setting", {"write-setting NAME VALUE", "stores a setting (VALUE is the rest of the line)",
                                  [&host](const CommandLine& command) -> std::optional<std::string> {
                                      if (command.words.empty())
                                          return "usage: write-setting NAME VALUE";
                                      const std::string& name = command.words[0];
                                      const std::string value = command.rest.substr(name.size());
                                      host.Settings().Set(name, value.empty() ? value : value.substr(value.find_first_not_of(" \t")));
                                      return host.Settings().Save();
                                  }});
    session.Add("echo", {"echo TEXT", "prints the text", [&host](const CommandLine& command) {
                             host.Out() << command.rest << '\n';
                             return std::optional<std::string>();
                         }});
}

} // namespace refhost
