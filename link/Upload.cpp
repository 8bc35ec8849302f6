// The upload side of the gateway protocol: settings, command records and
// the fieldbus switch read back, rebuilt into a staged copy of the
// configuration that replaces the user's only when everything was read.
#include "link/Upload.h"

#include "link/Frame.h"
#include "link/HardwareVariant.h"
#include "link/LinkCatalog.h"
#include "link/SerialLink.h"
#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Fieldbus.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <cstdio>
#include <cstring>

namespace varkel {
namespace {

constexpr int kRecordsPerPage = 6;
constexpr std::size_t kRecordLength = 12;

// A code that names no choice is kept as the gateway holds it (raw), never
// replaced by another choice; the editor's check then lists it.
void SetChoice(ConfigObject& object, int index, int code, int raw) {
    if (object.SetChoiceIndex(index, code))
        return;
    if (ParamItem* item = object.GetItem(index))
        item->SetValue(std::to_string(raw));
}
void SetChoice(ConfigObject& object, int index, int code) {
    SetChoice(object, index, code, code);
}

void SetItemEnable(Subnet& subnet, int index, int flag) {
    if (ParamItem* item = subnet.GetItem(index))
        item->SetEnable(flag);
}

// The rows the control mode and auto-send leave in use, enabled by their
// codes, so that what was enabled when the settings went down is again.
void EnableByUniversalCodes(Subnet& subnet, int control, int sendAuto) {
    SetItemEnable(subnet, Subnet::CharTimeoutIndex, 1);
    SetItemEnable(subnet, Subnet::CharNumberIndex, control == 1);
    SetItemEnable(subnet, Subnet::StartDelimiterIndex, control != 0 && control != 1);
    SetItemEnable(subnet, Subnet::EndDelimiterIndex, control != 0 && control != 1);
    SetItemEnable(subnet, Subnet::CrcIndex, control == 0 || control == 1);
    SetItemEnable(subnet, Subnet::SendAutoPeriodIndex, sendAuto != 0);
}

// Offsets 3-15 of a settings reply: protocol first, so that the indices of
// the mode list address the list just chosen.
void TakeSerialSettings(Subnet& subnet, const std::uint8_t* reply) {
    subnet.SetProtocolType(reply[3] == 0 ? ProtocolType::ModbusMaster : ProtocolType::Universal);
    SetChoice(subnet, Subnet::BaudRateIndex, reply[4]);
    // By the frame's own table: a loaded item has no choices to count in.
    if (ParamItem* dataBits = subnet.GetItem(Subnet::DataBitsIndex))
        dataBits->SetValue(Subnet::DataBitsText(reply[5]));
    SetChoice(subnet, Subnet::ParityIndex, reply[6]);
    SetChoice(subnet, Subnet::StopBitsIndex, reply[7]);
    SetChoice(subnet, Subnet::CommModeIndex, reply[9]);
    subnet.SetIntValue(Subnet::ResponseTimeoutIndex, Get16(reply + 10));
    subnet.SetIntValue(Subnet::PollDelayIndex, reply[12] * 10);
    SetChoice(subnet, Subnet::PollingModeIndex, reply[13] - 1, reply[13]);
    subnet.SetIntValue(Subnet::ScanRatioIndex, reply[15]);
}

std::string SlaveName(int address) {
    return "Node(" + std::to_string(address) + ")";
}

std::string MappingText(int address) {
    char text[16];
    std::snprintf(text, sizeof text, "%04XH", static_cast<unsigned>(address) & 0xFFFFu);
    return text;
}

bool SetValue(Command& command, int row, const std::string& value) {
    ParamItem* item = command.GetItem(row);
    if (!item)
        return false;
    item->SetValue(value);
    return true;
}

// One 12-byte record into a new command of the node.
ResultCode TakeRecord(SerialLink& link, Node& node, const std::uint8_t* record) {
    node.GetItem(0)->SetValue(std::to_string(record[1]));
    node.SetName(SlaveName(record[1]));
    const int functionIndex = FunctionIndexOfCode(record[2]);
    if (functionIndex < 0) {
        link.Note("record with an unknown function code");
        return CommandUploadError;
    }
    auto command = std::make_unique<Command>(LookupFunctionCode(functionIndex).name, functionIndex);
    const int scanKey = record[10] == 0 ? kKeyQuickScan : kKeySlowScan;
    const int swapKey = record[11] == 0   ? kKeyNoSwapping
                        : record[11] == 1 ? kKeyTwoBytesSwapping
                                          : kKeyFourBytesSwapping;
    bool complete = SetValue(*command, Command::RegisterRow, std::to_string(Get16(record + 3))) &&
                    SetValue(*command, Command::DataNumberRow, std::to_string(Get16(record + 5))) &&
                    SetValue(*command, Command::MappingRow, MappingText(Get16(record + 7))) &&
                    SetValue(*command, Command::BitOffsetRow, std::to_string(record[9])) &&
                    SetValue(*command, Command::SwappingRow, LocalText(swapKey)) &&
                    SetValue(*command, Command::ScanningRow, LocalText(scanKey));
    if (!complete) {
        link.Note("record for a command without the items it fills");
        return CommandUploadError;
    }
    // By the rule Auto Mapping and the editor use, so that a configuration
    // downloaded and uploaded again shows the same count.
    command->UpdateBytesNumber();
    if (!node.AddCommand(std::move(command)))
        return CommandUploadError;
    return Success;
}

ResultCode ReadCommandRecords(Subnet& subnet, SerialLink& link) {
    Bytes reply;
    link.Step(Text(LinkMsg::LinkReadRecordCount));
    ResultCode result = link.Ask(MakeFrame(0x15, Bytes{0x00}), ReplyKind::RecordCount, reply);
    if (result != Success)
        return result;
    const int count = Get16(reply.data() + 3);
    if (count == 0)
        return Success;

    subnet.AddNode(std::make_unique<Node>(SlaveName(0)));
    Node* node = subnet.GetNodeAt(subnet.GetNodeCount() - 1);
    if (!node || !node->GetItem(0))
        return Success;
    const int pages = (count + kRecordsPerPage - 1) / kRecordsPerPage;
    link.AddSteps(pages);
    Bytes page;
    for (int p = 0; p < pages; ++p) {
        const int n = p < pages - 1 ? kRecordsPerPage : count - kRecordsPerPage * p;
        link.Step(Text(LinkMsg::LinkReadRecordPage, {std::to_string(p)}));
        result = link.Ask(MakeFrame(0x16, Bytes{0x00, Low8(p)}), ReplyKind::RecordPage, page,
                          kRecordLength * static_cast<std::size_t>(n) + 4);
        if (result != Success)
            return result;
        for (int i = 0; i < n; ++i) {
            result = TakeRecord(link, *node,
                                page.data() + 3 + kRecordLength * static_cast<std::size_t>(i));
            if (result != Success)
                return result;
        }
    }
    return Success;
}

ResultCode MasterRead(Subnet& subnet, SerialLink& link) {
    Bytes reply;
    link.Step(Text(LinkMsg::LinkReadSerialSettings));
    ResultCode result = link.Ask(MakeFrame(0x04, Bytes{0x00}), ReplyKind::SerialSettings, reply);
    if (result != Success)
        return result;
    TakeSerialSettings(subnet, reply.data());
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster)
        return Success;
    return ReadCommandRecords(subnet, link);
}

ResultCode UniversalRead(Subnet& subnet, SerialLink& link) {
    Bytes reply;
    link.Step(Text(LinkMsg::LinkReadUniversalSettings));
    ResultCode result = link.Ask(MakeFrame(0x06, Bytes{0x00}), ReplyKind::UniversalSettings, reply);
    if (result != Success)
        return result;
    SetChoice(subnet, Subnet::ControlModeIndex, reply[3]);
    subnet.SetIntValue(Subnet::CharTimeoutIndex, Get16(reply.data() + 4));
    subnet.SetIntValue(Subnet::CharNumberIndex, reply[6]);
    subnet.SetIntValue(Subnet::StartDelimiterIndex, reply[7]);
    subnet.SetIntValue(Subnet::EndDelimiterIndex, reply[8]);
    SetChoice(subnet, Subnet::SendAutoIndex, reply[9]);
    subnet.SetIntValue(Subnet::SendAutoPeriodIndex, Get16(reply.data() + 10));
    SetChoice(subnet, Subnet::CrcIndex, reply[12]);
    EnableByUniversalCodes(subnet, reply[3], reply[9]);
    return Success;
}

// The long settings reply carries the universal-mode settings too.
ResultCode LongSettingsRead(Subnet& subnet, SerialLink& link) {
    subnet.RemoveAllNodes();
    Bytes reply;
    link.Step(Text(LinkMsg::LinkReadSerialSettings));
    ResultCode result =
        link.Ask(MakeFrame(0x04, Bytes{0x00}), ReplyKind::LongSerialSettings, reply);
    if (result != Success)
        return result;
    TakeSerialSettings(subnet, reply.data());

    SetChoice(subnet, Subnet::ControlModeIndex, reply[16]);
    EnableByUniversalCodes(subnet, reply[16], reply[22]);
    subnet.SetIntValue(Subnet::CharTimeoutIndex, Get16(reply.data() + 17));
    subnet.SetIntValue(Subnet::CharNumberIndex, reply[19]);
    subnet.SetIntValue(Subnet::StartDelimiterIndex, reply[20]);
    subnet.SetIntValue(Subnet::EndDelimiterIndex, reply[21]);
    SetChoice(subnet, Subnet::SendAutoIndex, reply[22]);
    subnet.SetIntValue(Subnet::SendAutoPeriodIndex, Get16(reply.data() + 23));
    SetChoice(subnet, Subnet::CrcIndex, reply[25]);
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster)
        return Success;
    return ReadCommandRecords(subnet, link);
}

ResultCode ReadValidLength(Fieldbus& fieldbus, SerialLink& link) {
    Bytes reply;
    link.Step(Text(LinkMsg::LinkReadFieldbusSwitch));
    ResultCode result = link.Ask(ShortFrame(0x31), ReplyKind::ValidLength, reply);
    if (result != Success)
        return result;
    SetChoice(fieldbus, Fieldbus::ValidLengthIndex, reply[4]);
    return Success;
}

ResultCode ReadClearOnFault(Fieldbus& fieldbus, SerialLink& link) {
    Bytes reply;
    link.Step(Text(LinkMsg::LinkReadFieldbusSwitch));
    ResultCode result = link.Ask(ShortFrame(0x33), ReplyKind::ClearOnFault, reply);
    if (result != Success)
        return result;
    SetChoice(fieldbus, Fieldbus::ClearOnFaultIndex, reply[2]);
    return Success;
}

} // namespace

ResultCode Upload(Subnet& subnet, SerialLink& link, std::uint8_t hwMajor, std::uint8_t hwMinor) {
    subnet.RemoveAllNodes();
    const HardwareVariant* variant = FindHardwareVariant(hwMajor, hwMinor);
    if (!variant)
        return Success;
    if (variant->settings == HardwareVariant::SettingsForm::Long)
        return LongSettingsRead(subnet, link);
    ResultCode result = MasterRead(subnet, link);
    if (result == Success && variant->universalFrame &&
        subnet.GetProtocolType() == ProtocolType::Universal)
        result = UniversalRead(subnet, link);
    return result;
}

ResultCode Upload(Fieldbus& fieldbus, SerialLink& link, ProtocolType protocolType,
                  std::uint8_t hwMajor, std::uint8_t hwMinor) {
    const HardwareVariant* variant = FindHardwareVariant(hwMajor, hwMinor);
    if (protocolType == ProtocolType::ModbusMaster || !variant)
        return ReadClearOnFault(fieldbus, link);
    if (!variant->validLengthReadBack) {
        // That gateway keeps no such switch.
        fieldbus.SetChoiceIndex(Fieldbus::ValidLengthIndex, 0);
        return Success;
    }
    return ReadValidLength(fieldbus, link);
}

ResultCode Upload(Project& project, SerialLink& link, HardwareVersion* version) {
    // Version twice, settings, record count, fieldbus; pages are added as
    // the gateway tells how many records it holds.
    link.BeginSteps(5);
    std::uint8_t hwMajor = 0;
    std::uint8_t hwMinor = 0;
    ResultCode result = QueryKnownHardware(project, link, hwMajor, hwMinor, version);
    if (result != Success)
        return result;
    // Read into a copy, so that a failure part-way leaves the user's
    // configuration exactly as it was.
    Project staged;
    staged.CopyFrom(project);
    result = Upload(staged.GetSubnet(), link, hwMajor, hwMinor);
    if (result != Success)
        return result;
    const ProtocolType protocol = staged.GetSubnet().GetProtocolType();
    result = Upload(staged.GetFieldbus(), link, protocol, hwMajor, hwMinor);
    if (result != Success)
        return result;
    staged.GetFieldbus().FollowProtocolType(protocol);
    link.SetStepsTotal(link.StepsDone());
    project.TakeFrom(staged);
    return Success;
}

} // namespace varkel
