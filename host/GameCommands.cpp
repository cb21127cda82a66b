// Commands that load game data, make things happen in the host (events sent to the plug-ins)
// and show the host's views.
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <ostream>

#include "Host.h"
#include "Session.h"

namespace refhost {

namespace {

using Result = std::optional<std::string>;

// The race table of the current game, each row passed through every plug-in that asked for it.
std::vector<CStringArray> raceTable(Host& host)
{
    std::vector<CStringArray> rows;
    Game* game = host.GetWorld().Current();
    if (!game)
        return rows;
    const CString hookKey = CString("PrepareTable:") + std::to_string(kRaceTableView).c_str();
    for (const auto& race : game->races) {
        CStringArray row;
        row.SetSize(kRaceTableCells);
        row[0] = race.c_str();
        for (auto& plugin : host.Plugins()) {
            CString id;
            if (!plugin->Registration().Lookup(hookKey, id) || !plugin->Entry().OnTableProcessor)
                continue;
            CMapStringToString map = host.GetWorld().CurrentGameMap();
            map["ID"] = id;
            plugin->Entry().OnTableProcessor(map, row);
        }
        rows.push_back(row);
    }
    return rows;
}

void printRaceTable(Host& host)
{
    const int columns[] = {0, 8, 17, 18, 19};
    const char* titles[] = {"Race", "Status", "Custom1", "Custom2", "Custom3"};
    const auto rows = raceTable(host);
    std::vector<std::vector<std::string>> cells(1, std::vector<std::string>(std::begin(titles), std::end(titles)));
    for (const auto& row : rows) {
        cells.emplace_back();
        for (int c : columns)
            cells.back().push_back(c < row.GetSize() ? Shown(row[c]) : std::string());
    }
    std::vector<std::size_t> widths(std::size(columns), 0);
    for (const auto& line : cells)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    Game* game = host.GetWorld().Current();
    host.Out() << "race table of " << game->name << " at turn " << game->turn << '\n';
    for (const auto& line : cells) {
        std::string text = " ";
        for (std::size_t c = 0; c < line.size(); ++c)
            text += " " + line[c] + std::string(widths[c] - line[c].size(), ' ') + (c + 1 < line.size() ? " |" : "");
        host.Out() << text.substr(0, text.find_last_not_of(' ') + 1) << '\n';
    }
}

// Sends an event to every plug-in that has the entry point.
template <class Entry>
void broadcast(Host& host, Entry entry, CMapStringToString& map)
{
    for (auto& plugin : host.Plugins())
        if (auto fn = plugin->Entry().*entry) {
            CMapStringToString copy = map;
            fn(copy);
        }
}

Result needGame(Host& host)
{
    if (!host.GetWorld().Current())
        return "no game data loaded (use load-games FILE)";
    return std::nullopt;
}

} // namespace

void AddGameCommands(Session& session)
{
    Host& host = session.GetHost();
    World& world = host.GetWorld();
    session.Add("load-games", {"load-games FILE", "reads the host's games from a game data file (relative to the script)",
                               [&host, &session](const CommandLine& c) -> Result {
                                   if (c.words.size() != 1)
                                       return "usage: load-games FILE";
                                   return host.GetWorld().Load(session.Resolve(c.words[0]));
                               }});
    session.Add("games", {"games", "lists the games", [&host, &world](const CommandLine&) -> Result {
                              for (const auto& game : world.Games())
                                  host.Out() << "game " << game.name << ": own race " << game.ownRace << ", turn "
                                             << game.turn << ", " << game.races.size() << " races, "
                                             << game.planets.size() << " planets"
                                             << (world.Current() == &game ? " (current)" : "") << '\n';
                              return std::nullopt;
                          }});
    session.Add("activate", {"activate GAME [RACE]", "switches to a game (and race) and tells the plug-ins",
                             [&host, &world](const CommandLine& c) -> Result {
                                 if (c.words.empty() || c.words.size() > 2)
                                     return "usage: activate GAME [RACE]";
                                 if (auto problem = world.Activate(c.words[0], c.words.size() > 1 ? c.words[1] : ""))
                                     return problem;
                                 CMapStringToString map = world.CurrentGameMap(World::WithTurn::No);
                                 broadcast(host, &EntryPoints::OnActivate, map);
                                 return std::nullopt;
                             }});
    session.Add("games-list", {"games-list", "tells the plug-ins the list of games (each with its own race)",
                               [&host, &world](const CommandLine&) -> Result {
                                   CMapStringToString map;
                                   map["Count"] = std::to_string(world.Games().size()).c_str();
                                   int i = 0;
                                   for (const auto& game : world.Games()) {
                                       ++i;
                                       map[("Game." + std::to_string(i)).c_str()] = game.name.c_str();
                                       map[("Race." + std::to_string(i)).c_str()] = game.ownRace.c_str();
                                   }
                                   broadcast(host, &EntryPoints::OnGamesListModified, map);
                                   return std::nullopt;
                               }});
    session.Add("report-loaded", {"report-loaded [TURN]", "loads a turn report of the current game (the next turn when none is given)",
                                  [&host, &world](const CommandLine& c) -> Result {
                                      if (auto problem = needGame(host))
                                          return problem;
                                      Game& game = *world.Current();
                                      game.turn = c.words.empty() ? game.turn + 1 : std::stoi(c.words[0]);
                                      CMapStringToString map = world.CurrentGameMap();
                                      broadcast(host, &EntryPoints::OnReportLoaded, map);
                                      return std::nullopt;
                                  }});
    session.Add("race-table", {"race-table", "shows the race table of the current game with the plug-ins' columns",
                               [&host](const CommandLine&) -> Result {
                                   if (auto problem = needGame(host))
                                       return problem;
                                   printRaceTable(host);
                                   return std::nullopt;
                               }});
    session.Add("select-races", {"select-races [RACE ...]", "selects rows of the race table (none: clears the selection)",
                                 [&world](const CommandLine& c) -> Result {
                                     world.selectedRaces = c.words;
                                     return std::nullopt;
                                 }});
    session.Add("select-fromto", {"select-fromto ROW|none", "selects a row of the From/To list, counting from 1",
                                  [&world](const CommandLine& c) -> Result {
                                      if (c.words.size() != 1)
                                          return "usage: select-fromto ROW|none";
                                      if (c.words[0] == "none")
                                          world.selectedFromTo.reset();
                                      else
                                          world.selectedFromTo = std::size_t(std::max(1, std::stoi(c.words[0])) - 1);
                                      return std::nullopt;
                                  }});
    session.Add("select-planet", {"select-planet NUMBER", "selects a planet of the current game and tells the plug-ins",
                                  [&host, &world](const CommandLine& c) -> Result {
                                      if (auto problem = needGame(host))
                                          return problem;
                                      Planet* planet = c.words.size() == 1 ? world.Current()->FindPlanet(c.words[0]) : nullptr;
                                      if (!planet)
                                          return "no such planet in the current game";
                                      world.selectedPlanet = planet->number;
                                      CMapStringToString map;
                                      map["GameName"] = world.Current()->name.c_str();
                                      map["Owner"] = "";
                                      map["Turn"] = std::to_string(world.Current()->turn).c_str();
                                      map["Num"] = planet->number.c_str();
                                      for (const auto& [key, value] : planet->values)
                                          map[key.c_str()] = value.c_str();
                                      broadcast(host, &EntryPoints::OnPlanetChanged, map);
                                      return std::nullopt;
                                  }});
    session.Add("data-changed", {"data-changed", "tells the plug-ins that the current game's data changed",
                                 [&host, &world](const CommandLine&) -> Result {
                                     if (auto problem = needGame(host))
                                         return problem;
                                     CMapStringToString map = world.CurrentGameMap();
                                     broadcast(host, &EntryPoints::OnDataChanged, map);
                                     return std::nullopt;
                                 }});
    session.Add("orders", {"orders", "lists the orders added to the current game",
                           [&host, &world](const CommandLine&) -> Result {
                               if (auto problem = needGame(host))
                                   return problem;
                               for (const auto& order : world.Current()->orders)
                                   host.Out() << "order: " << order << '\n';
                               return std::nullopt;
                           }});
}

} // namespace refhost
