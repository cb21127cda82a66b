// refhost: the reference host of the plug-ins.
//
//   refhost [--home DIR] [--plugins DIR] [SCRIPT]
//
// Runs in DIR (default: the current directory), loads every plug-in of the plug-in folder
// (default: PLUGINS in that directory), then runs SCRIPT or reads commands typed at the prompt.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "Host.h"
#include "Session.h"
#include "platform/framework/WinApp.h"

namespace {

// The host's application object: the plug-ins' windows open in its main frame.
CWinApp hostApplication("refhost");

int usage()
{
    std::cerr << "usage: refhost [--home DIR] [--plugins DIR] [SCRIPT]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    refhost::Options options;
    std::string script;
    std::string scriptShown;  // the script as the user named it, for messages
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--home" || arg == "--plugins") && i + 1 < argc)
            (arg == "--home" ? options.home : options.pluginFolder) = argv[++i];
        else if (arg == "--help" || arg == "-h" || (!arg.empty() && arg[0] == '-') || !script.empty())
            return usage();
        else
            script = scriptShown = arg;
    }
    // Paths on the command line are meant from where the user stands, not from the home folder.
    std::error_code error;
    const std::string startFolder = std::filesystem::current_path(error).string();
    if (!options.pluginFolder.empty())
        options.pluginFolder = std::filesystem::absolute(options.pluginFolder, error).string();
    if (!script.empty())
        script = std::filesystem::absolute(script, error).string();

    std::ifstream file;
    if (!script.empty()) {
        file.open(script);
        if (!file) {
            std::cerr << "refhost: " << scriptShown << ": cannot open the script\n";
            return 2;
        }
    }
    refhost::Host host(std::cout, std::cerr);
    if (auto problem = host.Start(options)) {
        std::cerr << "refhost: " << *problem << '\n';
        return 2;
    }
    refhost::Session session(host);
    session.SetBaseFolder(script.empty() ? startFolder : std::filesystem::path(script).parent_path().string());
    refhost::AddCoreCommands(session);
    refhost::AddGameCommands(session);
    refhost::AddPluginCommands(session);
    refhost::AddWindowCommands(session);
    refhost::AddAutomationCommands(session);
    refhost::AddProjectionCommand(session);
    const int status = script.empty() ? session.Run(std::cin, "stdin", isatty(STDIN_FILENO))
                                      : session.Run(file, scriptShown, false);
    host.Stop();
    return status;
}
