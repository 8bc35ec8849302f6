#pragma once
#include "link/Transport.h"

#include <chrono>

namespace varkel {

// A serial device (or pseudo-terminal) through termios. Opened exclusively
// with TIOCEXCL and an advisory flock, so a second program or a second
// transfer cannot interleave its bytes with ours. Anything but a terminal
// is refused before it is opened for use, and never waited on.
class PosixSerialPort : public Transport {
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool Open(const std::string& device) override;
    bool IsOpen() const override { return fd_ >= 0; }
    void Close() override;
    PortOpenError LastOpenError() const override { return error_; }
    std::string LastErrorText() const override { return errorText_; }
    long Write(const std::uint8_t* bytes, std::size_t count, int timeoutMs) override;
    long Read(std::uint8_t* buffer, std::size_t count, int intervalMs, int totalMs) override;
    void SetCancelToken(const CancelToken* token) override { cancel_ = token; }

    // Changes the open port's line from 19200 8N1 to other settings; parity
    // is 'N', 'O', 'E', 'M' (mark) or 'S' (space). False, with the port left
    // closed, when the driver does not take every setting exactly. A
    // pseudo-terminal carries no parity and always 8 data bits: there those
    // two are not set, and FramingDropped says whether they were asked.
    bool SetLine(int baud, int dataBits, char parity, int stopBits);
    bool FramingDropped() const { return framingDropped_; }

private:
    bool Fail(PortOpenError error);
    bool Fail(OpenFailure failure, const char* what, int error);

    int fd_ = -1;
    std::string device_;
    // One character's time on the line, and when the last byte written
    // will have left it: together they say when an answer can be complete.
    std::chrono::nanoseconds characterTime_{};
    std::chrono::steady_clock::time_point lineFreeAt_{};
    PortOpenError error_;
    std::string errorText_;
    const CancelToken* cancel_ = nullptr;
    bool framingDropped_ = false;
};

// True for the slave side of a pseudo-terminal (a virtual gateway or
// slave, a terminal emulator), which takes any line settings and ignores
// parity and data bits.
bool IsPseudoTerminal(int fd);
bool IsPseudoTerminal(const std::string& device); // through links

} // namespace varkel
