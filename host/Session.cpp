#include "Session.h"

#include <filesystem>
#include <iostream>
#include <sstream>

#include "Host.h"
#include "World.h"

namespace refhost {

namespace {

std::string trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

CommandLine parse(const std::string& line)
{
    CommandLine command;
    std::vector<std::string> words = SplitWords(line);
    command.name = words.front();
    command.words.assign(words.begin() + 1, words.end());
    command.rest = trim(line.substr(std::min(line.size(), line.find(command.name) + command.name.size())));
    return command;
}

} // namespace

Session::Session(Host& host) : m_host(host)
{
    Add("help", {"help", "lists the commands", [this](const CommandLine&) {
                     PrintHelp();
                     return std::optional<std::string>();
                 }});
    Add("quit", {"quit", "ends the session", [this](const CommandLine&) {
                     m_quit = true;
                     return std::optional<std::string>();
                 }});
}

std::string Session::Resolve(const std::string& path) const
{
    const std::filesystem::path p(path);
    return p.is_absolute() || m_baseFolder.empty() ? path : (std::filesystem::path(m_baseFolder) / p).string();
}

void Session::Add(const std::string& name, Command command) { m_commands[name] = std::move(command); }

void Session::PrintHelp()
{
    for (const auto& [name, command] : m_commands)
        m_host.Out() << "  " << command.usage << "\n      " << command.help << '\n';
}

std::optional<std::string> Session::Execute(const CommandLine& command)
{
    auto hit = m_commands.find(command.name);
    if (hit == m_commands.end())
        return "unknown command '" + command.name + "' (try help)";
    return hit->second.run(command);
}

int Session::Run(std::istream& in, const std::string& source, bool interactive)
{
    int status = 0;
    std::string line;
    for (int number = 1; !m_quit; ++number) {
        if (interactive)
            m_host.Out() << "refhost> " << std::flush;
        if (!std::getline(in, line))
            break;
        const std::string text = trim(line);
        if (text.empty() || text[0] == '#')
            continue;
        const CommandLine command = parse(text);
        auto problem = Execute(command);
        // Queued input waits for the dialog that the next command opens.
        if (command.name != "queue")
            m_host.Idle();
        if (problem) {
            m_host.Err() << "refhost: " << source << ':' << number << ": " << *problem << '\n';
            if (!interactive)
                return 1;
            status = 1;
        }
        m_host.Out().flush();
    }
    return interactive ? 0 : status;
}

} // namespace refhost
