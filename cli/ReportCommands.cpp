// Commands that only read configurations: show, check, map, diff.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "cli/MemoryUse.h"
#include "cli/ProjectDiff.h"
#include "cli/ProjectJson.h"
#include "model/Catalog.h"
#include "model/ConfigCheck.h"
#include "model/CycleEstimate.h"
#include "model/ItemKeys.h"
#include "model/PlcTags.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <memory>

namespace varkel::cli {
namespace {

// JSON as UTF-8; a text that is not valid UTF-8 is shown with replacement
// characters rather than ending the program.
void PrintJson(const Json& json) {
    std::cout << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

// Texts a file stored under a key read in the active language; the file's
// own words (and --json, which is the file's data) stay as stored.
std::string ItemLine(int row, const ParamItem& item, const ItemKeys& keys) {
    std::string line =
        "[" + std::to_string(row) + "] " + ShownName(item, keys) + ": " + ShownValue(item, keys);
    if (item.GetState() == ParamItem::ShownOnly)
        line += Text(CliMsg::CliFixedMark);
    else if (item.GetEnable() != 1)
        line += Text(CliMsg::CliGreyedMark);
    if (item.GetState() == ParamItem::Picked && !item.GetChoices().empty()) {
        line += "  {";
        for (std::size_t i = 0; i < item.GetChoices().size(); ++i)
            line += (i ? " | " : "") + ShownChoice(item, keys, static_cast<int>(i));
        line += "}";
    }
    return line;
}

int RunShow(const std::string& file, bool json) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (json) {
        PrintJson(ProjectJson(*project));
        return 0;
    }
    Fieldbus& fieldbus = project->GetFieldbus();
    Subnet& subnet = project->GetSubnet();
    PrintLine(ShownText(fieldbus.GetName(), kKeyProfibus));
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        PrintLine("  " + ItemLine(i, *fieldbus.GetItem(i), KeysAt(ItemPlace::Fieldbus, i)));
    PrintLine(ShownText(subnet.GetName(), kKeySubnet));
    const bool universal = subnet.GetProtocolType() == ProtocolType::Universal;
    std::vector<ParamItem*> rows = GridItems(subnet);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        PrintLine("  " + ItemLine(row, *rows[i], KeysAt(ItemPlace::Subnet, row, universal)));
    }
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster && subnet.GetNodeCount() > 0)
        PrintLine(Text(CliMsg::CliHiddenNodes));
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        PrintLine("  " + node->GetName() + "  (node:" + std::to_string(n) + ")");
        for (int i = 0; i < node->GetItemCount(); ++i)
            PrintLine("    " + ItemLine(i, *node->GetItem(i), KeysAt(ItemPlace::Node, i)));
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            const int function = command->GetFunctionIndex();
            PrintLine("    " + CommandLabel(c, ShownCommandName(command->GetName(), function)) +
                      "  (command:" + std::to_string(n) + ":" + std::to_string(c) +
                      Text(CliMsg::CliFunctionIndex) + std::to_string(command->GetFunctionIndex()) +
                      ")");
            for (int i = 0; i < command->GetItemCount(); ++i)
                PrintLine("      " + ItemLine(i, *command->GetItem(i),
                                              KeysAt(ItemPlace::Command, i, false, function)));
        }
    }
    return 0;
}

int RunCheck(const std::string& file) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    CheckReport report = CheckConfiguration(*project);
    for (const ConfigProblem& problem : report.problems)
        PrintLine(FillPlaceholders("[{}] {}: {}: {}",
                                   {std::to_string(problem.code), ResultMessage(problem.code),
                                    problem.where, problem.what}));
    if (report.problems.empty() && report.code != Success)
        PrintLine(
            FillPlaceholders("[{}] {}", {std::to_string(report.code), ResultMessage(report.code)}));
    // The PLC's view of the same bytes: every node counts here, as in the
    // I/O list and the tag table.
    const PlcTagTable tags = BuildPlcTags(project->GetSubnet(), PlcTagOptions{});
    for (const PlcTagOverlap& overlap : FindPlcTagOverlaps(tags))
        PrintLine(PlcTagOverlapText(tags, overlap));
    if (report.code == Success) {
        PrintLine(Text(CliMsg::CliNoProblems));
        // The last line: what the configuration means for the polling cycle.
        const CycleEstimate estimate = EstimateCycle(project->GetSubnet());
        for (const std::string& warning : EstimateWarnings(estimate))
            PrintLine(warning);
        PrintLine(EstimateSummary(estimate));
    } else {
        PrintLine(Text(CliMsg::CliProblemsFound,
                       {std::to_string(std::max<std::size_t>(report.problems.size(), 1))}));
    }
    return report.code;
}

int RunMap(const std::string& file, bool json) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    MemoryUse use = MarkMemory(*project);
    if (json) {
        PrintJson(MemoryJson(use));
        return 0;
    }
    for (const auto& line : MemoryMapLines(use.input, 0, Text(CliMsg::CliInputMemory)))
        PrintLine(line);
    PrintLine("");
    for (const auto& line : MemoryMapLines(use.output, kOutputBase, Text(CliMsg::CliOutputMemory)))
        PrintLine(line);
    PrintLine("");
    PrintLine(Text(CliMsg::CliMapLegend));
    return 0;
}

Json DifferencesJson(const std::vector<Difference>& differences, bool textOnly) {
    Json list = Json::array();
    for (const Difference& d : differences) {
        if (d.textOnly != textOnly)
            continue;
        Json item;
        item["path"] = d.path;
        item["name"] = d.name;
        item["field"] = d.field;
        item["a"] = d.a;
        item["b"] = d.b;
        list.push_back(item);
    }
    return list;
}

// The differences in settings decide the exit status; those in texts only
// are listed on request and count for nothing.
int RunDiff(const std::string& fileA, const std::string& fileB, bool json, bool texts) {
    auto a = std::make_unique<Project>();
    if (int code = LoadConfiguration(fileA, *a))
        return code;
    auto b = std::make_unique<Project>();
    if (int code = LoadConfiguration(fileB, *b))
        return code;
    const std::vector<Difference> differences = DiffProjects(*a, *b, texts);
    const auto textCount = static_cast<std::size_t>(std::count_if(
        differences.begin(), differences.end(), [](const Difference& d) { return d.textOnly; }));
    const std::size_t count = differences.size() - textCount;
    if (json) {
        Json out;
        out["equal"] = count == 0;
        out["differences"] = DifferencesJson(differences, false);
        if (texts)
            out["texts"] = DifferencesJson(differences, true);
        PrintJson(out);
    } else {
        for (const Difference& d : differences)
            if (!d.textOnly)
                PrintLine(DifferenceLine(d));
        if (textCount > 0) {
            PrintLine(Text(CliMsg::CliTextDifferencesHeading));
            for (const Difference& d : differences)
                if (d.textOnly)
                    PrintLine("  " + DifferenceLine(d));
        }
        PrintLine(count == 0 ? Text(CliMsg::CliConfigurationsEqual)
                             : Text(CliMsg::CliDifferences, {std::to_string(count)}));
        if (texts)
            PrintLine(Text(CliMsg::CliTextDifferences, {std::to_string(textCount)}));
    }
    return count == 0 ? 0 : kExitDiffers;
}

} // namespace

void AddReportCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand("show", Text(CliMsg::CliShowHelp));
        auto json = std::make_shared<bool>(false);
        auto file = AddFileArgument(cmd);
        cmd->add_flag("--json", *json, Text(CliMsg::CliJsonHelp));
        cmd->callback([&context, file, json] { context.exitCode = RunShow(*file, *json); });
    }
    {
        auto* cmd = app.add_subcommand("check", Text(CliMsg::CliCheckHelp));
        auto file = AddFileArgument(cmd);
        cmd->callback([&context, file] { context.exitCode = RunCheck(*file); });
    }
    {
        auto* cmd = app.add_subcommand("map", Text(CliMsg::CliMapHelp));
        auto json = std::make_shared<bool>(false);
        auto file = AddFileArgument(cmd);
        cmd->add_flag("--json", *json, Text(CliMsg::CliMapJsonHelp));
        cmd->callback([&context, file, json] { context.exitCode = RunMap(*file, *json); });
    }
    {
        auto* cmd = app.add_subcommand("diff", Text(CliMsg::CliDiffHelp));
        auto a = std::make_shared<std::string>();
        auto b = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        auto texts = std::make_shared<bool>(false);
        cmd->add_option("A", *a, Text(CliMsg::CliFirstFileHelp))->required();
        cmd->add_option("B", *b, Text(CliMsg::CliSecondFileHelp))->required();
        cmd->add_flag("--json", *json, Text(CliMsg::CliJsonHelp));
        cmd->add_flag("--texts", *texts, Text(CliMsg::CliDiffTextsHelp));
        cmd->callback(
            [&context, a, b, json, texts] { context.exitCode = RunDiff(*a, *b, *json, *texts); });
    }
}

} // namespace varkel::cli
