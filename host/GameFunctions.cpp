// The host functions that answer from the game data: "List", "Selection", "Add", "Refresh"
// and "Get".
#include <ostream>

#include "Host.h"
#include "platform/core/Convert.h"

namespace refhost {

namespace {

CString number(std::size_t n) { return CString(std::to_string(n)); }

std::vector<std::string> parameters(CMapStringToString& request)
{
    std::vector<std::string> out;
    const int count = platform::AtoI(request["Parameters.Count"]);
    for (int i = 1; i <= count; ++i)
        out.push_back(request[CString("Parameter.") + CString(std::to_string(i))].str());
    return out;
}

void answerList(const std::vector<std::string>& values, CMapStringToString& request)
{
    request["Count"] = number(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        request[number(i + 1)] = values[i].c_str();
}

} // namespace

void Host::ServeGames()
{
    Serve("List", [this](CMapStringToString& request) {
        Game* game = m_world.Find(request["GameName"].str());
        const auto args = parameters(request);
        if (!game || args.empty()) {
            request["LastError"] = "List needs a known game and what to list";
            return;
        }
        if (args[0] == "Races") {
            answerList(game->races, request);
        } else if (args[0] == "Turns") {
            // Turn reports 0 to the current turn, numbered from 1.
            std::vector<std::string> turns;
            for (int t = 0; t <= game->turn; ++t)
                turns.push_back(std::to_string(t));
            answerList(turns, request);
        } else {
            request["LastError"] = CString("This host cannot list ") + args[0].c_str();
            return;
        }
        request["LastError"] = "";
    });
    Serve("Selection", [this](CMapStringToString& request) {
        const auto args = parameters(request);
        if (args.size() != 2) {
            request["LastError"] = "Selection needs a view and a column";
            return;
        }
        Game* game = m_world.Current();
        std::vector<std::string> values;
        if (args[0] == std::to_string(kRaceTableView) && args[1] == "Name") {
            values = m_world.selectedRaces;
        } else if (args[0] == std::to_string(kFromToView) && (args[1] == "From" || args[1] == "To")) {
            if (game && m_world.selectedFromTo && *m_world.selectedFromTo < game->fromTo.size()) {
                const FromTo& row = game->fromTo[*m_world.selectedFromTo];
                values.push_back(args[1] == "From" ? row.from : row.to);
            }
        } else {
            request["LastError"] = "No such view or column";
            return;
        }
        answerList(values, request);
        request["LastError"] = "";
    });
    Serve("Add", [this](CMapStringToString& request) {
        Game* game = m_world.Find(request["GameName"].str());
        std::string order;
        for (const auto& word : parameters(request))
            order += (order.empty() ? "" : " ") + word;
        if (game)
            game->orders.push_back(order);
        m_out << "host: order added: " << order << '\n';
        request["LastError"] = "";
    });
    Serve("Refresh", [this](CMapStringToString& request) {
        const auto args = parameters(request);
        m_out << "host: view " << (args.empty() ? std::string("?") : args[0]) << " refreshed\n";
        request["LastError"] = "";
    });
    Serve("Get", [this](CMapStringToString& request) {
        Game* game = m_world.Find(request["GameName"].str());
        const auto args = parameters(request);
        Planet* planet = game && args.size() == 2 && args[0] == "Planet" && args[1].size() > 1 && args[1][0] == '#'
                             ? game->FindPlanet(args[1].substr(1))
                             : nullptr;
        if (!planet) {
            request["LastError"] = "No such planet";
            return;
        }
        request["Turn"] = number(std::size_t(game->turn));
        request["Num"] = planet->number.c_str();
        for (const auto& [key, value] : planet->values)
            request[key.c_str()] = value.c_str();
        request["LastError"] = "";
    });
}

} // namespace refhost
