#pragma once
#include "probe/MasterChannel.h"

#include <memory>

namespace varkel {

class PosixSerialPort;

// Modbus ASCII over the project's serial transport.
class AsciiChannel : public FramedChannel {
public:
    AsciiChannel();
    ~AsciiChannel() override;

    [[nodiscard]] ResultCode Open(const std::string& device, const ProbeLine& line,
                                  std::string& error) override;
    PortOpenError LastOpenError() const override { return openError_; }
    void Close() override;
    bool FramingDropped() const override;

private:
    bool Exchange(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& answer,
                  ProbeResult& result) override;

    PortOpenError openError_;
    std::unique_ptr<PosixSerialPort> port_;
    ProbeLine line_;
};

} // namespace varkel
