#pragma once
#include "probe/ProbeChannel.h"

#include <chrono>

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
    // An RTU master keeps 3.5 characters of silence between frames.
    std::chrono::steady_clock::duration silent_{};
    std::chrono::steady_clock::time_point quietUntil_{};
};

} // namespace varkel
