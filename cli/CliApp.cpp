#include "cli/CliApp.h"

#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ProgramLanguage.h"
#include "cli/TerminalMessageSink.h"
#include "model/Catalog.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <string>

namespace varkel::cli {

int RunCli(int argc, char** argv) {
    // Known before the help texts are built.
    SetTextLanguage(ProgramLanguage(argc, argv));

    CLI::App app(Text(CliMsg::CliDescription), "varkel-cli");
    app.footer(Text(CliMsg::CliFooter));
    app.set_version_flag("--version", std::string("varkel-cli ") + VARKEL_VERSION,
                         Text(CliMsg::CliVersionHelp));
    app.require_subcommand(1);

    std::string lang;
    app.add_option("--lang", lang, Text(CliMsg::CliLangHelp))->check(CLI::IsMember({"zh", "en"}));
    std::string answer = "yes";
    app.add_option("--answer", answer, Text(CliMsg::CliAnswerHelp))
        ->check(CLI::IsMember({"yes", "no", "cancel"}));

    CliContext context;
    AddEditCommands(app, context);
    AddReportCommands(app, context);
    AddLinkCommands(app, context);
    AddExportCommand(app, context);
    AddTimingCommands(app, context);
    AddProbeCommand(app, context);
    AddImportCommand(app, context);
    AddTagsCommand(app, context);
    LocaliseHelp(app);

    // The sink must be in place before a command's callback runs, and the
    // answer known: both are set once the global options are parsed.
    TerminalMessageSink* sink = nullptr;
    std::unique_ptr<TerminalMessageSink> owned;
    app.parse_complete_callback([&] {
        Answer given = answer == "no"       ? Answer::No
                       : answer == "cancel" ? Answer::Cancel
                                            : Answer::Yes;
        owned = std::make_unique<TerminalMessageSink>(given);
        sink = owned.get();
        SetMessageSink(sink);
    });

    int status = 0;
    try {
        app.parse(argc, argv);
        status = context.exitCode;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            app.exit(e); // help or version
            status = 0;
        } else {
            PrintError(ParseErrorText(e));
            PrintError(Text(CliMsg::CliSeeHelp));
            status = kExitUsage;
        }
    } catch (const std::exception& e) {
        PrintError(Text(CliMsg::CliInternalError, {e.what()}));
        status = 70;
    }
    if (sink)
        SetMessageSink(nullptr);
    return status;
}

std::shared_ptr<std::string> AddFileArgument(CLI::App* command) {
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, Text(CliMsg::CliFileHelp))->required();
    return file;
}

} // namespace varkel::cli
