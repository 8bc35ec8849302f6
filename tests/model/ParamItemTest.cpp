#include "model/ParamItem.h"
#include "model/ResultCode.h"
#include "model/ValueCheck.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(CheckDecimal, ReportsEmptyIllegalAndRange) {
    EXPECT_EQ(CheckDecimal("007", 1, 247), Success);
    EXPECT_EQ(CheckDecimal("-1", 1, 247), IllegalCharacter);
    EXPECT_EQ(CheckDecimal("", 1, 247), ItemEmpty);
    EXPECT_EQ(CheckDecimal("248", 1, 247), OutOfRange);
    EXPECT_EQ(CheckDecimal("0", 1, 247), OutOfRange);
    EXPECT_EQ(CheckDecimal("1 ", 1, 247), IllegalCharacter);
    EXPECT_EQ(CheckDecimal("1.5", 1, 247), IllegalCharacter);
    EXPECT_EQ(CheckDecimal("+5", 1, 247), IllegalCharacter);
    EXPECT_EQ(CheckDecimal("99999999999999999999999", 0, 65535), OutOfRange);
}

TEST(CheckHex, CapitalDigitsAndFourCharactersOnly) {
    EXPECT_EQ(CheckHex("00A7", 0, 167), Success);
    EXPECT_EQ(CheckHex("00a7", 0, 167), IllegalCharacter);
    EXPECT_EQ(CheckHex("100A7", 0, 167), OutOfRange);
    EXPECT_EQ(CheckHex("G", 0, 167), IllegalCharacter);
    EXPECT_EQ(CheckHex("00A8", 0, 167), OutOfRange);
    EXPECT_EQ(CheckHex("", 0, 167), Success);
    EXPECT_EQ(CheckHex("", 0x4000, 0x40A7), OutOfRange);
    EXPECT_EQ(CheckHex("40A7", 0x4000, 0x40A7), Success);
}

TEST(HexValue, ReadsAtMostFourDigits) {
    EXPECT_EQ(HexValue("a7"), 167u);
    EXPECT_EQ(HexValue("40A7"), 0x40A7u);
    EXPECT_EQ(HexValue("12345"), 0u);
    EXPECT_EQ(HexValue("Z1"), 1u);
    EXPECT_EQ(HexValue(""), 0u);
    EXPECT_EQ(MappingAddressValue("40a7h"), 0x40A7u);
    EXPECT_EQ(MappingAddressValue("40A7"), 0u);
    EXPECT_EQ(MappingAddressValue("H"), 0u);
    EXPECT_EQ(MappingAddressValue("0AHH"), 0xA0u); // cut before the last "H" only
}

TEST(DecimalValue, LeadingDigitsWithoutOverflow) {
    EXPECT_EQ(DecimalValue("19200"), 19200);
    EXPECT_EQ(DecimalValue(""), 0);
    EXPECT_EQ(DecimalValue("12ab"), 12);
    EXPECT_EQ(DecimalValue("abc"), 0);
    EXPECT_EQ(DecimalValue("99999999999999"), 2147483647);
}

TEST(ParamItem, ChoiceIndexFollowsTheValue) {
    ParamItem item;
    EXPECT_EQ(item.GetEnable(), 1);
    item.Set("Parity", "help", "Odd", 2, 1);
    item.AddChoice("None");
    item.AddChoice("Odd");
    EXPECT_EQ(item.ChoiceIndex(), 1);
    item.SetValue("Even");
    EXPECT_EQ(item.ChoiceIndex(), -1);
}
