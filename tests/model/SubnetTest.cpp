#include "model/Subnet.h"
#include "MessageRecorder.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(Subnet, ConstructionDefaults) {
    Subnet subnet;
    EXPECT_EQ(subnet.GetName(), "子网");
    EXPECT_EQ(subnet.GetItem(0)->GetValue(), "Modbus主站");
    EXPECT_EQ(subnet.GetItem(1)->GetChoices().size(), 9u);
    EXPECT_EQ(subnet.GetItem(2)->GetState(), 0);
    EXPECT_EQ(subnet.GetItem(3)->GetValue(), "无");
    EXPECT_EQ(subnet.GetItem(9)->GetValue(), "逢变输出");
    EXPECT_EQ(subnet.OutputPollingMode(), 3);
    EXPECT_EQ(subnet.GetMasterItemCount(), 6);
    EXPECT_EQ(subnet.GetUniversalItemCount(), 14);
    EXPECT_EQ(subnet.GetUniversalItem(0)->GetEnable(), 0);
    EXPECT_EQ(subnet.GetUniversalItem(8)->GetValue(), "111");
    EXPECT_EQ(subnet.GetUniversalItem(8)->GetEnable(), 0);
    EXPECT_EQ(subnet.GetUniversalItem(14), nullptr);
}

TEST(Subnet, CombinedIndexInBothModes) {
    Subnet subnet;
    EXPECT_EQ(subnet.GetItem(5)->GetName(), "从站地址");
    EXPECT_EQ(subnet.GetItem(6), subnet.GetMasterItem(0));
    EXPECT_EQ(subnet.GetItem(12), nullptr);
    EXPECT_EQ(subnet.GetItem(-1), nullptr);
    subnet.SetProtocolType(ProtocolType::Universal);
    EXPECT_EQ(subnet.GetItem(5)->GetName(), "从站地址");
    EXPECT_EQ(subnet.GetItem(6), subnet.GetUniversalItem(0));
    EXPECT_EQ(subnet.GetItem(6)->GetEnable(), 0);
    EXPECT_EQ(subnet.GetItem(19)->GetName(), "使用CRC校验");
    EXPECT_EQ(subnet.GetItem(20), nullptr);
}

TEST(Subnet, ResetValues) {
    Subnet subnet;
    subnet.CreateNode();
    subnet.SetProtocolType(ProtocolType::Universal);
    subnet.GetItem(1)->SetValue("300");
    subnet.GetItem(12)->SetValue("分隔符");
    subnet.GetItem(14)->SetEnable(1);
    subnet.Reset();
    EXPECT_EQ(subnet.GetProtocolType(), ProtocolType::ModbusMaster);
    EXPECT_EQ(subnet.GetNodeCount(), 0);
    EXPECT_EQ(subnet.GetItem(0)->GetValue(), "Modbus主站");
    EXPECT_EQ(subnet.GetItem(1)->GetValue(), "19200");
    EXPECT_EQ(subnet.GetItem(9)->GetValue(), "连续输出");
    EXPECT_EQ(subnet.OutputPollingMode(), 1);
    EXPECT_EQ(subnet.GetUniversalItem(6)->GetValue(), "字符超时");
    EXPECT_EQ(subnet.GetUniversalItem(8)->GetEnable(), 1); // enable flags untouched
}

TEST(Subnet, DownloadValueAccessors) {
    Subnet subnet;
    EXPECT_EQ(subnet.BaudRateCode(), 5);
    EXPECT_EQ(subnet.DataBitsCode(), 0);
    subnet.GetItem(8)->SetValue("1230");
    EXPECT_EQ(subnet.PollDelay(), 123);
    subnet.GetItem(9)->SetValue("nothing");
    EXPECT_EQ(subnet.OutputPollingMode(), -1);
    // A "Data bits" item without choices (as loaded) still gives its code.
    auto loaded = std::make_unique<ParamItem>();
    loaded->Set("Data bits", "", "7", 0, 0);
    subnet.AlwaysItems()[2] = std::move(loaded);
    EXPECT_EQ(subnet.DataBitsCode(), 1);
}

TEST(Subnet, ValidateMasterAndUniversal) {
    MessageRecorder recorder;
    Subnet subnet;
    EXPECT_EQ(StopCode(subnet.Validate()), Success);
    subnet.GetItem(8)->SetValue("");
    std::vector<ConfigProblem> problems = subnet.Validate();
    EXPECT_EQ(StopCode(problems), ItemEmpty);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front().message, "以下数据为空\r\n\"轮询延时时间\"");
    subnet.GetItem(8)->SetValue("0");
    subnet.SetProtocolType(ProtocolType::Universal);
    subnet.GetItem(16)->SetValue("");
    problems = subnet.Validate();
    EXPECT_EQ(StopCode(problems), ItemEmpty);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front().message, "\"结束符\"中数据为空");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(Subnet, EmptyUniversalItemMessageFollowsTheLanguage) {
    SetTextLanguage(TextLanguage::English);
    Subnet subnet;
    subnet.SetProtocolType(ProtocolType::Universal);
    subnet.GetItem(16)->SetValue("");
    const std::vector<ConfigProblem> problems = subnet.Validate();
    EXPECT_EQ(StopCode(problems), ItemEmpty);
    const std::string name = subnet.GetItem(16)->GetName();
    SetTextLanguage(TextLanguage::Chinese);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.back().message, "\"" + name + "\" holds no data");
}
