#pragma once
#include <string>

namespace varkel::sim {

// The master side of a pseudo-terminal; its other side is a device path that
// programs open like a serial port.
class Pty {
public:
    Pty() = default;
    ~Pty() { Close(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool Open(std::string* error);
    void Close();
    int Fd() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& DevicePath() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

} // namespace varkel::sim
