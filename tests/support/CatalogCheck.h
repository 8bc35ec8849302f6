#pragma once
#include "model/Catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varkel::test {

inline int CountPlaceholders(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("{}"); at != std::string::npos; at = text.find("{}", at + 2))
        ++count;
    return count;
}

// The printf conversions of a format text, in order ("%s", "%4.4x", ...).
inline std::vector<std::string> Conversions(const std::string& text) {
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
inline bool HasChineseCharacters(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xE3 && c <= 0xEF)
            return true;
    return false;
}

// Every text of a catalogue (identifiers 0 to count - 1) exists in both
// languages with the same placeholders and printf conversions, and its
// English holds no Chinese.
template <typename Id> void ExpectCompleteCatalogue(Id count, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_GT(static_cast<int>(count), 0);
    for (int i = 0; i < static_cast<int>(count); ++i) {
        const TextPair pair = TextPairOf(static_cast<Id>(i));
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

} // namespace varkel::test
