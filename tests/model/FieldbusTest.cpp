#include "model/Fieldbus.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(Fieldbus, DefaultsAndReset) {
    Fieldbus fieldbus;
    EXPECT_EQ(fieldbus.GetName(), "现场总线");
    ASSERT_EQ(fieldbus.GetItemCount(), 5);
    EXPECT_EQ(fieldbus.GetItem(0)->GetValue(), "Profibus");
    EXPECT_EQ(fieldbus.GetItem(2)->GetName(), "输出字节数");
    EXPECT_EQ(fieldbus.GetItem(3)->GetEnable(), 0);
    EXPECT_EQ(fieldbus.GetItem(4)->GetEnable(), 1);
    fieldbus.SetChoiceIndex(3, 1);
    fieldbus.SetChoiceIndex(4, 1);
    fieldbus.GetItem(3)->SetEnable(1);
    fieldbus.Reset();
    EXPECT_EQ(fieldbus.GetItem(3)->GetValue(), "关闭");
    EXPECT_EQ(fieldbus.GetItem(4)->GetValue(), "关闭");
    EXPECT_EQ(fieldbus.GetItem(3)->GetEnable(), 1);
}

TEST(Fieldbus, EnglishTextsExceptBusType) {
    SetTextLanguage(TextLanguage::English);
    Fieldbus fieldbus;
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(fieldbus.GetName(), "Profibus");
    EXPECT_EQ(fieldbus.GetItem(0)->GetValue(), "Profibus");
    EXPECT_EQ(fieldbus.GetItem(1)->GetValue(),
              "Through the Profibus master configuration software to set");
    EXPECT_EQ(fieldbus.GetItem(2)->GetName(), "Profibus output bytes ");
}

TEST(Fieldbus, SwitchesFollowProtocolType) {
    Fieldbus fieldbus;
    fieldbus.FollowProtocolType(ProtocolType::Universal);
    EXPECT_EQ(fieldbus.GetItem(3)->GetEnable(), 1);
    EXPECT_EQ(fieldbus.GetItem(4)->GetEnable(), 0);
    fieldbus.FollowProtocolType(ProtocolType::ModbusMaster);
    EXPECT_EQ(fieldbus.GetItem(3)->GetEnable(), 0);
    EXPECT_EQ(fieldbus.GetItem(4)->GetEnable(), 1);
}

TEST(ConfigObjectAccessors, ChoiceAndIntValues) {
    Fieldbus fieldbus;
    EXPECT_FALSE(fieldbus.SetChoiceIndex(3, 2)); // position equal to the choice count
    EXPECT_EQ(fieldbus.GetItem(3)->GetValue(), "关闭");
    EXPECT_FALSE(fieldbus.SetChoiceIndex(3, -1));
    EXPECT_FALSE(fieldbus.SetChoiceIndex(0, 0)); // no choices
    EXPECT_FALSE(fieldbus.SetChoiceIndex(9, 0));
    EXPECT_EQ(fieldbus.GetIntValue(9), -1);
    EXPECT_EQ(fieldbus.GetChoiceIndex(9), -1);
    EXPECT_TRUE(fieldbus.SetIntValue(1, 19200));
    EXPECT_EQ(fieldbus.GetIntValue(1), 19200);
    fieldbus.GetItem(1)->SetValue("");
    EXPECT_EQ(fieldbus.GetIntValue(1), 0);
}
