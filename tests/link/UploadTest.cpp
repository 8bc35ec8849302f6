#include "LinkFixture.h"
#include "model/FunctionCode.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

namespace varkel::testing {
namespace {

using UploadTest = LinkFixture;
using Shape = std::vector<std::pair<int, int>>;

// A stored record: counter, slave, code, start, number, mapping, bit
// offset, scanning, swapping.
sim::Record MakeRecord(std::uint8_t counter, std::uint8_t slave, std::uint8_t code, int start,
                       int number, int mapping, std::uint8_t bit = 0, std::uint8_t scan = 0,
                       std::uint8_t swap = 0) {
    return {counter,
            slave,
            code,
            static_cast<std::uint8_t>(start >> 8),
            static_cast<std::uint8_t>(start),
            static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number),
            static_cast<std::uint8_t>(mapping >> 8),
            static_cast<std::uint8_t>(mapping),
            bit,
            scan,
            swap};
}

std::string Value(const Command* command, int row) {
    return command->GetItem(row)->GetValue();
}

TEST_F(UploadTest, SevenRecordsComeInTwoPages) {
    StartGateway(2, 1);
    sim::GatewayState state;
    for (int i = 0; i < 7; ++i)
        state.records.push_back(MakeRecord(i, 1, 3, i, 1, i * 2));
    gateway->SetState(state);
    Project project;
    ASSERT_EQ(Upload(project, link), Success);
    EXPECT_EQ(RequestShape(),
              (Shape{{1, 3}, {1, 3}, {4, 4}, {0x15, 4}, {0x16, 5}, {0x16, 5}, {0x33, 3}}));
    auto log = gateway->Log();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[4].request, (Bytes{0x16, 0x02, 0x00, 0x00, 0x18}));
    EXPECT_EQ(log[5].request, (Bytes{0x16, 0x02, 0x00, 0x01, 0x19}));
    EXPECT_EQ(log[4].reply.size(), 76u);
    EXPECT_EQ(log[5].reply.size(), 16u);
    ASSERT_EQ(project.GetSubnet().GetNodeCount(), 1);
    const Node* node = project.GetSubnet().GetNodeAt(0);
    ASSERT_EQ(node->GetCommandCount(), 7);
    EXPECT_EQ(Value(node->GetCommandAt(6), Command::RegisterRow), "6");
    EXPECT_EQ(Value(node->GetCommandAt(6), Command::MappingRow), "000CH");
}

TEST_F(UploadTest, NoRecordsLeaveTheSubnetWithoutANode) {
    StartGateway(2, 1);
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");
    ASSERT_EQ(Upload(project, link), Success);
    EXPECT_EQ(RequestShape(), (Shape{{1, 3}, {1, 3}, {4, 4}, {0x15, 4}, {0x33, 3}}));
    EXPECT_EQ(project.GetSubnet().GetNodeCount(), 0);
}

TEST_F(UploadTest, RecordsAreRebuiltIntoOneNode) {
    StartGateway(2, 1);
    sim::GatewayState state;
    state.records.push_back(MakeRecord(0, 1, 3, 0, 10, 0x0000));
    state.records.push_back(MakeRecord(1, 2, 1, 5, 10, 0x400A, 3, 7, 9));
    state.records.push_back(MakeRecord(2, 2, 16, 1, 2, 0x4002, 0, 0, 1));
    gateway->SetState(state);
    Project project;
    ASSERT_EQ(Upload(project, link), Success);
    ASSERT_EQ(project.GetSubnet().GetNodeCount(), 1);
    const Node* node = project.GetSubnet().GetNodeAt(0);
    EXPECT_EQ(node->GetName(), "Node(2)");
    EXPECT_EQ(node->GetItem(0)->GetValue(), "2");
    ASSERT_EQ(node->GetCommandCount(), 3);

    const Command* holding = node->GetCommandAt(0);
    EXPECT_EQ(holding->GetFunctionIndex(), 2);
    EXPECT_EQ(holding->GetName(), LookupFunctionCode(2).name);
    EXPECT_EQ(Value(holding, Command::DataNumberRow), "10");
    EXPECT_EQ(Value(holding, Command::MappingRow), "0000H");
    EXPECT_EQ(Value(holding, Command::BytesNumberRow), "20");
    EXPECT_EQ(Value(holding, Command::ScanningRow), LocalText(kKeyQuickScan));
    EXPECT_EQ(Value(holding, Command::SwappingRow), LocalText(kKeyNoSwapping));

    const Command* coils = node->GetCommandAt(1);
    EXPECT_EQ(coils->GetFunctionIndex(), 0);
    EXPECT_EQ(Value(coils, Command::RegisterRow), "5");
    EXPECT_EQ(Value(coils, Command::MappingRow), "400AH");
    EXPECT_EQ(Value(coils, Command::BitOffsetRow), "3");
    EXPECT_EQ(Value(coils, Command::BytesNumberRow), "2"); // 10 bits from bit 3
    EXPECT_EQ(Value(coils, Command::ScanningRow), LocalText(kKeySlowScan));
    EXPECT_EQ(Value(coils, Command::SwappingRow), LocalText(kKeyFourBytesSwapping));

    const Command* preset = node->GetCommandAt(2);
    EXPECT_EQ(preset->GetFunctionIndex(), 13);
    EXPECT_EQ(Value(preset, Command::SwappingRow), LocalText(kKeyTwoBytesSwapping));
    EXPECT_EQ(Value(preset, Command::BytesNumberRow), "4");
}

TEST_F(UploadTest, SettingsReplyDecidesTheModeAndKeepsUnknownCodesRaw) {
    StartGateway(2, 1);
    sim::GatewayState state;
    state.serial = {0x00, 0x08, 0x01, 0x02, 0x01, 0x00, 0x01, 0x17, 0x70, 0x7B, 0x00, 0x00, 0xFF};
    state.clearOnFault = 1;
    gateway->SetState(state);
    Project project;
    project.GetSubnet().SetChoiceIndex(Subnet::PollingModeIndex, 1);
    const std::string polling = project.GetSubnet().GetItem(Subnet::PollingModeIndex)->GetValue();
    ASSERT_EQ(Upload(project, link), Success);
    const Subnet& subnet = project.GetSubnet();
    EXPECT_EQ(subnet.GetProtocolType(), ProtocolType::ModbusMaster);
    EXPECT_EQ(subnet.GetItem(Subnet::BaudRateIndex)->GetValue(), "115200");
    EXPECT_EQ(subnet.GetItem(Subnet::DataBitsIndex)->GetValue(), "7");
    EXPECT_EQ(subnet.GetChoiceIndex(Subnet::ParityIndex), 2);
    EXPECT_EQ(subnet.GetItem(Subnet::StopBitsIndex)->GetValue(), "2");
    EXPECT_EQ(subnet.GetItem(Subnet::CommModeIndex)->GetValue(), "ASCII");
    EXPECT_EQ(subnet.GetItem(Subnet::ResponseTimeoutIndex)->GetValue(), "6000");
    EXPECT_EQ(subnet.GetItem(Subnet::PollDelayIndex)->GetValue(), "1230");
    // Code 0 names no choice: kept as the gateway holds it, not the old choice.
    EXPECT_NE(subnet.GetItem(Subnet::PollingModeIndex)->GetValue(), polling);
    EXPECT_EQ(subnet.GetItem(Subnet::PollingModeIndex)->GetValue(), "0");
    EXPECT_EQ(subnet.GetItem(Subnet::ScanRatioIndex)->GetValue(), "255");
    EXPECT_EQ(project.GetFieldbus().GetChoiceIndex(Fieldbus::ClearOnFaultIndex), 1);
}

TEST_F(UploadTest, FrameOrderFollowsHardwareAndProtocol) {
    struct Case {
        std::uint8_t major, minor;
        std::uint8_t protocolCode;
        Shape shape;
        int settingsReply;
    };
    const std::vector<Case> cases{
        {1, 2, 0x00, {{1, 3}, {1, 3}, {4, 4}, {0x15, 4}, {0x16, 5}, {0x33, 3}}, 17},
        {1, 2, 0x03, {{1, 3}, {1, 3}, {4, 4}, {0x31, 3}}, 17},
        {2, 0, 0x00, {{1, 3}, {1, 3}, {4, 4}, {0x15, 4}, {0x16, 5}, {0x33, 3}}, 28},
        {2, 0, 0x03, {{1, 3}, {1, 3}, {4, 4}}, 28},
        {2, 3, 0x00, {{1, 3}, {1, 3}, {4, 4}, {0x15, 4}, {0x16, 5}, {0x33, 3}}, 17},
        {2, 3, 0x07, {{1, 3}, {1, 3}, {4, 4}, {6, 4}, {0x31, 3}}, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor) + " code " +
                     std::to_string(c.protocolCode));
        StartGateway(c.major, c.minor);
        sim::GatewayState state;
        state.serial[0] = c.protocolCode;
        state.records.push_back(MakeRecord(0, 1, 3, 0, 1, 0));
        state.validLength = 1;
        gateway->SetState(state);
        Project project;
        project.GetFieldbus().SetChoiceIndex(Fieldbus::ValidLengthIndex, 1);
        ASSERT_EQ(Upload(project, link), Success);
        EXPECT_EQ(RequestShape(), c.shape);
        EXPECT_EQ(gateway->Log()[2].reply.size(), static_cast<std::size_t>(c.settingsReply));
        const bool universal = c.protocolCode != 0;
        EXPECT_EQ(project.GetSubnet().GetProtocolType(),
                  universal ? ProtocolType::Universal : ProtocolType::ModbusMaster);
        EXPECT_EQ(project.GetSubnet().GetNodeCount(), universal ? 0 : 1);
        const Fieldbus& fieldbus = project.GetFieldbus();
        EXPECT_EQ(fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetEnable(), universal ? 1 : 0);
        EXPECT_EQ(fieldbus.GetItem(Fieldbus::ClearOnFaultIndex)->GetEnable(), universal ? 0 : 1);
        if (universal) {
            // 2.0 keeps no such switch in universal mode: it reads "Close".
            const bool hw20 = c.major == 2 && c.minor == 0;
            EXPECT_EQ(fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetValue(),
                      LocalText(hw20 ? 25 : 26));
        }
        link.Close();
        gateway->Stop();
    }
}

TEST_F(UploadTest, WhatWasDownloadedComesBack) {
    StartGateway(2, 1);
    Project original;
    AddCommand(original, 2, "100", "10", "", "0");
    AddCommand(original, 0, "7", "13", "", "0");
    AddCommand(original, 13, "300", "4", "", "0");
    AddCommand(original, 4, "9", "1", "", "5");
    original.AutoMap();
    original.GetSubnet().GetItem(Subnet::PollDelayIndex)->SetValue("120");
    original.GetSubnet().SetChoiceIndex(Subnet::PollingModeIndex, 0);
    original.GetFieldbus().SetChoiceIndex(Fieldbus::ClearOnFaultIndex, 1);
    ASSERT_EQ(Download(original, link), Success);
    Project copy;
    ASSERT_EQ(Upload(copy, link), Success);
    EXPECT_EQ(Snapshot(copy), Snapshot(original));
}

TEST_F(UploadTest, FailedUploadLeavesTheConfigurationUntouched) {
    struct Case {
        sim::Fault fault;
        std::uint8_t code; // function code of the second record
        int result;
    };
    const std::vector<Case> cases{
        {{sim::Fault::None, 0}, 7, CommandUploadError}, // unsupported function
        {{sim::Fault::Vanish, 5}, 3, PortIoFailed},     // gone at the record pages
        {{sim::Fault::BadChecksum, 4}, 3, CheckError},  // record count checksum
        {{sim::Fault::WrongReply, 3}, 3, CheckError},   // settings reply
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        StartGateway(2, 1, c.fault);
        sim::GatewayState state;
        state.serial[1] = 0x08;
        state.records.push_back(MakeRecord(0, 9, 3, 0, 1, 0));
        state.records.push_back(MakeRecord(1, 9, c.code, 0, 1, 2));
        for (int i = 2; i < 8; ++i)
            state.records.push_back(MakeRecord(i, 9, 3, 0, 1, 2 * i));
        gateway->SetState(state);
        Project project;
        AddCommand(project, 2, "0", "10", "0000H");
        project.GetFieldbus().SetChoiceIndex(Fieldbus::ClearOnFaultIndex, 1);
        const Node* node = project.GetSubnet().GetNodeAt(0);
        const std::string before = Snapshot(project);
        EXPECT_EQ(Upload(project, link), c.result);
        EXPECT_EQ(Snapshot(project), before);
        EXPECT_EQ(project.GetSubnet().GetNodeAt(0), node);
        link.Close();
        gateway->Stop();
    }
}

TEST_F(UploadTest, NewerHardwareIsRefusedRightAfterTheVersionQuery) {
    StartGateway(3, 0);
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");
    const std::string before = Snapshot(project);
    EXPECT_EQ(Upload(project, link), VersionMismatch);
    EXPECT_EQ(RequestShape(), (Shape{{1, 3}, {1, 3}}));
    EXPECT_EQ(Snapshot(project), before);
}

} // namespace
} // namespace varkel::testing
