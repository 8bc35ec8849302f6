#pragma once
#include "probe/ProbeChannel.h"

struct _modbus;

namespace varkel {

// Modbus RTU through libmodbus.
class RtuChannel : public ProbeChannel {
public:
    RtuChannel() = default;
    ~RtuChannel() override;
    RtuChannel(const RtuChannel&) = delete;
    RtuChannel& operator=(const RtuChannel&) = delete;

    int Open(const std::string& device, const ProbeLine& line, std::string& error) override;
    void Close() override;
    void Read(const ProbeCommand& command, ProbeResult& result) override;

private:
    _modbus* context_ = nullptr;
};

} // namespace varkel
