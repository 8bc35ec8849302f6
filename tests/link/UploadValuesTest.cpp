// Values a gateway can hold that the editor refuses, by item kind: numbers
// are taken as the gateway holds them, codes past an item's choices are
// kept raw, and every one of them is listed; a download then refuses the
// configuration before it sends a byte.
#include "LinkFixture.h"
#include "link/TransferSession.h"
#include "model/CommitRules.h"
#include "model/ConfigCheck.h"
#include "model/ResultCode.h"
#include "persist/ModelXml.h"

#include <algorithm>

namespace varkel::testing {
namespace {

class UploadValuesTest : public LinkFixture {
protected:
    // Uploads from a 2.1 gateway holding the state into a default project.
    std::vector<RefusedValue> UploadFrom(const sim::GatewayState& state) {
        StartGateway(2, 1);
        gateway->SetState(state);
        EXPECT_EQ(Upload(project, link), Success);
        return RefusedValues(project);
    }
    // The entry for the item, or nullptr.
    static const RefusedValue* Find(const std::vector<RefusedValue>& all, const ParamItem* item) {
        auto it = std::find_if(all.begin(), all.end(),
                               [item](const RefusedValue& r) { return r.item == item->GetName(); });
        return it == all.end() ? nullptr : &*it;
    }
    void ExpectListed(const std::vector<RefusedValue>& all, const ParamItem* item,
                      const std::string& value, const std::string& accepted, int code) {
        ASSERT_NE(item, nullptr);
        SCOPED_TRACE(item->GetName());
        EXPECT_EQ(item->GetValue(), value); // as the gateway holds it
        const RefusedValue* entry = Find(all, item);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->value, value);
        EXPECT_EQ(entry->accepted, accepted);
        EXPECT_EQ(entry->code, code);
    }

    Project project;
};

TEST_F(UploadValuesTest, NumbersOutOfRangeAreTakenAndListed) {
    sim::GatewayState state;
    // Response timeout 0, poll delay FFh (2550 ms), scan ratio 0.
    state.serial = {0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x03, 0x00, 0x00};
    const auto refused = UploadFrom(state);
    const Subnet& subnet = project.GetSubnet();
    ExpectListed(refused, subnet.GetItem(Subnet::ResponseTimeoutIndex), "0", "300-6000",
                 OutOfRange);
    ExpectListed(refused, subnet.GetItem(Subnet::PollDelayIndex), "2550", "0-2500", OutOfRange);
    ExpectListed(refused, subnet.GetItem(Subnet::ScanRatioIndex), "0", "1-255", OutOfRange);
    EXPECT_EQ(refused.size(), 3u);
    EXPECT_EQ(subnet.GetItem(Subnet::BaudRateIndex)->GetValue(), "19200");
}

TEST_F(UploadValuesTest, CodesPastTheChoicesStayRawNeverAnotherChoice) {
    sim::GatewayState state;
    // Baud C8h, data bits 5, parity 7, stop bits 3, mode 4, polling 9.
    state.serial = {0x00, 0xC8, 0x05, 0x07, 0x03, 0x00, 0x04, 0x01, 0x2C, 0x00, 0x09, 0x00, 0x0A};
    state.clearOnFault = 5;
    project.GetSubnet().SetChoiceIndex(Subnet::BaudRateIndex, 4); // 9600, not what the gateway has
    const auto refused = UploadFrom(state);
    const Subnet& subnet = project.GetSubnet();
    for (auto [index, raw] : {std::pair{Subnet::BaudRateIndex, "200"},
                              {Subnet::DataBitsIndex, "5"},
                              {Subnet::ParityIndex, "7"},
                              {Subnet::StopBitsIndex, "3"},
                              {Subnet::CommModeIndex, "4"},
                              {Subnet::PollingModeIndex, "9"}}) {
        const ParamItem* item = subnet.GetItem(index);
        ASSERT_NE(item, nullptr);
        SCOPED_TRACE(item->GetName());
        EXPECT_EQ(item->GetValue(), raw);
        const RefusedValue* entry = Find(refused, item);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->code, OutOfRange);
        // The accepted values are the choices.
        EXPECT_NE(entry->accepted.find(item->GetChoices().front()), std::string::npos);
    }
    const ParamItem* clear = project.GetFieldbus().GetItem(Fieldbus::ClearOnFaultIndex);
    EXPECT_EQ(clear->GetValue(), "5");
    EXPECT_NE(Find(refused, clear), nullptr);
}

// "Data bits" by the settings frame's own table, into a new base and into
// one opened from a file (whose item carries no choices) alike. Another code
// is kept and listed; check lists it and the download refuses it unsent.
TEST_F(UploadValuesTest, DataBitsByTheFrameTableWhateverTheBase) {
    StartGateway(2, 1);
    const std::string file = ::testing::TempDir() + "varkel-data-bits-base.xml";
    ASSERT_TRUE(SaveFile(Project(), file));
    for (bool opened : {false, true}) {
        for (auto [code, value] : {std::pair{0, "8"}, {1, "7"}, {5, "5"}}) {
            SCOPED_TRACE(std::string(opened ? "opened base, code " : "new base, code ") +
                         std::to_string(code));
            Project base;
            if (opened) {
                ASSERT_TRUE(LoadFile(base, file));
            }
            sim::GatewayState state;
            state.serial[2] = static_cast<std::uint8_t>(code);
            gateway->SetState(state);
            ASSERT_EQ(Upload(base, link), Success);
            const ParamItem* dataBits = base.GetSubnet().GetItem(Subnet::DataBitsIndex);
            EXPECT_EQ(dataBits->GetValue(), value);
            const bool refused = code > 1;
            EXPECT_EQ(Find(RefusedValues(base), dataBits) != nullptr, refused);
            EXPECT_EQ(CheckConfiguration(base).code, refused ? OutOfRange : Success);
            gateway->ClearLog();
            EXPECT_EQ(Download(base, link), refused ? OutOfRange : Success);
            EXPECT_EQ(gateway->Requests().empty(), refused);
            if (!refused) {
                EXPECT_EQ(gateway->State().serial[2], code);
            }
            messages.messages.clear();
        }
    }
    std::remove(file.c_str());
}

TEST_F(UploadValuesTest, RecordsWithRefusedValuesAreListedPerCommand) {
    sim::GatewayState state;
    // Slave 0, code 3, register 0, data number 0, mapping 0, bit offset 9;
    // then slave 250 with a valid command.
    state.records.push_back(
        {0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00});
    state.records.push_back(
        {0x01, 0xFA, 0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x10, 0x00, 0x00, 0x00});
    const auto refused = UploadFrom(state);
    const Node* node = project.GetSubnet().GetNodeAt(0);
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(node->GetCommandCount(), 2);
    ExpectListed(refused, node->GetItem(0), "250", "1-247", OutOfRange);
    const Command* first = node->GetCommandAt(0);
    ExpectListed(refused, first->GetItem(Command::DataNumberRow), "0", "1-84", OutOfRange);
    ExpectListed(refused, first->GetItem(Command::BitOffsetRow), "9", "0-7", OutOfRange);
    const auto forFirst = std::count_if(refused.begin(), refused.end(), [](const RefusedValue& r) {
        return r.where.find("#1") != std::string::npos;
    });
    EXPECT_EQ(forFirst, 2);
}

TEST_F(UploadValuesTest, UniversalModeValuesAndTheFieldbusSwitch) {
    sim::GatewayState state;
    state.serial[0] = 0x03; // universal mode
    // Control mode 7, character timeout 0, character number C8h, period 5, CRC 9.
    state.universal = {0x07, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x00, 0x00, 0x05, 0x09, 0x00};
    state.validLength = 7;
    const auto refused = UploadFrom(state);
    const Subnet& subnet = project.GetSubnet();
    ASSERT_EQ(subnet.GetProtocolType(), ProtocolType::Universal);
    ExpectListed(refused, subnet.GetItem(Subnet::CharTimeoutIndex), "0", "10-60000", OutOfRange);
    ExpectListed(refused, subnet.GetItem(Subnet::CharNumberIndex), "200", "1-166", OutOfRange);
    ExpectListed(refused, subnet.GetItem(Subnet::SendAutoPeriodIndex), "5", "10-60000", OutOfRange);
    EXPECT_EQ(subnet.GetItem(Subnet::ControlModeIndex)->GetValue(), "7");
    EXPECT_NE(Find(refused, subnet.GetItem(Subnet::ControlModeIndex)), nullptr);
    EXPECT_EQ(subnet.GetItem(Subnet::CrcIndex)->GetValue(), "9");
    EXPECT_EQ(project.GetFieldbus().GetItem(Fieldbus::ValidLengthIndex)->GetValue(), "7");
}

TEST_F(UploadValuesTest, TheOutcomeListsThemAndTheDownloadRefusesToSendThem) {
    sim::GatewayState state;
    state.serial = {0x00, 0xC8, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x0A};
    StartGateway(2, 1);
    gateway->SetState(state);
    link.Close();
    TransferSession up(TransferKind::Upload);
    up.SetPaceMs(0);
    ASSERT_TRUE(up.Begin(project, gateway->DevicePath()));
    up.Run();
    TransferOutcome outcome = up.TakeOutcome();
    ASSERT_EQ(outcome.result, Success);
    ASSERT_NE(outcome.uploaded, nullptr);
    EXPECT_EQ(outcome.refused.size(), 2u); // baud code, response timeout 0
    EXPECT_TRUE(messages.messages.empty());

    gateway->ClearLog();
    TransferSession down(TransferKind::Download);
    down.SetPaceMs(0);
    EXPECT_FALSE(down.Begin(*outcome.uploaded, gateway->DevicePath()));
    const TransferOutcome refusedDownload = down.TakeOutcome();
    EXPECT_EQ(refusedDownload.result, OutOfRange);
    EXPECT_TRUE(gateway->Requests().empty());
    ASSERT_EQ(refusedDownload.notices.size(), 1u); // one message listing both
    EXPECT_NE(refusedDownload.notices[0].find("200"), std::string::npos);
    EXPECT_NE(refusedDownload.notices[0].find("300-6000"), std::string::npos);
}

} // namespace
} // namespace varkel::testing
