// export: the configuration into a workbook made from the template.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "export/WorkbookExport.h"
#include "model/Catalog.h"
#include "model/Project.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace varkel::cli {
namespace {

int RunExport(const std::string& file, const std::string& out, const std::string& templatePath) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (int code = CheckWritable(out))
        return code;
    const std::string workbookTemplate =
        templatePath.empty() ? FindDefaultTemplate() : templatePath;
    std::string error;
    const int status = ExportWorkbook(*project, workbookTemplate, out, &error);
    if (status == ExportDone)
        return 0;
    PrintError(error.empty() ? Text(CliMsg::CliExportFailed, {out}) : error);
    switch (status) {
    case ExportTemplateMissing:
        return kExitNoInput;
    case ExportTemplateInvalid:
    case ExportSheetMissing:
        return kExitBadInput;
    default:
        return kExitCantWrite;
    }
}

} // namespace

void AddExportCommand(CLI::App& app, CliContext& context) {
    auto* cmd = app.add_subcommand("export", Text(CliMsg::CliExportHelp));
    auto out = std::make_shared<std::string>();
    auto workbookTemplate = std::make_shared<std::string>();
    auto file = AddFileArgument(cmd);
    cmd->add_option("-o,--output", *out, Text(CliMsg::CliWorkbookHelp))->required();
    cmd->add_option("--template", *workbookTemplate, Text(CliMsg::CliTemplateHelp));
    cmd->callback([&context, file, out, workbookTemplate] {
        context.exitCode = RunExport(*file, *out, *workbookTemplate);
    });
}

} // namespace varkel::cli
