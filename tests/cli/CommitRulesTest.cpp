#include "model/CommitRules.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace varkel {
namespace {

class CommitRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::Chinese);
        project = std::make_unique<Project>();
    }

    TreeEntry SubnetEntry() { return TreeEntry(&project->GetSubnet()); }
    TreeEntry FieldbusEntry() { return TreeEntry(&project->GetFieldbus()); }
    Node* AddNode() { return project->GetSubnet().CreateNode(); }
    TreeEntry CommandEntry(int functionIndex) {
        Node* node = project->GetSubnet().GetNodeAt(0);
        if (!node)
            node = AddNode();
        return TreeEntry(node->CreateCommand(functionIndex));
    }
    CommitResult Commit(const TreeEntry& entry, int row, const std::string& text) {
        return CommitValue(*project, entry, row, text);
    }
    std::string SubnetValue(int row) { return project->GetSubnet().GetItem(row)->GetValue(); }
    int SubnetEnable(int row) { return project->GetSubnet().GetItem(row)->GetEnable(); }
    void SwitchToUniversal() {
        ASSERT_TRUE(
            Commit(SubnetEntry(), Subnet::ProtocolIndex, LocalText(kKeyUniversalMode)).Accepted());
    }

    std::unique_ptr<Project> project;
};

TEST_F(CommitRulesTest, PollDelayKeepsLimitRefusesAboveAndRoundsDown) {
    auto entry = SubnetEntry();
    CommitResult kept = Commit(entry, Subnet::PollDelayIndex, "2500");
    EXPECT_TRUE(kept.Accepted());
    EXPECT_EQ(kept.storedValue, "2500");
    EXPECT_TRUE(kept.changed);

    CommitResult refused = Commit(entry, Subnet::PollDelayIndex, "2501");
    EXPECT_EQ(refused.code, OutOfRange);
    EXPECT_FALSE(refused.changed);
    EXPECT_EQ(SubnetValue(Subnet::PollDelayIndex), "2500");

    EXPECT_EQ(Commit(entry, Subnet::PollDelayIndex, "7").storedValue, "0");
    EXPECT_EQ(Commit(entry, Subnet::PollDelayIndex, "1234").storedValue, "1230");
    EXPECT_EQ(SubnetValue(Subnet::PollDelayIndex), "1230");
    EXPECT_EQ(project->GetSubnet().PollDelay(), 123);
}

TEST_F(CommitRulesTest, RefusedTextsGiveTheirCodesAndLeaveTheValue) {
    auto entry = SubnetEntry();
    EXPECT_EQ(Commit(entry, Subnet::ResponseTimeoutIndex, "").code, ItemEmpty);
    EXPECT_EQ(Commit(entry, Subnet::ResponseTimeoutIndex, "-1").code, IllegalCharacter);
    EXPECT_EQ(Commit(entry, Subnet::ResponseTimeoutIndex, "3 00").code, IllegalCharacter);
    EXPECT_EQ(Commit(entry, Subnet::ResponseTimeoutIndex, "299").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Subnet::ScanRatioIndex, "0").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Subnet::ScanRatioIndex, "99999999999999999999").code, OutOfRange);
    EXPECT_EQ(SubnetValue(Subnet::ResponseTimeoutIndex), "300");
    EXPECT_EQ(SubnetValue(Subnet::ScanRatioIndex), "10");
    EXPECT_TRUE(Commit(entry, Subnet::ResponseTimeoutIndex, "6000").Accepted());
}

TEST_F(CommitRulesTest, SameValueAgainIsNotAChange) {
    CommitResult again = Commit(SubnetEntry(), Subnet::ResponseTimeoutIndex, "300");
    EXPECT_TRUE(again.Accepted());
    EXPECT_FALSE(again.changed);
    CommitResult choice = Commit(SubnetEntry(), Subnet::BaudRateIndex, "19200");
    EXPECT_TRUE(choice.Accepted());
    EXPECT_FALSE(choice.changed);
}

TEST_F(CommitRulesTest, UniversalRowsAreCheckedByRow) {
    SwitchToUniversal();
    auto entry = SubnetEntry();
    EXPECT_EQ(Commit(entry, Subnet::CharTimeoutIndex, "9").code, OutOfRange);
    EXPECT_TRUE(Commit(entry, Subnet::CharTimeoutIndex, "60000").Accepted());
    // Greyed until the control mode asks for them.
    EXPECT_EQ(Commit(entry, Subnet::CharNumberIndex, "5").refusal, CommitResult::NotEditable);
    ASSERT_TRUE(Commit(entry, Subnet::ControlModeIndex, LocalText(kKeyCharacterNumber)).Accepted());
    EXPECT_EQ(Commit(entry, Subnet::CharNumberIndex, "167").code, OutOfRange);
    EXPECT_TRUE(Commit(entry, Subnet::CharNumberIndex, "166").Accepted());
    ASSERT_TRUE(Commit(entry, Subnet::ControlModeIndex, LocalText(kKeyDelimiter)).Accepted());
    EXPECT_EQ(Commit(entry, Subnet::StartDelimiterIndex, "256").code, OutOfRange);
    EXPECT_TRUE(Commit(entry, Subnet::EndDelimiterIndex, "255").Accepted());
    ASSERT_TRUE(Commit(entry, Subnet::SendAutoIndex, LocalText(kKeyOpen)).Accepted());
    EXPECT_EQ(Commit(entry, Subnet::SendAutoPeriodIndex, "9").code, OutOfRange);
    EXPECT_TRUE(Commit(entry, Subnet::SendAutoPeriodIndex, "10").Accepted());
}

TEST_F(CommitRulesTest, ReadMappingIsCutCheckedAndStoredWithH) {
    auto entry = CommandEntry(2); // code 3, a read command
    EXPECT_EQ(Commit(entry, Command::MappingRow, "a7").storedValue, "A7H");
    EXPECT_EQ(Commit(entry, Command::MappingRow, "a7h").storedValue, "A7H");
    EXPECT_EQ(Commit(entry, Command::MappingRow, "00A7H").storedValue, "00A7H");
    EXPECT_EQ(Commit(entry, Command::MappingRow, "00A8").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Command::MappingRow, "100A7").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Command::MappingRow, "G").code, IllegalCharacter);
    EXPECT_EQ(entry.AsCommand()->GetItem(Command::MappingRow)->GetValue(), "00A7H");
    CommitResult empty = Commit(entry, Command::MappingRow, "");
    EXPECT_TRUE(empty.Accepted());
    EXPECT_EQ(empty.storedValue, "H");
}

TEST_F(CommitRulesTest, WriteMappingNeedsTheOutputMemory) {
    auto entry = CommandEntry(5); // code 6, a write command
    EXPECT_EQ(Commit(entry, Command::MappingRow, "").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Command::MappingRow, "A0").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Command::MappingRow, "40A8").code, OutOfRange);
    EXPECT_EQ(Commit(entry, Command::MappingRow, "4000h").storedValue, "4000H");
    EXPECT_EQ(Commit(entry, Command::MappingRow, "40a7").storedValue, "40A7H");
}

TEST_F(CommitRulesTest, DataNumberRangeFollowsFunctionAndCommunicationMode) {
    auto coils = CommandEntry(0);      // code 1: 1 to 400
    auto registers = CommandEntry(13); // code 16: 1 to 84
    EXPECT_TRUE(Commit(coils, Command::DataNumberRow, "400").Accepted());
    EXPECT_EQ(Commit(coils, Command::DataNumberRow, "401").code, OutOfRange);
    EXPECT_EQ(Commit(coils, Command::DataNumberRow, "0").code, OutOfRange);
    EXPECT_TRUE(Commit(registers, Command::DataNumberRow, "84").Accepted());
    EXPECT_EQ(Commit(registers, Command::DataNumberRow, "85").code, OutOfRange);

    ASSERT_TRUE(Commit(SubnetEntry(), Subnet::CommModeIndex, "ASCII").Accepted());
    EXPECT_EQ(Commit(coils, Command::DataNumberRow, "46").code, OutOfRange);
    EXPECT_EQ(Commit(registers, Command::DataNumberRow, "46").code, OutOfRange);
    EXPECT_TRUE(Commit(registers, Command::DataNumberRow, "45").Accepted());
}

TEST_F(CommitRulesTest, OtherCommandRows) {
    auto entry = CommandEntry(0);
    EXPECT_EQ(Commit(entry, Command::RegisterRow, "65536").code, OutOfRange);
    EXPECT_TRUE(Commit(entry, Command::RegisterRow, "65535").Accepted());
    EXPECT_EQ(Commit(entry, Command::BitOffsetRow, "8").code, OutOfRange);
    EXPECT_TRUE(Commit(entry, Command::BitOffsetRow, "7").Accepted());
    // The mnemonic takes any text, the empty one too.
    EXPECT_EQ(Commit(entry, Command::MnemonicRow, "泵 & <1>").storedValue, "泵 & <1>");
    EXPECT_TRUE(Commit(entry, Command::MnemonicRow, "").Accepted());
    // Function code and bytes number are shown only; swapping is greyed for code 1.
    EXPECT_EQ(Commit(entry, Command::FunctionCodeRow, "3").refusal, CommitResult::NotEditable);
    EXPECT_EQ(Commit(entry, Command::BytesNumberRow, "3").refusal, CommitResult::NotEditable);
    EXPECT_EQ(Commit(entry, Command::SwappingRow, LocalText(kKeyTwoBytesSwapping)).refusal,
              CommitResult::NotEditable);
    EXPECT_EQ(Commit(entry, Command::ScanningRow, "slow").refusal, CommitResult::NotAChoice);
    EXPECT_TRUE(Commit(entry, Command::ScanningRow, LocalText(kKeySlowScan)).Accepted());
    EXPECT_EQ(Commit(entry, 10, "x").refusal, CommitResult::NoSuchItem);
    EXPECT_EQ(Commit(entry, -1, "x").refusal, CommitResult::NoSuchItem);
}

// "Bytes number" follows every committed data number and bit offset, by the
// rule Auto Mapping moves its counter by: mapping afterwards changes none.
TEST_F(CommitRulesTest, BytesNumberFollowsDataNumberAndBitOffset) {
    struct Case {
        int functionIndex;
        const char* count; // nullptr: fixed at 1
        const char* offset;
        const char* bytes;
    };
    const Case cases[] = {
        {0, "10", "7", "3"},        {0, "8", "0", "1"},     {1, "9", "0", "2"},
        {2, "10", nullptr, "20"},   {3, "1", nullptr, "2"}, {4, nullptr, "7", "1"},
        {5, nullptr, nullptr, "2"}, {12, "16", "2", "3"},   {13, "4", nullptr, "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.functionIndex);
        auto entry = CommandEntry(c.functionIndex);
        auto* command = entry.AsCommand();
        const std::string before = command->GetItem(Command::BytesNumberRow)->GetValue();
        std::vector<int> redrawn;
        for (auto [row, text] : {std::pair{Command::DataNumberRow, c.count},
                                 std::pair{Command::BitOffsetRow, c.offset}}) {
            if (!text)
                continue;
            CommitResult result = Commit(entry, row, text);
            ASSERT_TRUE(result.Accepted());
            redrawn.insert(redrawn.end(), result.valueChangedRows.begin(),
                           result.valueChangedRows.end());
        }
        EXPECT_EQ(command->GetItem(Command::BytesNumberRow)->GetValue(), c.bytes);
        // A changed count is reported for the grid to redraw.
        EXPECT_EQ(std::count(redrawn.begin(), redrawn.end(), Command::BytesNumberRow) > 0,
                  before != c.bytes);
    }
    ASSERT_TRUE(project->AutoMap());
    const Node* node = project->GetSubnet().GetNodeAt(0);
    for (int i = 0; i < node->GetCommandCount(); ++i)
        EXPECT_EQ(node->GetCommandAt(i)->GetItem(Command::BytesNumberRow)->GetValue(),
                  cases[i].bytes);
}

TEST_F(CommitRulesTest, ATextWithANulByteIsRefused) {
    // The file cannot hold the byte; taking it would cut the value at save.
    auto entry = CommandEntry(2);
    ASSERT_TRUE(Commit(entry, Command::MnemonicRow, "pump").Accepted());
    CommitResult refused = Commit(entry, Command::MnemonicRow, std::string("pu\0mp", 5));
    EXPECT_EQ(refused.code, IllegalCharacter);
    EXPECT_FALSE(refused.changed);
    EXPECT_EQ(entry.AsCommand()->GetItem(Command::MnemonicRow)->GetValue(), "pump");
}

TEST_F(CommitRulesTest, SlaveAddressRenamesTheNodeAsTyped) {
    Node* node = AddNode();
    TreeEntry entry(node);
    CommitResult result = Commit(entry, 0, "010");
    ASSERT_TRUE(result.Accepted());
    EXPECT_TRUE(result.renamedNode);
    EXPECT_EQ(result.nodeName, "Node(010)");
    EXPECT_EQ(node->GetName(), "Node(010)");
    EXPECT_EQ(node->GetItem(0)->GetValue(), "010");

    EXPECT_EQ(Commit(entry, 0, "0").code, OutOfRange);
    EXPECT_EQ(Commit(entry, 0, "248").code, OutOfRange);
    EXPECT_EQ(node->GetName(), "Node(010)");

    // Same address, but a name that does not follow it: the rename is a change.
    node->SetName("Pump");
    CommitResult same = Commit(entry, 0, "010");
    EXPECT_TRUE(same.changed);
    EXPECT_EQ(node->GetName(), "Node(010)");
}

TEST_F(CommitRulesTest, DelimiterForcesCrcCloseAndTimeoutEnablesItAgain) {
    SwitchToUniversal();
    auto entry = SubnetEntry();
    ASSERT_TRUE(Commit(entry, Subnet::CrcIndex, LocalText(kKeyOpen)).Accepted());
    CommitResult delimiter = Commit(entry, Subnet::ControlModeIndex, LocalText(kKeyDelimiter));
    ASSERT_TRUE(delimiter.Accepted());
    EXPECT_EQ(SubnetValue(Subnet::CrcIndex), LocalText(kKeyClose));
    EXPECT_EQ(SubnetEnable(Subnet::CrcIndex), 0);
    EXPECT_EQ(SubnetEnable(Subnet::CharNumberIndex), 0);
    EXPECT_EQ(SubnetEnable(Subnet::StartDelimiterIndex), 1);
    EXPECT_EQ(SubnetEnable(Subnet::EndDelimiterIndex), 1);
    EXPECT_EQ(delimiter.valueChangedRows, std::vector<int>{Subnet::CrcIndex});
    auto& rows = delimiter.enableChangedRows;
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<int>{Subnet::StartDelimiterIndex, Subnet::EndDelimiterIndex,
                                      Subnet::CrcIndex}));

    CommitResult timeout = Commit(entry, Subnet::ControlModeIndex, LocalText(kKeyCharacterTimeout));
    ASSERT_TRUE(timeout.Accepted());
    EXPECT_EQ(SubnetEnable(Subnet::CrcIndex), 1);
    EXPECT_EQ(SubnetValue(Subnet::CrcIndex), LocalText(kKeyClose));
    EXPECT_TRUE(timeout.valueChangedRows.empty());
    EXPECT_EQ(SubnetEnable(Subnet::StartDelimiterIndex), 0);
    EXPECT_EQ(SubnetEnable(Subnet::CharNumberIndex), 0);

    ASSERT_TRUE(Commit(entry, Subnet::ControlModeIndex, LocalText(kKeyCharacterNumber)).Accepted());
    EXPECT_EQ(SubnetEnable(Subnet::CharNumberIndex), 1);
    EXPECT_EQ(SubnetEnable(Subnet::CrcIndex), 1);
}

TEST_F(CommitRulesTest, RulesAloneMarkTheConfigurationChanged) {
    // A loaded file may hold "Delimiter" with "CRC check" still open; choosing
    // Delimiter again changes nothing of its own value but closes the CRC.
    SwitchToUniversal();
    Subnet& subnet = project->GetSubnet();
    subnet.GetItem(Subnet::ControlModeIndex)->SetValue(LocalText(kKeyDelimiter));
    subnet.GetItem(Subnet::CrcIndex)->SetValue(LocalText(kKeyOpen));
    CommitResult result = Commit(SubnetEntry(), Subnet::ControlModeIndex, LocalText(kKeyDelimiter));
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(SubnetValue(Subnet::CrcIndex), LocalText(kKeyClose));
}

TEST_F(CommitRulesTest, SendAutoEnablesItsPeriod) {
    SwitchToUniversal();
    auto entry = SubnetEntry();
    EXPECT_EQ(SubnetEnable(Subnet::SendAutoPeriodIndex), 0);
    CommitResult open = Commit(entry, Subnet::SendAutoIndex, LocalText(kKeyOpen));
    EXPECT_EQ(open.enableChangedRows, std::vector<int>{Subnet::SendAutoPeriodIndex});
    EXPECT_EQ(SubnetEnable(Subnet::SendAutoPeriodIndex), 1);
    ASSERT_TRUE(Commit(entry, Subnet::SendAutoIndex, LocalText(kKeyClose)).Accepted());
    EXPECT_EQ(SubnetEnable(Subnet::SendAutoPeriodIndex), 0);
}

TEST_F(CommitRulesTest, ProtocolSwitchKeepsBothListsAndFollowsWithTheFieldbus) {
    auto entry = SubnetEntry();
    ASSERT_TRUE(Commit(entry, Subnet::ResponseTimeoutIndex, "500").Accepted());
    CommitResult toUniversal = Commit(entry, Subnet::ProtocolIndex, LocalText(kKeyUniversalMode));
    ASSERT_TRUE(toUniversal.Accepted());
    EXPECT_TRUE(toUniversal.protocolSwitched);
    EXPECT_EQ(project->GetSubnet().GetProtocolType(), ProtocolType::Universal);
    const Fieldbus& fieldbus = project->GetFieldbus();
    EXPECT_EQ(fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetEnable(), 1);
    EXPECT_EQ(fieldbus.GetItem(Fieldbus::ClearOnFaultIndex)->GetEnable(), 0);
    ASSERT_TRUE(Commit(entry, Subnet::CharTimeoutIndex, "250").Accepted());

    // Choosing the mode in force again is no switch.
    EXPECT_FALSE(
        Commit(entry, Subnet::ProtocolIndex, LocalText(kKeyUniversalMode)).protocolSwitched);

    CommitResult back = Commit(entry, Subnet::ProtocolIndex, LocalText(kKeyModbusMaster));
    EXPECT_TRUE(back.protocolSwitched);
    EXPECT_EQ(project->GetSubnet().GetProtocolType(), ProtocolType::ModbusMaster);
    EXPECT_EQ(SubnetValue(Subnet::ProtocolIndex), LocalText(kKeyModbusMaster));
    EXPECT_EQ(SubnetValue(Subnet::ResponseTimeoutIndex), "500");
    EXPECT_EQ(fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetEnable(), 0);
    EXPECT_EQ(fieldbus.GetItem(Fieldbus::ClearOnFaultIndex)->GetEnable(), 1);
    EXPECT_EQ(project->GetSubnet().GetUniversalItem(Subnet::CharTimeoutIndex - 6)->GetValue(),
              "250");
}

TEST_F(CommitRulesTest, ChoicesOfTheOtherLanguageAreNotChoices) {
    // The texts compared are those of the language in use.
    CommitResult result = Commit(SubnetEntry(), Subnet::ProtocolIndex, "Universal mode");
    EXPECT_EQ(result.refusal, CommitResult::NotAChoice);
    EXPECT_EQ(project->GetSubnet().GetProtocolType(), ProtocolType::ModbusMaster);
}

TEST_F(CommitRulesTest, FieldbusSwitchesFollowTheirEnableFlags) {
    auto entry = FieldbusEntry();
    EXPECT_EQ(Commit(entry, Fieldbus::ValidLengthIndex, LocalText(kKeyOpen)).refusal,
              CommitResult::NotEditable);
    CommitResult open = Commit(entry, Fieldbus::ClearOnFaultIndex, LocalText(kKeyOpen));
    EXPECT_TRUE(open.Accepted());
    EXPECT_EQ(open.storedValue, LocalText(kKeyOpen));
    EXPECT_EQ(Commit(entry, Fieldbus::BusTypeIndex, "x").refusal, CommitResult::NotEditable);
}

TEST_F(CommitRulesTest, EntryWithoutObjectIsRefused) {
    TreeEntry empty(static_cast<Subnet*>(nullptr));
    EXPECT_EQ(Commit(empty, 0, "x").refusal, CommitResult::NoSuchItem);
    TreeEntry none;
    EXPECT_EQ(Commit(none, 0, "x").refusal, CommitResult::NoSuchItem);
}

} // namespace
} // namespace varkel
