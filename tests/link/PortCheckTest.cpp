// Why a port did not open, for every kind of path a user may name: the
// reason comes back as a value, is never waited for, and reads the same
// in both languages after the one head line.
#include "link/PortCheck.h"
#include "link/PosixSerialPort.h"
#include "model/TextTable.h"
#include "sim/Pty.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varkel {
namespace {

namespace fs = std::filesystem;

std::string TextIn(TextLanguage language, const PortOpenError& error) {
    SetTextLanguage(language);
    std::string text = PortOpenText(error);
    SetTextLanguage(TextLanguage::Chinese);
    return text;
}

// Opens the path as a user without rights would: as root the open runs in a
// child that has given them up. The reason's English text, or empty.
std::string OpenWithoutRights(const std::string& path) {
    if (::geteuid() != 0) {
        PosixSerialPort port;
        return port.Open(path) ? std::string()
                               : TextIn(TextLanguage::English, port.LastOpenError());
    }
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string text;
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0) {
            PosixSerialPort port;
            if (!port.Open(path))
                text = TextIn(TextLanguage::English, port.LastOpenError());
        }
        const ssize_t written = ::write(fds[1], text.data(), text.size());
        ::_exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return text;
}

class PortCheck : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("varkel-ports-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string File(const char* name) const { return (folder_ / name).string(); }
    fs::path folder_;
};

TEST_F(PortCheck, EveryKindOfPathSaysWhyItIsNoPort) {
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    std::ofstream(File("file")) << "not a port\n";
    sim::Pty busy;
    ASSERT_TRUE(busy.Open(nullptr));
    PosixSerialPort holder;
    ASSERT_TRUE(holder.Open(busy.DevicePath())) << holder.LastErrorText();

    struct Case {
        std::string path;
        OpenFailure failure;
        const char* english; // after "Failed to open serial port" and the path
        const char* chinese;
    };
    const Case cases[] = {
        {File("fifo"), OpenFailure::NotTerminal,
         " is not a serial port: it is a named pipe (FIFO).", " 不是串口：它是命名管道（FIFO）。"},
        {File("file"), OpenFailure::NotTerminal, " is not a serial port: it is a regular file.",
         " 不是串口：它是普通文件。"},
        {folder_.string(), OpenFailure::NotTerminal, " is not a serial port: it is a folder.",
         " 不是串口：它是文件夹。"},
        {"/dev/null", OpenFailure::NotTerminal,
         " is not a serial port: it is a device that is not a terminal.",
         " 不是串口：它是不是终端的设备。"},
        {"/dev/zero", OpenFailure::NotTerminal,
         " is not a serial port: it is a device that is not a terminal.",
         " 不是串口：它是不是终端的设备。"},
        {File("none"), OpenFailure::Missing, " does not exist.", " 不存在。"},
        {busy.DevicePath(), OpenFailure::Busy, " is in use by another program or transfer.",
         " 正被其他程序或传输占用。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        PosixSerialPort port;
        EXPECT_FALSE(port.Open(c.path));
        EXPECT_FALSE(port.IsOpen());
        const PortOpenError error = port.LastOpenError();
        EXPECT_EQ(error.failure, c.failure);
        EXPECT_EQ(TextIn(TextLanguage::English, error),
                  "Failed to open serial port\n" + c.path + c.english);
        EXPECT_EQ(TextIn(TextLanguage::Chinese, error), "打开串口失败\n" + c.path + c.chinese);
    }
    // The FIFO was never opened: a writer waiting on it still waits.
    struct stat st {};
    ASSERT_EQ(::stat(File("fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A device owned by a group the user is not in names that group and how to
// join it.
TEST_F(PortCheck, PermissionDeniedNamesTheOwningGroup) {
    group* dialout = ::getgrnam("dialout");
    if (!dialout)
        GTEST_SKIP() << "no dialout group";
    sim::Pty pty;
    ASSERT_TRUE(pty.Open(nullptr));
    if (::chown(pty.DevicePath().c_str(), static_cast<uid_t>(-1), dialout->gr_gid) != 0 ||
        ::chmod(pty.DevicePath().c_str(), ::geteuid() == 0 ? 0660 : 0) != 0)
        GTEST_SKIP() << "the pseudo-terminal cannot be given to dialout";
    const std::string text = OpenWithoutRights(pty.DevicePath());
    EXPECT_EQ(
        text.rfind("Failed to open serial port\nYou have no permission to use " + pty.DevicePath(),
                   0),
        0u)
        << text;
    EXPECT_NE(text.find("\"dialout\""), std::string::npos) << text;
    EXPECT_NE(text.find("usermod -aG dialout"), std::string::npos) << text;

    const PortOpenError error = PortErrorFromErrno(pty.DevicePath(), "open", EACCES);
    EXPECT_EQ(error.group, "dialout");
    const std::string chinese = TextIn(TextLanguage::Chinese, error);
    EXPECT_EQ(chinese.rfind("打开串口失败\n", 0), 0u) << chinese;
    EXPECT_NE(chinese.find("\"dialout\""), std::string::npos) << chinese;
}

} // namespace
} // namespace varkel
