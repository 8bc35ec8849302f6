#include "MessageRecorder.h"
#include "link/SerialLink.h"
#include "link/Upload.h"
#include "model/Project.h"
#include "model/ResultCode.h"

#include <gtest/gtest.h>
#include <modbus/modbus.h>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace varkel {
namespace {

namespace fs = std::filesystem;

// varkel-sim (or another program) started as a child with its output on a
// pipe.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args, const char* program = VARKEL_SIM_PROGRAM) {
        args.insert(args.begin(), program);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        out_ = fds[0];
    }
    ~SimProcess() {
        Terminate();
        if (out_ >= 0)
            ::close(out_);
    }
    // The next line of output (the first, the first time), waiting at most
    // two seconds.
    std::string FirstLine() {
        std::string line;
        while (line.find('\n') == std::string::npos) {
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, 2000) <= 0)
                break;
            char c;
            if (::read(out_, &c, 1) != 1)
                break;
            line += c;
        }
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        return line;
    }
    // Exit status after SIGTERM, or -1.
    int Terminate() {
        if (pid_ <= 0)
            return -1;
        ::kill(pid_, SIGTERM);
        return Wait();
    }
    int Wait() {
        int status = 0;
        pid_t pid = pid_;
        pid_ = -1;
        if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

class SimProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("varkel-simprog-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
    MessageRecorder messages;
};

TEST_F(SimProgramTest, KeepsADownloadAcrossRuns) {
    const std::string link = (dir / "gateway").string();
    const std::string state = (dir / "gateway.state").string();
    Project original;
    Node* node = original.GetSubnet().CreateNode();
    Command* command = node->CreateCommand(2);
    command->GetItem(Command::RegisterRow)->SetValue("40");
    command->GetItem(Command::DataNumberRow)->SetValue("3");
    command->GetItem(Command::MappingRow)->SetValue("0010H");
    original.GetFieldbus().SetChoiceIndex(Fieldbus::ClearOnFaultIndex, 1);
    {
        SimProcess sim({"--hw", "2.0", "--link", link, "--state", state});
        std::string device = sim.FirstLine();
        ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;
        ASSERT_EQ(fs::read_symlink(link).string(), device);
        SerialLink serial;
        serial.SetPaceMs(0);
        ASSERT_EQ(serial.Open(link), Success);
        ASSERT_EQ(Download(original, serial), Success);
        serial.Close();
        EXPECT_EQ(sim.Terminate(), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link))); // removed on exit
    }
    ASSERT_TRUE(fs::exists(state));
    {
        SimProcess sim({"--hw", "2.0", "--link", link, "--state", state});
        ASSERT_EQ(sim.FirstLine().rfind("/dev/", 0), 0u);
        SerialLink serial;
        serial.SetPaceMs(0);
        ASSERT_EQ(serial.Open(link), Success);
        Project uploaded;
        ASSERT_EQ(Upload(uploaded, serial), Success);
        ASSERT_EQ(uploaded.GetSubnet().GetNodeCount(), 1);
        const Command* back = uploaded.GetSubnet().GetNodeAt(0)->GetCommandAt(0);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetItem(Command::RegisterRow)->GetValue(), "40");
        EXPECT_EQ(back->GetItem(Command::MappingRow)->GetValue(), "0010H");
        EXPECT_EQ(uploaded.GetFieldbus().GetChoiceIndex(Fieldbus::ClearOnFaultIndex), 1);
    }
}

// A port nobody listens on, for a server of a child program.
int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

// Waits for a condition for at most three seconds.
template <typename F> bool Eventually(F f) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!f()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The whole plant on one machine: a configuration downloaded to varkel-sim
// runs against varkel-slave; a Modbus TCP client plays the PLC, the slave's
// own Modbus TCP side plays the field.
TEST_F(SimProgramTest, RunsWhatWasDownloadedAgainstTheSlave) {
    const int fieldPort = FreePort(), plcPort = FreePort();
    SimProcess slave({"--link", (dir / "slave").string(), "--tcp",
                      "127.0.0.1:" + std::to_string(fieldPort), "--trace"},
                     VARKEL_SLAVE_PROGRAM);
    ASSERT_EQ(slave.FirstLine().rfind("/dev/", 0), 0u);
    const std::string link = (dir / "gateway").string();
    SimProcess sim({"--link", link, "--subnet", (dir / "slave").string(), "--plc",
                    "127.0.0.1:" + std::to_string(plcPort)});
    ASSERT_EQ(sim.FirstLine().rfind("/dev/", 0), 0u);

    Project project;
    Node* node = project.GetSubnet().CreateNode();
    Command* read = node->CreateCommand(2); // 03, holding register 5 into bytes 0-1
    read->GetItem(Command::RegisterRow)->SetValue("5");
    read->GetItem(Command::DataNumberRow)->SetValue("1");
    Command* write = node->CreateCommand(5); // 06, bytes 0-1 of the output memory to register 20
    write->GetItem(Command::RegisterRow)->SetValue("20");
    project.AutoMap();
    SerialLink serial;
    serial.SetPaceMs(0);
    ASSERT_EQ(serial.Open(link), Success);
    ASSERT_EQ(Download(project, serial), Success);
    serial.Close();

    modbus_t* plc = modbus_new_tcp("127.0.0.1", plcPort);
    modbus_t* field = modbus_new_tcp("127.0.0.1", fieldPort);
    ASSERT_EQ(modbus_connect(plc), 0);
    ASSERT_EQ(modbus_connect(field), 0);
    std::uint16_t r[3] = {};
    EXPECT_TRUE(Eventually([&] {
        return modbus_read_input_registers(plc, 100, 2, r) == 2 && r[0] == 1 && r[1] == 1;
    })) << r[0]
        << " " << r[1];
    // A field value changed on the slave arrives in the input memory.
    ASSERT_EQ(modbus_write_register(field, 5, 0x1234), 1);
    EXPECT_TRUE(Eventually(
        [&] { return modbus_read_input_registers(plc, 0, 1, r) == 1 && r[0] == 0x1234; }));
    // The PLC's output reaches the slave (change of state: sent when it differs).
    ASSERT_EQ(modbus_write_register(plc, 0, 0xBEEF), 1);
    EXPECT_TRUE(
        Eventually([&] { return modbus_read_registers(field, 20, 1, r) == 1 && r[0] == 0xBEEF; }));
    ASSERT_EQ(modbus_read_input_registers(plc, 200, 3, r), 3);
    EXPECT_GT(r[0] << 16 | r[1], 0);
    modbus_close(plc);
    modbus_free(plc);
    modbus_close(field);
    modbus_free(field);
    // The slave's trace names each write: the start's, the field's, the PLC's.
    std::string lines;
    for (std::string line;
         lines.find("values BEEF") == std::string::npos && !(line = slave.FirstLine()).empty();)
        lines += line + "\n";
    EXPECT_NE(lines.find("write: unit 1, function 6, address 20, values BEEF"), std::string::npos)
        << lines;
    EXPECT_EQ(sim.Terminate(), 0);
}

TEST_F(SimProgramTest, FaultOptionsReachTheLink) {
    SimProcess sim({"--fault", "bad-version", "--fault-at", "2"});
    std::string device = sim.FirstLine();
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;
    SerialLink serial;
    serial.SetPaceMs(0);
    ASSERT_EQ(serial.Open(device), Success);
    Project project;
    EXPECT_EQ(Download(project, serial), VersionMismatch);
}

TEST_F(SimProgramTest, RefusesBadOptionsAndUnreadableState) {
    EXPECT_EQ(SimProcess({"--hw", "two"}).Wait(), 2);
    EXPECT_EQ(SimProcess({"--fault", "sometimes"}).Wait(), 2);
    const fs::path state = dir / "broken.state";
    {
        std::FILE* f = std::fopen(state.c_str(), "w");
        std::fputs("not a state\n", f);
        std::fclose(f);
    }
    EXPECT_EQ(SimProcess({"--state", state.string()}).Wait(), 1);
    // The file it could not read is left as it was.
    EXPECT_EQ(fs::file_size(state), 12u);
}

// Runs varkel-sim to its end and returns what it wrote to standard error, or
// with the help flag to standard output.
std::string ErrorsOf(const std::string& args) {
    // A program that does not refuse its options runs on: the time-out ends it.
    const std::string command =
        "timeout 10 " + std::string(VARKEL_SIM_PROGRAM) + " " + args +
        (args.find("--help") != std::string::npos ? " 2>/dev/null" : " 2>&1 >/dev/null");
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string out;
    char buf[256];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    ::pclose(pipe);
    return out;
}

bool HasChineseCharacters(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xE3 && c <= 0xEF)
            return true;
    return false;
}

TEST_F(SimProgramTest, MessagesFollowTheTextLanguage) {
    std::string en = ErrorsOf("--lang en --fault sometimes");
    EXPECT_NE(en.find("Unknown fault: sometimes"), std::string::npos) << en;
    EXPECT_FALSE(HasChineseCharacters(en)) << en;
    std::string zh = ErrorsOf("--lang zh --fault sometimes");
    EXPECT_NE(zh.find("未知故障类型：sometimes"), std::string::npos) << zh;
    // --lang counts wherever it stands, --help included.
    std::string help = ErrorsOf("--help --lang en");
    EXPECT_NE(help.find("Virtual gateway on a pseudo-terminal"), std::string::npos) << help;
    EXPECT_FALSE(HasChineseCharacters(help)) << help;
    EXPECT_NE(ErrorsOf("--hw x --lang=en").find("Hardware version must be"), std::string::npos);
    EXPECT_NE(ErrorsOf("--hw x --lang zh").find("硬件版本格式"), std::string::npos);
    // An unknown language is refused, not taken for one of the two.
    EXPECT_NE(ErrorsOf("--lang fr").find("--lang"), std::string::npos);
}

} // namespace
} // namespace varkel
