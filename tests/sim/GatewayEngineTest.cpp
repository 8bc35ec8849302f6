#include "sim/GatewayEngine.h"

#include "model/TextTable.h"

#include <gtest/gtest.h>

namespace varkel::sim {
namespace {

TEST(GatewayEngineTest, AnswersTheVersionQueryWithItsHardware) {
    GatewayEngine engine(2, 1);
    EXPECT_EQ(engine.Handle({0x01, 0x00, 0x01}),
              (Bytes{0x01, 0x08, 0x05, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x11}));
    GatewayEngine old(1, 7);
    EXPECT_EQ(old.Handle({0x01, 0x00, 0x01}),
              (Bytes{0x01, 0x08, 0x05, 0x01, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x16}));
}

TEST(GatewayEngineTest, TraceFollowsTheTextLanguage) {
    GatewayEngine engine(2, 1);
    std::string why;
    SetTextLanguage(TextLanguage::English);
    EXPECT_FALSE(engine.Handle({0x01, 0x00, 0x02}, &why));
    EXPECT_EQ(why, "wrong checksum, no answer");
    EXPECT_TRUE(engine.Handle({0x01, 0x00, 0x01}, &why));
    EXPECT_EQ(why, "hardware version");
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_FALSE(engine.Handle({0x01, 0x00, 0x02}, &why));
    EXPECT_EQ(why, "校验和错误，不回答");
}

TEST(GatewayEngineTest, StoresSettingsAndReadsThemBack) {
    GatewayEngine engine(2, 1);
    const Bytes settings{0x03, 0x0E, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00,
                         0x00, 0x17, 0x70, 0x7B, 0x03, 0x00, 0x0A, 0x25};
    EXPECT_EQ(engine.Handle(settings), (Bytes{0x03, 0x00, 0x03}));
    EXPECT_TRUE(engine.Changed());
    EXPECT_EQ(engine.Handle({0x04, 0x01, 0x00, 0x05}),
              (Bytes{0x04, 0x0E, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x17, 0x70, 0x7B,
                     0x03, 0x00, 0x0A, 0x26}));
    EXPECT_FALSE(engine.Changed());
    EXPECT_EQ(engine.Handle({0x32, 0x01, 0x01, 0x34}), (Bytes{0x32, 0x00, 0x32}));
    EXPECT_EQ(engine.Handle({0x33, 0x00, 0x33}), (Bytes{0x33, 0x01, 0x01, 0x35}));
    EXPECT_EQ(engine.Handle({0x30, 0x03, 0x00, 0x00, 0x01, 0x34}), (Bytes{0x30, 0x00, 0x30}));
    EXPECT_EQ(engine.Handle({0x31, 0x00, 0x31}), (Bytes{0x31, 0x03, 0x00, 0x00, 0x01, 0x35}));
}

TEST(GatewayEngineTest, Hardware20AnswersTheLongSettingsForm) {
    GatewayEngine engine(2, 0);
    auto reply = engine.Handle({0x04, 0x01, 0x00, 0x05});
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->size(), 28u);
    EXPECT_EQ((*reply)[1], 0x19);
    EXPECT_EQ((*reply)[16], 0x00); // control mode of a fresh gateway
    EXPECT_EQ((*reply)[19], 0x6F); // character number 111
    unsigned sum = 0;
    for (int i = 0; i < 27; ++i)
        sum += (*reply)[i];
    EXPECT_EQ((*reply)[27], sum & 0xFF);
}

TEST(GatewayEngineTest, RecordsAreKeptInOrderAndReadInPagesOfSix) {
    GatewayEngine engine(2, 1);
    EXPECT_EQ(engine.Handle({0x14, 0x03, 0x00, 0x55, 0xAA, 0x16}), (Bytes{0x14, 0x00, 0x14}));
    for (std::uint8_t i = 0; i < 7; ++i) {
        Bytes record{0x10, 0x0D, 0x00, i,    0x01, 0x03, 0x00, i,
                     0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
        unsigned sum = 0;
        for (auto b : record)
            sum += b;
        record.push_back(static_cast<std::uint8_t>(sum));
        EXPECT_EQ(engine.Handle(record), (Bytes{0x10, 0x00, 0x10}));
    }
    EXPECT_EQ(engine.Handle({0x15, 0x01, 0x00, 0x16}), (Bytes{0x15, 0x03, 0x00, 0x00, 0x07, 0x1F}));
    auto first = engine.Handle({0x16, 0x02, 0x00, 0x00, 0x18});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), 76u);
    EXPECT_EQ((*first)[1], 73); // 00h and six records
    EXPECT_EQ(engine.Handle({0x16, 0x02, 0x00, 0x01, 0x19}),
              (Bytes{0x16, 0x0D, 0x00, 0x06, 0x01, 0x03, 0x00, 0x06, 0x00, 0x01, 0x00, 0x00, 0x00,
                     0x00, 0x00, 0x34}));
    // A new list starts empty.
    engine.Handle({0x14, 0x03, 0x00, 0x55, 0xAA, 0x16});
    EXPECT_TRUE(engine.State().records.empty());
}

TEST(GatewayEngineTest, RefusesWhatAGatewayWouldNotTake) {
    GatewayEngine engine(2, 1);
    const GatewayState fresh = engine.State();
    // Wrong checksum.
    EXPECT_FALSE(engine.Handle({0x32, 0x01, 0x01, 0x35}));
    // Length byte that does not match the frame.
    EXPECT_FALSE(engine.Handle({0x32, 0x02, 0x01, 0x35}));
    // A record whose counter skips one: a frame was lost.
    EXPECT_FALSE(engine.Handle({0x10, 0x0D, 0x00, 0x01, 0x01, 0x03, 0x00, 0x00, 0x00, 0x01, 0x00,
                                0x00, 0x00, 0x00, 0x00, 0x23}));
    // Unknown command and wrong start marks.
    EXPECT_FALSE(engine.Handle({0x07, 0x00, 0x07}));
    EXPECT_FALSE(engine.Handle({0x14, 0x03, 0x00, 0x55, 0xAB, 0x17}));
    EXPECT_EQ(engine.State(), fresh);
}

} // namespace
} // namespace varkel::sim
