#pragma once
#include "probe/MasterChannel.h"

#include <memory>

namespace varkel {

class PosixSerialPort;

// Modbus ASCII over the project's serial transport.
class AsciiChannel : public MasterChannel {
public:
    AsciiChannel();
    ~AsciiChannel() override;

    [[nodiscard]] ResultCode Open(const std::string& device, const ProbeLine& line,
                                  std::string& error) override;
    PortOpenError LastOpenError() const override { return openError_; }
    void Close() override;
    void Read(const ProbeCommand& command, ProbeResult& result) override;
    void Write(const ModbusWrite& write, ProbeResult& result) override;
    bool FramingDropped() const override;

private:
    // Sends a request (unit, function, data) and takes its answer the same
    // way, LRC checked and removed; false with the status set when none came.
    bool Exchange(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& answer,
                  ProbeResult& result);

    PortOpenError openError_;
    std::unique_ptr<PosixSerialPort> port_;
    ProbeLine line_;
    // The last exchange ended without a valid answer: its rest may still come.
    bool settle_ = false;
};

} // namespace varkel
