#include "LinkFixture.h"
#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"
#include "sim/Pty.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace varkel::testing {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

using SerialLinkTest = LinkFixture;

TEST_F(SerialLinkTest, MissingDeviceFailsWithoutLeavingAPortOpen) {
    SerialLink missing;
    EXPECT_EQ(missing.Open("/dev/varkel-no-such-port"), PortOpenFailed);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.LastOpenError().failure, OpenFailure::Missing);
    const std::uint8_t byte = 0x01;
    EXPECT_EQ(missing.Send(&byte, 1), PortIoFailed);
    // Not a terminal at all.
    EXPECT_EQ(missing.Open("/dev/null"), PortOpenFailed);
    EXPECT_FALSE(missing.IsOpen());
}

TEST_F(SerialLinkTest, SecondOpenOfABusyPortFails) {
    StartGateway(2, 1);
    SerialLink second;
    EXPECT_EQ(second.Open(gateway->DevicePath()), PortOpenFailed);
    EXPECT_EQ(second.LastOpenError().failure, OpenFailure::Busy);
    EXPECT_EQ(second.LastOpenError().device, gateway->DevicePath());
    // The first link is unharmed and, once closed, the port is free again.
    std::uint8_t reply[11] = {};
    const std::uint8_t request[] = {0x01, 0x00, 0x01};
    ASSERT_EQ(link.Send(request, 3), Success);
    ASSERT_EQ(link.Receive(reply, 11), Success);
    EXPECT_EQ(reply[2], 0x05);
    link.Close();
    EXPECT_EQ(second.Open(gateway->DevicePath()), Success);
}

TEST_F(SerialLinkTest, SilentGatewayEndsAfterTheReadLimitAndClosesThePort) {
    StartGateway(2, 1, sim::Fault{sim::Fault::Silent, 1});
    const std::uint8_t frame[] = {0x32, 0x01, 0x00, 0x33};
    const std::uint8_t expected[] = {0x32, 0x00, 0x32};
    std::uint8_t reply[3] = {9, 9, 9};
    auto start = Clock::now();
    EXPECT_EQ(link.Exchange(frame, 4, reply, expected, 3), PortIoFailed);
    double elapsed = MillisecondsSince(start);
    // 500 ms plus 3 x 500 ms, not a moment shorter, not much longer.
    EXPECT_GE(elapsed, 1990.0);
    EXPECT_LT(elapsed, 2400.0);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(reply[0], 0); // cleared before the read
}

TEST_F(SerialLinkTest, ShortAcknowledgementIsACheckErrorAndPaceIsKept) {
    StartGateway(2, 1, sim::Fault{sim::Fault::ShortReply, 1});
    link.SetPaceMs(100);
    const std::uint8_t frame[] = {0x32, 0x01, 0x00, 0x33};
    const std::uint8_t expected[] = {0x32, 0x00, 0x32};
    std::uint8_t reply[3] = {7, 7, 7};
    auto start = Clock::now();
    EXPECT_EQ(link.Exchange(frame, 4, reply, expected, 3), CheckError);
    double elapsed = MillisecondsSince(start);
    // The pause, then the gap after the second byte ends the read.
    EXPECT_GE(elapsed, 100.0 + 490.0);
    EXPECT_LT(elapsed, 100.0 + 800.0);
    EXPECT_EQ(reply[0], 0x32);
    EXPECT_EQ(reply[1], 0x00);
    EXPECT_EQ(reply[2], 0x00);
    EXPECT_TRUE(link.IsOpen()); // a short reply is still a reply
}

TEST_F(SerialLinkTest, TraceStampsEveryFrameInOrder) {
    StartGateway(2, 1);
    std::vector<TraceEvent> events;
    link.SetTraceCallback([&](const TraceEvent& e) { events.push_back(e); });
    const std::uint8_t frame[] = {0x32, 0x01, 0x01, 0x34};
    const std::uint8_t expected[] = {0x32, 0x00, 0x32};
    std::uint8_t reply[3];
    ASSERT_EQ(link.Exchange(frame, 4, reply, expected, 3), Success);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, TraceEvent::Sent);
    EXPECT_EQ(events[0].bytes, (Bytes{0x32, 0x01, 0x01, 0x34}));
    EXPECT_EQ(events[1].kind, TraceEvent::Received);
    EXPECT_EQ(events[1].bytes, (Bytes{0x32, 0x00, 0x32}));
    EXPECT_LE(events[0].time, events[1].time);
}

TEST_F(SerialLinkTest, VanishingDeviceFailsTheTransferWithoutACrash) {
    StartGateway(2, 1, sim::Fault{sim::Fault::Vanish, 5});
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");
    AddCommand(project, 2, "10", "10", "0014H");
    auto start = Clock::now();
    EXPECT_EQ(Download(project, link), PortIoFailed);
    // Hang-up is noticed at once, not after the read limit.
    EXPECT_LT(MillisecondsSince(start), 1500.0);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(gateway->Requests().size(), 5u);
}

// The port watches for an answer only around the moment it can be
// complete; an answer that comes much later is still read, and the wait
// for it is spent asleep, not spinning.
TEST(PosixSerialPortTest, LateAnswerIsReadAndItsWaitIsSpentAsleep) {
    sim::Pty pty;
    std::string error;
    ASSERT_TRUE(pty.Open(&error)) << error;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.DevicePath())) << port.LastErrorText();
    const std::uint8_t request[16] = {0x10};
    ASSERT_EQ(port.Write(request, sizeof request, 100), 16);
    std::thread gateway([&] {
        std::uint8_t seen[16];
        std::size_t got = 0;
        while (got < sizeof seen) {
            const ssize_t n = ::read(pty.Fd(), seen + got, sizeof seen - got);
            if (n <= 0)
                return;
            got += static_cast<std::size_t>(n);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::uint8_t answer[] = {0x10, 0x00, 0x10};
        ASSERT_EQ(::write(pty.Fd(), answer, sizeof answer), 3);
    });
    timespec cpuBefore{}, cpuAfter{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuBefore);
    const auto start = Clock::now();
    std::uint8_t reply[3] = {};
    const long got = port.Read(reply, sizeof reply, 50, 2000);
    const double waited = MillisecondsSince(start);
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuAfter);
    gateway.join();
    ASSERT_EQ(got, 3);
    EXPECT_EQ(reply[0], 0x10);
    EXPECT_EQ(reply[2], 0x10);
    EXPECT_GE(waited, 195.0);
    const double cpuMs =
        (cpuAfter.tv_sec - cpuBefore.tv_sec) * 1e3 + (cpuAfter.tv_nsec - cpuBefore.tv_nsec) / 1e6;
    // Watching the whole wait would cost about as much processor time as
    // the wait itself.
    EXPECT_LT(cpuMs, 60.0);
}

// The virtual gateway stands for a 19200 baud line: its answer is never
// complete before the request's and the answer's bytes could have crossed it.
TEST(WireTimingTest, AnswerNeverComesBeforeTheLineTime) {
    sim::SimOptions options;
    options.wireTiming = true;
    sim::GatewaySim gateway(options);
    std::string error;
    ASSERT_TRUE(gateway.Start(&error)) << error;
    SerialLink link;
    link.SetPaceMs(0);
    ASSERT_EQ(link.Open(gateway.DevicePath()), 0);
    const std::uint8_t frame[] = {0x32, 0x01, 0x00, 0x33};
    const std::uint8_t expected[] = {0x32, 0x00, 0x32};
    for (int i = 0; i < 5; ++i) {
        std::uint8_t reply[3] = {};
        const auto start = Clock::now();
        ASSERT_EQ(link.Exchange(frame, 4, reply, expected, 3), Success);
        EXPECT_GE(MillisecondsSince(start), 7 * 0.5208) << "exchange " << i;
    }
    link.Close();
    gateway.Stop();
}

} // namespace
} // namespace varkel::testing
