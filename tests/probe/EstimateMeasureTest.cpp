// The cycle estimate against passes measured on the virtual slave taking
// the line time of the configured baud rate, parity and turnaround.
#include "ProbeFixture.h"
#include "model/CycleEstimate.h"
#include "model/ResultCode.h"
#include "probe/ProbeSession.h"
#include "sim/ModbusSlave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

namespace varkel {
namespace {

using test::AddCommand;
using test::ProbeProject;

struct LineCase {
    const char* name;
    bool ascii;
    int baudChoice;     // 4: 9600, 5: 19200
    int stopBitsChoice; // 0: one, 1: two
    int pollDelayMs;
    int scanRatio;
    double turnaroundMs;
};

// Passes after the first (which has no delay before its first request), in
// groups of one scan ratio each so that every group holds the slow-scan
// commands once: the mean pass of each group, fastest first.
std::vector<double> GroupMeans(const std::vector<double>& passes, int ratio) {
    std::vector<double> groups;
    for (std::size_t i = 1; i + ratio <= passes.size(); i += ratio) {
        double sum = 0;
        for (int k = 0; k < ratio; ++k)
            sum += passes[i + k];
        groups.push_back(sum / ratio);
    }
    std::sort(groups.begin(), groups.end());
    return groups;
}

struct Measured {
    double estimateMs = 0;
    double passMs = 0;   // the least disturbed group's mean pass
    double medianMs = 0; // the median group's
    int code = -1;
    std::string message;
    int failed = 0;
};

Measured EstimateAndMeasure(const LineCase& lc) {
    Measured m;
    sim::SlaveOptions options;
    options.ascii = lc.ascii;
    options.lineBaud = lc.baudChoice == 4 ? 9600 : 19200;
    options.turnaroundMs = lc.turnaroundMs;
    sim::ModbusSlave slave(options);
    if (!slave.Start(&m.message))
        return m;

    auto project = ProbeProject(1000);
    Subnet& subnet = project->GetSubnet();
    subnet.SetChoiceIndex(Subnet::BaudRateIndex, lc.baudChoice);
    subnet.SetChoiceIndex(Subnet::StopBitsIndex, lc.stopBitsChoice);
    subnet.SetChoiceIndex(Subnet::CommModeIndex, lc.ascii ? 1 : 0);
    subnet.GetItem(Subnet::PollDelayIndex)->SetValue(std::to_string(lc.pollDelayMs));
    subnet.GetItem(Subnet::ScanRatioIndex)->SetValue(std::to_string(lc.scanRatio));
    // Long answers, so that the line and not the machine's own work sets
    // the pace.
    AddCommand(*project, 2, 0, 40, "0000H");                  // 03
    AddCommand(*project, 0, 3, 40, "0050H");                  // 01
    Command* slow = AddCommand(*project, 3, 20, 20, "0058H"); // 04
    if (lc.scanRatio > 1)
        slow->GetItem(Command::ScanningRow)
            ->SetValue(slow->GetItem(Command::ScanningRow)->GetChoices()[1]);

    ProbePlan plan;
    std::vector<ConfigProblem> problems;
    m.code = plan.Build(*project, problems);
    const CycleEstimate estimate = EstimateCycle(subnet, lc.turnaroundMs);
    if (m.code != Success || estimate.status != CycleEstimate::Ready ||
        estimate.charBits != 10 + lc.stopBitsChoice)
        return m;
    m.estimateMs = estimate.quickCycleMs;

    std::vector<double> passes;
    ProbeSession session(plan);
    session.SetPassCallback([&](const PassSummary& s, const MemoryImage&) {
        passes.push_back(s.ms);
        m.failed += s.failed;
    });
    const int groupCount = lc.scanRatio > 1 ? 3 : 4;
    const ProbeOutcome outcome = session.Run(slave.DevicePath(), 1 + groupCount * lc.scanRatio);
    m.code = outcome.code;
    m.message = outcome.message;
    const std::vector<double> groups = GroupMeans(passes, lc.scanRatio);
    if (!groups.empty()) {
        m.passMs = groups.front();
        m.medianMs = groups[groups.size() / 2];
    }
    return m;
}

// How much longer than asked this machine sleeps just now, over the waits
// of a pass of about the cases' length: the fastest of a few tries, as a
// share of the time asked.
double SleepOverrun() {
    using Clock = std::chrono::steady_clock;
    const double waitsMs[] = {100, 3.6, 31, 3.6, 67, 3.6};
    double asked = 0, fastest = 1e9;
    for (double ms : waitsMs)
        asked += ms;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        for (double ms : waitsMs)
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
        fastest = std::min(fastest,
                           std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return fastest / asked - 1;
}

TEST(EstimateAgainstMeasurement, PassWithinFifteenPercent) {
    // On a machine so busy that plain sleeps overrun by more than a few per
    // cent, a pass measures the machine and not the line.
    const double overrun = SleepOverrun();
    if (overrun > 0.05)
        GTEST_SKIP() << "sleeps overrun by " << 100 * overrun << " % on this machine now";

    // A pseudo-terminal keeps neither parity nor seven data bits (the probe
    // refuses to open it so): eleven-bit characters come from two stop bits.
    const LineCase cases[] = {
        {"RTU 9600 8N1", false, 4, 0, 0, 1, kDefaultTurnaroundMs},
        {"RTU 19200 8N2, delay 10 ms", false, 5, 1, 10, 1, 3.0},
        {"ASCII 9600 8N2", true, 4, 1, 0, 1, kDefaultTurnaroundMs},
        {"ASCII 19200 8N1, turnaround 8 ms", true, 5, 0, 0, 1, 8.0},
        {"RTU 19200 8N1, slow-scan ratio 2", false, 5, 0, 0, 2, kDefaultTurnaroundMs},
    };
    for (const LineCase& lc : cases) {
        SCOPED_TRACE(lc.name);
        const Measured m = EstimateAndMeasure(lc);
        ASSERT_EQ(m.code, Success) << m.message;
        ASSERT_GT(m.estimateMs, 0);
        EXPECT_EQ(m.failed, 0);
        // The slave holds each answer until its line time has passed since
        // the request came, so nothing makes a pass shorter than its line; a
        // loaded machine only adds late wake-ups (the median pass was up to a
        // third longer on two busy cores). The least disturbed pass is hence
        // the line's own time, and the bound on it is not widened.
        RecordProperty(lc.name, FormatMs(m.estimateMs) + " ms estimated, " + FormatMs(m.passMs) +
                                    " ms fastest, " + FormatMs(m.medianMs) + " ms median");
        EXPECT_NEAR(m.estimateMs, m.passMs, 0.15 * m.passMs)
            << "estimate " << m.estimateMs << " ms, fastest " << m.passMs << " ms, median "
            << m.medianMs << " ms";
    }
}

} // namespace
} // namespace varkel
