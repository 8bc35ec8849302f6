#pragma once
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace varkel::test {

struct CliOutput {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Environment variables for the program: a name and its value, or an
// empty value to remove the variable.
using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs a program with the arguments in a working folder, standard input
// empty, and returns its exit status and both outputs. With interruptAfterMs
// above 0 the program gets SIGINT that long after it started.
CliOutput RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& folder, const Environment& environment = {},
                     int interruptAfterMs = 0);

// A fresh folder under the temporary directory, removed with everything in
// it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);

// The virtual gateway program on a pseudo-terminal reached through a link;
// stopped when the object goes.
class SimGateway {
public:
    SimGateway(const std::string& program, const std::string& link,
               const std::vector<std::string>& extraArgs = {});
    ~SimGateway();
    SimGateway(const SimGateway&) = delete;
    SimGateway& operator=(const SimGateway&) = delete;
    bool Ready() const { return ready_; }
    // Stops the program; returns its exit status.
    int Stop();

private:
    pid_t pid_ = -1;
    bool ready_ = false;
};

} // namespace varkel::test
