// The download side of the gateway protocol: version query, settings,
// command records and fieldbus switch, each acknowledged by the gateway.
#include "link/GatewayFrames.h"
#include "link/LinkText.h"
#include "link/SerialLink.h"
#include "model/Command.h"
#include "model/Fieldbus.h"
#include "model/Messages.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextTable.h"
#include "model/ValueCheck.h"

#include <cstring>

namespace varkel {
namespace {

constexpr std::size_t kVersionReplyLength = 11;
constexpr std::uint8_t kVersionMark = 0x05;

std::uint8_t ProtocolCode(int protocolType) {
    if (protocolType == 0)
        return 0x00;
    if (protocolType == 1)
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

// Serial settings, then in Modbus master mode the start frame and the
// records of the first node.
int MasterSettingsAndCommands(Subnet& subnet, SerialLink& link, bool longForm) {
    link.Step(LinkText(LinkTextId::SerialSettings));
    int result = link.ExchangeAcknowledged(longForm ? LongSerialSettingsFrame(subnet)
                                                    : SerialSettingsFrame(subnet));
    if (result != Success || subnet.GetProtocolType() != 0)
        return result;
    link.Step(LinkText(LinkTextId::CommandListStart));
    result = link.ExchangeAcknowledged(CommandListStartFrame());
    if (result != Success)
        return result;
    Node* node = subnet.GetNodeAt(0);
    if (!node)
        return Success;
    int frameCounter = 0;
    return node->Download(link, frameCounter);
}

int UniversalSettings(Subnet& subnet, SerialLink& link) {
    link.Step(LinkText(LinkTextId::UniversalSettings));
    return link.ExchangeAcknowledged(UniversalSettingsFrame(subnet));
}

bool IsHardware20(std::uint8_t hwMajor, std::uint8_t hwMinor) {
    return hwMajor == 2 && hwMinor == 0;
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
    const int protocol = subnet.GetProtocolType();
    const Node* node = subnet.GetNodeAt(0);
    const int records = node ? node->GetCommandCount() : 0;
    const int master = 1 + (protocol == 0 ? 1 + records : 0); // settings, start, records
    int steps = 2;
    if (hwMajor < 2)
        steps += protocol == 1 ? 0 : master + 1;
    else if (hwMajor == 2 && hwMinor == 0)
        steps += master + 1;
    else if (hwMajor == 2)
        steps += (protocol == 0 ? master : protocol == 1 ? master + 1 : 0) + 1;
    return steps;
}

int Command::Download(SerialLink& link, int& frameCounter, int slaveAddress) {
    link.Step(LinkText(LinkTextId::CommandRecord, frameCounter + 1));
    int result = link.ExchangeAcknowledged(CommandRecordFrame(*this, frameCounter, slaveAddress));
    if (result != Success)
        return result;
    ++frameCounter;
    return Success;
}

int Node::Download(SerialLink& link, int& frameCounter) {
    for (const auto& command : commands_) {
        const ParamItem* address = GetItem(0);
        if (!address)
            return ItemEmpty;
        int result = command->Download(link, frameCounter, address->IntValue());
        if (result != Success)
            return result;
    }
    return Success;
}

int Subnet::Download(SerialLink& link, std::uint8_t hwMajor, std::uint8_t hwMinor) {
    const int protocol = GetProtocolType();
    if (hwMajor < 2) {
        if (protocol == 1) {
            ShowMessage(LocalText(5013));
            return VersionMismatch;
        }
        return MasterSettingsAndCommands(*this, link, false);
    }
    if (hwMajor == 2 && hwMinor == 0)
        return MasterSettingsAndCommands(*this, link, true);
    if (hwMajor == 2) {
        if (protocol == 0)
            return MasterSettingsAndCommands(*this, link, false);
        if (protocol == 1) {
            int result = MasterSettingsAndCommands(*this, link, false);
            return result != Success ? result : UniversalSettings(*this, link);
        }
    }
    return Success;
}

int Subnet::QueryHardwareVersion(SerialLink& link, std::uint8_t& hwMajor, std::uint8_t& hwMinor) {
    std::uint8_t reply[kVersionReplyLength] = {};
    link.Step(LinkText(LinkTextId::VersionQuery));
    int result = link.Send(VersionRequestFrame());
    if (result == Success)
        result = link.Receive(reply, sizeof reply);
    if (result != Success)
        return result;
    // A reply marked 01h is taken whatever its checksum.
    if (reply[0] != 0x01 && reply[10] != ByteSum(reply, 10)) {
        link.Note("version reply: wrong checksum");
        return CheckError;
    }
    if (reply[2] != kVersionMark) {
        link.Note("version reply: wrong version mark");
        return VersionMismatch;
    }
    hwMajor = reply[3];
    hwMinor = reply[4];
    return Success;
}

int Fieldbus::Download(SerialLink& link, int protocolType, std::uint8_t hwMajor,
                       std::uint8_t hwMinor) {
    if (protocolType == 0 || IsHardware20(hwMajor, hwMinor))
        return DownloadClearOnFault(link);
    return DownloadValidLength(link);
}

int Fieldbus::DownloadValidLength(SerialLink& link) {
    link.Step(LinkText(LinkTextId::FieldbusSwitch));
    return link.ExchangeAcknowledged(ValidLengthFrame(*this));
}

int Fieldbus::DownloadClearOnFault(SerialLink& link) {
    link.Step(LinkText(LinkTextId::FieldbusSwitch));
    return link.ExchangeAcknowledged(ClearOnFaultFrame(*this));
}

int Project::QueryHardwareVersion(SerialLink& link, std::uint8_t& hwMajor, std::uint8_t& hwMinor) {
    // The gateway's first answer after the port opens is not trusted; only
    // the second one is examined.
    std::uint8_t first[kVersionReplyLength] = {};
    link.Step(LinkText(LinkTextId::VersionQuery));
    int result = link.Send(VersionRequestFrame());
    if (result == Success)
        result = link.Receive(first, sizeof first);
    if (result != Success)
        return result;
    SerialLink::Wait(SerialLink::kVersionPauseMs);
    return subnet_.QueryHardwareVersion(link, hwMajor, hwMinor);
}

int Project::Download(SerialLink& link) {
    int result = subnet_.Validate();
    if (result != Success)
        return result;
    MemoryCounts input{};
    MemoryCounts output{};
    subnet_.MarkMemoryUse(input, output, 0);
    result = CheckMemoryMaps(input, output);
    if (result != Success)
        return result;

    link.BeginSteps(DownloadStepCount(*this, 2, 1));
    std::uint8_t hwMajor = 0;
    std::uint8_t hwMinor = 0;
    result = QueryHardwareVersion(link, hwMajor, hwMinor);
    if (result != Success)
        return result;
    // A newer gateway's layout is unknown: better refuse than report a
    // download that wrote nothing as successful.
    if (hwMajor > 2) {
        link.Note("hardware version above 2 is not supported");
        return VersionMismatch;
    }
    link.SetStepsTotal(DownloadStepCount(*this, hwMajor, hwMinor));
    result = subnet_.Download(link, hwMajor, hwMinor);
    if (result != Success)
        return result;
    return fieldbus_.Download(link, subnet_.GetProtocolType(), hwMajor, hwMinor);
}

} // namespace varkel
