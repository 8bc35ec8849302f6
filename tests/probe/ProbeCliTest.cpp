// varkel-cli probe in process, against the virtual slave.
#include "ProbeFixture.h"
#include "cli/CliApp.h"
#include "cli/ConfigurationFile.h"
#include "sim/ModbusSlave.h"
#include "sim/Pty.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>
#include <poll.h>
#include <sstream>
#include <thread>
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

struct Reply {
    std::string bytes;      // sent as written; empty: no answer
    int delayMs = 0;        // from the request to the first byte
    int gapMs = 0;          // between bytes
    bool interrupt = false; // SIGINT to this process on the request
};

// A slave on a pseudo-terminal that answers the n-th request (eight bytes in
// RTU, a line in ASCII) with the n-th reply of its script; silent after it.
class ScriptedSlave {
public:
    ScriptedSlave(bool ascii, std::vector<Reply> script)
        : ascii_(ascii), script_(std::move(script)) {
        EXPECT_TRUE(pty_.Open(nullptr));
        thread_ = std::thread([this] { Run(); });
    }
    ~ScriptedSlave() {
        running_ = false;
        thread_.join();
    }
    const std::string& DevicePath() const { return pty_.DevicePath(); }

private:
    void Run() {
        std::string pending;
        std::size_t next = 0;
        while (running_) {
            pollfd p{pty_.Fd(), POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN)) {
                if (p.revents & POLLHUP) // nobody has the device open
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            char buffer[256];
            const ssize_t n = ::read(pty_.Fd(), buffer, sizeof buffer);
            pending.append(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
            for (std::size_t end; (end = ascii_ ? pending.find('\n') : 7) < pending.size();) {
                pending.erase(0, end + 1);
                if (next < script_.size())
                    Answer(script_[next++]);
            }
        }
    }
    void Answer(const Reply& reply) {
        if (reply.interrupt)
            ::kill(::getpid(), SIGINT);
        std::this_thread::sleep_for(std::chrono::milliseconds(reply.delayMs));
        // A byte at a time when they drip, the whole frame at once otherwise.
        const std::size_t step = reply.gapMs > 0 ? 1 : reply.bytes.size();
        for (std::size_t i = 0; i < reply.bytes.size() && running_; i += step) {
            if (i > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(reply.gapMs));
            [[maybe_unused]] auto written = ::write(pty_.Fd(), reply.bytes.data() + i, step);
        }
    }

    sim::Pty pty_;
    bool ascii_;
    std::vector<Reply> script_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};

// "01 83 00 41 30" as bytes.
std::string Hex(const std::string& text) {
    std::string bytes;
    std::istringstream in(text);
    for (std::string byte; in >> byte;)
        bytes += static_cast<char>(std::stoi(byte, nullptr, 16));
    return bytes;
}

// Replies a real slave may give, written out byte by byte and fed through
// the real channels: every one is reported by what it is, the exit status
// follows the rows printed, and a late answer never answers the next request.
TEST_F(ProbeCliTest, RepliesAreReportedByWhatTheyAre) {
    struct Row {
        std::string status;
        int exception = -1; // -1: none
        std::vector<int> registers = {};
    };
    struct Case {
        const char* name;
        bool ascii;
        int commands; // reads of registers 10 and 11
        std::vector<Reply> script;
        std::vector<Row> rows;
        int exit;
    };
    const std::string a = Hex("01 03 04 00 0A 00 0B 9B F6"); // registers 10, 11
    const std::string b = Hex("01 03 04 00 14 00 15 7B F8"); // registers 20, 21
    const std::string asciiA = ":010304000A000BE3\r\n";
    const std::string asciiB = ":01030400140015CF\r\n";
    const int late = 300 + 50; // past the response time-out, within the quiet gap after it
    const Case cases[] = {
        {"exception 0", false, 1, {{Hex("01 83 00 41 30")}}, {{"exception", 0}}, 14},
        {"exceptions past 11",
         false,
         2,
         {{Hex("01 83 0C 41 35")}, {Hex("01 83 20 40 E8")}},
         {{"exception", 12}, {"exception", 32}},
         14},
        {"late RTU answer", false, 2, {{a, late}, {b}}, {{"timeout"}, {"ok", -1, {20, 21}}}, 14},
        {"late ASCII answer",
         true,
         2,
         {{asciiA, late}, {asciiB}},
         {{"timeout"}, {"ok", -1, {20, 21}}},
         14},
        {"RTU bytes 50 ms apart", false, 1, {{a, 0, 50}}, {{"timeout"}}, 14},
        {"ASCII characters 50 ms apart", true, 1, {{asciiA, 0, 50}}, {{"timeout"}}, 14},
        {"ASCII frame without CR LF", true, 1, {{":010304000A000BE3"}}, {{"timeout"}}, 14},
        {"interrupted in the first pass", false, 3, {{"", 0, 0, true}}, {{"timeout"}}, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto project = ProbeProject(300);
        project->GetSubnet().SetChoiceIndex(Subnet::CommModeIndex, c.ascii ? 1 : 0);
        for (int i = 0; i < c.commands; ++i)
            AddCommand(*project, 2, 10, 2, "000" + std::to_string(4 * i) + "H");
        ScriptedSlave slave(c.ascii, c.script);
        const Ran ran = Probe({Save(*project), "--port", slave.DevicePath(), "--json"});
        EXPECT_EQ(ran.status, c.exit) << ran.err;
        std::vector<nlohmann::json> rows;
        for (const auto& line : Lines(ran.out))
            if (line.contains("status"))
                rows.push_back(line);
        EXPECT_EQ(rows.size(), c.rows.size()) << ran.out;
        for (std::size_t i = 0; i < rows.size() && i < c.rows.size(); ++i) {
            EXPECT_EQ(rows[i]["status"], c.rows[i].status) << i;
            EXPECT_EQ(rows[i]["exception"], c.rows[i].exception < 0
                                                ? nlohmann::json(nullptr)
                                                : nlohmann::json(c.rows[i].exception))
                << i;
            EXPECT_EQ(rows[i]["registers"], nlohmann::json(c.rows[i].registers)) << i;
        }
    }
}

} // namespace
} // namespace varkel
