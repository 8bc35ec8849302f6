#pragma once
#include "sim/ModbusSlave.h"

#include <memory>
#include <mutex>
#include <string>

namespace varkel {

// The Modbus slave built into the program, so that the command test can be
// tried without hardware. Started on first use with the line the
// configuration asks for, and started again when that changes.
class VirtualSlave {
public:
    VirtualSlave() = default;
    ~VirtualSlave();
    VirtualSlave(const VirtualSlave&) = delete;
    VirtualSlave& operator=(const VirtualSlave&) = delete;

    static VirtualSlave& Shared();

    // The device path for a slave that speaks the framing, answers the unit
    // id and takes the line time of the baud rate; empty with the reason in
    // error when it cannot start.
    std::string Device(bool ascii, int unit, int baud, std::string* error = nullptr);
    void Stop();

private:
    std::mutex mutex_;
    std::unique_ptr<sim::ModbusSlave> slave_;
    sim::SlaveOptions options_;
};

} // namespace varkel
