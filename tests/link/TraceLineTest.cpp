#include "link/TraceLine.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using Clock = std::chrono::steady_clock;

TraceEvent Event(TraceEvent::Kind kind, int ms, Bytes bytes, std::size_t expected = 0,
                 std::string note = {}) {
    TraceEvent event;
    event.kind = kind;
    event.time = Clock::time_point{} + std::chrono::milliseconds(ms);
    event.bytes = std::move(bytes);
    event.expected = expected;
    event.note = std::move(note);
    return event;
}

TEST(HexBytesTest, UpperCasePairsSeparatedBySpaces) {
    EXPECT_EQ(HexBytes(Bytes{}), "");
    EXPECT_EQ(HexBytes(Bytes{0x0A}), "0A");
    EXPECT_EQ(HexBytes(Bytes{0x01, 0x00, 0xFF, 0xab}), "01 00 FF AB");
}

TEST(TraceLineTest, TerminalAndLogShapes) {
    SetTextLanguage(TextLanguage::English);
    const Clock::time_point start{};
    const TraceEvent sent = Event(TraceEvent::Sent, 105, {0x01, 0x00, 0x01}, 3);
    EXPECT_EQ(TraceLine(sent, start, TraceForm::Terminal), "   0.105 > 01 00 01");
    EXPECT_EQ(TraceLine(sent, start, TraceForm::Log), "+0.105 s  sent     01 00 01");

    const TraceEvent whole = Event(TraceEvent::Received, 12345, {0x03, 0x00, 0x03}, 3);
    EXPECT_EQ(TraceLine(whole, start, TraceForm::Terminal), "  12.345 < 03 00 03");
    EXPECT_EQ(TraceLine(whole, start, TraceForm::Log), "+12.345 s  received 03 00 03");

    const TraceEvent part = Event(TraceEvent::Received, 1250, {0x03, 0x00}, 3);
    EXPECT_EQ(TraceLine(part, start, TraceForm::Terminal), "   1.250 < 03 00  (2/3 bytes)");
    EXPECT_EQ(TraceLine(part, start, TraceForm::Log), "+1.250 s  received 03 00  (2 of 3 bytes)");

    const TraceEvent failed = Event(TraceEvent::Failed, 7, {}, 3, "read: no reply");
    EXPECT_EQ(TraceLine(failed, start, TraceForm::Terminal), "   0.007 ! read: no reply");
    EXPECT_EQ(TraceLine(failed, start, TraceForm::Log), "+0.007 s  failed   read: no reply");

    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(TraceLine(part, start, TraceForm::Terminal), "   1.250 < 03 00  (2/3 字节)");
    EXPECT_EQ(TraceLine(part, start, TraceForm::Log),
              "+1.250 s  接收     03 00  (收到 2 / 3 字节)");
}

} // namespace
} // namespace varkel
