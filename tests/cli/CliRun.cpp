#include "CliRun.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varkel::test {
namespace {

pid_t Spawn(const std::string& program, const std::vector<std::string>& args,
            const std::string& folder, const std::string& outPath, const std::string& errPath,
            const Environment& environment = {}) {
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (auto& a : argv)
        raw.push_back(a.data());
    raw.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        for (const auto& [name, value] : environment) {
            if (value.empty())
                ::unsetenv(name.c_str());
            else
                ::setenv(name.c_str(), value.c_str(), 1);
        }
        ::execv(program.c_str(), raw.data());
        ::_exit(127);
    }
    return pid;
}

} // namespace

CliOutput RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& folder, const Environment& environment,
                     int interruptAfterMs) {
    // Outputs go beside, not into, the working folder, so that the tests
    // can compare the folder's files.
    TempFolder outputs;
    CliOutput result;
    pid_t pid = Spawn(program, args, folder, outputs.File("out"), outputs.File("err"), environment);
    if (pid < 0)
        return result;
    if (interruptAfterMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(interruptAfterMs));
        ::kill(pid, SIGINT);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outputs.File("out"));
    result.err = ReadFile(outputs.File("err"));
    return result;
}

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/varkel-cli-XXXXXX";
    if (::mkdtemp(pattern.data()))
        path_ = pattern;
}

TempFolder::~TempFolder() {
    if (path_.empty())
        return;
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

SimGateway::SimGateway(const std::string& program, const std::string& link,
                       const std::vector<std::string>& extraArgs) {
    std::vector<std::string> args{"--link", link};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    fs::path folder = fs::path(link).parent_path();
    pid_ = Spawn(program, args, folder.string(), (folder / "sim.out").string(),
                 (folder / "sim.err").string());
    if (pid_ < 0)
        return;
    // Ready once the link points at the pseudo-terminal.
    for (int i = 0; i < 250 && !ready_; ++i) {
        std::error_code ec;
        if (fs::is_symlink(link, ec) && fs::exists(link, ec))
            ready_ = true;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

SimGateway::~SimGateway() {
    Stop();
}

int SimGateway::Stop() {
    if (pid_ < 0)
        return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace varkel::test
