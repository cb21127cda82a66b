// What the host knows of the player's games: for each game the player's own race, the turns,
// the races, the planets and the From/To list, and the state of the host's views.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Collections.h"

namespace refhost {

struct Planet {
    std::string number;
    // The planet's record as the host hands it over ("Name", "Owner", "Size", ...).
    std::map<std::string, std::string> values;
};

struct FromTo {
    std::string from;
    std::string to;
};

struct Game {
    std::string name;
    std::string ownRace;
    int turn = 0;                    // the current turn
    std::vector<std::string> races;  // in the order of the data file
    std::vector<Planet> planets;
    std::vector<FromTo> fromTo;
    std::vector<std::string> orders; // what "Add" recorded, one line each

    Planet* FindPlanet(const std::string& number);
};

// The host's views: source ids and the selections the user made in them.
inline constexpr int kRaceTableView = 51467;
inline constexpr int kPlanetView = 1;
inline constexpr int kFromToView = 51691;
inline constexpr int kRaceTableCells = 20;

class World {
public:
    // Reads a game data file (documented in docs/refhost.md). An error text names file and line.
    std::optional<std::string> Load(const std::string& path);

    std::vector<Game>& Games() { return m_games; }
    Game* Find(const std::string& name);
    Game* Current() { return m_current < m_games.size() ? &m_games[m_current] : nullptr; }
    // Makes a game current, with the given own race (the game's own race when empty).
    std::optional<std::string> Activate(const std::string& game, const std::string& race);
    const std::string& CurrentRace() const { return m_currentRace; }
    // "GameName", "RaceName" and (unless told otherwise) "Turn" of the current game: what every
    // event and command about it starts from. Empty when no game is loaded.
    enum class WithTurn { No, Yes };
    CMapStringToString CurrentGameMap(WithTurn withTurn = WithTurn::Yes);

    // Selections in the views of the current game.
    std::vector<std::string> selectedRaces;
    std::optional<std::size_t> selectedFromTo;
    std::string selectedPlanet;

private:
    std::vector<Game> m_games;
    std::size_t m_current = 0;
    std::string m_currentRace;
};

// Splits a line into words; a word in double quotes may hold blanks.
std::vector<std::string> SplitWords(const std::string& line);

// A text of the plug-ins (code page 1251) as the terminal shows it (UTF-8).
std::string Shown(const CString& text);

} // namespace refhost
