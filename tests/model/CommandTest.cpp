#include "model/Command.h"
#include "MessageRecorder.h"
#include "model/FunctionCode.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(FunctionCodeTable, IndexesCodesAndSupport) {
    EXPECT_EQ(LookupFunctionCode(2).code, 3);
    EXPECT_EQ(LookupFunctionCode(2).name, "03 读保持寄存器");
    EXPECT_EQ(LookupFunctionCode(12).code, 15);
    EXPECT_FALSE(LookupFunctionCode(7).supported);
    EXPECT_EQ(LookupFunctionCode(7).code, 8);
    EXPECT_EQ(LookupFunctionCode(14).code, -1);
    EXPECT_EQ(LookupFunctionCode(14).name, "错误命令");
    EXPECT_EQ(LookupFunctionCode(-3).code, -1);
    EXPECT_EQ(FunctionIndexOfCode(16), 13);
    EXPECT_EQ(FunctionIndexOfCode(8), -1);
}

TEST(Command, ItemsFollowTheFunctionCode) {
    Command read("r", 2); // code 3
    ASSERT_EQ(read.GetItemCount(), 10);
    EXPECT_EQ(read.GetItem(0)->GetValue(), "3");
    EXPECT_EQ(read.GetItem(0)->GetState(), 0);
    EXPECT_EQ(read.GetItem(4)->GetEnable(), 0);
    EXPECT_EQ(read.GetItem(6)->GetEnable(), 1);
    EXPECT_EQ(read.GetItem(3)->GetHelp(), LocalText(kKeyInputMappingHelp));
    EXPECT_EQ(read.GetItem(8)->GetChoices(), (std::vector<std::string>{"快速扫描", "慢速扫描"}));
    EXPECT_EQ(read.GetItem(7)->GetValue(), "CRC");

    Command coils("c", 0); // code 1
    EXPECT_EQ(coils.GetItem(4)->GetEnable(), 1);
    EXPECT_EQ(coils.GetItem(6)->GetEnable(), 0);

    Command single("s", 4); // code 5
    EXPECT_EQ(single.GetItem(2)->GetValue(), "1");
    EXPECT_EQ(single.GetItem(2)->GetEnable(), 0);
    EXPECT_EQ(single.GetItem(5)->GetValue(), "1");
    EXPECT_EQ(single.GetItem(3)->GetHelp(), LocalText(kKeyOutputMappingHelp));

    Command preset("p", 5); // code 6
    EXPECT_EQ(preset.GetItem(2)->GetValue(), "1");
    EXPECT_EQ(preset.GetItem(5)->GetValue(), "2");

    Command unsupported("u", 7);
    EXPECT_EQ(unsupported.GetItemCount(), 0);
    EXPECT_EQ(unsupported.GetFunctionCode(), -1);
    EXPECT_EQ(unsupported.GetItem(0), nullptr);
    Command outside("o", 99);
    EXPECT_EQ(outside.GetItemCount(), 0);
}

TEST(Command, AutoMapStepBytesAndAddresses) {
    int in = 0, out = 0;
    Command coils("c", 0);
    coils.GetItem(2)->SetValue("10");
    coils.GetItem(4)->SetValue("7");
    coils.AutoMapStep(in, out);
    EXPECT_EQ(in, 3);
    EXPECT_EQ(coils.GetItem(3)->GetValue(), "0000H");
    EXPECT_EQ(coils.GetItem(5)->GetValue(), "3");

    Command regs("r", 2);
    regs.GetItem(2)->SetValue("10");
    regs.AutoMapStep(in, out);
    EXPECT_EQ(regs.GetItem(3)->GetValue(), "0003H");
    EXPECT_EQ(in, 23);

    out = 5;
    Command single("s", 4);
    single.GetItem(4)->SetValue("7");
    single.AutoMapStep(in, out);
    EXPECT_EQ(single.GetItem(3)->GetValue(), "4005H");
    EXPECT_EQ(out, 6);

    out = 0xA6;
    Command words("w", 13);
    words.GetItem(2)->SetValue("1");
    words.AutoMapStep(in, out);
    EXPECT_EQ(words.GetItem(3)->GetValue(), "40A6H");

    Command empty;
    empty.AutoMapStep(in, out); // no items: nothing happens
    EXPECT_EQ(empty.GetItemCount(), 0);
}

TEST(Command, MappingByCode) {
    std::uint32_t address = 0;
    int offset = 0, length = 0, direction = -1;
    Command coils("c", 12); // code 15
    coils.GetItem(2)->SetValue("9");
    coils.GetItem(3)->SetValue("40a2h");
    coils.GetItem(4)->SetValue("2");
    EXPECT_EQ(coils.GetMappingBits(address, offset, length, direction), 2);
    EXPECT_EQ(address, 0x40A2u);
    EXPECT_EQ(length, 9);
    EXPECT_EQ(direction, OutputDirection);

    Command regs("r", 3);
    regs.GetItem(2)->SetValue("4");
    regs.GetItem(3)->SetValue("0010"); // no "H": address 0
    EXPECT_EQ(regs.GetMapping(address, offset, length), InputDirection);
    EXPECT_EQ(address, 0u);
    EXPECT_EQ(length, 64);
}

TEST(Command, ValidateReportsFirstEmptyRow) {
    MessageRecorder recorder;
    Command read("03 Read", 2);
    const std::vector<ConfigProblem> problems = read.Validate();
    EXPECT_EQ(StopCode(problems), ItemEmpty);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front().message,
              "以下数据为空\r\n\"03 Read\\" + LocalText(kKeyModbusStartAddress) + "\"");
    EXPECT_TRUE(recorder.messages.empty());

    Command coils("c", 0);
    coils.GetItem(1)->SetValue("0");
    coils.GetItem(2)->SetValue("8");
    coils.GetItem(3)->SetValue("0000H");
    coils.GetItem(4)->SetValue("");
    EXPECT_EQ(StopCode(coils.Validate()), ItemEmpty); // bit offset matters for bit commands
    read.GetItem(1)->SetValue("0");
    read.GetItem(2)->SetValue("8");
    read.GetItem(3)->SetValue("0000H");
    read.GetItem(4)->SetValue("");
    EXPECT_EQ(StopCode(read.Validate()), Success); // but not for register commands
}
