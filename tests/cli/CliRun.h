#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace varkel::test {

struct CliOutput {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs a program with the arguments in a working folder, standard input
// empty, and returns its exit status and both outputs.
CliOutput RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& folder);

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
