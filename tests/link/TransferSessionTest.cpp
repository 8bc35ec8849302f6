// One transfer session against a virtual gateway: the outcome it hands
// back, that it shows no message itself once running, and that it can run
// on another thread.
#include "link/TransferSession.h"
#include "LinkFixture.h"
#include "ScriptedTransport.h"
#include "link/GatewayFrames.h"
#include "link/HardwareVariant.h"
#include "model/Catalog.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <chrono>
#include <thread>

namespace varkel::testing {
namespace {

class TransferSessionTest : public ::testing::Test {
protected:
    void StartGateway(std::uint8_t major, std::uint8_t minor) {
        sim::SimOptions options;
        options.hwMajor = major;
        options.hwMinor = minor;
        gateway = std::make_unique<sim::GatewaySim>(options);
        std::string error;
        ASSERT_TRUE(gateway->Start(&error)) << error;
    }
    void TearDown() override {
        if (gateway)
            gateway->Stop();
    }
    TransferOutcome Transfer(TransferKind kind, const Project& project, const std::string& device) {
        TransferSession session(kind);
        session.SetPaceMs(0);
        session.SetProgressCallback([this](const Progress& p) { progress.push_back(p); });
        if (session.Begin(project, device))
            session.Run();
        return session.TakeOutcome();
    }

    MessageRecorder messages;
    std::unique_ptr<sim::GatewaySim> gateway;
    std::vector<Progress> progress;
};

TEST_F(TransferSessionTest, DownloadThenUploadHandsBackTheConfiguration) {
    StartGateway(2, 1);
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");
    AddCommand(project, 13, "0", "2", "4000H");
    project.GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("9");

    TransferOutcome down = Transfer(TransferKind::Download, project, gateway->DevicePath());
    EXPECT_EQ(down.result, Success);
    EXPECT_FALSE(down.openFailure.Failed());
    EXPECT_TRUE(down.notices.empty());
    EXPECT_EQ(down.uploaded, nullptr);
    EXPECT_TRUE(down.hardware.known);
    EXPECT_EQ(down.hardware.major, 2);
    EXPECT_EQ(down.hardware.minor, 1);
    EXPECT_EQ(down.frames, static_cast<int>(gateway->Requests().size()));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().step, progress.back().total);

    Project base; // what the upload starts from stays untouched
    const std::string before = Snapshot(base);
    TransferOutcome up = Transfer(TransferKind::Upload, base, gateway->DevicePath());
    EXPECT_EQ(up.result, Success);
    ASSERT_NE(up.uploaded, nullptr);
    EXPECT_EQ(Snapshot(base), before);
    const Node* node = up.uploaded->GetSubnet().GetNodeAt(0);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetCommandCount(), 2);
    EXPECT_EQ(node->GetItem(0)->GetValue(), "9");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TransferSessionTest, OldHardwareRefusalIsANoticeNotAMessageBox) {
    StartGateway(1, 5);
    Project project;
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    TransferOutcome outcome = Transfer(TransferKind::Download, project, gateway->DevicePath());
    EXPECT_EQ(outcome.result, VersionMismatch);
    EXPECT_EQ(outcome.notices, std::vector<std::string>{LocalText(kKeyUniversalModeNotSupported)});
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TransferSessionTest, FailuresBeforeTheExchangesEndInBegin) {
    Project project;
    TransferSession missing(TransferKind::Upload);
    EXPECT_FALSE(missing.Begin(project, "/dev/varkel-no-such-port"));
    TransferOutcome noPort = missing.TakeOutcome();
    EXPECT_EQ(noPort.result, PortOpenFailed);
    EXPECT_EQ(noPort.openFailure.failure, OpenFailure::Missing);

    // Empty values: refused after the open, with the check's own message,
    // and nothing sent.
    StartGateway(2, 1);
    project.GetSubnet().CreateNode()->CreateCommand(2);
    TransferSession session(TransferKind::Download);
    EXPECT_FALSE(session.Begin(project, gateway->DevicePath()));
    TransferOutcome empty = session.TakeOutcome();
    EXPECT_EQ(empty.result, ItemEmpty);
    EXPECT_FALSE(empty.openFailure.Failed());
    EXPECT_EQ(empty.notices.size(), 1u);
    EXPECT_TRUE(gateway->Requests().empty());
    // The port was given back.
    TransferSession again(TransferKind::Upload);
    EXPECT_TRUE(again.Begin(Project{}, gateway->DevicePath()));
}

TEST_F(TransferSessionTest, BeginKeepsAPortOpenedEarlyAndRetriesOneThatWasNot) {
    StartGateway(2, 0);
    Project project;
    AddCommand(project, 3, "0", "4", "0000H");
    TransferSession early(TransferKind::Download);
    ASSERT_TRUE(early.Open(gateway->DevicePath()));
    // Opened already: the device named now is not opened (it does not exist).
    ASSERT_TRUE(early.Begin(project, "/dev/varkel-no-such-port"));
    early.Run();
    EXPECT_EQ(early.TakeOutcome().result, Success);

    // An early open that failed is tried again where the transfer begins,
    // and its failure is the one reported.
    TransferSession late(TransferKind::Download);
    EXPECT_FALSE(late.Open("/dev/varkel-no-such-port"));
    ASSERT_TRUE(late.Begin(project, gateway->DevicePath()));
    late.Run();
    EXPECT_EQ(late.TakeOutcome().result, Success);
    TransferSession never(TransferKind::Download);
    EXPECT_FALSE(never.Open("/dev/varkel-no-such-port"));
    EXPECT_FALSE(never.Begin(project, "/dev/varkel-no-such-port-either"));
    const TransferOutcome failed = never.TakeOutcome();
    EXPECT_EQ(failed.result, PortOpenFailed);
    EXPECT_EQ(failed.openFailure.device, "/dev/varkel-no-such-port-either");
}

TEST_F(TransferSessionTest, RunsOnAnotherThreadWithItsEventsThere) {
    StartGateway(2, 0);
    Project project;
    AddCommand(project, 3, "0", "4", "0000H");
    TransferSession session(TransferKind::Download);
    session.SetPaceMs(0);
    std::vector<std::thread::id> threads;
    session.SetTraceCallback(
        [&threads](const TraceEvent&) { threads.push_back(std::this_thread::get_id()); });
    ASSERT_TRUE(session.Begin(project, gateway->DevicePath()));
    std::thread::id worker;
    std::thread thread([&] {
        worker = std::this_thread::get_id();
        session.Run();
    });
    thread.join();
    EXPECT_EQ(session.TakeOutcome().result, Success);
    ASSERT_FALSE(threads.empty());
    for (const auto& id : threads)
        EXPECT_EQ(id, worker);
}

// Cancel stops a transfer between frames: nothing after the cancel reaches
// the gateway, the port is given back, an upload hands back nothing, and a
// download says how much of it the gateway acknowledged and keeps.
TEST_F(TransferSessionTest, CancelStopsBetweenFramesAndSaysWhatTheGatewayKept) {
    SetTextLanguage(TextLanguage::English);
    StartGateway(2, 1);
    Project project;
    for (const char* mapping : {"0000H", "0004H", "0008H", "000CH"})
        AddCommand(project, 2, "10", "2", mapping);
    const std::string before = Snapshot(project);
    // Steps: 1 and 2 the version queries, 3 the settings, 4 the list start,
    // 5 on the records; an upload reads the settings (3), then the count.
    const struct {
        TransferKind kind;
        int cancelAt; // the step whose frame is not sent
        int acknowledged;
        std::string text;
    } cases[] = {
        {TransferKind::Download, 1, 0,
         "Download cancelled by the user; the gateway took none of the configuration."},
        {TransferKind::Download, 6, 3,
         "Download cancelled by the user: the gateway acknowledged 3 of the download's frames and "
         "keeps what it acknowledged, so it holds part of this configuration; download again to "
         "complete it."},
        {TransferKind::Upload, 4, 0, "Upload cancelled by the user; nothing was changed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::size_t sentBefore = gateway->Requests().size();
        TransferSession session(c.kind);
        session.SetPaceMs(0);
        session.SetProgressCallback([&](const Progress& p) {
            if (p.step == c.cancelAt)
                session.Cancel();
        });
        ASSERT_TRUE(session.Begin(project, gateway->DevicePath()));
        session.Run();
        const TransferOutcome outcome = session.TakeOutcome();
        EXPECT_EQ(outcome.result, UserCancelled);
        EXPECT_EQ(static_cast<int>(gateway->Requests().size() - sentBefore), c.cancelAt - 1);
        EXPECT_EQ(outcome.acknowledged, c.acknowledged);
        EXPECT_EQ(outcome.uploaded, nullptr);
        EXPECT_EQ(FailureText(outcome, c.kind, "ttyS0"), c.text);
        EXPECT_EQ(Snapshot(project), before);
        // The port is free for the next transfer.
        TransferSession next(TransferKind::Upload);
        EXPECT_TRUE(next.Open(gateway->DevicePath()));
    }
    EXPECT_TRUE(messages.messages.empty());
    SetTextLanguage(TextLanguage::Chinese);
}

// A cancel does not wait for the reply a silent port would time out on.
TEST_F(TransferSessionTest, CancelWakesTheWaitForAReply) {
    sim::SimOptions options;
    options.fault = sim::Fault{sim::Fault::Silent, 1};
    gateway = std::make_unique<sim::GatewaySim>(options);
    ASSERT_TRUE(gateway->Start());
    TransferSession session(TransferKind::Upload);
    std::vector<std::string> notes;
    session.SetTraceCallback([&notes](const TraceEvent& e) { notes.push_back(e.note); });
    ASSERT_TRUE(session.Begin(Project{}, gateway->DevicePath()));
    const auto start = std::chrono::steady_clock::now();
    std::thread canceller([&session] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        session.Cancel();
    });
    session.Run();
    canceller.join();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(session.TakeOutcome().result, UserCancelled);
    // The first reply alone may take seconds to time out.
    EXPECT_LT(took, std::chrono::seconds(2));
    EXPECT_EQ(gateway->Requests().size(), 1u);
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back(), "cancelled by the user");
}

// A port on which nothing ever answered is named; a gateway that fell
// silent part-way keeps the plain read failure.
TEST_F(TransferSessionTest, NoAnswerAtAllNamesThePort) {
    SetTextLanguage(TextLanguage::English);
    const struct {
        std::vector<std::string> replies;
        std::string text;
    } cases[] = {
        {{}, "Failed to read serial port: no gateway answered on ttyS0"},
        {{"01 00 01 00 00"}, "Failed to read serial port"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto script = std::make_shared<ScriptedTransport::Script>();
        for (const std::string& reply : c.replies)
            script->replies.push_back(Hex(reply));
        TransferSession session(TransferKind::Upload, std::make_unique<ScriptedTransport>(script));
        session.SetPaceMs(0);
        ASSERT_TRUE(session.Begin(Project{}, "/dev/ttyS0"));
        session.Run();
        const TransferOutcome outcome = session.TakeOutcome();
        EXPECT_EQ(outcome.result, PortIoFailed);
        EXPECT_EQ(FailureText(outcome, TransferKind::Upload, PortName(outcome.device)), c.text);
    }
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(PortName("/dev/serial/by-id/usb-FTDI-if00-port0"), "usb-FTDI-if00-port0");
}

// The step count and the frames sent come from the same variant row.
TEST(HardwareVariantTest, StepCountMatchesTheFramesOfEveryVariant) {
    EXPECT_STREQ(FindHardwareVariant(0, 0)->name, "1.x");
    EXPECT_STREQ(FindHardwareVariant(1, 9)->name, "1.x");
    EXPECT_STREQ(FindHardwareVariant(2, 0)->name, "2.0");
    EXPECT_STREQ(FindHardwareVariant(2, 1)->name, "2.x");
    EXPECT_STREQ(FindHardwareVariant(2, 255)->name, "2.x");
    EXPECT_EQ(FindHardwareVariant(3, 0), nullptr);

    MessageRecorder messages;
    const std::pair<int, int> versions[] = {{1, 5}, {2, 0}, {2, 1}};
    for (auto [major, minor] : versions) {
        for (int protocol : {0, 1, 2}) {
            SCOPED_TRACE(std::to_string(major) + "." + std::to_string(minor) + " protocol " +
                         std::to_string(protocol));
            sim::SimOptions options;
            options.hwMajor = static_cast<std::uint8_t>(major);
            options.hwMinor = static_cast<std::uint8_t>(minor);
            sim::GatewaySim gateway(options);
            ASSERT_TRUE(gateway.Start());
            Project project;
            AddCommand(project, 2, "0", "10", "0000H");
            AddCommand(project, 13, "0", "2", "4000H");
            project.GetSubnet().SetProtocolType(static_cast<ProtocolType>(protocol));
            SerialLink link;
            link.SetPaceMs(0);
            ASSERT_EQ(link.Open(gateway.DevicePath()), Success);
            const bool refused = major < 2 && protocol == 1;
            EXPECT_EQ(Download(project, link), refused ? VersionMismatch : Success);
            const auto steps = DownloadStepCount(project, options.hwMajor, options.hwMinor);
            EXPECT_EQ(static_cast<int>(gateway.Requests().size()), steps);
            EXPECT_EQ(link.StepsDone(), steps);
            link.Close();
            gateway.Stop();
        }
    }
}

} // namespace
} // namespace varkel::testing
