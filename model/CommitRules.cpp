#include "model/CommitRules.h"

#include "model/Command.h"
#include "model/ConfigObject.h"
#include "model/Fieldbus.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextTable.h"
#include "model/ValueCheck.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace varkel {
namespace {

// Text keys the choice rules compare with.
constexpr int kModbusMasterKey = 20;
constexpr int kUniversalKey = 21;
constexpr int kCharNumberKey = 22;
constexpr int kDelimiterKey = 23;
constexpr int kCharTimeoutKey = 24;
constexpr int kCloseKey = 25;
constexpr int kOpenKey = 26;

std::string ToUpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int CheckSubnetValue(int row, const std::string& text, std::string& stored) {
    switch (row) {
    case Subnet::ResponseTimeoutIndex:
        return CheckDecimal(text, 300, 6000);
    case Subnet::PollDelayIndex: {
        int code = CheckDecimal(text, 0, 2500);
        if (code != Success)
            return code;
        int value = DecimalValue(text);
        if (value % 10 != 0)
            stored = std::to_string(value / 10 * 10);
        return Success;
    }
    case Subnet::ScanRatioIndex:
        return CheckDecimal(text, 1, 255);
    case Subnet::CharTimeoutIndex:
        return CheckDecimal(text, 10, 60000);
    case Subnet::CharNumberIndex:
        return CheckDecimal(text, 1, 166);
    case Subnet::StartDelimiterIndex:
    case Subnet::EndDelimiterIndex:
        return CheckDecimal(text, 0, 255);
    case Subnet::SendAutoPeriodIndex:
        return CheckDecimal(text, 10, 60000);
    default:
        return Success;
    }
}

int CheckCommandValue(const Project& project, const Command& command, int row,
                      const std::string& text, std::string& stored) {
    const FunctionFacts& f = FactsOfIndex(command.GetFunctionIndex());
    switch (row) {
    case Command::RegisterRow:
        return CheckDecimal(text, 0, 65535);
    case Command::DataNumberRow: {
        const ParamItem* mode = project.GetSubnet().GetItem(Subnet::CommModeIndex);
        if (mode && mode->GetValue() == "ASCII")
            return CheckDecimal(text, 1, 45);
        if (f.maxCount > 0)
            return CheckDecimal(text, 1, f.maxCount);
        return Success;
    }
    case Command::MappingRow: {
        std::string rest = ToUpperAscii(text);
        auto h = rest.rfind('H');
        if (h != std::string::npos)
            rest.erase(h);
        int code = f.output ? CheckHex(rest, 0x4000, 0x40A7) : CheckHex(rest, 0, 0xA7);
        if (code != Success)
            return code;
        stored = rest + "H";
        return Success;
    }
    case Command::BitOffsetRow:
        return CheckDecimal(text, 0, 7);
    default:
        return Success;
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

void ApplySubnetChoiceRules(Project& project, int row, const std::string& text,
                            CommitResult& result) {
    Subnet& subnet = project.GetSubnet();
    if (row == Subnet::ProtocolIndex) {
        std::optional<ProtocolType> type;
        if (text == LocalText(kModbusMasterKey) &&
            subnet.GetProtocolType() != ProtocolType::ModbusMaster)
            type = ProtocolType::ModbusMaster;
        else if (text == LocalText(kUniversalKey) &&
                 subnet.GetProtocolType() != ProtocolType::Universal)
            type = ProtocolType::Universal;
        if (type) {
            subnet.SetProtocolType(*type);
            project.GetFieldbus().FollowProtocolType(*type);
            result.protocolSwitched = true;
        }
    } else if (row == Subnet::ControlModeIndex) {
        const bool number = text == LocalText(kCharNumberKey);
        const bool delimiter = text == LocalText(kDelimiterKey);
        const bool timeout = text == LocalText(kCharTimeoutKey);
        SetRowEnable(subnet, Subnet::CharNumberIndex, number, result);
        SetRowEnable(subnet, Subnet::StartDelimiterIndex, delimiter, result);
        SetRowEnable(subnet, Subnet::EndDelimiterIndex, delimiter, result);
        const bool crc = number || timeout;
        SetRowEnable(subnet, Subnet::CrcIndex, crc, result);
        ParamItem* crcItem = subnet.GetItem(Subnet::CrcIndex);
        if (!crc && crcItem) {
            const std::string close = LocalText(kCloseKey);
            if (crcItem->GetValue() != close) {
                crcItem->SetValue(close);
                result.valueChangedRows.push_back(Subnet::CrcIndex);
            }
        }
    } else if (row == Subnet::SendAutoIndex) {
        SetRowEnable(subnet, Subnet::SendAutoPeriodIndex, text == LocalText(kOpenKey), result);
    }
}

} // namespace

ParamItem* ItemAtRow(const TreeEntry& entry, int row) {
    if (!entry.object || row < 0)
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
        int code = Success;
        // A NUL byte cannot be written to the file; taking it would lose the
        // rest of the value at the next save.
        if (text.find('\0') != std::string::npos)
            code = IllegalCharacter;
        else if (entry.kind == TreeEntry::SubnetKind)
            code = CheckSubnetValue(row, text, stored);
        else if (entry.kind == TreeEntry::NodeKind && row == 0)
            code = CheckDecimal(text, 1, 247);
        else if (Command* command = entry.AsCommand())
            code = CheckCommandValue(project, *command, row, text, stored);
        if (code != Success) {
            result.code = code;
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
        if (entry.kind == TreeEntry::SubnetKind)
            ApplySubnetChoiceRules(project, row, text, result);
    }

    item->SetValue(stored);
    result.storedValue = stored;
    if (stored != oldValue || result.protocolSwitched || !result.enableChangedRows.empty() ||
        !result.valueChangedRows.empty())
        result.changed = true;
    return result;
}

} // namespace varkel
