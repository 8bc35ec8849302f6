// varkel-cli probe in process, against the virtual slave.
#include "ProbeFixture.h"
#include "cli/CliApp.h"
#include "cli/ProjectFile.h"
#include "sim/ModbusSlave.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace varkel {
namespace {

using test::AddCommand;
using test::ProbeProject;

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

Ran Probe(std::vector<std::string> args) {
    args.insert(args.begin(), {"varkel-cli", "--lang", "en", "probe"});
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    Ran ran;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    ran.status = cli::RunCli(static_cast<int>(argv.size()), argv.data());
    ran.out = ::testing::internal::GetCapturedStdout();
    ran.err = ::testing::internal::GetCapturedStderr();
    return ran;
}

std::vector<nlohmann::json> Lines(const std::string& out) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(nlohmann::json::parse(line));
    return lines;
}

class ProbeCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("varkel-probe-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        sim::SlaveOptions options;
        options.highestAddress = 99;
        slave_ = std::make_unique<sim::ModbusSlave>(options);
        ASSERT_TRUE(slave_->Start());
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Save(Project& project) {
        const std::string path = (folder_ / "plant.xml").string();
        EXPECT_EQ(cli::SaveConfiguration(project, path), 0);
        return path;
    }

    std::filesystem::path folder_;
    std::unique_ptr<sim::ModbusSlave> slave_;
};

TEST_F(ProbeCliTest, JsonLinesPerResultAndPass) {
    auto project = ProbeProject();
    AddCommand(*project, 2, 10, 2, "0000H");
    AddCommand(*project, 0, 0, 4, "0004H", 1);
    AddCommand(*project, 13, 50, 1, "4000H");
    const Ran ran =
        Probe({Save(*project), "--port", slave_->DevicePath(), "--json", "--passes", "2"});
    ASSERT_EQ(ran.status, 0) << ran.err;
    const auto lines = Lines(ran.out);
    ASSERT_EQ(lines.size(), 8u);
    const auto& first = lines[0];
    EXPECT_EQ(first["pass"], 1);
    EXPECT_EQ(first["command"], 0);
    EXPECT_EQ(first["function"], 3);
    EXPECT_EQ(first["slave"], 1);
    EXPECT_EQ(first["address"], 10);
    EXPECT_EQ(first["count"], 2);
    EXPECT_EQ(first["status"], "ok");
    EXPECT_TRUE(first["exception"].is_null());
    EXPECT_EQ(first["registers"], nlohmann::json({10, 11}));
    EXPECT_TRUE(first["ms"].is_number());
    EXPECT_EQ(first["memory"], "input");
    EXPECT_EQ(first["first_byte"], 0);
    EXPECT_EQ(first["last_byte"], 3);
    EXPECT_EQ(lines[1]["bits"], nlohmann::json({1, 0, 0, 1}));
    EXPECT_EQ(lines[1]["first_byte"], 4);
    // The write command went out as a read of its target.
    EXPECT_EQ(lines[2]["function"], 3);
    EXPECT_EQ(lines[2]["configured_function"], 16);
    EXPECT_EQ(lines[2]["memory"], "output");
    const auto& pass = lines[3];
    EXPECT_EQ(pass["pass"], 1);
    EXPECT_TRUE(pass["pass_ms"].is_number());
    // The configuration's own estimate beside the measured time.
    EXPECT_GT(pass["estimate_ms"].get<double>(), 0.0);
    const std::string image = pass["image"];
    ASSERT_EQ(image.size(), 336u);
    EXPECT_EQ(image.substr(0, 10), "000A000B12"); // coils 1 0 0 1 from bit 1: 0001 0010
    EXPECT_EQ(lines[7]["pass"], 2);
    EXPECT_EQ(slave_->WriteRequests(), 0);
}

TEST_F(ProbeCliTest, TableWithImageAndExitStatuses) {
    auto project = ProbeProject();
    AddCommand(*project, 2, 0, 2, "0000H");
    AddCommand(*project, 2, 98, 4, "0010H"); // past the slave's last register
    const std::string file = Save(*project);
    Ran ran = Probe({file, "--port", slave_->DevicePath(), "--image"});
    EXPECT_EQ(ran.status, 14);
    EXPECT_NE(ran.out.find("exception 2 (Illegal data address)"), std::string::npos) << ran.out;
    EXPECT_NE(ran.out.find("input 0.0-3.7"), std::string::npos);
    EXPECT_NE(ran.out.find("estimated polling cycle"), std::string::npos);
    EXPECT_NE(ran.out.find("Input memory"), std::string::npos);
    EXPECT_NE(ran.out.find("  0: 00 00 00 01 00 00"), std::string::npos) << ran.out;

    ran = Probe({file, "--port", "/dev/no-such-port"});
    EXPECT_EQ(ran.status, 4);
    EXPECT_NE(ran.err.find("/dev/no-such-port"), std::string::npos);
}

// varkel-slave's pseudo-terminal takes a subnet with even parity and seven
// data bits, in both framings; standard error says once that the virtual
// line does not carry them, and says nothing for a line it carries.
TEST_F(ProbeCliTest, VirtualSlaveTakesAnyLineSettingsAndSaysSoOnce) {
    const std::string note =
        "parity and data bits are not carried by a virtual line; the test goes on";
    const struct {
        bool ascii;
        int parity;   // choice index: 2 Even, 0 None
        int dataBits; // choice index: 1 seven, 0 eight
        std::size_t notes;
    } cases[] = {{false, 2, 1, 1}, {true, 2, 1, 1}, {false, 0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ascii ? "ASCII" : "RTU") + " parity " +
                     std::to_string(c.parity));
        sim::SlaveOptions options;
        options.ascii = c.ascii;
        sim::ModbusSlave slave(options);
        ASSERT_TRUE(slave.Start());
        auto project = ProbeProject();
        project->GetSubnet().SetChoiceIndex(Subnet::ParityIndex, c.parity);
        project->GetSubnet().SetChoiceIndex(Subnet::DataBitsIndex, c.dataBits);
        project->GetSubnet().SetChoiceIndex(Subnet::CommModeIndex, c.ascii ? 1 : 0);
        AddCommand(*project, 2, 10, 2, "0000H");
        const Ran ran = Probe({Save(*project), "--port", slave.DevicePath(), "--passes", "3"});
        ASSERT_EQ(ran.status, 0) << ran.err;
        std::size_t notes = 0;
        for (auto at = ran.err.find(note); at != std::string::npos; at = ran.err.find(note, at + 1))
            ++notes;
        EXPECT_EQ(notes, c.notes) << ran.err;
        EXPECT_NE(ran.out.find("| answered |"), std::string::npos) << ran.out;
    }
}

TEST_F(ProbeCliTest, RefusedBeforeThePortOpens) {
    auto project = ProbeProject();
    Command* c = AddCommand(*project, 2, 0, 2, "0000H");
    project->GetSubnet().SetProtocolType(ProtocolType::Universal);
    EXPECT_EQ(Probe({Save(*project), "--port", slave_->DevicePath()}).status, 64);
    project->GetSubnet().SetProtocolType(ProtocolType::ModbusMaster);
    c->GetItem(Command::DataNumberRow)->SetValue("");
    const Ran ran = Probe({Save(*project), "--port", slave_->DevicePath()});
    EXPECT_EQ(ran.status, 6);
    EXPECT_EQ(slave_->Requests(), 0);
}

} // namespace
} // namespace varkel
