#include "LinkFixture.h"
#include "link/GatewayFrames.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

namespace varkel::testing {
namespace {

using DownloadTest = LinkFixture;
using Shape = std::vector<std::pair<int, int>>;

const Bytes kVersionRequest{0x01, 0x00, 0x01};

TEST_F(DownloadTest, DefaultConfigurationSendsTheKnownFrames) {
    StartGateway(2, 1);
    Project project;
    ASSERT_EQ(Download(project, link), Success);
    std::vector<Bytes> expected{
        kVersionRequest,
        kVersionRequest,
        {0x03, 0x0E, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x2C, 0x00, 0x03, 0x00,
         0x0A, 0x50},
        {0x14, 0x03, 0x00, 0x55, 0xAA, 0x16},
        {0x32, 0x01, 0x00, 0x33},
    };
    EXPECT_EQ(gateway->Requests(), expected);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(messages.messages.empty());
}

// A gateway that runs for days keeps only its latest exchanges, the
// program none at all: what it keeps must not grow with every transfer.
TEST_F(DownloadTest, GatewayLogKeepsOnlyTheLatestExchanges) {
    const std::vector<Bytes> oneDownload{
        kVersionRequest,
        kVersionRequest,
        {0x03, 0x0E, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x2C, 0x00, 0x03, 0x00,
         0x0A, 0x50},
        {0x14, 0x03, 0x00, 0x55, 0xAA, 0x16},
        {0x32, 0x01, 0x00, 0x33},
    };
    const struct {
        std::size_t limit;
        std::size_t kept;
    } cases[] = {
        {0, 0}, {1, 1}, {3, 3}, {sim::SimOptions::kDefaultLogLimit, 3 * oneDownload.size()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        StartGateway(2, 1, {}, c.limit);
        Project project;
        for (int round = 0; round < 3; ++round)
            ASSERT_EQ(Download(project, link), Success);
        std::vector<Bytes> all;
        for (int round = 0; round < 3; ++round)
            all.insert(all.end(), oneDownload.begin(), oneDownload.end());
        EXPECT_EQ(gateway->Log().size(), c.kept);
        EXPECT_EQ(gateway->Requests(),
                  std::vector<Bytes>(all.end() - static_cast<long>(c.kept), all.end()));
        link.Close();
        gateway->Stop();
    }
}

TEST_F(DownloadTest, CommandRecordsCarryTheFrameCounterAndValues) {
    StartGateway(2, 1);
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");                 // code 3: the record example
    AddCommand(project, 4, "0", "1", "40a7h");                  // code 5, lower-case address
    Command* third = AddCommand(project, 2, "0", "10", "40A7"); // no "H": address 0
    // A read command's address past 00A7H is a value the editor refuses:
    // the download stops before it sends anything. Its record would carry
    // address 0.
    EXPECT_EQ(CommandRecordFrame(*third, 2, 1),
              (Bytes{0x10, 0x0D, 0x00, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x00,
                     0x00, 0x00, 0x2D}));
    // The third command overlaps the first in the input memory at 0000H;
    // move the first out of the way to keep the memory check quiet.
    project.GetSubnet()
        .GetNodeAt(0)
        ->GetCommandAt(0)
        ->GetItem(Command::MappingRow)
        ->SetValue("0014H");
    link.ClearNotices();
    EXPECT_EQ(Download(project, link), OutOfRange);
    EXPECT_TRUE(gateway->Requests().empty());
    EXPECT_EQ(link.Notices().size(), 1u);
    third->GetItem(Command::MappingRow)->SetValue("0000H");
    ASSERT_EQ(Download(project, link), Success);
    auto requests = gateway->Requests();
    ASSERT_EQ(requests.size(), 8u);
    EXPECT_EQ(requests[4], (Bytes{0x10, 0x0D, 0x00, 0x00, 0x01, 0x03, 0x00, 0x00, 0x00, 0x0A, 0x00,
                                  0x14, 0x00, 0x00, 0x00, 0x3F}));
    EXPECT_EQ(requests[5], (Bytes{0x10, 0x0D, 0x00, 0x01, 0x01, 0x05, 0x00, 0x00, 0x00, 0x01, 0x40,
                                  0xA7, 0x00, 0x00, 0x00, 0x0C}));
    EXPECT_EQ(requests[6], (Bytes{0x10, 0x0D, 0x00, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 0x0A, 0x00,
                                  0x00, 0x00, 0x00, 0x00, 0x2D}));
    EXPECT_EQ(gateway->State().records.size(), 3u);
}

TEST_F(DownloadTest, TheRecordExampleOfAFirstCommand) {
    StartGateway(2, 1);
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");
    ASSERT_EQ(Download(project, link), Success);
    EXPECT_EQ(gateway->Requests()[4], (Bytes{0x10, 0x0D, 0x00, 0x00, 0x01, 0x03, 0x00, 0x00, 0x00,
                                             0x0A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2B}));
}

TEST_F(DownloadTest, TimesAreSentInTheirUnits) {
    StartGateway(2, 1);
    Project project;
    project.GetSubnet().GetItem(Subnet::PollDelayIndex)->SetValue("1230");
    project.GetSubnet().GetItem(Subnet::ResponseTimeoutIndex)->SetValue("6000");
    ASSERT_EQ(Download(project, link), Success);
    EXPECT_EQ(gateway->Requests()[2], (Bytes{0x03, 0x0E, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00,
                                             0x00, 0x17, 0x70, 0x7B, 0x03, 0x00, 0x0A, 0x25}));
}

TEST_F(DownloadTest, FrameOrderFollowsHardwareAndProtocol) {
    struct Case {
        std::uint8_t major, minor;
        int protocol;
        int result;
        Shape shape;
    };
    const std::vector<Case> cases{
        {1, 5, 0, Success, {{1, 3}, {1, 3}, {3, 17}, {0x14, 6}, {0x10, 16}, {0x10, 16}, {0x32, 4}}},
        {1, 5, 1, VersionMismatch, {{1, 3}, {1, 3}}},
        {2, 0, 0, Success, {{1, 3}, {1, 3}, {3, 28}, {0x14, 6}, {0x10, 16}, {0x10, 16}, {0x32, 4}}},
        {2, 0, 1, Success, {{1, 3}, {1, 3}, {3, 28}, {0x32, 4}}},
        {2, 1, 0, Success, {{1, 3}, {1, 3}, {3, 17}, {0x14, 6}, {0x10, 16}, {0x10, 16}, {0x32, 4}}},
        {2, 1, 1, Success, {{1, 3}, {1, 3}, {3, 17}, {5, 15}, {0x30, 6}}},
        {3, 0, 0, VersionMismatch, {{1, 3}, {1, 3}}},
        {7, 2, 1, VersionMismatch, {{1, 3}, {1, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor) + " protocol " +
                     std::to_string(c.protocol));
        StartGateway(c.major, c.minor);
        Project project;
        AddCommand(project, 2, "0", "10", "0000H");
        AddCommand(project, 13, "0", "2", "4000H");
        project.GetSubnet().SetProtocolType(static_cast<ProtocolType>(c.protocol));
        link.ClearNotices();
        EXPECT_EQ(Download(project, link), c.result);
        EXPECT_EQ(RequestShape(), c.shape);
        if (c.major < 2 && c.protocol == 1) {
            ASSERT_EQ(link.Notices().size(), 1u);
            EXPECT_EQ(link.Notices()[0], LocalText(kKeyUniversalModeNotSupported));
        }
        link.Close();
        gateway->Stop();
    }
}

TEST_F(DownloadTest, UniversalSettingsFrames) {
    StartGateway(2, 1);
    Project project;
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    project.GetFieldbus().SetChoiceIndex(Fieldbus::ValidLengthIndex, 1);
    ASSERT_EQ(Download(project, link), Success);
    auto requests = gateway->Requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[3], (Bytes{0x05, 0x0C, 0x00, 0x00, 0x00, 0x0A, 0x6F, 0x00, 0x00, 0x00, 0x03,
                                  0xE8, 0x00, 0x00, 0x75}));
    EXPECT_EQ(requests[4], (Bytes{0x30, 0x03, 0x00, 0x00, 0x01, 0x34}));
}

TEST_F(DownloadTest, Hardware20CarriesUniversalSettingsInTheLongForm) {
    StartGateway(2, 0);
    Project project;
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    ASSERT_EQ(Download(project, link), Success);
    auto requests = gateway->Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[2], (Bytes{0x03, 0x19, 0x00, 0x03, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,
                                  0x01, 0x2C, 0x00, 0x03, 0x00, 0x0A, 0x00, 0x00, 0x0A, 0x6F,
                                  0x00, 0x00, 0x00, 0x03, 0xE8, 0x00, 0x00, 0xC2}));
    // Clear after twice faults, although universal mode has it greyed.
    EXPECT_EQ(requests[3], (Bytes{0x32, 0x01, 0x00, 0x33}));
}

TEST_F(DownloadTest, ChecksFailBeforeAnyTraffic) {
    StartGateway(2, 1);
    {
        Project conflict;
        AddCommand(conflict, 2, "0", "10", "0000H");
        AddCommand(conflict, 2, "0", "1", "0013H"); // the last register of the first
        EXPECT_EQ(Download(conflict, link), MappingConflict);
    }
    {
        Project overflow;
        AddCommand(overflow, 2, "0", "2", "00A6H");
        EXPECT_EQ(Download(overflow, link), MappingOverflow);
    }
    {
        Project empty;
        Command* command = AddCommand(empty, 2, "", "10", "0000H");
        link.ClearNotices();
        EXPECT_EQ(Download(empty, link), ItemEmpty);
        ASSERT_EQ(link.Notices().size(), 1u);
        // The first empty item's own message.
        EXPECT_EQ(link.Notices()[0], LocalText(kKeyDataEmpty) + "\r\n\"" + command->GetName() +
                                         "\\" + command->GetItem(Command::RegisterRow)->GetName() +
                                         "\"");
    }
    EXPECT_TRUE(gateway->Requests().empty());
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(DownloadTest, BadRepliesEndTheDownloadWithTheirCodes) {
    struct Case {
        sim::Fault fault;
        int result;
        std::size_t requests;
    };
    const std::vector<Case> cases{
        {{sim::Fault::ShortReply, 3}, CheckError, 3}, // two-byte acknowledgement
        {{sim::Fault::WrongReply, 5}, CheckError, 5}, // wrong record acknowledgement
        {{sim::Fault::BadVersion, 0}, VersionMismatch, 2},
        {{sim::Fault::WrongReply, 2}, CheckError, 2}, // 81h and a wrong checksum
        {{sim::Fault::BadChecksum, 2}, Success, 6},   // marked 01h: checksum not examined
        {{sim::Fault::BadVersion, 1}, Success, 6},    // only the second answer counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault.kind) * 100 + c.fault.atFrame);
        StartGateway(2, 1, c.fault);
        Project project;
        AddCommand(project, 2, "0", "10", "0000H");
        EXPECT_EQ(Download(project, link), c.result);
        EXPECT_EQ(gateway->Requests().size(), c.requests);
        link.Close();
        gateway->Stop();
    }
}

TEST_F(DownloadTest, VersionQueryPauseDoesNotFollowThePace) {
    StartGateway(2, 1); // the link's pace is 0
    Project project;
    ASSERT_EQ(Download(project, link), Success);
    auto log = gateway->Log();
    ASSERT_GE(log.size(), 2u);
    ASSERT_EQ(log[1].request, kVersionRequest);
    EXPECT_GE(log[1].time - log[0].time, std::chrono::milliseconds(100));
}

TEST_F(DownloadTest, ProgressCountsEveryFrame) {
    StartGateway(2, 1);
    Project project;
    AddCommand(project, 2, "0", "10", "0000H");
    AddCommand(project, 2, "10", "10", "0014H");
    std::vector<Progress> steps;
    link.SetProgressCallback([&](const Progress& p) { steps.push_back(p); });
    ASSERT_EQ(Download(project, link), Success);
    ASSERT_EQ(steps.size(), gateway->Requests().size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].step, static_cast<int>(i) + 1);
        EXPECT_EQ(steps[i].total, 7);
        EXPECT_FALSE(steps[i].what.empty());
    }
}

} // namespace
} // namespace varkel::testing
