#include "model/Catalog.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varkel {
namespace {

int CountPlaceholders(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("{}"); at != std::string::npos; at = text.find("{}", at + 2))
        ++count;
    return count;
}

// The printf conversions of a format text, in order ("%s", "%4.4x", ...).
std::vector<std::string> Conversions(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        std::size_t end = text.find_first_of("sxXdiuc%", i + 1);
        if (end == std::string::npos)
            break;
        out.push_back(text.substr(i, end - i + 1));
        i = end;
    }
    return out;
}

// Bytes of a UTF-8 lead byte for CJK ideographs and full-width punctuation.
bool HasChineseCharacters(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xE3 && c <= 0xEF)
            return true;
    return false;
}

class Catalog : public ::testing::Test {
protected:
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }
};

TEST_F(Catalog, EveryTextHasBothLanguagesWithTheSamePlaceholders) {
    const int count = static_cast<int>(Msg::MsgCount);
    ASSERT_GT(count, 100);
    for (int i = 0; i < count; ++i) {
        const TextPair pair = TextPairOf(static_cast<Msg>(i));
        ASSERT_NE(pair.chinese, nullptr) << i;
        ASSERT_NE(pair.english, nullptr) << i;
        const std::string zh = pair.chinese;
        const std::string en = pair.english;
        EXPECT_FALSE(zh.empty()) << "identifier " << i << ": " << en;
        EXPECT_FALSE(en.empty()) << "identifier " << i << ": " << zh;
        EXPECT_EQ(CountPlaceholders(zh), CountPlaceholders(en)) << zh << " / " << en;
        EXPECT_EQ(Conversions(zh), Conversions(en)) << zh << " / " << en;
        EXPECT_FALSE(HasChineseCharacters(en)) << "identifier " << i << ": " << en;
    }
}

TEST_F(Catalog, TextFollowsTheActiveLanguage) {
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(Text(Msg::UnknownError), "Unknown error");
    EXPECT_EQ(Text(Msg::FileEmpty, {"a.xml"}), "The file \"a.xml\" is empty.");
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(Text(Msg::UnknownError), "未知错误");
    EXPECT_EQ(Text(Msg::FileEmpty, {"a.xml"}), "文件\"a.xml\"是空的。");
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
