#include "model/CommitRules.h"

#include "model/Command.h"
#include "model/ConfigCheck.h"
#include "model/ConfigObject.h"
#include "model/Fieldbus.h"
#include "model/FunctionCode.h"
#include "model/ItemKeys.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "model/ValueCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace varkel {
namespace {

std::string ToUpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The range a typed value of a row must lie in; none for rows without one.
struct ValueRule {
    enum Kind { None, Decimal, Hex } kind = None;
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
};

ValueRule SubnetRule(int row) {
    switch (row) {
    case Subnet::ResponseTimeoutIndex:
        return {ValueRule::Decimal, 300, 6000};
    case Subnet::PollDelayIndex:
        return {ValueRule::Decimal, 0, 2500};
    case Subnet::ScanRatioIndex:
        return {ValueRule::Decimal, 1, 255};
    case Subnet::CharTimeoutIndex:
        return {ValueRule::Decimal, 10, 60000};
    case Subnet::CharNumberIndex:
        return {ValueRule::Decimal, 1, 166};
    case Subnet::StartDelimiterIndex:
    case Subnet::EndDelimiterIndex:
        return {ValueRule::Decimal, 0, 255};
    case Subnet::SendAutoPeriodIndex:
        return {ValueRule::Decimal, 10, 60000};
    default:
        return {};
    }
}

ValueRule CommandRule(const Project& project, const Command& command, int row) {
    const FunctionFacts& f = FactsOfIndex(command.GetFunctionIndex());
    switch (row) {
    case Command::RegisterRow:
        return {ValueRule::Decimal, 0, 65535};
    case Command::DataNumberRow: {
        const ParamItem* mode = project.GetSubnet().GetItem(Subnet::CommModeIndex);
        if (mode && mode->GetValue() == "ASCII")
            return {ValueRule::Decimal, 1, 45};
        if (f.maxCount > 0)
            return {ValueRule::Decimal, 1, f.maxCount};
        return {};
    }
    case Command::MappingRow:
        return f.output ? ValueRule{ValueRule::Hex, 0x4000, 0x40A7}
                        : ValueRule{ValueRule::Hex, 0, 0xA7};
    case Command::BitOffsetRow:
        return {ValueRule::Decimal, 0, 7};
    default:
        return {};
    }
}

ValueRule NodeRule(int row) {
    return row == 0 ? ValueRule{ValueRule::Decimal, 1, 247} : ValueRule{};
}

std::string MappingDigits(const std::string& text) {
    std::string rest = ToUpperAscii(text);
    auto h = rest.rfind('H');
    if (h != std::string::npos)
        rest.erase(h);
    return rest;
}

ResultCode CheckRule(const ValueRule& rule, const std::string& text) {
    switch (rule.kind) {
    case ValueRule::Decimal:
        return CheckDecimal(text, static_cast<std::int32_t>(rule.minimum),
                            static_cast<std::int32_t>(rule.maximum));
    case ValueRule::Hex:
        return CheckHex(MappingDigits(text), static_cast<std::uint32_t>(rule.minimum),
                        static_cast<std::uint32_t>(rule.maximum));
    case ValueRule::None:
        break;
    }
    return Success;
}

std::string RangeText(const ValueRule& rule) {
    if (rule.kind == ValueRule::Hex) {
        char text[32];
        std::snprintf(text, sizeof text, "%04llXH-%04llXH",
                      static_cast<unsigned long long>(rule.minimum),
                      static_cast<unsigned long long>(rule.maximum));
        return text;
    }
    return std::to_string(rule.minimum) + "-" + std::to_string(rule.maximum);
}

ResultCode CheckSubnetValue(int row, const std::string& text, std::string& stored) {
    ResultCode code = CheckRule(SubnetRule(row), text);
    if (code != Success)
        return code;
    if (row == Subnet::PollDelayIndex) {
        int value = DecimalValue(text);
        if (value % 10 != 0)
            stored = std::to_string(value / 10 * 10);
    }
    return Success;
}

ResultCode CheckCommandValue(const Project& project, const Command& command, int row,
                             const std::string& text, std::string& stored) {
    ResultCode code = CheckRule(CommandRule(project, command, row), text);
    if (code != Success)
        return code;
    if (row == Command::MappingRow)
        stored = MappingDigits(text) + "H";
    return Success;
}

// A value that is none of the values its item may hold.
void JudgeChoice(const ParamItem& item, const std::vector<std::string>& choices,
                 const std::string& where, std::vector<RefusedValue>& out) {
    const std::string& value = item.GetValue();
    if (std::find(choices.begin(), choices.end(), value) != choices.end())
        return;
    std::string accepted;
    for (const auto& choice : choices)
        accepted += (accepted.empty() ? "" : " / ") + choice;
    out.push_back({where, item.GetName(), value, accepted, OutOfRange, &item});
}

// The stored value of one item as the grid would judge it if it were
// entered now.
void JudgeItem(const ParamItem* item, const ValueRule& rule, const std::string& where,
               std::vector<RefusedValue>& out) {
    if (!item)
        return;
    const std::string& value = item->GetValue();
    if (item->GetState() == ParamItem::Typed) {
        if (rule.kind == ValueRule::None && value.find('\0') == std::string::npos)
            return;
        ResultCode code =
            value.find('\0') != std::string::npos ? IllegalCharacter : CheckRule(rule, value);
        // Empty values are the download's own check, with its own message.
        if (code != Success && code != ItemEmpty)
            out.push_back({where, item->GetName(), value, RangeText(rule), code, item});
    } else if (!item->GetChoices().empty()) {
        // A picked value that is none of its choices is a code no choice names.
        JudgeChoice(*item, item->GetChoices(), where, out);
    }
}

// Sets an item's enable flag, noting the row when the flag changes.
void SetRowEnable(const ConfigObject& object, int row, bool enable, CommitResult& result) {
    ParamItem* item = object.GetItem(row);
    if (!item)
        return;
    const int flag = enable ? 1 : 0;
    if (item->GetEnable() != flag) {
        item->SetEnable(flag);
        result.enableChangedRows.push_back(row);
    }
}

// A choice is known by its key in either language: a file made in the other
// language keeps its own choice texts.
void ApplySubnetChoiceRules(Project& project, int row, const std::string& text,
                            CommitResult& result) {
    Subnet& subnet = project.GetSubnet();
    if (row == Subnet::ProtocolIndex) {
        std::optional<ProtocolType> type;
        if (IsKeyText(text, kKeyModbusMaster) &&
            subnet.GetProtocolType() != ProtocolType::ModbusMaster)
            type = ProtocolType::ModbusMaster;
        else if (IsKeyText(text, kKeyUniversalMode) &&
                 subnet.GetProtocolType() != ProtocolType::Universal)
            type = ProtocolType::Universal;
        if (type) {
            subnet.SetProtocolType(*type);
            project.GetFieldbus().FollowProtocolType(*type);
            result.protocolSwitched = true;
        }
    } else if (row == Subnet::ControlModeIndex) {
        const bool number = IsKeyText(text, kKeyCharacterNumber);
        const bool delimiter = IsKeyText(text, kKeyDelimiter);
        const bool timeout = IsKeyText(text, kKeyCharacterTimeout);
        SetRowEnable(subnet, Subnet::CharNumberIndex, number, result);
        SetRowEnable(subnet, Subnet::StartDelimiterIndex, delimiter, result);
        SetRowEnable(subnet, Subnet::EndDelimiterIndex, delimiter, result);
        const bool crc = number || timeout;
        SetRowEnable(subnet, Subnet::CrcIndex, crc, result);
        ParamItem* crcItem = subnet.GetItem(Subnet::CrcIndex);
        if (!crc && crcItem) {
            const std::string close = OwnChoice(*crcItem, kKeyClose);
            if (crcItem->GetValue() != close) {
                crcItem->SetValue(close);
                result.valueChangedRows.push_back(Subnet::CrcIndex);
            }
        }
    } else if (row == Subnet::SendAutoIndex) {
        SetRowEnable(subnet, Subnet::SendAutoPeriodIndex, IsKeyText(text, kKeyOpen), result);
    }
}

} // namespace

ParamItem* ItemAtRow(const TreeEntry& entry, int row) {
    if (!entry.HasObject() || row < 0)
        return nullptr;
    if (Command* command = entry.AsCommand())
        return command->GetItem(row);
    if (Node* node = entry.AsNode())
        return node->GetItem(row);
    if (ConfigObject* object = entry.AsConfigObject())
        return object->GetItem(row);
    return nullptr;
}

CommitResult CommitValue(Project& project, const TreeEntry& entry, int row,
                         const std::string& text) {
    CommitResult result;
    ParamItem* item = ItemAtRow(entry, row);
    if (!item) {
        result.refusal = CommitResult::NoSuchItem;
        return result;
    }
    result.storedValue = item->GetValue();
    if (item->GetEnable() != 1 ||
        (item->GetState() != ParamItem::Typed && item->GetState() != ParamItem::Picked)) {
        result.refusal = CommitResult::NotEditable;
        return result;
    }

    const std::string oldValue = item->GetValue();
    std::string stored = text;

    if (item->GetState() == ParamItem::Typed) {
        ResultCode code = Success;
        // A NUL byte cannot be written to the file; taking it would lose the
        // rest of the value at the next save.
        if (text.find('\0') != std::string::npos)
            code = IllegalCharacter;
        else if (entry.GetKind() == TreeEntry::SubnetKind)
            code = CheckSubnetValue(row, text, stored);
        else if (entry.GetKind() == TreeEntry::NodeKind && row == 0)
            code = CheckDecimal(text, 1, 247);
        else if (Command* command = entry.AsCommand())
            code = CheckCommandValue(project, *command, row, text, stored);
        if (code != Success) {
            result.code = code;
            ValueRule rule;
            if (entry.GetKind() == TreeEntry::SubnetKind)
                rule = SubnetRule(row);
            else if (entry.GetKind() == TreeEntry::NodeKind)
                rule = NodeRule(row);
            else if (const Command* command = entry.AsCommand())
                rule = CommandRule(project, *command, row);
            if (rule.kind != ValueRule::None)
                result.accepted = RangeText(rule);
            return result;
        }
        if (Node* node = entry.AsNode(); node && row == 0) {
            // The node is named after the address exactly as typed.
            const std::string name = "Node(" + text + ")";
            result.renamedNode = true;
            result.nodeName = name;
            if (node->GetName() != name) {
                node->SetName(name);
                result.changed = true;
            }
        }
    } else {
        const auto& choices = item->GetChoices();
        if (std::find(choices.begin(), choices.end(), text) == choices.end()) {
            result.refusal = CommitResult::NotAChoice;
            return result;
        }
        if (entry.GetKind() == TreeEntry::SubnetKind)
            ApplySubnetChoiceRules(project, row, text, result);
    }

    item->SetValue(stored);
    result.storedValue = stored;
    // The byte count follows the values it is worked out from.
    if (Command* command = entry.AsCommand();
        command && (row == Command::DataNumberRow || row == Command::BitOffsetRow) &&
        command->UpdateBytesNumber())
        result.valueChangedRows.push_back(Command::BytesNumberRow);
    if (stored != oldValue || result.protocolSwitched || !result.enableChangedRows.empty() ||
        !result.valueChangedRows.empty())
        result.changed = true;
    return result;
}

std::vector<RefusedValue> RefusedValues(const Project& project) {
    std::vector<RefusedValue> out;
    const Fieldbus& fieldbus = project.GetFieldbus();
    for (int row = 0; row < fieldbus.GetItemCount(); ++row)
        JudgeItem(fieldbus.GetItem(row), ValueRule{}, fieldbus.GetName(), out);
    const Subnet& subnet = project.GetSubnet();
    for (int row = 0; subnet.GetItem(row); ++row) {
        // The download sends data bits by a fixed table, whatever choices
        // the item carries (a loaded one carries none).
        if (row == Subnet::DataBitsIndex)
            JudgeChoice(*subnet.GetItem(row),
                        {std::begin(Subnet::kDataBitsValues), std::end(Subnet::kDataBitsValues)},
                        subnet.GetName(), out);
        else
            JudgeItem(subnet.GetItem(row), SubnetRule(row), subnet.GetName(), out);
    }
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        for (int row = 0; row < node->GetItemCount(); ++row)
            JudgeItem(node->GetItem(row), NodeRule(row), node->GetName(), out);
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            const std::string where = node->GetName() + " / " + CommandLabel(c, command->GetName());
            for (int row = 0; row < command->GetItemCount(); ++row)
                JudgeItem(command->GetItem(row), CommandRule(project, *command, row), where, out);
        }
    }
    return out;
}

} // namespace varkel
