// The host's command language: one command a line, "#" starts a comment. A session reads a
// script file or the lines typed at the prompt.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace refhost {

class Host;

struct CommandLine {
    std::string name;
    std::vector<std::string> words;  // the words after the command name
    std::string rest;                // everything after the command name, trimmed
};

struct Command {
    std::string usage;
    std::string help;
    // Returns an error text when the command could not be carried out.
    std::function<std::optional<std::string>(const CommandLine&)> run;
};

class Session {
public:
    explicit Session(Host& host);

    void Add(const std::string& name, Command command);
    // Runs the lines of `in`; `source` names them in errors. In a script the first error ends
    // the session; at the prompt it is reported and the session goes on. Returns the exit status.
    int Run(std::istream& in, const std::string& source, bool interactive);
    bool QuitRequested() const { return m_quit; }

    Host& GetHost() { return m_host; }
    // Paths in commands are meant from this folder: the script's, or where refhost was started.
    void SetBaseFolder(const std::string& folder) { m_baseFolder = folder; }
    std::string Resolve(const std::string& path) const;

private:
    std::optional<std::string> Execute(const CommandLine& command);
    void PrintHelp();

    Host& m_host;
    std::map<std::string, Command> m_commands;
    bool m_quit = false;
    std::string m_baseFolder;
};

// Each area of the host adds its commands here.
void AddCoreCommands(Session& session);
void AddGameCommands(Session& session);
void AddPluginCommands(Session& session);
void AddWindowCommands(Session& session);
void AddAutomationCommands(Session& session);
void AddProjectionCommand(Session& session);

} // namespace refhost
