// import: a command list from a workbook or CSV file into the first node.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ProjectFile.h"
#include "export/ListReader.h"
#include "model/Catalog.h"
#include "model/CommandImport.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "persist/CsvList.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace varkel::cli {
namespace {

int RunImport(const std::string& file, const std::string& list, const ImportOptions& options) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (project->GetSubnet().GetProtocolType() != 0) {
        PrintError(Text(Msg::ImportUniversalMode));
        return kExitUsage;
    }
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

    const ImportOutcome outcome = CommandImport::Apply(*project, table, options);
    for (const std::string& note : outcome.notes)
        PrintError(note);
    if (!outcome.applied) {
        for (const ImportProblem& problem : outcome.problems)
            PrintError(problem.Describe());
        PrintError(Text(Msg::ImportRefusedSummary, {std::to_string(outcome.problems.size())}));
        if (outcome.listRefused)
            return kExitBadInput;
        // As set: the first refused value's code; refusals without one as
        // a refused edit.
        const int code = outcome.problems.empty() ? 0 : outcome.problems.front().code;
        return code != 0 ? code : kExitUsage;
    }
    if (int code = SaveConfiguration(*project, file))
        return code;
    PrintLine(Text(Msg::ImportSummary, {std::to_string(outcome.commands.size())}));
    // An overflow is reported by the mapping itself; as automap, the
    // addresses it wrote are saved all the same.
    return outcome.mapResult == 1 ? 0 : static_cast<int>(MappingOverflow);
}

} // namespace

void AddImportCommand(CLI::App& app, CliContext& context) {
    auto* cmd = app.add_subcommand(
        "import",
        L("从工作簿 (.xlsx, 导出的格式) 或 CSV 导入第一个节点的命令列表; "
          "每个值按参数表格的规则提交, "
          "任一值被拒绝时文件不变, 并列出每个问题 (工作表, 行, 列); 退出状态同 set, 列表不可读时 "
          "65",
          "Import the first node's command list from a workbook (.xlsx, in the export's layout) "
          "or CSV; every value is committed through the parameter grid's rules; when any value "
          "is refused the file stays as it was and every problem is listed (sheet, row, "
          "column); exit codes as for set, 65 for an unreadable list"));
    auto list = std::make_shared<std::string>();
    auto options = std::make_shared<ImportOptions>();
    auto file = AddFileArgument(cmd);
    cmd->add_option("--from", *list, L("命令列表 (.xlsx 或 .csv)", "Command list (.xlsx or .csv)"))
        ->required();
    cmd->add_flag("--append", options->append,
                  L("追加到节点已有命令之后 (默认替换全部命令)",
                    "Append to the node's commands (by default they are replaced)"));
    cmd->add_flag("--automap", options->autoMap,
                  L("导入后运行自动映射", "Run Auto Mapping after the import"));
    cmd->callback(
        [&context, file, list, options] { context.exitCode = RunImport(*file, *list, *options); });
}

} // namespace varkel::cli
