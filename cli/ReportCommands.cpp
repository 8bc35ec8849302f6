// Commands that only read configurations: show, check, map, diff.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ConfigCheck.h"
#include "cli/ExitCodes.h"
#include "cli/MemoryUse.h"
#include "cli/ProjectDiff.h"
#include "cli/ProjectFile.h"
#include "cli/ProjectJson.h"
#include "model/Project.h"
#include "model/ResultCode.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace varkel::cli {
namespace {

// JSON as UTF-8; a text that is not valid UTF-8 is shown with replacement
// characters rather than ending the program.
void PrintJson(const Json& json) {
    std::cout << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

std::string ItemLine(int row, const ParamItem& item) {
    std::string line = "[" + std::to_string(row) + "] " + item.GetName() + ": " + item.GetValue();
    if (item.GetState() == ParamItem::ShownOnly)
        line += L("  (只读)", "  (fixed)");
    else if (item.GetEnable() != 1)
        line += L("  (灰色)", "  (greyed)");
    if (item.GetState() == ParamItem::Picked && !item.GetChoices().empty()) {
        line += "  {";
        for (std::size_t i = 0; i < item.GetChoices().size(); ++i)
            line += (i ? " | " : "") + item.GetChoices()[i];
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
    PrintLine(fieldbus.GetName());
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        PrintLine("  " + ItemLine(i, *fieldbus.GetItem(i)));
    PrintLine(subnet.GetName());
    std::vector<ParamItem*> rows = GridItems(subnet);
    for (std::size_t i = 0; i < rows.size(); ++i)
        PrintLine("  " + ItemLine(static_cast<int>(i), *rows[i]));
    if (subnet.GetProtocolType() != 0 && subnet.GetNodeCount() > 0)
        PrintLine(L("  (以下节点保留在配置中, 但在通用模式下不显示于树中)",
                    "  (the nodes below are kept, but the tree does not show them in universal "
                    "mode)"));
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        PrintLine("  " + node->GetName() + "  (node:" + std::to_string(n) + ")");
        for (int i = 0; i < node->GetItemCount(); ++i)
            PrintLine("    " + ItemLine(i, *node->GetItem(i)));
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            PrintLine("    " + CommandLabel(c, command->GetName()) +
                      "  (command:" + std::to_string(n) + ":" + std::to_string(c) +
                      L(", 功能索引 ", ", function index ") +
                      std::to_string(command->GetFunctionIndex()) + ")");
            for (int i = 0; i < command->GetItemCount(); ++i)
                PrintLine("      " + ItemLine(i, *command->GetItem(i)));
        }
    }
    return 0;
}

int RunCheck(const std::string& file) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    CheckReport report = CheckConfiguration(*project);
    for (const Problem& problem : report.problems)
        PrintLine(Fmt("[{}] {}: {}: {}", {std::to_string(problem.code), ResultMessage(problem.code),
                                          problem.where, problem.what}));
    if (report.problems.empty() && report.code != Success)
        PrintLine(Fmt("[{}] {}", {std::to_string(report.code), ResultMessage(report.code)}));
    if (report.code == Success)
        PrintLine(L("未发现问题", "No problems found"));
    else
        PrintLine(Fmt(L("发现 {} 个问题", "{} problems found"),
                      {std::to_string(std::max<std::size_t>(report.problems.size(), 1))}));
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
    for (const auto& line : MemoryMapLines(use.input, 0, L("输入存储区", "Input memory")))
        PrintLine(line);
    PrintLine("");
    for (const auto& line :
         MemoryMapLines(use.output, kOutputBase, L("输出存储区", "Output memory")))
        PrintLine(line);
    PrintLine("");
    PrintLine(L("每行 8 字节, 每字节从位 0 开始: . 未用  # 已用  X 冲突",
                "8 bytes a line, each byte from bit 0: . free  # used  X conflict"));
    return 0;
}

int RunDiff(const std::string& fileA, const std::string& fileB, bool json) {
    auto a = std::make_unique<Project>();
    if (int code = LoadConfiguration(fileA, *a))
        return code;
    auto b = std::make_unique<Project>();
    if (int code = LoadConfiguration(fileB, *b))
        return code;
    std::vector<Difference> differences = DiffProjects(*a, *b);
    if (json) {
        Json out;
        out["equal"] = differences.empty();
        Json list = Json::array();
        for (const Difference& d : differences) {
            Json item;
            item["path"] = d.path;
            item["name"] = d.name;
            item["field"] = d.field;
            item["a"] = d.a;
            item["b"] = d.b;
            list.push_back(item);
        }
        out["differences"] = list;
        PrintJson(out);
    } else {
        for (const Difference& d : differences) {
            std::string line = d.path;
            if (!d.name.empty())
                line += " " + d.name;
            line += " " + d.field + ": \"" + d.a + "\" -> \"" + d.b + "\"";
            PrintLine(line);
        }
        PrintLine(differences.empty() ? L("两个配置相同", "The configurations are equal")
                                      : Fmt(L("{} 处不同", "{} differences"),
                                            {std::to_string(differences.size())}));
    }
    return differences.empty() ? 0 : kExitDiffers;
}

} // namespace

void AddReportCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand(
            "show", L("显示配置: 默认为可读的树, --json 为供脚本使用的稳定 JSON",
                      "Print the configuration: a readable tree by default, stable JSON for "
                      "scripts with --json"));
        auto json = std::make_shared<bool>(false);
        auto file = AddFileArgument(cmd);
        cmd->add_flag("--json", *json, L("以 JSON 输出", "Print JSON"));
        cmd->callback([&context, file, json] { context.exitCode = RunShow(*file, *json); });
    }
    {
        auto* cmd = app.add_subcommand(
            "check", L("做下载前的全部检查 (空值, 存储区标记与扫描, 节点命令两两冲突), "
                       "列出每个问题; 退出状态为第一个问题的结果代码, 无问题为 0",
                       "Run every check a download makes before it sends a byte (empty values, "
                       "memory marking and scan, the node's pairwise conflict check) and list "
                       "every problem; exit with the first problem's result code, 0 when clean"));
        auto file = AddFileArgument(cmd);
        cmd->callback([&context, file] { context.exitCode = RunCheck(*file); });
    }
    {
        auto* cmd = app.add_subcommand("map", L("显示输入和输出存储区每一位的使用情况",
                                                "Show the use of both memories bit by bit"));
        auto json = std::make_shared<bool>(false);
        auto file = AddFileArgument(cmd);
        cmd->add_flag("--json", *json,
                      L("以 JSON 输出: used, conflict, overflow 位列表",
                        "Print JSON: lists of used, conflict and overflow bits"));
        cmd->callback([&context, file, json] { context.exitCode = RunMap(*file, *json); });
    }
    {
        auto* cmd = app.add_subcommand(
            "diff", L("逐项比较两个配置; 相同退出 0, 不同退出 1",
                      "Compare two configurations field by field; exit 0 when equal, 1 when "
                      "they differ"));
        auto a = std::make_shared<std::string>();
        auto b = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        cmd->add_option("A", *a, L("第一个配置文件", "First configuration file"))->required();
        cmd->add_option("B", *b, L("第二个配置文件", "Second configuration file"))->required();
        cmd->add_flag("--json", *json, L("以 JSON 输出", "Print JSON"));
        cmd->callback([&context, a, b, json] { context.exitCode = RunDiff(*a, *b, *json); });
    }
}

} // namespace varkel::cli
