// The progress block of several ports, the closing table and the text widths
// they line up with.
#include "cli/PortBlock.h"
#include "cli/ParallelTransfer.h"
#include "cli/TextWidth.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <thread>

namespace varkel::cli {
namespace {

class PortBlockTest : public ::testing::Test {
protected:
    void SetUp() override { SetTextLanguage(TextLanguage::English); }
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }
};

TEST(TextWidthTest, ChineseTakesTwoColumnsAndIsCutWhole) {
    EXPECT_EQ(DisplayWidth("ttyUSB0"), 7u);
    EXPECT_EQ(DisplayWidth("串口 1"), 6u);
    EXPECT_EQ(FitWidth("串口 1", 3, false), "串"); // the second character would take 4
    EXPECT_EQ(FitWidth("串口", 5, true), "串口 ");
    EXPECT_EQ(FitWidth("abc", 2, true), "ab");
    // A broken sequence counts byte by byte and is never read past the end.
    EXPECT_EQ(DisplayWidth(std::string("a\xE4\xB8", 3)), 3u);
}

TEST_F(PortBlockTest, TerminalRewritesOneBlockInPlace) {
    std::ostringstream out;
    PortBlock block({"/dev/ttyUSB0", "/tmp/gw"}, out, true, 80);
    block.Show(0, {1, 10, "Version"});
    EXPECT_EQ(out.str(), "") << "nothing drawn before the start";
    block.Start();
    EXPECT_EQ(out.str(), "/dev/ttyUSB0  1/10 Version\n/tmp/gw       waiting\n");

    out.str("");
    block.Show(1, {3, 10, "Command record 1"});
    EXPECT_EQ(out.str(), "") << "reports are written only by the owner";
    block.Flush();
    // Back to the block's first line, cleared, both lines again.
    EXPECT_EQ(out.str(),
              "\x1b[2A\r\x1b[J/dev/ttyUSB0  1/10 Version\n/tmp/gw       3/10 Command record 1\n");

    out.str("");
    block.Show(1, {3, 10, "Command record 1"});
    block.Flush();
    EXPECT_EQ(out.str(), "") << "a retried step is not drawn again";

    block.Trace(0, "> 01 00 01");
    block.Done(0, "ok");
    block.Show(0, {10, 10, "late"});
    block.Flush();
    // The trace line goes above the block, drawn once again below it for
    // both reports; a port that is done stays done.
    EXPECT_EQ(out.str(), "\x1b[2A\r\x1b[J/dev/ttyUSB0: > 01 00 01\n/dev/ttyUSB0  ok\n"
                         "/tmp/gw       3/10 Command record 1\n");
}

TEST_F(PortBlockTest, TerminalLinesNeverWrap) {
    std::ostringstream out;
    PortBlock block({"p"}, out, true, 12);
    block.Start();
    block.Done(0, "Port open failed\nThe port is busy");
    block.Flush();
    EXPECT_NE(out.str().find("p  Port ope\n"), std::string::npos) << out.str();
}

TEST_F(PortBlockTest, BlockTallerThanTheTerminalBecomesPlainLines) {
    std::ostringstream out;
    PortBlock block({"a", "b", "c"}, out, true, 80, 3);
    block.Start();
    block.Done(1, "ok");
    block.Flush();
    EXPECT_EQ(out.str(), "b: ok\n");

    std::ostringstream fits;
    PortBlock room({"a", "b", "c"}, fits, true, 80, 4);
    room.Start();
    EXPECT_EQ(fits.str(), "a  waiting\nb  waiting\nc  waiting\n");
}

TEST_F(PortBlockTest, PlainLinesAtQuartersAndAtTheEnd) {
    std::ostringstream out;
    PortBlock block({"a", "b"}, out, false);
    block.Start();
    for (int step = 1; step <= 8; ++step)
        block.Show(0, {step, 8, "step"});
    block.Done(0, "ok");
    block.Done(1, "Port open failed");
    block.PrintUntilDone(); // all done: writes and returns at once
    EXPECT_EQ(out.str(), "a: 2/8 step\na: 4/8 step\na: 6/8 step\na: ok\nb: Port open failed\n");
}

TEST_F(PortBlockTest, WorkersReportWhileTheOwnerWritesWholeLines) {
    const std::vector<std::string> ports = {"p0", "p1", "p2", "p3"};
    std::ostringstream out;
    PortBlock block(ports, out, false);
    block.Start();
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < ports.size(); ++i)
        workers.emplace_back([&block, i] {
            for (int step = 1; step <= 40; ++step)
                block.Show(i, {step, 40, "step"});
            block.Done(i, "ok");
        });
    block.PrintUntilDone();
    for (std::thread& worker : workers)
        worker.join();

    // Every port's three quarter lines and its end, in its own order, none cut.
    std::istringstream lines(out.str());
    std::map<std::string, std::vector<std::string>> seen;
    for (std::string line; std::getline(lines, line);)
        seen[line.substr(0, 2)].push_back(line.substr(2));
    ASSERT_EQ(seen.size(), ports.size()) << out.str();
    for (const std::string& port : ports)
        EXPECT_EQ(seen[port], (std::vector<std::string>{": 10/40 step", ": 20/40 step",
                                                        ": 30/40 step", ": ok"}))
            << out.str();
}

TEST_F(PortBlockTest, TableOfOutcomesInPortOrder) {
    std::vector<PortOutcome> outcomes(3);
    outcomes[0].port = "/dev/ttyUSB0";
    outcomes[0].seconds = 2.04;
    outcomes[0].outcome.hardware = {2, 1, true};
    outcomes[1].port = "gw";
    outcomes[1].outcome.result = PortIoFailed;
    outcomes[1].failure = "Port input/output failed";
    outcomes[1].seconds = 3;
    outcomes[2].port = "gw2";
    outcomes[2].outcome.result = VersionMismatch;
    outcomes[2].failure = "Version does not match";

    EXPECT_EQ(ParallelTransfer::FirstFailure(outcomes), PortIoFailed);
    std::vector<PortOutcome> allOk(2);
    EXPECT_EQ(ParallelTransfer::FirstFailure(allOk), Success);

    const std::vector<std::string> lines = ParallelTransfer::SummaryLines(outcomes);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Port          Result                    Time   Hardware");
    EXPECT_EQ(lines[1], "/dev/ttyUSB0  ok                        2.0 s  2.1");
    EXPECT_EQ(lines[2], "gw            Port input/output failed  3.0 s  -");
    EXPECT_EQ(lines[3], "gw2           Version does not match    0.0 s  -");
}

} // namespace
} // namespace varkel::cli
