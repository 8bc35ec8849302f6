#pragma once
#include "probe/ProbeChannel.h"

#include <memory>

namespace varkel {

class PosixSerialPort;

// Modbus ASCII over the project's serial transport.
class AsciiChannel : public ProbeChannel {
public:
    AsciiChannel();
    ~AsciiChannel() override;

    int Open(const std::string& device, const ProbeLine& line, std::string& error) override;
    PortOpenError LastOpenError() const override { return openError_; }
    void Close() override;
    void Read(const ProbeCommand& command, ProbeResult& result) override;
    bool FramingDropped() const override;

private:
    PortOpenError openError_;
    std::unique_ptr<PosixSerialPort> port_;
    ProbeLine line_;
    // The last exchange ended without a valid answer: its rest may still come.
    bool settle_ = false;
};

} // namespace varkel
