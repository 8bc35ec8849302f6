#include "model/CycleEstimate.h"
#include "model/Project.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

struct Frame {
    int code;
    long long n;
    long long request;
    long long reply;
};

// Written out byte by byte: address, function, fields, CRC.
const Frame kRtuFrames[] = {
    {1, 10, 1 + 1 + 2 + 2 + 2, 1 + 1 + 1 + 2 + 2},  // 10 coils in 2 bytes
    {2, 16, 1 + 1 + 2 + 2 + 2, 1 + 1 + 1 + 2 + 2},  // 16 inputs in 2 bytes
    {2, 17, 8, 1 + 1 + 1 + 3 + 2},                  // the 17th needs a third
    {3, 10, 1 + 1 + 2 + 2 + 2, 1 + 1 + 1 + 20 + 2}, // 10 registers
    {4, 1, 8, 1 + 1 + 1 + 2 + 2},
    {5, 1, 1 + 1 + 2 + 2 + 2, 8}, // echoed
    {6, 1, 8, 8},
    {15, 10, 1 + 1 + 2 + 2 + 1 + 2 + 2, 1 + 1 + 2 + 2 + 2},
    {16, 10, 1 + 1 + 2 + 2 + 1 + 20 + 2, 8},
    {16, 84, 1 + 1 + 2 + 2 + 1 + 168 + 2, 8},
};

TEST(FrameLength, RtuEveryFunction) {
    for (const Frame& f : kRtuFrames) {
        FrameChars chars = FrameLength(f.code, f.n, false);
        EXPECT_EQ(chars.request, f.request) << "code " << f.code << " n " << f.n;
        EXPECT_EQ(chars.reply, f.reply) << "code " << f.code << " n " << f.n;
    }
}

TEST(FrameLength, AsciiEveryFunction) {
    // ":" + two characters for each byte but the CRC, plus the LRC byte + CR LF.
    for (const Frame& f : kRtuFrames) {
        FrameChars chars = FrameLength(f.code, f.n, true);
        EXPECT_EQ(chars.request, 1 + 2 * (f.request - 2 + 1) + 2) << "code " << f.code;
        EXPECT_EQ(chars.reply, 1 + 2 * (f.reply - 2 + 1) + 2) << "code " << f.code;
    }
    // 03 reading 10 registers: ":0103" "14" + 40 data characters + LRC + CR LF.
    EXPECT_EQ(FrameLength(3, 10, true).reply, 1 + 2 + 2 + 2 + 40 + 2 + 2);
    EXPECT_EQ(FrameLength(3, 10, true).request, 1 + 12 + 2 + 2);
}

TEST(FrameLength, EmptyOrNegativeDataNumberCountsNoData) {
    EXPECT_EQ(FrameLength(3, 0, false).reply, 5);
    EXPECT_EQ(FrameLength(3, -5, false).reply, 5);
    EXPECT_EQ(FrameLength(16, -1, false).request, 9);
}

TEST(CharacterBits, StartDataParityStop) {
    EXPECT_EQ(CharacterBits(8, false, 1), 10);
    EXPECT_EQ(CharacterBits(8, true, 1), 11);
    EXPECT_EQ(CharacterBits(8, false, 2), 11);
    EXPECT_EQ(CharacterBits(8, true, 2), 12);
    EXPECT_EQ(CharacterBits(7, true, 1), 10);
}

class EstimateTest : public ::testing::Test {
protected:
    void SetUp() override {
        node = subnet().CreateNode();
        subnet().GetItem(Subnet::BaudRateIndex)->SetValue("9600");
        subnet().GetItem(Subnet::ResponseTimeoutIndex)->SetValue("300");
        subnet().GetItem(Subnet::PollDelayIndex)->SetValue("20");
        subnet().GetItem(Subnet::ScanRatioIndex)->SetValue("4");
    }
    Subnet& subnet() { return project.GetSubnet(); }
    Command* Add(int functionIndex, const std::string& n, bool slow = false) {
        Command* c = node->CreateCommand(functionIndex);
        if (c->GetItem(Command::DataNumberRow)->GetEnable() == 1)
            c->GetItem(Command::DataNumberRow)->SetValue(n);
        c->GetItem(Command::ScanningRow)
            ->SetValue(c->GetItem(Command::ScanningRow)->GetChoices()[slow ? 1 : 0]);
        return c;
    }

    Project project;
    Node* node = nullptr;
};

TEST_F(EstimateTest, LineTimeFollowsParityAndStopBits) {
    Add(2, "10"); // 03, 10 registers: 8 + 25 characters
    CycleEstimate plain = EstimateCycle(subnet());
    ASSERT_EQ(plain.status, CycleEstimate::Ready);
    EXPECT_EQ(plain.charBits, 10);
    EXPECT_NEAR(plain.charMs, 10.0 / 9.6, 1e-9);
    // RTU: both frames and a 3.5-character silence after each.
    EXPECT_NEAR(plain.commands[0].lineMs, (8 + 25 + 7) * 10.0 / 9.6, 1e-9);

    ASSERT_TRUE(subnet().SetChoiceIndex(Subnet::ParityIndex, 2)); // even
    ASSERT_TRUE(subnet().SetChoiceIndex(Subnet::StopBitsIndex, 1));
    CycleEstimate parity = EstimateCycle(subnet());
    EXPECT_EQ(parity.charBits, 12);
    EXPECT_NEAR(parity.commands[0].lineMs, 40 * 12.0 / 9.6, 1e-9);

    subnet().GetItem(Subnet::CommModeIndex)->SetValue("ASCII");
    CycleEstimate ascii = EstimateCycle(subnet());
    EXPECT_TRUE(ascii.ascii);
    EXPECT_EQ(ascii.commands[0].requestChars, 17);
    EXPECT_EQ(ascii.commands[0].replyChars, 51);
    EXPECT_NEAR(ascii.commands[0].lineMs, (17 + 51) * 12.0 / 9.6, 1e-9); // no silence
}

TEST_F(EstimateTest, QuickSlowAndWorstCycles) {
    Add(2, "10");                // quick
    Add(5, "1");                 // 06, quick
    Add(0, "16", /*slow=*/true); // 01, slow
    Add(13, "4", /*slow=*/true); // 16, slow
    CycleEstimate e = EstimateCycle(subnet(), 7.5);
    ASSERT_EQ(e.commands.size(), 4u);
    const double ch = 10.0 / 9.6;
    const double line[] = {(8 + 25 + 7) * ch, (8 + 8 + 7) * ch, (8 + 7 + 7) * ch,
                           (17 + 8 + 7) * ch};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(e.commands[static_cast<std::size_t>(i)].lineMs, line[i], 1e-9) << i;
    EXPECT_FALSE(e.commands[1].slow);
    EXPECT_TRUE(e.commands[2].slow);
    const double extra = 7.5 + 20.0;
    const double quick = line[0] + line[1] + 2 * extra + (line[2] + line[3] + 2 * extra) / 4;
    EXPECT_NEAR(e.quickCycleMs, quick, 1e-9);
    EXPECT_NEAR(e.slowCycleMs, 4 * quick, 1e-9);
    // Nobody answers: each request, then the whole timeout, then the delay.
    const double worst = (8 + 3.5) * ch * 3 + (17 + 3.5) * ch + 4 * (300.0 + 20.0);
    EXPECT_NEAR(e.worstCycleMs, worst, 1e-9);
    EXPECT_TRUE(EstimateWarnings(e).empty());
}

TEST_F(EstimateTest, ProblemsAreNamed) {
    subnet().GetItem(Subnet::BaudRateIndex)->SetValue("300");
    Add(2, "84"); // a reply of 173 bytes takes almost six seconds at 300 baud
    CycleEstimate e = EstimateCycle(subnet());
    EXPECT_TRUE(e.TimeoutTooShort());
    EXPECT_TRUE(e.CycleTooLong());
    EXPECT_EQ(EstimateWarnings(e).size(), 2u);

    subnet().GetItem(Subnet::BaudRateIndex)->SetValue("115200");
    e = EstimateCycle(subnet());
    EXPECT_FALSE(e.TimeoutTooShort());
    EXPECT_FALSE(e.CycleTooLong());
}

TEST_F(EstimateTest, NoEstimateWithoutPollingOrLine) {
    subnet().GetItem(Subnet::BaudRateIndex)->SetValue("4800"); // not offered
    EXPECT_EQ(EstimateCycle(subnet()).status, CycleEstimate::UnknownBaudRate);
    subnet().GetItem(Subnet::BaudRateIndex)->SetValue("19200");
    subnet().SetProtocolType(ProtocolType::Universal);
    EXPECT_EQ(EstimateCycle(subnet()).status, CycleEstimate::UniversalMode);
    EXPECT_FALSE(EstimateSummary(EstimateCycle(subnet())).empty());
}

TEST_F(EstimateTest, ScanRatioBelowOneCountsAsOne) {
    subnet().GetItem(Subnet::ScanRatioIndex)->SetValue("");
    Add(2, "1", true);
    CycleEstimate e = EstimateCycle(subnet());
    EXPECT_EQ(e.scanRatio, 1);
    EXPECT_NEAR(e.quickCycleMs, e.slowCycleMs, 1e-9);
}

} // namespace
