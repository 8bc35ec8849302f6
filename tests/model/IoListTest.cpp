#include "model/IoList.h"
#include "model/Project.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

class IoListTest : public ::testing::Test {
protected:
    void SetUp() override {
        node = project.GetSubnet().CreateNode();
        node->GetItem(0)->SetValue("7");
    }
    Command* Add(int functionIndex, const std::string& n, const std::string& mapping,
                 const std::string& start = "100", const std::string& offset = "0") {
        Command* c = node->CreateCommand(functionIndex);
        c->GetItem(Command::RegisterRow)->SetValue(start);
        if (c->GetItem(Command::DataNumberRow)->GetEnable() == 1)
            c->GetItem(Command::DataNumberRow)->SetValue(n);
        c->GetItem(Command::MappingRow)->SetValue(mapping);
        c->GetItem(Command::BitOffsetRow)->SetValue(offset);
        return c;
    }
    static void SetChoice(Command* c, int row, int choice) {
        ParamItem* item = c->GetItem(row);
        item->SetValue(item->GetChoices()[static_cast<std::size_t>(choice)]);
    }
    IoList List() { return BuildIoList(project.GetSubnet()); }

    Project project;
    Node* node = nullptr;
};

TEST_F(IoListTest, CoilsWithBitOffsetRunAcrossBytes) {
    Add(0, "10", "0002H", "100", "3"); // 01, 10 coils from bit 3 of byte 2
    IoList list = List();
    ASSERT_EQ(list.rows.size(), 10u);
    EXPECT_EQ(list.outside, 0);
    const int bytes[] = {2, 2, 2, 2, 2, 3, 3, 3, 3, 3};
    const int bits[] = {3, 4, 5, 6, 7, 0, 1, 2, 3, 4};
    for (std::size_t k = 0; k < 10; ++k) {
        const IoRow& row = list.rows[k];
        EXPECT_EQ(row.memory, InputDirection);
        EXPECT_EQ(row.byte, bytes[k]) << k;
        EXPECT_EQ(row.bitFirst, bits[k]) << k;
        EXPECT_EQ(row.bitLast, bits[k]) << k;
        EXPECT_EQ(row.modbusAddress, 100 + static_cast<long long>(k));
        EXPECT_EQ(row.function, 1);
        EXPECT_EQ(row.slave, 7);
    }
}

TEST_F(IoListTest, RegistersTakeTwoBytesEachWhateverTheSwap) {
    Command* two = Add(2, "3", "0010H", "0"); // 03 at byte 16
    SetChoice(two, Command::SwappingRow, 1);
    Command* four = Add(3, "2", "0020H", "40"); // 04 at byte 32
    SetChoice(four, Command::SwappingRow, 2);
    SetChoice(four, Command::ScanningRow, 1);
    IoList list = List();
    ASSERT_EQ(list.rows.size(), 5u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(list.rows[k].byte, 16 + 2 * static_cast<int>(k));
        EXPECT_EQ(list.rows[k].bitFirst, 0);
        EXPECT_EQ(list.rows[k].bitLast, 15);
        EXPECT_EQ(list.rows[k].swap, 1);
        EXPECT_EQ(list.rows[k].modbusAddress, static_cast<long long>(k));
    }
    EXPECT_EQ(list.rows[3].byte, 32);
    EXPECT_EQ(list.rows[4].byte, 34);
    EXPECT_EQ(list.rows[4].modbusAddress, 41);
    const std::vector<std::string> fields = IoRowFields(list.rows[4]);
    EXPECT_EQ(fields[8], "four");
    EXPECT_EQ(fields[9], "slow");
    EXPECT_EQ(IoRowFields(list.rows[0])[8], "two");
    EXPECT_EQ(IoRowFields(list.rows[0])[9], "quick");
}

TEST_F(IoListTest, WriteCommandsLandInTheOutputMemory) {
    Add(13, "2", "4004H", "500");     // 16: output bytes 4 and 6
    Add(4, "1", "4008H", "9", "5");   // 05: one coil at bit 5 of output byte 8
    Add(12, "3", "40A7H", "20", "6"); // 15: bits 6 and 7 of the last byte, then beyond
    Add(5, "1", "400AH", "1");        // 06: one register at output byte 10
    IoList list = List();
    ASSERT_EQ(list.rows.size(), 6u);
    EXPECT_EQ(list.outside, 1);
    for (const IoRow& row : list.rows)
        EXPECT_EQ(row.memory, OutputDirection);
    EXPECT_EQ(list.rows[0].byte, 4);
    EXPECT_EQ(list.rows[1].byte, 6);
    EXPECT_EQ(list.rows[1].modbusAddress, 501);
    EXPECT_EQ(list.rows[2].byte, 8);
    EXPECT_EQ(list.rows[2].bitFirst, 5);
    EXPECT_EQ(list.rows[2].bitLast, 5);
    EXPECT_EQ(list.rows[3].byte, 167);
    EXPECT_EQ(list.rows[3].bitFirst, 6);
    EXPECT_EQ(list.rows[4].bitFirst, 7);
    EXPECT_EQ(list.rows[5].byte, 10);
    EXPECT_EQ(list.rows[5].bitLast, 15);
    EXPECT_EQ(IoRowFields(list.rows[0])[1], "output");
}

TEST_F(IoListTest, Tags) {
    Command* temps = Add(2, "3", "0000H");
    temps->GetItem(Command::MnemonicRow)->SetValue("Temp");
    Command* pump = Add(2, "1", "0006H");
    pump->GetItem(Command::MnemonicRow)->SetValue("Pump");
    Add(0, "2", "0008H"); // no mnemonic: slave and command index
    Add(4, "1", "4000H"); // single coil, no mnemonic
    IoList list = List();
    std::vector<std::string> tags;
    for (const IoRow& row : list.rows)
        tags.push_back(row.tag);
    EXPECT_EQ(tags, (std::vector<std::string>{"Temp_0", "Temp_1", "Temp_2", "Pump", "N7_C3_0",
                                              "N7_C3_1", "N7_C4"}));
}

TEST_F(IoListTest, OutsideTheMemoryIsCountedNotListed) {
    Add(2, "2", "00A6H");          // the second register would start at byte 168
    Add(2, "2147483647", "0000H"); // a hostile data number ends at the memory's end
    Add(13, "1", "0010H");         // an output command mapped below 4000H
    IoList list = List();
    EXPECT_EQ(list.rows.size(), 1u + 84u);
    EXPECT_EQ(list.outside, 1 + (2147483647LL - 84) + 1);
}

TEST_F(IoListTest, CsvHasMarkHeaderAndQuotedFields) {
    Command* c = Add(2, "1", "0000H");
    c->GetItem(Command::MnemonicRow)->SetValue("Flow, \"main\"");
    const std::string csv = IoListCsv(List());
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "tag,memory,byte,bit_first,bit_last,slave,function,modbus_address,swap,scan\r\n"
                   "\"Flow, \"\"main\"\"\",input,0,0,15,7,3,100,none,quick\r\n");
    EXPECT_EQ(IoListCsv(List(), false).substr(0, 4), "tag,");
}

TEST_F(IoListTest, UniversalModeHasNoList) {
    Add(2, "4", "0000H");
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    EXPECT_TRUE(List().rows.empty());
}

} // namespace
