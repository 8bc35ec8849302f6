#include "link/Frame.h"
#include "model/ResultCode.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

TEST(ByteSumTest, CutsTheSumToEightBits) {
    const std::uint8_t version[] = {0x01, 0x00};
    EXPECT_EQ(ByteSum(version, 2), 0x01);
    const std::uint8_t start[] = {0x14, 0x03, 0x00, 0x55, 0xAA};
    EXPECT_EQ(ByteSum(start, 5), 0x16); // 116h
    EXPECT_EQ(ByteSum(start, 0), 0x00);
    const std::uint8_t full[] = {0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ByteSum(full, 3), 0xFD);
}

TEST(MatchReplyTest, ComparesOnlyTheCountGiven) {
    const std::uint8_t ack[] = {0x03, 0x00, 0x03};
    const std::uint8_t twoBytes[] = {0x03, 0x00, 0x00};
    const std::uint8_t other[] = {0x03, 0x00, 0x04};
    EXPECT_EQ(MatchReply(ack, ack, 3), Success);
    EXPECT_EQ(MatchReply(twoBytes, ack, 3), CheckError);
    EXPECT_EQ(MatchReply(other, ack, 3), CheckError);
    EXPECT_EQ(MatchReply(other, ack, 2), Success);
}

} // namespace
} // namespace varkel
