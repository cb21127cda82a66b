// "projection": a planet's development projection as a text table, computed with the same model
// and table texts as the projection window, from the host's own record of the planet.
#include <algorithm>
#include <ostream>

#include "Host.h"
#include "Session.h"
#include "growthmark/ProjectionModel.h"
#include "growthmark/ProjectionTable.h"
#include "platform/core/Convert.h"

namespace refhost {

namespace {

using Result = std::optional<std::string>;

double number(const Planet& planet, const char* key)
{
    auto hit = planet.values.find(key);
    return hit == planet.values.end() ? 0.0 : platform::AtoF(hit->second.c_str());
}

growthmark::ProjectionSeed seedOf(const Planet& planet, int turn, int turnCount)
{
    growthmark::ProjectionSeed seed;
    auto production = planet.values.find("Production");
    seed.InitialMode = growthmark::ProductionModeOf(production == planet.values.end() ? "" : production->second.c_str());
    seed.InitialSize = number(planet, "Size");
    seed.InitialPopulation = number(planet, "Population");
    seed.InitialIndustry = number(planet, "Industry");
    seed.InitialProductivity = number(planet, "Productivity");
    seed.InitialResources = number(planet, "Resource");
    seed.InitialMaterials = number(planet, "MAT");
    seed.InitialColonistStock = number(planet, "COL");
    seed.InitialCapitalStock = number(planet, "CAP");
    seed.TurnCount = turnCount;
    seed.FirstTurn = turn;
    return seed;
}

// The Turn column shows the turn and a letter for its production picture.
std::string turnCell(const growthmark::ProjectionModel& model, int t)
{
    const char* marks[] = {" T", " C", "  "};
    const int mode = model.ProductionMode[t];
    return std::to_string(model.Seed.FirstTurn + t) + (mode >= 0 && mode <= 2 ? marks[mode] : "  ");
}

void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += (c ? " " : "") + std::string(widths[c] - row[c].size(), ' ') + row[c];
        out << ' ' << line << '\n';
    }
}

} // namespace

void AddProjectionCommand(Session& session)
{
    Host& host = session.GetHost();
    session.Add("projection", {"projection NUMBER", "prints the development projection of a planet of the current game as a table "
                                                    "(turns from the setting Growthmark\\row; T terraforming, C capital)",
                               [&host](const CommandLine& c) -> Result {
                                   Game* game = host.GetWorld().Current();
                                   Planet* planet = game && c.words.size() == 1 ? game->FindPlanet(c.words[0]) : nullptr;
                                   if (!planet)
                                       return "usage: projection NUMBER (a planet of the current game)";
                                   const auto stored = host.Settings().Get("Growthmark\\row");
                                   const int turns = stored && !stored->empty() ? platform::AtoI(stored->c_str()) : 10;
                                   growthmark::ProjectionModel model;
                                   model.Seed = seedOf(*planet, game->turn, turns);
                                   model.ApplyMinimumTurns();
                                   if (!model.Allocate())
                                       return "out of memory";
                                   model.Start();
                                   model.Recalculate(1);
                                   std::vector<std::vector<std::string>> rows(1);
                                   for (int col = 0; col < growthmark::kTableColumns; ++col)
                                       rows[0].push_back(growthmark::HeaderText(col));
                                   for (int t = 0; t < model.Turns(); ++t) {
                                       rows.push_back({turnCell(model, t)});
                                       for (int col = 1; col < growthmark::kTableColumns; ++col)
                                           rows.back().push_back(growthmark::DataCellText(model, t, col).str());
                                   }
                                   auto name = planet->values.find("Name");
                                   host.Out() << "projection of planet #" << planet->number << ' '
                                              << (name == planet->values.end() ? "" : name->second) << " from turn "
                                              << game->turn << '\n';
                                   printTable(host.Out(), rows);
                                   return std::nullopt;
                               }});
}

} // namespace refhost
