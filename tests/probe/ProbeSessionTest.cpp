// The probe against libmodbus's own server on a pseudo-terminal.
#include "probe/ProbeSession.h"
#include "ProbeFixture.h"
#include "TestSlave.h"
#include "model/ResultCode.h"
#include "sim/ModbusSlave.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace varkel {
namespace {

using test::AddCommand;
using test::ProbeProject;
using test::TestSlave;

ProbePlan PlanOf(Project& project) {
    ProbePlan plan;
    std::vector<ConfigProblem> problems;
    EXPECT_EQ(plan.Build(project, problems), Success);
    return plan;
}

struct Collected {
    std::vector<ProbeResult> results;
    std::vector<PassSummary> passes;
    MemoryImage image;
};

ProbeOutcome RunPasses(ProbePlan plan, const std::string& device, int passes, Collected& out) {
    ProbeSession session(std::move(plan));
    session.SetResultCallback([&](const ProbeResult& r) { out.results.push_back(r); });
    session.SetPassCallback([&](const PassSummary& s, const MemoryImage& image) {
        out.passes.push_back(s);
        out.image = image;
    });
    return session.Run(device, passes);
}

class ProbeSessionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(slave_.Start()); }
    TestSlave slave_{1, 100};
};

TEST_F(ProbeSessionTest, ReadsEveryFunctionAndNeverWrites) {
    auto project = ProbeProject();
    AddCommand(*project, 0, 3, 10, "0000H", 2); // 01 coils 3..12
    AddCommand(*project, 1, 4, 5, "0002H");     // 02 inputs 4..8
    AddCommand(*project, 2, 10, 2, "0004H");    // 03
    AddCommand(*project, 3, 20, 3, "0008H");    // 04
    AddCommand(*project, 4, 6, 1, "4000H");     // 05, read as coil 6
    AddCommand(*project, 5, 30, 1, "4002H");    // 06, read as register 30
    AddCommand(*project, 12, 0, 4, "4004H");    // 15, read as coils 0..3
    AddCommand(*project, 13, 40, 2, "4006H");   // 16, read as registers 40, 41
    Collected got;
    const ProbeOutcome outcome = RunPasses(PlanOf(*project), slave_.DevicePath(), 1, got);
    ASSERT_EQ(outcome.code, Success) << outcome.message;
    EXPECT_EQ(outcome.failed, 0);
    ASSERT_EQ(got.results.size(), 8u);
    for (const auto& r : got.results)
        EXPECT_EQ(r.status, ProbeStatus::Ok) << r.command;
    EXPECT_EQ(got.results[0].bits, (std::vector<std::uint8_t>{1, 0, 0, 1, 0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(got.results[1].bits, (std::vector<std::uint8_t>{0, 1, 0, 1, 0}));
    EXPECT_EQ(got.results[2].registers, (std::vector<std::uint16_t>{0x100A, 0x100B}));
    EXPECT_EQ(got.results[3].registers, (std::vector<std::uint16_t>{0x2014, 0x2015, 0x2016}));
    EXPECT_EQ(got.results[4].bits, (std::vector<std::uint8_t>{1}));
    EXPECT_EQ(got.results[5].registers, (std::vector<std::uint16_t>{0x101E}));
    EXPECT_EQ(got.results[6].bits, (std::vector<std::uint8_t>{1, 0, 0, 1}));
    EXPECT_EQ(got.results[7].registers, (std::vector<std::uint16_t>{0x1028, 0x1029}));
    EXPECT_EQ(slave_.Requests(), 8);

    // The image holds the reads of the input memory only.
    const auto& bytes = got.image.Bytes();
    EXPECT_EQ(bytes[0], 0b00100100); // coils from bit 2: 1 0 0 1 0 0
    EXPECT_EQ(bytes[1], 0b00001001); // coils 9..12 (1 0 0 1) in bits 0..3
    EXPECT_EQ(bytes[2], 0b00001010);
    EXPECT_EQ(bytes[4], 0x10);
    EXPECT_EQ(bytes[5], 0x0A);
    EXPECT_EQ(bytes[12], 0x20);
    EXPECT_EQ(bytes[13], 0x16);
    EXPECT_EQ(got.image.Owner(14), MemoryImage::kUnfilled);
    ASSERT_EQ(got.passes.size(), 1u);
    EXPECT_EQ(got.passes[0].answered, 8);
}

TEST_F(ProbeSessionTest, SwapsRegistersIntoTheImage) {
    auto project = ProbeProject();
    Command* two = AddCommand(*project, 2, 0, 2, "0000H");
    Command* four = AddCommand(*project, 3, 0, 2, "0004H");
    two->GetItem(Command::SwappingRow)
        ->SetValue(two->GetItem(Command::SwappingRow)->GetChoices()[1]);
    four->GetItem(Command::SwappingRow)
        ->SetValue(four->GetItem(Command::SwappingRow)->GetChoices()[2]);
    Collected got;
    ASSERT_EQ(RunPasses(PlanOf(*project), slave_.DevicePath(), 1, got).code, Success);
    const auto& b = got.image.Bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 8),
              (std::vector<std::uint8_t>{0x00, 0x10, 0x01, 0x10, 0x01, 0x20, 0x00, 0x20}));
}

TEST_F(ProbeSessionTest, ReportsExceptionsByNumber) {
    slave_.RefuseFunction(2);
    auto project = ProbeProject();
    AddCommand(*project, 2, 95, 10, "0000H"); // past the last register
    AddCommand(*project, 1, 0, 8, "0014H");   // refused function
    AddCommand(*project, 2, 0, 1, "0016H");
    Collected got;
    const ProbeOutcome outcome = RunPasses(PlanOf(*project), slave_.DevicePath(), 1, got);
    EXPECT_EQ(outcome.failed, 2);
    ASSERT_EQ(got.results.size(), 3u);
    EXPECT_EQ(got.results[0].status, ProbeStatus::Exception);
    EXPECT_EQ(got.results[0].exception, 2);
    EXPECT_EQ(got.results[1].status, ProbeStatus::Exception);
    EXPECT_EQ(got.results[1].exception, 1);
    EXPECT_EQ(got.results[2].status, ProbeStatus::Ok);
    EXPECT_EQ(got.image.Owner(0), MemoryImage::kUnfilled);
}

TEST_F(ProbeSessionTest, SilentSlaveTimesOutWithinTheConfiguredTime) {
    slave_.SetMode(TestSlave::Mode::Silent);
    auto project = ProbeProject(300);
    AddCommand(*project, 2, 0, 1, "0000H");
    Collected got;
    const auto start = std::chrono::steady_clock::now();
    RunPasses(PlanOf(*project), slave_.DevicePath(), 1, got);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(got.results.size(), 1u);
    EXPECT_EQ(got.results[0].status, ProbeStatus::Timeout);
    EXPECT_GE(got.results[0].ms, 290.0);
    EXPECT_LE(got.results[0].ms, 330.0);
    EXPECT_LE(ms, 330.0 + 100.0); // opening and closing the port included
}

TEST_F(ProbeSessionTest, AnotherUnitIdIsNotAnswered) {
    auto project = ProbeProject(300);
    project->GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("2");
    AddCommand(*project, 2, 0, 1, "0000H");
    Collected got;
    RunPasses(PlanOf(*project), slave_.DevicePath(), 1, got);
    ASSERT_EQ(got.results.size(), 1u);
    EXPECT_EQ(got.results[0].status, ProbeStatus::Timeout);
}

TEST_F(ProbeSessionTest, DamagedAndForeignAnswersAreNamed) {
    auto project = ProbeProject(300);
    AddCommand(*project, 2, 0, 2, "0000H");
    const ProbePlan plan = PlanOf(*project);
    const std::pair<TestSlave::Mode, ProbeStatus> cases[] = {
        {TestSlave::Mode::BadCrc, ProbeStatus::BadCheck},
        {TestSlave::Mode::WrongUnit, ProbeStatus::Mismatch},
        {TestSlave::Mode::WrongFunction, ProbeStatus::Mismatch},
        {TestSlave::Mode::Normal, ProbeStatus::Ok},
    };
    for (const auto& [mode, status] : cases) {
        slave_.SetMode(mode);
        Collected got;
        RunPasses(plan, slave_.DevicePath(), 1, got);
        ASSERT_EQ(got.results.size(), 1u);
        EXPECT_EQ(got.results[0].status, status) << static_cast<int>(mode);
        EXPECT_EQ(got.image.Owner(0), status == ProbeStatus::Ok ? 0 : MemoryImage::kUnfilled);
    }
}

TEST_F(ProbeSessionTest, StopsWithinOneTimeoutAndReleasesThePort) {
    slave_.SetMode(TestSlave::Mode::Silent);
    auto project = ProbeProject(300);
    AddCommand(*project, 2, 0, 1, "0000H");
    ProbeSession session(PlanOf(*project));
    std::atomic<bool> finished{false};
    ProbeOutcome outcome;
    session.SetFinishedCallback([&](const ProbeOutcome& o) {
        outcome = o;
        finished = true;
    });
    session.Start(slave_.DevicePath(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    const auto asked = std::chrono::steady_clock::now();
    session.Stop();
    session.Wait();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count();
    EXPECT_TRUE(finished);
    EXPECT_LE(ms, 330.0);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.code, Success);

    // The port is free again: a second run opens it.
    slave_.SetMode(TestSlave::Mode::Normal);
    Collected got;
    EXPECT_EQ(RunPasses(PlanOf(*project), slave_.DevicePath(), 1, got).code, Success);
}

TEST_F(ProbeSessionTest, VanishedDeviceEndsTheRunWithAPortFailure) {
    auto project = ProbeProject(300);
    AddCommand(*project, 2, 0, 1, "0000H");
    ProbeSession session(PlanOf(*project));
    ProbeOutcome outcome;
    session.SetFinishedCallback([&](const ProbeOutcome& o) { outcome = o; });
    session.Start(slave_.DevicePath(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    slave_.Vanish();
    const auto start = std::chrono::steady_clock::now();
    while (session.IsRunning() &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(3))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(session.IsRunning());
    session.Stop();
    session.Wait();
    EXPECT_EQ(outcome.code, PortIoFailed);
    EXPECT_FALSE(outcome.message.empty());
}

// Both framings say why a path is no port, as the transfers do, and a FIFO
// is refused without being waited on.
TEST(ProbeSession, APathThatIsNoPortIsAnOpenFailureWithItsReason) {
    const std::string fifo = "/tmp/varkel-probe-fifo-" + std::to_string(::getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, OpenFailure> paths[] = {
        {"/dev/no-such-port", OpenFailure::Missing},
        {fifo, OpenFailure::NotTerminal},
        {"/dev/null", OpenFailure::NotTerminal}};
    for (int mode : {0, 1}) {
        for (const auto& [path, failure] : paths) {
            SCOPED_TRACE(path + (mode ? " ASCII" : " RTU"));
            auto project = ProbeProject();
            project->GetSubnet().SetChoiceIndex(Subnet::CommModeIndex, mode);
            AddCommand(*project, 2, 0, 1, "0000H");
            Collected got;
            const ProbeOutcome outcome = RunPasses(PlanOf(*project), path, 1, got);
            EXPECT_EQ(outcome.code, PortOpenFailed);
            EXPECT_EQ(outcome.port.failure, failure);
            EXPECT_EQ(outcome.port.device, path);
            EXPECT_NE(outcome.message.find(path), std::string::npos);
            EXPECT_TRUE(got.results.empty());
        }
    }
    ::unlink(fifo.c_str());
}

TEST(ProbeSession, SlowScanCommandsFollowTheScanRatio) {
    sim::ModbusSlave slave;
    ASSERT_TRUE(slave.Start());
    auto project = ProbeProject();
    project->GetSubnet().GetItem(Subnet::ScanRatioIndex)->SetValue("2");
    AddCommand(*project, 2, 0, 1, "0000H");
    Command* slow = AddCommand(*project, 2, 1, 1, "0002H");
    slow->GetItem(Command::ScanningRow)
        ->SetValue(slow->GetItem(Command::ScanningRow)->GetChoices()[1]);
    Collected got;
    ASSERT_EQ(RunPasses(PlanOf(*project), slave.DevicePath(), 4, got).code, Success);
    std::string order;
    for (const auto& r : got.results)
        order += std::to_string(r.pass) + ":" + std::to_string(r.command) + " ";
    EXPECT_EQ(order, "1:0 1:1 2:0 3:0 3:1 4:0 ");
    EXPECT_EQ(got.passes.size(), 4u);
}

TEST(ProbeSession, AsciiAgainstTheVirtualSlave) {
    sim::SlaveOptions options;
    options.ascii = true;
    options.units = {1, 5};
    options.highestAddress = 49;
    sim::ModbusSlave slave(options);
    ASSERT_TRUE(slave.Start());
    auto project = ProbeProject(300);
    Subnet& subnet = project->GetSubnet();
    subnet.SetChoiceIndex(Subnet::CommModeIndex, 1);
    project->GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("5");
    AddCommand(*project, 2, 7, 3, "0000H");
    AddCommand(*project, 0, 0, 7, "0006H");
    AddCommand(*project, 2, 48, 5, "0008H"); // past the limit
    Collected got;
    ASSERT_EQ(RunPasses(PlanOf(*project), slave.DevicePath(), 1, got).code, Success);
    ASSERT_EQ(got.results.size(), 3u);
    EXPECT_EQ(got.results[0].status, ProbeStatus::Ok);
    EXPECT_EQ(got.results[0].registers, (std::vector<std::uint16_t>{7, 8, 9}));
    EXPECT_EQ(got.results[1].bits, (std::vector<std::uint8_t>{1, 0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(got.results[2].status, ProbeStatus::Exception);
    EXPECT_EQ(got.results[2].exception, 2);
    EXPECT_EQ(slave.WriteRequests(), 0);
}

} // namespace
} // namespace varkel

namespace varkel {
namespace {

// A pseudo-terminal takes any line and carries neither parity nor data
// bits: the run goes on, and says so once the port is open when the line
// asks for parity or seven data bits. (A real port that does not take the
// settings is still refused; no driver here can show it.)
TEST(ProbeSession, VirtualLineTakesAnyFramingAndSaysWhenItIsDropped) {
    TestSlave slave;
    ASSERT_TRUE(slave.Start());
    const struct {
        int parity;   // choice: 0 None, 1 Odd, 2 Even, 3 Mark, 4 Space
        int dataBits; // choice: 0 eight, 1 seven
        bool ascii;
        bool dropped;
    } cases[] = {
        {0, 0, false, false}, {2, 1, false, true}, {3, 0, false, true},
        {0, 1, true, true},   {4, 0, true, true},  {0, 0, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.parity) + "/" + std::to_string(c.dataBits) +
                     (c.ascii ? " ASCII" : " RTU"));
        auto project = ProbeProject();
        project->GetSubnet().SetChoiceIndex(Subnet::ParityIndex, c.parity);
        project->GetSubnet().SetChoiceIndex(Subnet::DataBitsIndex, c.dataBits);
        project->GetSubnet().SetChoiceIndex(Subnet::CommModeIndex, c.ascii ? 1 : 0);
        AddCommand(*project, 2, 0, 1, "0000H");
        // Twice: the port keeps what the first run set, and a second run
        // asking the same must open as well.
        for (int run = 0; run < 2; ++run) {
            ProbeSession session(PlanOf(*project));
            std::vector<ProbeOpened> opened;
            session.SetOpenedCallback([&opened](const ProbeOpened& o) { opened.push_back(o); });
            std::vector<ProbeResult> results;
            session.SetResultCallback([&results](const ProbeResult& r) { results.push_back(r); });
            const ProbeOutcome outcome = session.Run(slave.DevicePath(), 1);
            ASSERT_EQ(outcome.code, Success) << run << ": " << outcome.message;
            ASSERT_EQ(opened.size(), 1u);
            EXPECT_EQ(opened[0].framingDropped, c.dropped);
            ASSERT_EQ(results.size(), 1u);
            // The test slave speaks RTU only; that the request went out is enough.
            if (!c.ascii) {
                EXPECT_EQ(results[0].status, ProbeStatus::Ok);
            }
        }
    }
}

} // namespace
} // namespace varkel
