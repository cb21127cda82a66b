// Commands that use what the plug-ins registered: their menu items per view, their functions,
// and raw events for trying a plug-in out.
#include <ostream>

#include "Host.h"
#include "Session.h"

namespace refhost {

namespace {

using Result = std::optional<std::string>;

struct MenuItem {
    Plugin* plugin;
    std::string view;  // "main" for the host's own menu
    std::string submenu;
    std::string text;
};

// The items a plug-in registered: "MenuItem" in the main menu; "MenuItem:VIEW" names a submenu
// of view VIEW whose items are "1:VIEW", "2:VIEW", ...
std::vector<MenuItem> menuItems(Host& host)
{
    std::vector<MenuItem> items;
    for (auto& plugin : host.Plugins()) {
        plugin->Registration().ForEach([&](const CString& key, const CString& value) {
            if (key == "MenuItem") {
                items.push_back({plugin.get(), "main", "", value.str()});
            } else if (key.Left(9) == "MenuItem:") {
                const CString view = key.Mid(9);
                CString item;
                for (int n = 1; plugin->Registration().Lookup(CString(std::to_string(n).c_str()) + ":" + view, item); ++n)
                    items.push_back({plugin.get(), view.str(), value.str(), item.str()});
            }
        });
    }
    return items;
}

CMapStringToString commandMap(World& world, const std::string& command, const std::string& view)
{
    CMapStringToString map = world.CurrentGameMap();
    map["Command"] = command.c_str();
    map["SID"] = view == "main" ? "0" : view.c_str();
    return map;
}

// "key=value" words into a map; a word without "=" is a key with an empty value.
CMapStringToString mapOf(const std::vector<std::string>& words, std::size_t from)
{
    CMapStringToString map;
    for (std::size_t i = from; i < words.size(); ++i) {
        const auto equals = words[i].find('=');
        map[words[i].substr(0, equals).c_str()] = equals == std::string::npos ? "" : words[i].substr(equals + 1).c_str();
    }
    return map;
}

void printMap(Host& host, const char* title, const CMapStringToString& map)
{
    host.Out() << title << ':';
    map.ForEach([&](const CString& k, const CString& v) { host.Out() << ' ' << k << '=' << Shown(v); });
    host.Out() << '\n';
}

Result sendEvent(Host& host, const CommandLine& c)
{
    if (c.words.size() < 2)
        return "usage: send PLUGIN ENTRY [KEY=VALUE ...]";
    Plugin* plugin = host.FindPlugin(c.words[0]);
    if (!plugin)
        return "no plug-in named '" + c.words[0] + "'";
    const EntryPoints& e = plugin->Entry();
    const std::pair<const char*, void (*EntryPoints::*)(CMapStringToString&)> entries[] = {
        {"OnInitialize", &EntryPoints::OnInitialize},     {"OnDataChanged", &EntryPoints::OnDataChanged},
        {"OnGamesListModified", &EntryPoints::OnGamesListModified}, {"OnTurnChanged", &EntryPoints::OnTurnChanged},
        {"OnReportLoaded", &EntryPoints::OnReportLoaded}, {"OnUserCommand", &EntryPoints::OnUserCommand},
        {"OnPlanetChanged", &EntryPoints::OnPlanetChanged}, {"OnAbout", &EntryPoints::OnAbout},
        {"OnActivate", &EntryPoints::OnActivate},         {"CreateConfig", &EntryPoints::CreateConfig},
        {"OnOK", &EntryPoints::OnOK},
    };
    CMapStringToString map = mapOf(c.words, 2);
    for (const auto& [name, member] : entries) {
        if (c.words[1] != name)
            continue;
        if (!(e.*member))
            return plugin->Name() + " has no entry point " + name;
        (e.*member)(map);
        printMap(host, "answer", map);
        return std::nullopt;
    }
    if (c.words[1] == "OnCallFunction" || c.words[1] == "OnTableProcessor") {
        auto entry = c.words[1] == "OnCallFunction" ? e.OnCallFunction : e.OnTableProcessor;
        if (!entry)
            return plugin->Name() + " has no entry point " + c.words[1];
        CStringArray row;
        entry(map, row);
        printMap(host, "answer", map);
        return std::nullopt;
    }
    return "no such entry point '" + c.words[1] + "'";
}

} // namespace

void AddPluginCommands(Session& session)
{
    Host& host = session.GetHost();
    session.Add("menu", {"menu", "lists the plug-ins' menu items, per view",
                         [&host](const CommandLine&) -> Result {
                             for (const auto& item : menuItems(host))
                                 host.Out() << "menu " << item.view << ": " << item.plugin->Name() << ' '
                                            << (item.submenu.empty() ? "" : Shown(item.submenu.c_str()) + " > ")
                                            << Shown(item.text.c_str()) << '\n';
                             return std::nullopt;
                         }});
    session.Add("command", {"command [VIEW] ITEM", "picks a plug-in's menu item in a view (51467, 1, 51691) or the main menu",
                            [&host](const CommandLine& c) -> Result {
                                if (c.words.empty() || c.words.size() > 2)
                                    return "usage: command [VIEW] ITEM (quote an item with blanks)";
                                const std::string view = c.words.size() == 2 ? c.words[0] : "main";
                                const std::string& text = c.words.back();
                                for (const auto& item : menuItems(host)) {
                                    if (item.view != view || item.text != text || !item.plugin->Entry().OnUserCommand)
                                        continue;
                                    CMapStringToString map = commandMap(host.GetWorld(), text, view);
                                    item.plugin->Entry().OnUserCommand(map);
                                    return std::nullopt;
                                }
                                return "no plug-in offers '" + text + "' in " + (view == "main" ? "the main menu" : "view " + view);
                            }});
    session.Add("call", {"call FUNCTION [PARAMETER ...]", "calls a function a plug-in offers and prints its Return",
                         [&host](const CommandLine& c) -> Result {
                             if (c.words.empty())
                                 return "usage: call FUNCTION [PARAMETER ...]";
                             const CString key = CString("Function:") + c.words[0].c_str();
                             for (auto& plugin : host.Plugins()) {
                                 CString arity;
                                 if (!plugin->Registration().Lookup(key, arity) || !plugin->Entry().OnCallFunction)
                                     continue;
                                 CMapStringToString map = host.GetWorld().CurrentGameMap();
                                 map["FuncName"] = c.words[0].c_str();
                                 map["Parameters.Count"] = std::to_string(c.words.size() - 1).c_str();
                                 for (std::size_t i = 1; i < c.words.size(); ++i)
                                     map[("Parameter." + std::to_string(i)).c_str()] = c.words[i].c_str();
                                 CStringArray unused;
                                 plugin->Entry().OnCallFunction(map, unused);
                                 CString result;
                                 if (map.Lookup("Return", result))
                                     host.Out() << c.words[0] << " returns " << result << '\n';
                                 else
                                     host.Out() << c.words[0] << " set no Return\n";
                                 return std::nullopt;
                             }
                             return "no plug-in offers the function '" + c.words[0] + "'";
                         }});
    session.Add("send", {"send PLUGIN ENTRY [KEY=VALUE ...]", "calls an entry point of a plug-in with the given map and prints the map after",
                         [&host](const CommandLine& c) { return sendEvent(host, c); }});
}

} // namespace refhost
