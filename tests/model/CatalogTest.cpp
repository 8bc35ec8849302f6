#include "model/Catalog.h"
#include "CatalogCheck.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varkel {
namespace {

class Catalog : public ::testing::Test {
protected:
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }
};

TEST_F(Catalog, EveryTextHasBothLanguagesWithTheSamePlaceholders) {
    test::ExpectCompleteCatalogue(Msg::MsgCount, "model");
}

TEST_F(Catalog, TextFollowsTheActiveLanguage) {
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(Text(Msg::UnknownError), "Unknown error");
    EXPECT_EQ(Text(Msg::ItemEmpty, {"a"}), "\"a\" holds no data");
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(Text(Msg::UnknownError), "未知错误");
    EXPECT_EQ(Text(Msg::ItemEmpty, {"a"}), "\"a\"中数据为空");
}

TEST_F(Catalog, PlaceholdersAreFilledInOrderAndOnlyOnce) {
    EXPECT_EQ(FillPlaceholders("{} and {}", {"a", "b"}), "a and b");
    // An argument that looks like a placeholder is not filled again.
    EXPECT_EQ(FillPlaceholders("{}-{}", {"{}", "x"}), "{}-x");
    // Missing arguments leave the placeholder; extra ones are dropped.
    EXPECT_EQ(FillPlaceholders("{} {}", {"a"}), "a {}");
    EXPECT_EQ(FillPlaceholders("{}", {"a", "b"}), "a");
    EXPECT_EQ(FillPlaceholders("{ } {", {"a"}), "{ } {");
    EXPECT_EQ(FillPlaceholders("", {"a"}), "");
}

} // namespace
} // namespace varkel
