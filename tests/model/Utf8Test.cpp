#include "model/Utf8.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(Utf8, AcceptsWellFormedText) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ASCII"));
    EXPECT_TRUE(IsValidUtf8("\xE6\xB3\xB5 \xC2\xB7 \xF0\x9F\x98\x80")); // 泵, U+00B7, U+1F600
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));                       // U+10FFFF
}

TEST(Utf8, RefusesBrokenSequencesAtTheirOffset) {
    struct Case {
        const char* text;
        std::size_t bad;
    } cases[] = {
        {"ab\xC0\xAF", 2},         // overlong "/"
        {"a\xE0\x80\xAF", 1},      // overlong three-byte form
        {"\xED\xA0\x80", 0},       // surrogate U+D800
        {"xy\xF4\x90\x80\x80", 2}, // past U+10FFFF
        {"\xE6\xB3", 0},           // cut short
        {"ok\x80", 2},             // lone continuation byte
        {"\xF8\x88\x80\x80\x80", 0},
        {"\xE6\xB3\xB5\xE6\x41\xB5", 3}, // continuation replaced by ASCII
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::size_t bad = 99;
        EXPECT_FALSE(IsValidUtf8(c.text, &bad));
        EXPECT_EQ(bad, c.bad);
    }
}

TEST(Utf8, DecodeAndAppendRoundTrip) {
    for (std::uint32_t code :
         {0x41u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0x6CF5u, 0xFFFDu, 0x10000u, 0x10FFFFu}) {
        std::string text;
        AppendUtf8(text, code);
        std::uint32_t back = 0;
        EXPECT_EQ(DecodeUtf8(text, 0, back), text.size()) << code;
        EXPECT_EQ(back, code);
    }
}
