#include "model/TextTable.h"
#include "model/Catalog.h"
#include "model/ResultCode.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

struct EnglishScope {
    EnglishScope() { SetTextLanguage(TextLanguage::English); }
    ~EnglishScope() { SetTextLanguage(TextLanguage::Chinese); }
};

} // namespace

TEST(TextTable, HasAllKeysInBothLanguages) {
    EXPECT_EQ(TextTableSize(), 157);
    EXPECT_EQ(LocalText(1), "TRX10配置软件");
    EXPECT_EQ(LocalText(1002), "\\Varkel软件说明书.chm");
    EnglishScope english;
    EXPECT_EQ(LocalText(1), "TRX10 configuration software");
    EXPECT_EQ(LocalText(1002), "\\Varkel_EN.chm");
}

TEST(TextTable, KeepsTrailingBlanksAndLineBreaks) {
    EXPECT_EQ(LocalText(19), "是否进行自动映射地址操作? ");
    EnglishScope english;
    EXPECT_EQ(LocalText(2), "TRX20A configuration software ");
    EXPECT_EQ(LocalText(8), "DelNode ");
    EXPECT_EQ(LocalText(4019), "Time between two continuous pluses ");
    EXPECT_EQ(LocalText(79), "Set slave address\r\n(Range:1~247)");
    EXPECT_EQ(LocalText(5013), "This version of the hardware does not support \"Universal mode\"");
    EXPECT_EQ(LocalText(5011), "command uploaded  error");
}

TEST(TextTable, MissingKeysAreEmpty) {
    EXPECT_EQ(LocalText(4023), "");
    EXPECT_EQ(LocalText(0), "");
    EXPECT_EQ(LocalText(-1), "");
    EXPECT_EQ(LocalText(3013), "");
    EXPECT_EQ(LocalText(2001), "IDS_UPDOWN_ONOK_STR1");
}

TEST(ResultMessages, CodesMapToTheirKeys) {
    EXPECT_EQ(ResultMessage(0), "操作成功");
    EXPECT_EQ(ResultMessage(4), "打开串口失败");
    EXPECT_EQ(ResultMessage(13), "映射内存地址越界");
    EXPECT_EQ(ResultMessage(12), "未知错误");
    EXPECT_EQ(ResultMessage(99), "未知错误");
    EXPECT_EQ(ResultMessage(-1), "未知错误");
    EnglishScope english;
    EXPECT_EQ(ResultMessage(8), "An item is Out of range");
    EXPECT_EQ(ResultMessage(12), "Unknown error");
}

namespace varkel {
namespace {

TEST(CatalogTest, FollowsTheActiveLanguageAndFillsPlaceholders) {
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(Text(Msg::UnknownError), "Unknown error");
    EXPECT_EQ(ResultMessage(99), "Unknown error");
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(Text(Msg::UnknownError), "未知错误");
    EXPECT_EQ(FillPlaceholders("{} of {} ({})", {"3", "48"}), "3 of 48 ({})");
}

} // namespace
} // namespace varkel
