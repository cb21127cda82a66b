#include "World.h"

#include <fstream>

#include "platform/core/Codepage.h"

namespace refhost {

namespace {

// The planet keys the host hands over, and the names they have in the data file.
const std::pair<const char*, const char*> kPlanetKeys[] = {
    {"name", "Name"},         {"owner", "Owner"},   {"size", "Size"},       {"population", "Population"},
    {"industry", "Industry"}, {"resource", "Resource"}, {"mat", "MAT"},     {"col", "COL"},
    {"cap", "CAP"},           {"productivity", "Productivity"},             {"production", "Production"},
};

const char* planetKey(const std::string& name)
{
    for (const auto& [file, key] : kPlanetKeys)
        if (name == file)
            return key;
    return nullptr;
}

std::optional<std::string> parseLine(std::vector<Game>& games, const std::vector<std::string>& words)
{
    const std::string& kind = words[0];
    if (kind == "game") {
        if (words.size() != 4)
            return "usage: game NAME OWN-RACE TURN";
        games.push_back(Game{words[1], words[2], std::stoi(words[3]), {}, {}, {}, {}});
        return std::nullopt;
    }
    if (games.empty())
        return "'" + kind + "' before the first game line";
    Game& game = games.back();
    if (kind == "race") {
        game.races.insert(game.races.end(), words.begin() + 1, words.end());
    } else if (kind == "fromto") {
        if (words.size() != 3)
            return "usage: fromto FROM TO";
        game.fromTo.push_back({words[1], words[2]});
    } else if (kind == "planet") {
        if (words.size() < 2)
            return "usage: planet NUMBER key=value ...";
        Planet planet{words[1], {}};
        for (std::size_t i = 2; i < words.size(); ++i) {
            const auto equals = words[i].find('=');
            const char* key = equals == std::string::npos ? nullptr : planetKey(words[i].substr(0, equals));
            if (!key)
                return "unknown planet value '" + words[i] + "'";
            planet.values[key] = words[i].substr(equals + 1);
        }
        game.planets.push_back(std::move(planet));
    } else {
        return "unknown line kind '" + kind + "'";
    }
    return std::nullopt;
}

} // namespace

Planet* Game::FindPlanet(const std::string& number)
{
    for (auto& planet : planets)
        if (planet.number == number)
            return &planet;
    return nullptr;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t' && line[i] != '\r')); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
        }
        words.push_back(word);
    }
    return words;
}

std::optional<std::string> World::Load(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        return path + ": cannot open the game data file";
    std::vector<Game> games;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto words = SplitWords(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        std::optional<std::string> problem;
        try {
            problem = parseLine(games, words);
        } catch (const std::exception&) {
            problem = "a turn must be a number";
        }
        if (problem)
            return path + ":" + std::to_string(number) + ": " + *problem;
    }
    if (games.empty())
        return path + ": the file names no game";
    m_games = std::move(games);
    m_current = 0;
    m_currentRace = m_games[0].ownRace;
    selectedRaces.clear();
    selectedFromTo.reset();
    return std::nullopt;
}

CMapStringToString World::CurrentGameMap(WithTurn withTurn)
{
    CMapStringToString map;
    if (Game* game = Current()) {
        map["GameName"] = game->name.c_str();
        map["RaceName"] = m_currentRace.c_str();
        if (withTurn == WithTurn::Yes)
            map["Turn"] = std::to_string(game->turn).c_str();
    }
    return map;
}

std::string Shown(const CString& text) { return platform::Cp1251ToUtf8(text.view()); }

Game* World::Find(const std::string& name)
{
    for (auto& game : m_games)
        if (game.name == name)
            return &game;
    return nullptr;
}

std::optional<std::string> World::Activate(const std::string& name, const std::string& race)
{
    Game* game = Find(name);
    if (!game)
        return "no game named '" + name + "'";
    m_current = std::size_t(game - m_games.data());
    m_currentRace = race.empty() ? game->ownRace : race;
    selectedRaces.clear();
    selectedFromTo.reset();
    return std::nullopt;
}

} // namespace refhost
