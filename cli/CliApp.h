#pragma once

#include <memory>
#include <string>

namespace CLI {
class App;
}

namespace varkel::cli {

// State shared by the commands of one run.
struct CliContext {
    int exitCode = 0;
};

// Parses the arguments and runs the command; returns the exit status.
int RunCli(int argc, char** argv);

// Each adds its subcommands to the application; a subcommand's callback
// leaves its exit status in the context.
void AddEditCommands(CLI::App& app, CliContext& context);
void AddReportCommands(CLI::App& app, CliContext& context);
void AddLinkCommands(CLI::App& app, CliContext& context);
void AddExportCommand(CLI::App& app, CliContext& context);
void AddTimingCommands(CLI::App& app, CliContext& context);
void AddProbeCommand(CLI::App& app, CliContext& context);
void AddImportCommand(CLI::App& app, CliContext& context);
void AddTagsCommand(CLI::App& app, CliContext& context);

// Adds the required positional FILE, the configuration a command works on.
std::shared_ptr<std::string> AddFileArgument(CLI::App* command);

} // namespace varkel::cli
