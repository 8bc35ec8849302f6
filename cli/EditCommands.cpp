// Commands that change a configuration file: new, automap, add-node,
// add-command, set. Each loads, changes the model through the operations the
// editor uses, and writes only when everything succeeded.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ProjectFile.h"
#include "cli/Target.h"
#include "model/CommitRules.h"
#include "model/FunctionCode.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace varkel::cli {
namespace {

constexpr int kUniversalKey = 21;
constexpr int kCommandLimitKey = 1001;

int RunNew(const std::string& out, bool universal) {
    if (int code = CheckWritable(out))
        return code;
    auto project = std::make_unique<Project>();
    if (universal) {
        Subnet& subnet = project->GetSubnet();
        CommitResult result = CommitValue(*project, TreeEntry{TreeEntry::SubnetKind, &subnet},
                                          Subnet::ProtocolIndex, LocalText(kUniversalKey));
        if (!result.Accepted()) {
            PrintError(L("无法切换到通用模式", "Cannot switch to universal mode"));
            return kExitUsage;
        }
    }
    return SaveConfiguration(*project, out);
}

int RunAutoMap(const std::string& file, const std::string& out) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (project->GetSubnet().GetProtocolType() != 0) {
        PrintError(L("自动映射仅在 Modbus 主站模式下可用",
                     "Auto mapping is only offered in Modbus master mode"));
        return kExitUsage;
    }
    const std::string target = out.empty() ? file : out;
    if (int code = CheckWritable(target))
        return code;
    // An overflow is reported by the mapping itself; the addresses it wrote
    // are kept and saved all the same.
    const int fits = project->AutoMap();
    if (int code = SaveConfiguration(*project, target))
        return code;
    return fits == 1 ? 0 : static_cast<int>(MappingOverflow);
}

int RunAddNode(const std::string& file) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    Subnet& subnet = project->GetSubnet();
    if (subnet.GetProtocolType() == 1) {
        PrintError(L("通用模式下不能增加节点", "Nodes cannot be added in universal mode"));
        return kExitUsage;
    }
    if (subnet.GetNodeCount() != 0) {
        PrintError(Fmt(L("子网已有节点 {}; 只能有一个节点",
                         "The subnet already has the node {}; it can have only one"),
                       {subnet.GetNodeAt(0)->GetName()}));
        return kExitUsage;
    }
    if (int code = CheckWritable(file))
        return code;
    Node* node = subnet.CreateNode();
    if (!node) {
        PrintError(L("无法增加节点", "The node could not be added"));
        return kExitUsage;
    }
    if (int code = SaveConfiguration(*project, file))
        return code;
    PrintLine(node->GetName());
    return 0;
}

int RunAddCommand(const std::string& file, int functionIndex, int nodeIndex) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    Subnet& subnet = project->GetSubnet();
    Node* node = subnet.GetNodeAt(nodeIndex);
    if (!node) {
        PrintError(Fmt(L("没有节点 {} (子网有 {} 个节点; 请先用 add-node 增加节点)",
                         "There is no node {} (the subnet has {} nodes; add one with add-node)"),
                       {std::to_string(nodeIndex), std::to_string(subnet.GetNodeCount())}));
        return kExitUsage;
    }
    // The limit counts the first node's commands, as the editor does.
    if (project->GetCommandCount() >= kMaxCommands) {
        PrintError(LocalText(kCommandLimitKey));
        return OutOfRange;
    }
    FunctionInfo info = LookupFunctionCode(functionIndex);
    if (!info.supported) {
        PrintError(Fmt(L("不支持功能索引 {} ({}); 支持的索引: 0-5, 12, 13",
                         "Function index {} ({}) is not supported; supported are 0-5, 12 and 13"),
                       {std::to_string(functionIndex), info.name}));
        return kExitUsage;
    }
    if (int code = CheckWritable(file))
        return code;
    Command* command = node->CreateCommand(functionIndex);
    if (!command) {
        PrintError(L("无法增加命令", "The command could not be added"));
        return kExitUsage;
    }
    if (int code = SaveConfiguration(*project, file))
        return code;
    PrintLine(Fmt("{} #{} {}", {node->GetName(), std::to_string(node->GetCommandCount() - 1),
                                command->GetName()}));
    return 0;
}

int RunSet(const std::string& file, const std::string& targetText, const std::string& rowText,
           const std::string& value) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    TreeEntry entry;
    std::string error;
    if (!ParseTarget(*project, targetText, entry, error)) {
        PrintError(error);
        return kExitUsage;
    }
    int row = 0;
    if (!ParseIndex(rowText, row)) {
        PrintError(Fmt(L("行号无效: \"{}\"", "Invalid row: \"{}\""), {rowText}));
        return kExitUsage;
    }
    const ParamItem* item = ItemAtRow(entry, row);
    const std::string itemName = item ? item->GetName() : std::string();
    CommitResult result = CommitValue(*project, entry, row, value);
    switch (result.refusal) {
    case CommitResult::NoSuchItem:
        PrintError(Fmt(L("{} 没有第 {} 行", "{} has no row {}"), {targetText, rowText}));
        return kExitUsage;
    case CommitResult::NotEditable:
        PrintError(Fmt(item && item->GetState() == 0
                           ? L("{} 第 {} 行 \"{}\" 只能查看, 不能编辑",
                               "{} row {} (\"{}\") is shown only and cannot be edited")
                           : L("{} 第 {} 行 \"{}\" 当前不可编辑 (灰色)",
                               "{} row {} (\"{}\") is greyed and cannot be edited now"),
                       {targetText, rowText, itemName}));
        return kExitUsage;
    case CommitResult::NotAChoice: {
        std::string choices;
        for (const auto& choice : item->GetChoices())
            choices += (choices.empty() ? "\"" : ", \"") + choice + "\"";
        PrintError(Fmt(L("\"{}\" 不是 \"{}\" 的选项; 可选: {}",
                         "\"{}\" is not a choice of \"{}\"; the choices are: {}"),
                       {value, itemName, choices}));
        return kExitUsage;
    }
    case CommitResult::NotRefused:
        break;
    }
    if (result.code != Success) {
        PrintError(Fmt("{}: {} [{}] {} = \"{}\"",
                       {ResultMessage(result.code), targetText, rowText, itemName, value}));
        return result.code;
    }
    if (result.changed) {
        if (int code = SaveConfiguration(*project, file))
            return code;
    }
    PrintLine(result.storedValue);
    if (result.renamedNode)
        PrintLine(Fmt(L("节点名称: {}", "node name: {}"), {result.nodeName}));
    if (result.protocolSwitched)
        PrintLine(Fmt(L("协议类型: {}", "protocol type: {}"),
                      {std::to_string(project->GetSubnet().GetProtocolType())}));
    for (int r : result.valueChangedRows)
        if (const ParamItem* other = ItemAtRow(entry, r))
            PrintLine(Fmt(L("第 {} 行 {}: {}", "row {} {}: {}"),
                          {std::to_string(r), other->GetName(), other->GetValue()}));
    for (int r : result.enableChangedRows)
        if (const ParamItem* other = ItemAtRow(entry, r))
            PrintLine(Fmt(other->GetEnable() ? L("第 {} 行 {}: 可编辑", "row {} {}: enabled")
                                             : L("第 {} 行 {}: 不可编辑", "row {} {}: greyed"),
                          {std::to_string(r), other->GetName()}));
    return 0;
}

} // namespace

void AddEditCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand(
            "new", L("写入一个新的默认配置 (构造时的默认值)",
                     "Write a new default configuration (the construction defaults)"));
        auto out = std::make_shared<std::string>();
        auto universal = std::make_shared<bool>(false);
        cmd->add_option("-o,--output", *out, L("输出文件", "Output file"))->required();
        cmd->add_flag("--universal", *universal,
                      L("像参数表格那样把协议类型切换为通用模式",
                        "Switch the protocol type to universal mode, as the grid would"));
        cmd->callback([&context, out, universal] { context.exitCode = RunNew(*out, *universal); });
    }
    {
        auto* cmd = app.add_subcommand(
            "automap",
            L("自动计算全部映射地址并保存 (默认保存到原文件); 溢出时退出状态 13, 映射仍保存",
              "Recalculate every mapping address and save (in place by default); on "
              "an overflow exit 13, the mapping is still saved"));
        auto out = std::make_shared<std::string>();
        auto file = AddFileArgument(cmd);
        cmd->add_option("-o,--output", *out,
                        L("输出文件 (默认: FILE)", "Output file (default: FILE)"));
        cmd->callback([&context, file, out] { context.exitCode = RunAutoMap(*file, *out); });
    }
    {
        auto* cmd = app.add_subcommand(
            "add-node", L("增加节点, 如编辑器的“增加节点” (仅在 Modbus 主站模式且子网尚无节点时)",
                          "Add a node as the editor's Add Node does (only in Modbus master mode "
                          "and while the subnet has no node)"));
        auto file = AddFileArgument(cmd);
        cmd->callback([&context, file] { context.exitCode = RunAddNode(*file); });
    }
    {
        auto* cmd = app.add_subcommand(
            "add-command", L("在节点 N 上增加功能索引为 INDEX 的命令, 如编辑器的“增加命令”; "
                             "第一个节点最多 48 条命令 (超出时退出状态 8)",
                             "Add a command of function index INDEX to node N as the editor's "
                             "Add Command does; the first node holds at most 48 commands (exit "
                             "8 beyond)"));
        auto function = std::make_shared<int>(0);
        auto node = std::make_shared<int>(0);
        auto file = AddFileArgument(cmd);
        cmd->add_option("--function", *function,
                        L("功能索引 0-13: 0=01 1=02 2=03 3=04 4=05 5=06 12=15 13=16 (6-11 不支持)",
                          "Function index 0-13: 0=01 1=02 2=03 3=04 4=05 5=06 12=15 13=16 "
                          "(6-11 are not supported)"))
            ->required()
            ->check(CLI::Range(0, 13));
        cmd->add_option("--node", *node,
                        L("节点序号, 从 0 开始 (默认 0)", "Node number from 0 (default 0)"))
            ->check(CLI::NonNegativeNumber);
        cmd->callback([&context, file, function, node] {
            context.exitCode = RunAddCommand(*file, *function, *node);
        });
    }
    {
        auto* cmd = app.add_subcommand(
            "set", L("按参数表格的规则在 TARGET 的 ROW 行提交 VALUE; 拒绝的值以其结果代码 (6, 7, "
                     "8) 退出, 文件不变; 不可编辑的行退出状态 64",
                     "Commit VALUE at ROW of TARGET through the parameter grid's rules; a "
                     "refused value exits with its code (6, 7 or 8) and the file stays as it "
                     "was; a row that cannot be edited exits 64"));
        auto target = std::make_shared<std::string>();
        auto row = std::make_shared<std::string>();
        auto value = std::make_shared<std::string>();
        auto file = AddFileArgument(cmd);
        cmd->add_option("TARGET", *target,
                        L("fieldbus, subnet, node:N 或 command:N:M (N, M 从 0 开始)",
                          "fieldbus, subnet, node:N or command:N:M (N and M from 0)"))
            ->required();
        cmd->add_option("ROW", *row,
                        L("参数表格的行号, 从 0 开始", "Row of the parameter grid, from 0"))
            ->required();
        cmd->add_option("VALUE", *value,
                        L("输入的值, 或选项参数的某个选项文本 (可为空: \"\")",
                          "The typed value, or the text of one of a choice item's choices (may "
                          "be empty: \"\")"))
            ->required();
        cmd->callback([&context, file, target, row, value] {
            context.exitCode = RunSet(*file, *target, *row, *value);
        });
    }
}

} // namespace varkel::cli
