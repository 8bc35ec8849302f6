#include "sim/GatewayState.h"

#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace varkel::sim {
namespace {

TEST(GatewayStateTest, TextRoundTripKeepsEverything) {
    GatewayState state;
    state.serial[0] = 0x03;
    state.universal[10] = 0x7E;
    state.validLength = 1;
    state.clearOnFault = 1;
    state.records.push_back(Record{0, 1, 3, 0, 0, 0, 10, 0, 0, 0, 0, 0});
    state.records.push_back(Record{1, 2, 16, 0xFF, 0xFF, 0, 2, 0x40, 0xA7, 7, 1, 2});
    GatewayState read;
    std::string error;
    ASSERT_TRUE(StateFromText(read, StateToText(state), &error)) << error;
    EXPECT_EQ(read, state);
}

TEST(GatewayStateTest, MalformedTextLeavesTheStateAlone) {
    GatewayState state;
    state.validLength = 1;
    const GatewayState before = state;
    std::string error;
    EXPECT_FALSE(StateFromText(state, "something else\n", &error));
    EXPECT_FALSE(StateFromText(state, "varkel-sim-state 1\nserial 00 05\n", &error));
    const std::string badRecord =
        "varkel-sim-state 1\nrecord 00 01 0G 00 00 00 0A 00 00 00 00 00\n";
    SetTextLanguage(TextLanguage::English);
    EXPECT_FALSE(StateFromText(state, badRecord, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_FALSE(StateFromText(state, badRecord, &error));
    EXPECT_NE(error.find("第 2 行"), std::string::npos) << error;
    EXPECT_EQ(state, before);
}

TEST(GatewayStateTest, FileRoundTrip) {
    std::string path = "/tmp/varkel-state-" + std::to_string(::getpid());
    GatewayState state;
    state.records.push_back(Record{0, 5, 4, 0, 1, 0, 2, 0, 4, 0, 0, 0});
    std::string error;
    ASSERT_TRUE(SaveState(state, path, &error)) << error;
    GatewayState read;
    ASSERT_TRUE(LoadState(read, path, &error)) << error;
    EXPECT_EQ(read, state);
    std::remove(path.c_str());
    EXPECT_FALSE(LoadState(read, path, &error));
}

} // namespace
} // namespace varkel::sim
