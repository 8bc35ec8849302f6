// The download side of the gateway protocol: version query, settings,
// command records and fieldbus switch, each acknowledged by the gateway.
#include "link/Download.h"
#include "link/GatewayFrames.h"
#include "link/HardwareVariant.h"
#include "link/LinkCatalog.h"
#include "link/SerialLink.h"
#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Fieldbus.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "model/ValueCheck.h"

namespace varkel {
namespace {

constexpr std::uint8_t kVersionMark = 0x05;

std::uint8_t ProtocolCode(ProtocolType protocolType) {
    if (protocolType == ProtocolType::ModbusMaster)
        return 0x00;
    if (protocolType == ProtocolType::Universal)
        return 0x03;
    return 0xFF;
}

// Offsets 3-15 of the serial settings frame.
void PutSerialSettings(Bytes& data, const Subnet& subnet) {
    data.push_back(ProtocolCode(subnet.GetProtocolType()));
    data.push_back(Low8(subnet.BaudRateCode()));
    data.push_back(Low8(subnet.DataBitsCode()));
    data.push_back(Low8(subnet.ParityCode()));
    data.push_back(Low8(subnet.StopBitsCode()));
    data.push_back(0x00); // the subnet's slave address is never sent
    data.push_back(Low8(subnet.TransmissionModeCode()));
    Put16(data, subnet.ResponseTimeout());
    data.push_back(Low8(subnet.PollDelay()));
    data.push_back(Low8(subnet.OutputPollingMode()));
    data.push_back(0x00); // nor the time between two pulses
    data.push_back(Low8(subnet.ScanRatio()));
}

// Offsets 3-13 of the universal-mode settings frame.
void PutUniversalSettings(Bytes& data, const Subnet& subnet) {
    data.push_back(Low8(subnet.ControlModeCode()));
    Put16(data, subnet.CharacterTimeout());
    data.push_back(Low8(subnet.CharacterNumber()));
    data.push_back(Low8(subnet.StartDelimiter()));
    data.push_back(Low8(subnet.EndDelimiter()));
    data.push_back(Low8(subnet.SendAutoCode()));
    Put16(data, subnet.SendAutoPeriod());
    data.push_back(Low8(subnet.CrcCode()));
    data.push_back(0x00);
}

// Serial settings in the variant's form, then in Modbus master mode the
// start frame and the records of the first node.
ResultCode MasterSettingsAndCommands(const Subnet& subnet, SerialLink& link, bool longForm) {
    link.Step(Text(LinkMsg::LinkSerialSettings));
    ResultCode result = link.ExchangeAcknowledged(longForm ? LongSerialSettingsFrame(subnet)
                                                           : SerialSettingsFrame(subnet));
    if (result != Success || subnet.GetProtocolType() != ProtocolType::ModbusMaster)
        return result;
    link.Step(Text(LinkMsg::LinkCommandListStart));
    result = link.ExchangeAcknowledged(CommandListStartFrame());
    if (result != Success)
        return result;
    const Node* node = subnet.GetNodeAt(0);
    if (!node)
        return Success;
    int frameCounter = 0;
    return Download(*node, link, frameCounter);
}

bool SendsSettings(const HardwareVariant& variant, ProtocolType protocol) {
    if (protocol == ProtocolType::ModbusMaster)
        return true;
    return protocol == ProtocolType::Universal ? variant.universalMode
                                               : variant.otherProtocolSettings;
}

bool SendsUniversalFrame(const HardwareVariant& variant, ProtocolType protocol) {
    return protocol == ProtocolType::Universal && variant.universalMode && variant.universalFrame;
}

HardwareVariant::FieldbusSwitch SwitchOf(const HardwareVariant* variant, ProtocolType protocol) {
    if (protocol == ProtocolType::ModbusMaster || !variant)
        return HardwareVariant::FieldbusSwitch::ClearOnFault;
    return variant->otherSwitch;
}

ResultCode SendSwitch(const Bytes& frame, SerialLink& link) {
    link.Step(Text(LinkMsg::LinkFieldbusSwitch));
    return link.ExchangeAcknowledged(frame);
}

ResultCode QueryOnce(SerialLink& link, std::uint8_t& hwMajor, std::uint8_t& hwMinor) {
    link.Step(Text(LinkMsg::LinkVersionQuery));
    Bytes reply;
    ResultCode result = link.Ask(VersionRequestFrame(), ReplyKind::Version, reply);
    if (result != Success)
        return result;
    if (reply[2] != kVersionMark) {
        link.Note("version reply: wrong version mark");
        return VersionMismatch;
    }
    hwMajor = reply[3];
    hwMinor = reply[4];
    return Success;
}

} // namespace

Bytes VersionRequestFrame() {
    return ShortFrame(0x01);
}

Bytes SerialSettingsFrame(const Subnet& subnet) {
    Bytes data{0x00};
    PutSerialSettings(data, subnet);
    return MakeFrame(0x03, data);
}

Bytes LongSerialSettingsFrame(const Subnet& subnet) {
    Bytes data{0x00};
    PutSerialSettings(data, subnet);
    PutUniversalSettings(data, subnet);
    return MakeFrame(0x03, data);
}

Bytes UniversalSettingsFrame(const Subnet& subnet) {
    Bytes data{0x00};
    PutUniversalSettings(data, subnet);
    return MakeFrame(0x05, data);
}

Bytes CommandListStartFrame() {
    return MakeFrame(0x14, Bytes{0x00, 0x55, 0xAA});
}

Bytes CommandRecordFrame(const Command& command, int frameCounter, int slaveAddress) {
    Bytes data{0x00};
    data.push_back(Low8(frameCounter));
    data.push_back(Low8(slaveAddress));
    data.push_back(Low8(command.GetFunctionCode()));
    Put16(data, command.GetIntValue(Command::RegisterRow));
    Put16(data, command.GetIntValue(Command::DataNumberRow));
    const ParamItem* mapping = command.GetItem(Command::MappingRow);
    Put16(data, mapping ? static_cast<int>(MappingAddressValue(mapping->GetValue())) : 0);
    data.push_back(Low8(command.GetIntValue(Command::BitOffsetRow)));
    data.push_back(Low8(command.GetChoiceIndex(Command::ScanningRow)));
    data.push_back(Low8(command.GetChoiceIndex(Command::SwappingRow)));
    return MakeFrame(0x10, data);
}

Bytes ValidLengthFrame(const Fieldbus& fieldbus) {
    return MakeFrame(0x30,
                     Bytes{0x00, 0x00, Low8(fieldbus.GetChoiceIndex(Fieldbus::ValidLengthIndex))});
}

Bytes ClearOnFaultFrame(const Fieldbus& fieldbus) {
    return MakeFrame(0x32, Bytes{Low8(fieldbus.GetChoiceIndex(Fieldbus::ClearOnFaultIndex))});
}

int DownloadStepCount(const Project& project, std::uint8_t hwMajor, std::uint8_t hwMinor) {
    const Subnet& subnet = project.GetSubnet();
    const ProtocolType protocol = subnet.GetProtocolType();
    int steps = 2; // the version queries
    const HardwareVariant* variant = FindHardwareVariant(hwMajor, hwMinor);
    if (!variant)
        return steps;
    if (protocol == ProtocolType::Universal && !variant->universalMode)
        return steps; // refused before anything else is sent
    if (SendsSettings(*variant, protocol))
        ++steps;
    if (protocol == ProtocolType::ModbusMaster) {
        const Node* node = subnet.GetNodeAt(0);
        steps += 1 + (node ? node->GetCommandCount() : 0); // start frame, records
    }
    if (SendsUniversalFrame(*variant, protocol))
        ++steps;
    return steps + 1; // the fieldbus switch
}

ResultCode Download(const Command& command, SerialLink& link, int& frameCounter, int slaveAddress) {
    link.Step(Text(LinkMsg::LinkCommandRecord, {std::to_string(frameCounter + 1)}));
    ResultCode result =
        link.ExchangeAcknowledged(CommandRecordFrame(command, frameCounter, slaveAddress));
    if (result != Success)
        return result;
    ++frameCounter;
    return Success;
}

ResultCode Download(const Node& node, SerialLink& link, int& frameCounter) {
    for (int i = 0; i < node.GetCommandCount(); ++i) {
        const ParamItem* address = node.GetItem(0);
        if (!address)
            return ItemEmpty;
        ResultCode result =
            Download(*node.GetCommandAt(i), link, frameCounter, address->IntValue());
        if (result != Success)
            return result;
    }
    return Success;
}

ResultCode Download(const Subnet& subnet, SerialLink& link, std::uint8_t hwMajor,
                    std::uint8_t hwMinor) {
    const HardwareVariant* variant = FindHardwareVariant(hwMajor, hwMinor);
    if (!variant)
        return Success;
    const ProtocolType protocol = subnet.GetProtocolType();
    if (protocol == ProtocolType::Universal && !variant->universalMode) {
        link.Inform(LocalText(kKeyUniversalModeNotSupported));
        return VersionMismatch;
    }
    if (!SendsSettings(*variant, protocol))
        return Success;
    ResultCode result = MasterSettingsAndCommands(
        subnet, link, variant->settings == HardwareVariant::SettingsForm::Long);
    if (result != Success || !SendsUniversalFrame(*variant, protocol))
        return result;
    link.Step(Text(LinkMsg::LinkUniversalSettings));
    return link.ExchangeAcknowledged(UniversalSettingsFrame(subnet));
}

ResultCode QueryHardwareVersion(const Subnet&, SerialLink& link, std::uint8_t& hwMajor,
                                std::uint8_t& hwMinor) {
    return QueryOnce(link, hwMajor, hwMinor);
}

ResultCode Download(const Fieldbus& fieldbus, SerialLink& link, ProtocolType protocolType,
                    std::uint8_t hwMajor, std::uint8_t hwMinor) {
    if (SwitchOf(FindHardwareVariant(hwMajor, hwMinor), protocolType) ==
        HardwareVariant::FieldbusSwitch::ClearOnFault)
        return SendSwitch(ClearOnFaultFrame(fieldbus), link);
    return SendSwitch(ValidLengthFrame(fieldbus), link);
}

ResultCode QueryHardwareVersion(const Project&, SerialLink& link, std::uint8_t& hwMajor,
                                std::uint8_t& hwMinor) {
    // The gateway's first answer after the port opens is not trusted; only
    // the second one is examined.
    link.Step(Text(LinkMsg::LinkVersionQuery));
    Bytes first;
    ResultCode result = link.Ask(VersionRequestFrame(), ReplyKind::FirstVersion, first);
    if (result != Success)
        return result;
    SerialLink::Wait(SerialLink::kVersionPauseMs);
    return QueryOnce(link, hwMajor, hwMinor);
}

ResultCode QueryKnownHardware(const Project& project, SerialLink& link, std::uint8_t& hwMajor,
                              std::uint8_t& hwMinor, HardwareVersion* version) {
    const ResultCode result = QueryHardwareVersion(project, link, hwMajor, hwMinor);
    if (result != Success)
        return result;
    if (version)
        *version = HardwareVersion{hwMajor, hwMinor, true};
    // A newer gateway's layout is unknown: better refuse than report a
    // transfer that wrote or read nothing as successful.
    if (!FindHardwareVariant(hwMajor, hwMinor)) {
        link.Note("hardware version above 2 is not supported");
        return VersionMismatch;
    }
    return Success;
}

DownloadCheck CheckBeforeDownload(const Project& project) {
    const Subnet& subnet = project.GetSubnet();
    // The download stops at the first problem and names it.
    const std::vector<ConfigProblem> problems = subnet.Validate();
    if (!problems.empty())
        return {problems.front().code, problems.front().message};
    MemoryCounts input{};
    MemoryCounts output{};
    // Counting without reporting cannot fail.
    static_cast<void>(subnet.MarkMemoryUse(input, output, false));
    const ResultCode result = project.CheckMemoryMaps(input, output);
    if (result != Success)
        return {result, {}};
    // The gateway never receives a value its editor forbids.
    const std::vector<RefusedValue> refused = RefusedValues(project);
    if (refused.empty())
        return {};
    return {refused.front().code, RefusedValuesText(Text(LinkMsg::LinkRefusedDownload), refused)};
}

std::string RefusedValueLine(const RefusedValue& refused) {
    return Text(LinkMsg::LinkRefusedValue, {refused.where, refused.item, refused.value,
                                            ResultMessage(refused.code), refused.accepted});
}

std::string RefusedValuesText(const std::string& heading, const std::vector<RefusedValue>& all) {
    std::string text = heading;
    for (const RefusedValue& refused : all) {
        text += '\n';
        text += RefusedValueLine(refused);
    }
    return text;
}

ResultCode Download(const Project& project, SerialLink& link, HardwareVersion* version) {
    if (const DownloadCheck check = CheckBeforeDownload(project); check.code != Success) {
        if (!check.message.empty())
            link.Inform(check.message);
        return check.code;
    }

    link.BeginSteps(DownloadStepCount(project, 2, 1));
    std::uint8_t hwMajor = 0;
    std::uint8_t hwMinor = 0;
    ResultCode result = QueryKnownHardware(project, link, hwMajor, hwMinor, version);
    if (result != Success)
        return result;
    link.SetStepsTotal(DownloadStepCount(project, hwMajor, hwMinor));
    const Subnet& subnet = project.GetSubnet();
    result = Download(subnet, link, hwMajor, hwMinor);
    if (result != Success)
        return result;
    return Download(project.GetFieldbus(), link, subnet.GetProtocolType(), hwMajor, hwMinor);
}

} // namespace varkel
