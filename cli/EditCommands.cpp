// Commands that change a configuration file: new, automap, add-node,
// add-command, set. Each loads, changes the model through the operations the
// editor uses, and writes only when everything succeeded.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "cli/Target.h"
#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/FileWrite.h"
#include "model/FunctionCode.h"
#include "model/Messages.h"
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
        CommitResult result = CommitValue(*project, TreeEntry(&subnet), Subnet::ProtocolIndex,
                                          LocalText(kUniversalKey));
        if (!result.Accepted()) {
            PrintError(Text(CliMsg::CliCannotSwitchUniversal));
            return kExitUsage;
        }
    }
    return SaveConfiguration(*project, out);
}

int RunAutoMap(const std::string& file, const std::string& out) {
    auto project = std::make_unique<Project>();
    FolderLock lock;
    if (int code = LockForEdit(file, lock))
        return code;
    FileIdentity readAs;
    if (int code = LoadConfiguration(file, *project, &readAs))
        return code;
    if (project->GetSubnet().GetProtocolType() != ProtocolType::ModbusMaster) {
        PrintError(Text(CliMsg::CliAutoMapMasterOnly));
        return kExitUsage;
    }
    const std::string target = out.empty() ? file : out;
    if (int code = CheckWritable(target))
        return code;
    // An overflow is reported; the addresses it wrote are kept and saved
    // all the same.
    std::string overflow;
    const bool fits = project->AutoMap(&overflow);
    if (!fits)
        ShowMessage(overflow);
    // Written in place, the file must still be the one read.
    FileIdentity targetNow;
    const bool inPlace = target == file || (IdentifyFile(target, targetNow) && targetNow == readAs);
    if (int code = SaveConfiguration(*project, target, inPlace ? &readAs : nullptr, &lock))
        return code;
    return fits ? 0 : static_cast<int>(MappingOverflow);
}

int RunAddNode(const std::string& file) {
    auto project = std::make_unique<Project>();
    FolderLock lock;
    if (int code = LockForEdit(file, lock))
        return code;
    FileIdentity readAs;
    if (int code = LoadConfiguration(file, *project, &readAs))
        return code;
    Subnet& subnet = project->GetSubnet();
    if (subnet.GetProtocolType() == ProtocolType::Universal) {
        PrintError(Text(CliMsg::CliNoNodeInUniversal));
        return kExitUsage;
    }
    if (subnet.GetNodeCount() != 0) {
        PrintError(Text(CliMsg::CliSubnetHasNode, {subnet.GetNodeAt(0)->GetName()}));
        return kExitUsage;
    }
    if (int code = CheckWritable(file))
        return code;
    Node* node = subnet.CreateNode();
    if (!node) {
        PrintError(Text(CliMsg::CliNodeNotAdded));
        return kExitUsage;
    }
    if (int code = SaveConfiguration(*project, file, &readAs, &lock))
        return code;
    PrintLine(node->GetName());
    return 0;
}

int RunAddCommand(const std::string& file, int functionIndex, int nodeIndex) {
    auto project = std::make_unique<Project>();
    FolderLock lock;
    if (int code = LockForEdit(file, lock))
        return code;
    FileIdentity readAs;
    if (int code = LoadConfiguration(file, *project, &readAs))
        return code;
    Subnet& subnet = project->GetSubnet();
    Node* node = subnet.GetNodeAt(nodeIndex);
    if (!node) {
        PrintError(Text(CliMsg::CliNoNodeAddOne,
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
        PrintError(
            Text(CliMsg::CliFunctionUnsupported, {std::to_string(functionIndex), info.name}));
        return kExitUsage;
    }
    if (int code = CheckWritable(file))
        return code;
    Command* command = node->CreateCommand(functionIndex);
    if (!command) {
        PrintError(Text(CliMsg::CliCommandNotAdded));
        return kExitUsage;
    }
    if (int code = SaveConfiguration(*project, file, &readAs, &lock))
        return code;
    PrintLine(
        FillPlaceholders("{} #{} {}", {node->GetName(), std::to_string(node->GetCommandCount()),
                                       command->GetName()}));
    return 0;
}

int RunSet(const std::string& file, const std::string& targetText, const std::string& rowText,
           const std::string& value) {
    auto project = std::make_unique<Project>();
    FolderLock lock;
    if (int code = LockForEdit(file, lock))
        return code;
    FileIdentity readAs;
    if (int code = LoadConfiguration(file, *project, &readAs))
        return code;
    TreeEntry entry;
    std::string error;
    if (!ParseTarget(*project, targetText, entry, error)) {
        PrintError(error);
        return kExitUsage;
    }
    int row = 0;
    if (!ParseIndex(rowText, row)) {
        PrintError(Text(CliMsg::CliInvalidRow, {rowText}));
        return kExitUsage;
    }
    const ParamItem* item = ItemAtRow(entry, row);
    const std::string itemName = item ? item->GetName() : std::string();
    CommitResult result = CommitValue(*project, entry, row, value);
    switch (result.refusal) {
    case CommitResult::NoSuchItem:
        PrintError(Text(CliMsg::CliNoRow, {targetText, rowText}));
        return kExitUsage;
    case CommitResult::NotEditable:
        PrintError(FillPlaceholders(item && item->GetState() == 0 ? Text(CliMsg::CliRowShownOnly)
                                                                  : Text(CliMsg::CliRowGreyed),
                                    {targetText, rowText, itemName}));
        return kExitUsage;
    case CommitResult::NotAChoice: {
        std::string choices;
        for (const auto& choice : item->GetChoices())
            choices += (choices.empty() ? "\"" : ", \"") + choice + "\"";
        PrintError(Text(CliMsg::CliNotAChoice, {value, itemName, choices}));
        return kExitUsage;
    }
    case CommitResult::NotRefused:
        break;
    }
    if (result.code != Success) {
        PrintError(
            FillPlaceholders("{}: {} [{}] {} = \"{}\"",
                             {ResultMessage(result.code), targetText, rowText, itemName, value}));
        return result.code;
    }
    if (result.changed) {
        if (int code = SaveConfiguration(*project, file, &readAs, &lock))
            return code;
    }
    PrintLine(result.storedValue);
    if (result.renamedNode)
        PrintLine(Text(CliMsg::CliNodeName, {result.nodeName}));
    if (result.protocolSwitched)
        PrintLine(Text(CliMsg::CliProtocolType,
                       {std::to_string(static_cast<int>(project->GetSubnet().GetProtocolType()))}));
    for (int r : result.valueChangedRows)
        if (const ParamItem* other = ItemAtRow(entry, r))
            PrintLine(Text(CliMsg::CliRowValue,
                           {std::to_string(r), other->GetName(), other->GetValue()}));
    for (int r : result.enableChangedRows)
        if (const ParamItem* other = ItemAtRow(entry, r))
            PrintLine(FillPlaceholders(other->GetEnable() ? Text(CliMsg::CliRowEnabled)
                                                          : Text(CliMsg::CliRowDisabled),
                                       {std::to_string(r), other->GetName()}));
    return 0;
}

} // namespace

void AddEditCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand("new", Text(CliMsg::CliNewHelp));
        auto out = std::make_shared<std::string>();
        auto universal = std::make_shared<bool>(false);
        cmd->add_option("-o,--output", *out, Text(CliMsg::CliOutputHelp))->required();
        cmd->add_flag("--universal", *universal, Text(CliMsg::CliUniversalHelp));
        cmd->callback([&context, out, universal] { context.exitCode = RunNew(*out, *universal); });
    }
    {
        auto* cmd = app.add_subcommand("automap", Text(CliMsg::CliAutoMapHelp));
        auto out = std::make_shared<std::string>();
        auto file = AddFileArgument(cmd);
        cmd->add_option("-o,--output", *out, Text(CliMsg::CliOutputDefaultHelp));
        cmd->callback([&context, file, out] { context.exitCode = RunAutoMap(*file, *out); });
    }
    {
        auto* cmd = app.add_subcommand("add-node", Text(CliMsg::CliAddNodeHelp));
        auto file = AddFileArgument(cmd);
        cmd->callback([&context, file] { context.exitCode = RunAddNode(*file); });
    }
    {
        auto* cmd = app.add_subcommand("add-command", Text(CliMsg::CliAddCommandHelp));
        auto function = std::make_shared<int>(0);
        auto node = std::make_shared<int>(0);
        auto file = AddFileArgument(cmd);
        cmd->add_option("--function", *function, Text(CliMsg::CliFunctionHelp))
            ->required()
            ->check(CLI::Range(0, 13));
        cmd->add_option("--node", *node, Text(CliMsg::CliNodeHelp))->check(CLI::NonNegativeNumber);
        cmd->callback([&context, file, function, node] {
            context.exitCode = RunAddCommand(*file, *function, *node);
        });
    }
    {
        auto* cmd = app.add_subcommand("set", Text(CliMsg::CliSetHelp));
        auto target = std::make_shared<std::string>();
        auto row = std::make_shared<std::string>();
        auto value = std::make_shared<std::string>();
        auto file = AddFileArgument(cmd);
        cmd->add_option("TARGET", *target, Text(CliMsg::CliTargetHelp))->required();
        cmd->add_option("ROW", *row, Text(CliMsg::CliRowHelp))->required();
        cmd->add_option("VALUE", *value, Text(CliMsg::CliValueHelp))->required();
        cmd->callback([&context, file, target, row, value] {
            context.exitCode = RunSet(*file, *target, *row, *value);
        });
    }
}

} // namespace varkel::cli
