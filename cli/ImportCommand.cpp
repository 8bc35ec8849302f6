// import: a command list from a workbook or CSV file into the first node.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "export/ListReader.h"
#include "model/Catalog.h"
#include "model/CommandImport.h"
#include "model/FileWrite.h"
#include "model/Messages.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "persist/CsvList.h"
#include "persist/Gb2312.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace varkel::cli {
namespace {

int RunImport(const std::string& file, const std::string& list, ImportOptions options) {
    auto project = std::make_unique<Project>();
    FolderLock lock;
    if (int code = LockForEdit(file, lock))
        return code;
    FileIdentity readAs;
    if (int code = LoadConfiguration(file, *project, &readAs))
        return code;
    if (project->GetSubnet().GetProtocolType() != ProtocolType::ModbusMaster) {
        PrintError(Text(Msg::ImportUniversalMode));
        return kExitUsage;
    }
    // As every other input: a FIFO or device is refused, not waited on.
    if (int code = CheckInputFile(list))
        return code;
    CommandTable table;
    std::string error;
    const CommandTable::Status status = ListReader::IsWorkbookFile(list)
                                            ? ListReader::ReadWorkbook(list, table, error)
                                            : CsvList::ReadFile(list, table, error);
    switch (status) {
    case CommandTable::Read:
        break;
    case CommandTable::Missing:
        PrintError(error);
        return kExitNoInput;
    case CommandTable::Unreadable:
        PrintError(error);
        return kExitBadInput;
    }
    if (int code = CheckWritable(file))
        return code;

    options.storable = IsGb2312Text;
    const ImportOutcome outcome = CommandImport::Apply(*project, table, options);
    if (!outcome.mapFits)
        ShowMessage(outcome.mapOverflow);
    for (const std::string& note : outcome.notes)
        PrintError(note);
    if (!outcome.applied && outcome.Accepted())
        return 0; // nothing to append: the note says so, the file is left alone
    if (!outcome.applied) {
        for (const ImportProblem& problem : outcome.problems)
            PrintError(problem.Describe());
        PrintError(Text(CliMsg::ImportRefusedSummary, {std::to_string(outcome.problems.size())}));
        if (outcome.listRefused)
            return kExitBadInput;
        // As set: the first refused value's code; refusals without one as
        // a refused edit.
        const int code = outcome.problems.empty() ? 0 : outcome.problems.front().code;
        return code != 0 ? code : kExitUsage;
    }
    if (int code = SaveConfiguration(*project, file, &readAs, &lock))
        return code;
    PrintLine(Text(CliMsg::ImportSummary, {std::to_string(outcome.commands.size())}));
    // An overflow is reported above; as automap, the addresses it wrote
    // are saved all the same.
    return outcome.mapFits ? 0 : static_cast<int>(MappingOverflow);
}

} // namespace

void AddImportCommand(CLI::App& app, CliContext& context) {
    auto* cmd = app.add_subcommand("import", Text(CliMsg::ImportCliHelp));
    auto list = std::make_shared<std::string>();
    auto options = std::make_shared<ImportOptions>();
    auto file = AddFileArgument(cmd);
    cmd->add_option("--from", *list, Text(CliMsg::ImportCliFromHelp))->required();
    cmd->add_flag("--append", options->append, Text(CliMsg::ImportCliAppendHelp));
    cmd->add_flag("--automap", options->autoMap, Text(CliMsg::ImportCliAutoMapHelp));
    cmd->callback(
        [&context, file, list, options] { context.exitCode = RunImport(*file, *list, *options); });
}

} // namespace varkel::cli
